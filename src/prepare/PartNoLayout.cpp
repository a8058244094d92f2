#include "prepare/PartNoLayout.h"

#include "common/PartKeys.h"
#include "common/TextChars.h"
#include "prepare/FieldText.h"

namespace lostrand {

namespace {

constexpr qsizetype DashAfter = 5;
constexpr qsizetype BlankAfter = 10;
constexpr qsizetype DashedLength = 11;

bool isNull(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

QString joined(const QList<QStringView>& chars, qsizetype from, qsizetype to)
{
    return TextChars::join(chars.mid(from, to < 0 ? -1 : to - from));
}

} // namespace

QString PartNoLayout::LayoutPartNoDashed(const QVariant& value)
{
    if (isNull(value))
        return {};
    const QString s = FieldText::RemoveSpaces(value);
    const QList<QStringView> chars = TextChars::split(s);
    const qsizetype length = chars.size();
    if (length > DashAfter && chars.at(DashAfter) == QLatin1Char('-')) {
        if (length <= DashedLength)
            return s;
        return joined(chars, 0, DashedLength) + QLatin1Char(' ') + joined(chars, DashedLength, -1);
    }
    if (s.contains(QLatin1Char('.')) || s.contains(QLatin1Char('(')) || length <= DashAfter)
        return s;
    const QString dashed = joined(chars, 0, DashAfter) + QLatin1Char('-');
    if (length <= BlankAfter)
        return dashed + joined(chars, DashAfter, -1);
    return dashed + joined(chars, DashAfter, BlankAfter) + QLatin1Char(' ') +
           joined(chars, BlankAfter, -1);
}

QString PartNoLayout::LayoutPartNoDashedV(const QVariant& value)
{
    const QString dashed = LayoutPartNoDashed(value);
    return dashed.isEmpty() ? dashed : QLatin1Char('V') + dashed;
}

QString PartNoLayout::NormalizePartNoField(const QVariant& value)
{
    if (isNull(value))
        return {};
    return PartKeys::NormalizePartNo(FieldText::RemoveSpaces(value));
}

} // namespace lostrand
