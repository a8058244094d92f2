#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// The last step of the split-table build: the working table spread over the numbered tables
// PriceList_<n>, 10000 rows a table in part-number order and every row from the 500000th on in
// table 51.
class WorkingTableSplit
{
public:
    // Loads the whole working table into PriceRecords on rsMain, then appends each record to
    // its numbered table, reads it back on rsCheck and deletes its key's rows from the
    // working table.
    static void SplitWorkingTable(RunState& state);
    // The numbered table of the record at position l, counted from 0.
    static qint16 SplitTableNo(qint32 l);
};

} // namespace lostrand
