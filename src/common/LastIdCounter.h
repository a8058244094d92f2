#pragma once

#include <QString>

namespace lostrand {

struct RunState;

// The named counters of the target's LastID table, which hand out new identifiers. Both
// members work on cnADO2, so inside a caller's transaction they are part of it, and both use
// rsLookup and leave it closed.
class LastIdCounter
{
public:
    // The counter's next value, stored as its new last value; 0 when anything failed (no
    // table, a Null counter, a value past 32 bits), with nothing shown. optAccess is read at
    // every call: the recordset member for an Access target, the statement member otherwise.
    static qint32 GetNextLastID(RunState& state, const QString& name);
    static qint32 GetNextLastIDAccess(RunState& state, const QString& name);
    static qint32 GetNextLastIDSql(RunState& state, const QString& name);
    // For callers that must not go on without an identifier: GetNextLastID, but a value of 0
    // or below throws RunStop naming the counter, so the run ends on the command's error path
    // and the caller's transaction is rolled back instead of rows with such an identifier being
    // committed. A counter that holds a negative number counts as broken, not as a start.
    static qint32 RequireNextLastID(RunState& state, const QString& name);
};

} // namespace lostrand
