#pragma once

#include "db/Currency.h"
#include "transfer/PriceItem.h"

#include <QString>

namespace lostrand {

class Recordset;
struct RunState;

// One row of a price-list table as the re-check and the listing read it: all 34 columns.
struct CheckedRow
{
    PriceItem item; // Sale as read: the sale rule is not applied here
    QString PartNew;
    QString FPartNew;
    QString models;
    QString label;
};

// What a row still is against the target after the passes.
enum class Difference
{
    None,
    NewItem,
    ChangedPrice,
    ChangedSale
};

struct CheckResult
{
    Difference difference = Difference::None;
    Currency storedPrice;
    Currency storedSale;
};

// The one rule by which the re-check collects and the listing shows a row: missing from the
// target, or priced differently, with a price (or sale price) of 0 never counting as a change.
class ChangeCheck
{
public:
    static QString rowColumns();
    static CheckedRow readRow(const Recordset& rs);
    // Where the row is looked up: the numbered part table, or the padded one of a suffix.
    struct Layout
    {
        bool padded = false;
        QString suffix;
    };

    // Looks the row up in the target on rsLookup (at most once; not at all when both amounts
    // are 0) and classifies it.
    static CheckResult classify(RunState& state, const CheckedRow& row, const Layout& layout);
    static QString lookupStatement(RunState& state, const CheckedRow& row, const Layout& layout);
};

} // namespace lostrand
