#pragma once

#include <QString>

namespace lostrand {

struct PriceItem;
struct PriceWriterVariant;
struct RunState;

// The price writers of the numbered layout, one per group of version labels. Each applies one
// price item to the brand's matching parts, or queues it in PriceList when none matches. The
// dispatch holds pointers to them, so they all keep this one signature.
class PriceWriters
{
public:
    // Every label without a member of its own.
    static void ApplyPriceRowDefault(RunState& state, const PriceItem& item);
    // "P.45 (Bar)": cleaned-number match, find texts, Price1 and Sale1.
    static void ApplyPriceRowP45(RunState& state, const PriceItem& item);
    // "P.64 (Bar)" and "P.65 (Bar)": cleaned-number match and find texts.
    static void ApplyPriceRowP64(RunState& state, const PriceItem& item);
    static void ApplyPriceRowP65(RunState& state, const PriceItem& item);
    // "P.48 (Bar)": cleaned-number match, display texts always, and the notice when the target
    // connection is not open at the Thai name.
    static void ApplyPriceRowP48(RunState& state, const PriceItem& item);
    // "P.49 (Bar)": as P.48 without the notice.
    static void ApplyPriceRowP49(RunState& state, const PriceItem& item);
    // "P.61 (Bar)" in the main pass: display texts always, and a second match by the
    // normalized part number while RetryCleanPartNo is 1.
    static void ApplyPriceRowP61(RunState& state, const PriceItem& item);

    // The notice shown when cnADO2 is not open.
    static QString MsgConnectionNotOpen();

private:
    static void apply(RunState& state, const PriceItem& item, const PriceWriterVariant& variant);
};

} // namespace lostrand
