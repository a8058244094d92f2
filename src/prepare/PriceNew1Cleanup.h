#pragma once

namespace lostrand {

struct RunState;

// Clean-ups of the first raw table PriceNew_1 that are whole-table statements. None shows
// anything or lets the window handle its events.
class PriceNew1Cleanup
{
public:
    // A TName of exactly four question marks becomes empty.
    static void ClearLostTName(RunState& state);
    // A model that is a single full stop becomes empty, in each of the twelve model columns.
    static void ClearDotModels(RunState& state);
    // Kind and AKind_1 to AKind_5: Null becomes 0, the flags 0.00 and 1.00 become 0 and 1.
    static void NormalizeKindFlags(RunState& state);
    // A TName that begins with 2018 or with one of the capital letters A to Y other than Q and
    // X becomes empty (the engine's Like decides what begins with them).
    static void ClearNonThaiTName(RunState& state);
    // Null names and part numbers become empty, an empty TName takes the EName, and the rows
    // left without part number and name go.
    static void FinalizePriceNew1(RunState& state);
};

} // namespace lostrand
