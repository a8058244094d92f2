#pragma once

#include <QString>

namespace lostrand {

struct RunState;

// The name identifiers ENameID and TNameID of the padded part tables: rows whose names have
// the same find form share one identifier, and a name no row carries takes the next value of
// its LastID counter.
class PaddedNames
{
public:
    enum class Which
    {
        English,
        Thai
    };

    // The identifier of the first row of Pta_<sfx> whose FEName (FTName) is the name's find
    // form, else the counter's next value. Uses rsLookup, closed again. A found Null and a
    // counter that gives nothing above 0 stop the run: identifier 0 is the mark of a blank name.
    static qint32 GetNameID(RunState& state, Which which, const QString& name, const QString& sfx);
};

} // namespace lostrand
