#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// Cuts the kind codes of the raw tables to one character.
class KindCodeTruncation
{
public:
    // For every n listed in PriceList_Count (the numbered tables' list), in PriceNew_<n>: Nulls
    // of the kinds, PartNO, TName and the models become empty, then Kind and AKind_1 to AKind_5
    // of every row are cut to their first character (1.00 becomes 1).
    static void TruncateKindCodes(RunState& state);

private:
    static void truncateTable(RunState& state, qint16 n);
};

} // namespace lostrand
