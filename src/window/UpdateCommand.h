#pragma once

namespace lostrand {

struct RunState;
struct TransferPhases;

// The window's one command: the whole run from the press of cmdUpDate to its message.
class UpdateCommand
{
public:
    // Checks both locations, opens both connections, accepts the label, finds the brand, runs
    // the transfer and reports. Any failure of the run ends on the one error path: the open
    // transaction rolled back, rsMain and rsLookup closed, "cannot save" shown, and the button
    // left disabled with the busy pointer.
    static void cmdUpDate_Click(RunState& state, const TransferPhases& phases);
};

} // namespace lostrand
