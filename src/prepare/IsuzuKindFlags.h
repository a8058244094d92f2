#pragma once

#include <QString>

namespace lostrand {

struct RunState;

// The kind flags that ISUZU lists deliver as the texts 0.00 and 1.00.
class IsuzuKindFlags
{
public:
    // In every PriceNew_<n> listed in PriceNew_Count, Kind and AKind_1 to AKind_5 holding 0.00
    // become 0 and those holding 1.00 become 1; nothing else changes.
    static void NormalizeIsuzuKindFlags(RunState& state);

    // The twelve statements of that change on one table: 0.00 in the six kind columns in
    // order, then 1.00 in the same order.
    static void shortenFlags(RunState& state, const QString& table);
};

} // namespace lostrand
