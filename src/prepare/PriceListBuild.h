#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// The split-table build: the raw tables PriceNew_<n> into the numbered tables PriceList_<n>
// that the transfer reads.
class PriceListBuild
{
public:
    // Empties the working table and the tables listed in PriceList_Count, fixes and loads every
    // raw table listed in PriceNew_Count, removes the cheaper duplicates and spreads the rest
    // over the numbered tables.
    static void BuildPriceListTables(RunState& state);
    // Empties exactly the tables listed in PriceList_Count.
    static void ClearPriceListTables(RunState& state);
    // The fix statements of one raw table before its load: no Null left in the value columns
    // (the ISUZU kind flags made single digits), no row without a part number, and the models
    // "-" and "xxxx" emptied.
    static void FixPriceNewTable(RunState& state, qint16 n);
};

} // namespace lostrand
