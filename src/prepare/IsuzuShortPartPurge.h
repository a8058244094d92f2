#pragma once

#include <QtGlobal>

namespace lostrand {

struct PriceRecord;
struct RunState;

// Removes the part numbers of an ISUZU list's raw tables that are too short to be real ones.
class IsuzuShortPartPurge
{
public:
    // A part or alternate number is short below this many characters, blanks included.
    static constexpr qsizetype ShortBelow = 10;

    // In every PriceNew_<n> listed in PriceNew_Count: Null numbers and kinds become empty, rows
    // without a part number go and the flags 0.00 and 1.00 become 0 and 1; then every row with
    // a short PartNO goes with all rows of the same Kind and PartNO, and in the rows that stay
    // every short alternate number is cleared together with its kind.
    static void PurgeIsuzuShortPartNO(RunState& state);

private:
    static void purgeTable(RunState& state, qint16 n);
    static void purgeRecord(RunState& state, const QString& table, const PriceRecord& record);
};

} // namespace lostrand
