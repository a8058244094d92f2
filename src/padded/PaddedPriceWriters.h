#pragma once

namespace lostrand {

struct PriceItem;
struct RunState;

// The price writers of the padded-table layout. Each finds the item's parts by their padded
// key, queues an item that matches nothing, links every matched part to the item's models and
// writes the item to the part tables of the window's brand and of every brand that shares the
// part through its alternate group, by the same PartID. No transaction: each statement stands
// by itself.
class PaddedPriceWriters
{
public:
    // "P.66 (Bar)": two-digit table names.
    static void ApplyPriceRowP66(RunState& state, const PriceItem& item);
    // "P.68 (Bar)": three-digit table names; under the brand "SUZUKI" the stored part numbers
    // of a matched part are rewritten to the item's number as given.
    static void ApplyPriceRowP68(RunState& state, const PriceItem& item);
};

} // namespace lostrand
