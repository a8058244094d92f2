#include "padded/PaddedKeys.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "common/TextChars.h"
#include "common/ThaiSortKeys.h"

namespace lostrand {

QString PaddedKeys::PaddedPartKey(const QString& partNo, const QString& kind)
{
    const QString cleaned = PartKeys::CleanText(partNo);
    if (BlankText::isBlank(kind))
        return PartKeys::NormalizePartNo(cleaned);
    return PartKeys::NormalizePartNo(cleaned + PartKeys::CleanText(kind));
}

QString PaddedKeys::PartNoCombo(const QString& number, const QString& kind, bool keepSeparators)
{
    const auto clean = [keepSeparators](const QString& text) {
        const QString cleaned = PartKeys::CleanText(text);
        return keepSeparators ? cleaned : PartKeys::NormalizePartNo(cleaned);
    };
    if (BlankText::isBlank(kind))
        return clean(number);
    return clean(number) + QLatin1Char('-') + clean(kind);
}

QString PaddedKeys::NameFindForm(const QString& name)
{
    return PartKeys::NormalizePartNo(name);
}

QString PaddedKeys::NameInitial(const QString& name)
{
    return TextChars::left(ThaiSortKeys::ThaiSortKeyByVowel(BlankText::trim(name)), 1);
}

} // namespace lostrand
