#pragma once

#include "prepare/PrepareRecords.h"

#include <QString>

namespace lostrand {

struct RunState;

// The merges of a delivered list PriceList_New: into the first raw table PriceNew_1, or
// straight into the numbered tables PriceList_<n>.
class NewListMerge
{
public:
    // Cleans the list's Nulls, loads it into PriceRecords on rsMain, then gives each item of
    // PriceNew_1 with its kind and part number the delivered prices and display texts, or
    // copies the delivered rows of a key that PriceNew_1 lacks. Each item is done when a row
    // with its kind, part number and both prices is found on rsCheck; an item that stays
    // unseen after three writes ends the pass.
    static void MergeNewListIntoPriceNew1(RunState& state);
    // Loads the table list and the delivered list, then updates the prices of the first listed
    // table that holds an item's kind and FPartNew, or appends the item whole to the table with
    // the greatest listed number.
    static void MergeNewListIntoPriceLists(RunState& state);

    // "Update <table> Set Price = .., DisPrice = '..', Sale = .., DisSale = '..' Where ..", the
    // key by the trimmed kind and the number given.
    static QString priceUpdate(RunState& state, const QString& table, const PriceRecord& record,
                               const QString& numberColumn, const QString& number);
    // The insert of every delivered row of the key into PriceNew_1, by a select of the list.
    static QString copyStatement(RunState& state, const QString& kind, const QString& partNo);
};

} // namespace lostrand
