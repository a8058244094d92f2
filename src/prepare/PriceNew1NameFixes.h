#pragma once

#include <QString>

namespace lostrand {

struct PriceRecord;
struct RunState;

// Clean-ups of the English names of the first raw table PriceNew_1 that walk its rows. Each
// loads its selection into PriceRecords first, closes it, then writes, showing its progress.
class PriceNew1NameFixes
{
public:
    // An EName that begins with the two characters that Thai UTF-8 shows as Windows-874 text
    // (mojibake) becomes empty; then every row's TName becomes its EName.
    static void FixENameCopyToTName(RunState& state);
    // Every PriceNew_1 row of a part number takes the name, trimmed, that PriceNew_O gives that
    // number when the name begins with PAD, unless one of its rows already has that name. A
    // part number that PriceNew_1 lacks is passed over.
    static void CopyPadENameFromPriceNewO(RunState& state);
    // One trailing star comes off the EName, trimmed, of all rows of each part number.
    static void StripENameStar(RunState& state);

    // What tells the two name passes apart.
    struct NameFix
    {
        QString source;                // table and condition pieces of the selection
        bool (*takes)(const QString&); // the test on the trimmed name
        QString (*written)(const QString&);
        bool partMayBeMissing; // the names come from elsewhere than PriceNew_1
    };

private:
    static void applyNames(RunState& state, const NameFix& fix);
    static void applyName(RunState& state, const NameFix& fix, const PriceRecord& record);
};

} // namespace lostrand
