#pragma once

#include "prepare/PrepareRecords.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace lostrand {

class Connection;
class Recordset;
struct RunState;

// Moving price records between a recordset, the window's PriceRecords and the statements that
// write them back.
class PriceRecordRow
{
public:
    // The text member named like the column (Kind, PartNO, PartNew, FPartNew, AKind_1 ...
    // DisSale, Models); nullptr for ID, Price, Sale and any other name.
    static QString* textMember(PriceRecord& record, const QString& column);
    static const QString* textMember(const PriceRecord& record, const QString& column);

    // The listed columns of the current row into the members of the same names: texts as read,
    // untrimmed; Price and Sale as currency; ID as a 32-bit whole number. A Null, an amount that
    // is no number or an unknown column ends the pass.
    static void read(const Recordset& rs, const QStringList& columns, PriceRecord& record);

    // Every row of the open recordset into PriceRecords, from index 0 in the recordset's order:
    // PriceRecordCount is the record count and the array gets one element more. onRow, when
    // given, sees each record after it is read, with its index. The recordset stays open.
    using RowSeen = std::function<void(qint32 index, PriceRecord& record)>;
    static void load(RunState& state, Recordset& rs, const QStringList& columns,
                     const RowSeen& onRow = {});

    // The 34 values of the row layout, texts quoted for the connection and amounts in plain
    // decimal form, joined by ", ".
    static QString rowValues(const Connection& cn, const PriceRecord& record);
    // The 32 values of an item in item order, quoted the same way.
    static QStringList itemValues(const Connection& cn, const PriceItem& item);
    // "Insert Into <table> Values( ... )" by position, without a column list.
    static QString insertRow(RunState& state, const QString& table, const PriceRecord& record);
};

} // namespace lostrand
