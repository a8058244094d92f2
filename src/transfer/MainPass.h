#pragma once

#include "transfer/PriceItem.h"

#include <QString>
#include <vector>

namespace lostrand {

class Recordset;
struct RunState;

// The main pass: every PriceList_<n> table listed in PriceList_Count, in ascending order, each
// row and each usable alternate handed to the label's price writer, each table's queue to the
// label's new-part writer.
class MainPass
{
public:
    static void ProcessPriceListTables(RunState& state);

    // Reads PriceList_Count into PriceListNo/PriceListNoCount; false (both kept) when it lists
    // no table. The re-check and the listing read the list the same way.
    static bool ReadTableList(RunState& state);

    // The filled alternates moved up into the first slots, in their order; an empty slot that
    // nothing moves into keeps its kind.
    static void CloseUpAlternates(PriceItem& item);
    // The items of the row's alternates that are priced on their own: a number that is not
    // blank and not the row's own, under a kind that is blank or not the row's.
    static std::vector<PriceItem> AlternateItems(const PriceItem& item);

    static QString rowColumns();

private:
    static void processTable(RunState& state, qint16 n);
    static PriceItem readRow(RunState& state);
};

} // namespace lostrand
