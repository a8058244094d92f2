#pragma once

#include "prepare/PrepareRecords.h"

#include <QtGlobal>

namespace lostrand {

class Recordset;
struct RunState;

// A FORD delivery, the tables PriceLast_<n> listed in PriceLast_Count, merged into PriceNew_1
// by cleaned part number.
class FordPriceLastMerge
{
public:
    // Cleans each delivered table in place, then walks it in part-number order on rsMain: a part
    // that PriceNew_1 lacks (looked up on rsCheck) is inserted whole; one that it holds gets
    // every non-blank delivered text of its alternates, names, import, models and display
    // texts and both prices, on all its rows.
    static void MergeFordPriceLast(RunState& state);

    // The current delivered row: part numbers and alternates without separators, the other
    // texts cleaned, the amounts as read.
    static PriceRecord cleanRow(const Recordset& rs);
};

} // namespace lostrand
