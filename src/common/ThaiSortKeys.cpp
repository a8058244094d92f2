#include "common/ThaiSortKeys.h"

#include "common/BlankText.h"
#include "common/TextChars.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace lostrand {

namespace {
// เ แ โ ใ ไ, in the order of the passes.
const std::array<QString, 5> LeadingVowels{QStringLiteral("\u0E40"), QStringLiteral("\u0E41"),
                                           QStringLiteral("\u0E42"), QStringLiteral("\u0E43"),
                                           QStringLiteral("\u0E44")};

bool isLeadingVowel(QStringView ch)
{
    return std::find(LeadingVowels.cbegin(), LeadingVowels.cend(), ch) != LeadingVowels.cend();
}

// The length is fixed before the scan, and the character an exchange brings forward is not
// looked at again.
void exchangePass(QList<QStringView>& chars, const std::function<bool(QStringView)>& moves)
{
    qsizetype i = 0;
    while (i < chars.size() - 1) {
        if (moves(chars.at(i))) {
            std::swap(chars[i], chars[i + 1]);
            i += 2;
        } else {
            ++i;
        }
    }
}

bool isText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}
} // namespace

QString ThaiSortKeys::ThaiSortKey(const QVariant& value)
{
    if (!isText(value))
        return {};
    const QString text = BlankText::trim(value.toString());
    QList<QStringView> chars = TextChars::split(text);
    exchangePass(chars, isLeadingVowel);
    return TextChars::join(chars);
}

QString ThaiSortKeys::ThaiSortKeyByVowel(const QVariant& value)
{
    if (!isText(value) || BlankText::isBlank(value.toString()))
        return {};
    const QString text = value.toString();
    QList<QStringView> chars = TextChars::split(text);
    for (const QString& vowel : LeadingVowels)
        exchangePass(chars, [&vowel](QStringView ch) { return ch == vowel; });
    return TextChars::join(chars);
}

} // namespace lostrand
