#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace lostrand {

class Recordset;
struct RunState;

// The steps every preparation pass shares. A pass runs its statements with
// RunState::executeSource and opens its rows with RunState::openOnSource, so each one is built
// in strSQL first; a text value enters a statement only through RunState::qs.
class PrepareSteps
{
public:
    // How often a write is tried before a read-back that still finds nothing stops the pass.
    static constexpr int WriteTries = 3;

    // Reads the list table (PriceNew_Count, PriceList_Count or PriceLast_Count) in ascending
    // order of Count into numbers and count. An empty list gives false and leaves both as they
    // were; otherwise count is the list's record count and numbers has one element more. A
    // Null Count, or one outside the 16-bit range, ends the pass.
    static bool ReadTableList(RunState& state, const QString& listTable,
                              std::vector<qint16>& numbers, qint32& count);
    static bool ReadPriceNewCount(RunState& state);
    // Runs the step for every table listed in PriceNew_Count (PriceList_Count), in ascending
    // order; nothing when the list is empty. The bound is taken once, before the first table.
    static void ForEachPriceNewTable(RunState& state, const std::function<void(qint16)>& step);
    static void ForEachPriceListTable(RunState& state, const std::function<void(qint16)>& step);
    static bool ReadPriceListCount(RunState& state);
    static bool ReadPriceLastCount(RunState& state);

    // A numbered table: the prefix followed at once by the number ("PriceNew_-2").
    static QString tableName(const QString& prefix, qint64 n);

    // Runs statementStart & clause for every column, clause naming the column as %1 (in every
    // place), one statement after the other in the columns' order.
    static void runForColumns(RunState& state, const QString& statementStart, const QString& clause,
                              const QStringList& columns);
    // "Update <table> Set C = '' Where C Is Null" for every column, with 0 in place of '' for
    // Price and Sale.
    static void clearNulls(RunState& state, const QString& table, const QStringList& columns);

    // "Where Kind = 'K' And <column> = 'N'", or "Where <column> = 'N'" when the kind is blank.
    // Both values go in as given, so the caller trims them where its pass does.
    static QString keyWhere(RunState& state, const QString& kind, const QString& numberColumn,
                            const QString& number);

    // Whether the query finds a row; opened on the price-list file and closed again.
    static bool hasRow(RunState& state, Recordset& recordset, const QString& query);
    // Runs the insert, then reads the row back with the query on the recordset; repeats the
    // insert until the read-back finds it, and after WriteTries inserts that all stay unseen
    // ends the pass with RunStop.
    static void InsertWithReadBack(RunState& state, const QString& insert, const QString& readBack,
                                   Recordset& recordset);
    // The same guard for a pass that looks before it writes: done when the query finds a row,
    // otherwise write and look again, at most WriteTries times.
    static void WriteUntilFound(RunState& state, Recordset& recordset, const QString& query,
                                const std::function<void()>& write);
};

} // namespace lostrand
