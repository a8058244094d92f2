#pragma once

#include "db/Currency.h"
#include "transfer/PriceItem.h"

#include <QString>

namespace lostrand {

class Recordset;

// Reading the rows of the price-list tables (and of the staging queue, which keeps the same
// values) into price items: texts trimmed, amounts as currency, and anything unreadable, a
// Null or a price that is no number, ends the run.
class SourceRow
{
public:
    static QString text(const Recordset& rs, const QString& field);
    static Currency currency(const Recordset& rs, const QString& field);
    static qint16 int16(const Recordset& rs, const QString& field);
    static qint32 int32(const Recordset& rs, const QString& field);

    // AKind_1/AltNO_1 to AKind_5/AltNO_5.
    static void readAlternates(const Recordset& rs, PriceItem& item);
    // EName, TName, Model_1..Model_12, Description, Import, Price, DisPrice, Sale, DisSale.
    static void readDetails(const Recordset& rs, PriceItem& item);
    static void readCommon(const Recordset& rs, PriceItem& item);

    // A row without its own sale price is handed on with its price as the sale price.
    static void applySaleRule(PriceItem& item);
};

} // namespace lostrand
