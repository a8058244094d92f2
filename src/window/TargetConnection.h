#pragma once

namespace lostrand {

struct RunState;

// The two connections of a run, built from the window's fields as they stand at each call.
class TargetConnection
{
public:
    // The source price-list file cnPriceList; its driver follows the target path's ending.
    static void OpenSourceConnection(RunState& state);
    // Opens cnADO2, which must be closed: the Access file of txtDataValcorin when optAccess is
    // set, else the SQL Server database of the four server fields.
    static void OpenTargetConnection(RunState& state);
    // The Access target: one more try with the fallback password after any failure.
    static void OpenTargetAccess(RunState& state);
    // Between statements of a run: the window's latest texts on the screen first, as the open
    // can block; then close and release cnADO2 when it is open and open a fresh one from the
    // current fields, with statistics for the tables that have filled meanwhile.
    static void Reconnect(RunState& state);
};

} // namespace lostrand
