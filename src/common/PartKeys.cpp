#include "common/PartKeys.h"

#include "common/BlankText.h"
#include "common/TextChars.h"
#include "window/RunStop.h"
#include "window/VersionLabels.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

namespace lostrand {

namespace {
constexpr qsizetype ModelListLength = 30;
constexpr qsizetype SearchKeyLength = 9;
constexpr qint64 IntegerMin = -32768;
constexpr qint64 IntegerMax = 32767;
// More integer digits than this cannot come back into range by rounding.
constexpr qsizetype IntegerDigits = 6;

const QString Hyphen = QStringLiteral("-");

bool isControl(QChar ch)
{
    return ch.unicode() <= 20 || ch.unicode() == 127;
}

bool charIs(const QList<QStringView>& chars, qsizetype position, const QString& ch)
{
    return position < chars.size() && chars.at(position) == ch;
}

[[noreturn]] void overflow(const QString& shown)
{
    throw RunStop(QStringLiteral("Overflow: %1 is not a 16-bit whole number").arg(shown));
}

qint16 inRange(qint64 value, const QString& shown)
{
    if (value < IntegerMin || value > IntegerMax)
        overflow(shown);
    return static_cast<qint16>(value);
}

qint16 roundedHalfEven(double value, const QString& shown)
{
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    if (!std::isfinite(rounded) || std::fabs(rounded) > static_cast<double>(-IntegerMin))
        overflow(shown);
    return inRange(static_cast<qint64>(rounded), shown);
}

std::optional<qint16> numberValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return roundedHalfEven(value.toDouble(), value.toString());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (value.toULongLong() > static_cast<quint64>(IntegerMax))
            overflow(value.toString());
        return inRange(value.toLongLong(), value.toString());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return inRange(value.toLongLong(), value.toString());
    default:
        return std::nullopt;
    }
}

// A decimal text is rounded on its digits, so a long fraction such as 2.50000000000000001
// still rounds up, which a double could not tell from 2.5.
std::optional<qint16> decimalTextValue(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^([+-]?)([0-9]*)(?:\\.([0-9]*))?$"));
    const QString trimmed = BlankText::trim(text);
    const QRegularExpressionMatch match = decimal.match(trimmed);
    QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.size() > IntegerDigits)
        overflow(trimmed);
    qint64 magnitude = whole.toLongLong();
    if (!fraction.isEmpty()) {
        const QChar first = fraction.at(0);
        const bool pastHalf = std::any_of(fraction.cbegin() + 1, fraction.cend(),
                                          [](QChar ch) { return ch != QLatin1Char('0'); });
        if (first > QLatin1Char('5') ||
            (first == QLatin1Char('5') && (pastHalf || magnitude % 2 != 0)))
            ++magnitude;
    }
    return inRange(match.captured(1) == Hyphen ? -magnitude : magnitude, trimmed);
}
} // namespace

QString PartKeys::MakeSearchKey(const QString& dbVersion, const QString& brand,
                                const QString& partNo)
{
    if (VersionLabels::isFPartNoKey(BlankText::trim(dbVersion)))
        return StripPartNoSeparators(partNo);
    if (brand == QLatin1String("ISUZU"))
        return IsuzuSearchKey(partNo);
    if (brand == QLatin1String("NISSAN") || brand == QLatin1String("UD"))
        return NissanSearchKey(partNo);
    if (brand == QLatin1String("BENZ"))
        return StripPartNoSeparators(partNo);
    return {};
}

QString PartKeys::IsuzuSearchKey(const QString& partNo)
{
    if (charIs(TextChars::split(partNo), 1, Hyphen) || partNo == Hyphen)
        return TextChars::left(partNo.mid(partNo.indexOf(Hyphen) + 1), SearchKeyLength);
    return TextChars::left(partNo, SearchKeyLength);
}

QString PartKeys::NissanSearchKey(const QString& partNo)
{
    if (charIs(TextChars::split(partNo), 5, Hyphen))
        return TextChars::left(partNo, SearchKeyLength);
    return partNo;
}

QString PartKeys::StripSeparators(const QString& text)
{
    QString result = BlankText::trim(text);
    result.remove(QLatin1Char(' '));
    result.remove(QLatin1Char('/'));
    result.remove(QLatin1Char('-'));
    return result;
}

QString PartKeys::StripPartNoSeparators(const QString& text)
{
    return StripSeparators(text);
}

QString PartKeys::CleanText(const QString& text)
{
    if (BlankText::isBlank(text))
        return {};
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        if (isControl(ch) || ch == QLatin1Char('*'))
            continue;
        result.append(ch == QLatin1Char('\'') || ch == QLatin1Char(',') ? QLatin1Char(' ') : ch);
    }
    return BlankText::trim(result);
}

QString PartKeys::NormalizePartNo(const QString& text)
{
    if (BlankText::isBlank(text))
        return {};
    return StripSeparators(CleanText(text));
}

qint16 PartKeys::IntOrZero(const QVariant& value)
{
    if (const std::optional<qint16> number = numberValue(value))
        return *number;
    if (value.typeId() == QMetaType::QString)
        return decimalTextValue(value.toString()).value_or(0);
    return 0;
}

QString PartKeys::JoinModels(const std::array<QString, 12>& models)
{
    QString result = BlankText::trim(models[0]);
    for (size_t i = 1; i < models.size(); ++i) {
        const QString model = BlankText::trim(models[i]);
        if (!model.isEmpty())
            result += QStringLiteral(", ") + model;
    }
    return TextChars::left(result, ModelListLength);
}

QString PartKeys::FindText(const QString& name, const QString& models)
{
    return BlankText::trim(BlankText::trim(name) + QStringLiteral("  ") + BlankText::trim(models));
}

} // namespace lostrand
