#pragma once

namespace lostrand {

struct RunState;

// After the passes: the re-check that collects what is still new or changed into PriceListAll,
// and the listing of what still differs in the grid. Both walk every PriceList_<n> again and
// classify each row the same way.
class ChangeReports
{
public:
    static void CollectChangedParts(RunState& state);
    static void CollectChangedPartsNumbered(RunState& state);
    static void CollectChangedPartsPadded(RunState& state);

    static void ListPriceDifferences(RunState& state);
    static void ListPriceDifferencesNumbered(RunState& state);
    static void ListPriceDifferencesPadded(RunState& state);

    // Tries of the PriceListAll insert before the run stops: a row the file does not keep as
    // written would otherwise be inserted again for ever.
    static constexpr int InsertTries = 3;
};

} // namespace lostrand
