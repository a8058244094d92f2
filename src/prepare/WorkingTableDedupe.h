#pragma once

namespace lostrand {

struct RunState;

// The de-duplication of the split-table build: every group of working-table rows that share a
// kind and a cleaned part number keeps only its rows at the group's highest price.
class WorkingTableDedupe
{
public:
    // Reads the distinct (Kind, FPartNew) pairs into DupKeys on rsMain, then for each pair the
    // group on rsCheck in descending price order into DupRows, and deletes every row below the
    // top price. A blank kind's group spans every kind of its cleaned number.
    static void DedupeWorkingTable(RunState& state);
};

} // namespace lostrand
