#include "update/PriceWriters.h"

#include "update/PriceRowWriter.h"
#include "update/PriceWriterVariant.h"

namespace lostrand {

namespace {

using MatchKey = PriceWriterVariant::MatchKey;
using NameExtra = PriceWriterVariant::NameExtra;
using DisplayTexts = PriceWriterVariant::DisplayTexts;

// What each member does at the points where the members differ. The default member's values
// are the struct's own.
const PriceWriterVariant DefaultVariant{};

const PriceWriterVariant FindTextVariant{
    .matchKey = MatchKey::CleanedPartNo,
    .englishExtra = NameExtra::FindText,
    .thaiExtra = NameExtra::FindText,
    .displayTexts = DisplayTexts::Never,
};

// Price1 and Sale1 take the place of the part's price columns; nothing else differs.
const PriceWriterVariant P45Variant = [] {
    PriceWriterVariant variant = FindTextVariant;
    variant.priceColumn = QStringLiteral("Price1");
    variant.saleColumn = QStringLiteral("Sale1");
    return variant;
}();

const PriceWriterVariant P49Variant{
    .matchKey = MatchKey::CleanedPartNo,
    .displayTexts = DisplayTexts::Always,
};

const PriceWriterVariant P48Variant = [] {
    PriceWriterVariant variant = P49Variant;
    variant.noticeWhenClosed = true;
    return variant;
}();

const PriceWriterVariant P61Variant{
    .displayTexts = DisplayTexts::Always,
    .secondMatch = true,
};

} // namespace

void PriceWriters::ApplyPriceRowDefault(RunState& state, const PriceItem& item)
{
    apply(state, item, DefaultVariant);
}

void PriceWriters::ApplyPriceRowP45(RunState& state, const PriceItem& item)
{
    apply(state, item, P45Variant);
}

void PriceWriters::ApplyPriceRowP64(RunState& state, const PriceItem& item)
{
    apply(state, item, FindTextVariant);
}

void PriceWriters::ApplyPriceRowP65(RunState& state, const PriceItem& item)
{
    apply(state, item, FindTextVariant);
}

void PriceWriters::ApplyPriceRowP48(RunState& state, const PriceItem& item)
{
    apply(state, item, P48Variant);
}

void PriceWriters::ApplyPriceRowP49(RunState& state, const PriceItem& item)
{
    apply(state, item, P49Variant);
}

void PriceWriters::ApplyPriceRowP61(RunState& state, const PriceItem& item)
{
    apply(state, item, P61Variant);
}

QString PriceWriters::MsgConnectionNotOpen()
{
    return QStringLiteral("cnADO2 ไม่เปิด");
}

void PriceWriters::apply(RunState& state, const PriceItem& item, const PriceWriterVariant& variant)
{
    PriceRowWriter(state, item, variant).run();
}

} // namespace lostrand
