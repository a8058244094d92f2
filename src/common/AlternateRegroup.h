#pragma once

#include <QString>

namespace lostrand {

struct RunState;

// Rebuilds every alternate group of the brand, one step and one transaction per group, walking
// a work table of the parts that still wait to be taken as a step's first part.
class AlternateRegroup
{
public:
    // By the label: the padded member under the padded labels, else the numbered one.
    static void RegroupAlternates(RunState& state);
    static void RegroupAlternatesNumbered(RunState& state);
    static void RegroupAlternatesPadded(RunState& state);

private:
    struct RegroupTables;
    static void run(RunState& state, const RegroupTables& tables);
    // Gives false when the work table is empty.
    static bool runStep(RunState& state, const RegroupTables& tables);
    static void collectRegroupParts(RunState& state, qint32 first);
};

} // namespace lostrand
