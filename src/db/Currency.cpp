#include "db/Currency.h"

#include <cmath>
#include <limits>

namespace lostrand {

std::optional<Currency> Currency::parse(const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qsizetype pos = 0;
    bool negative = false;
    if (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+')) {
        negative = text.at(0) == QLatin1Char('-');
        ++pos;
    }
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / Scale / 10;
    for (; pos < text.size(); ++pos) {
        const QChar ch = text.at(pos);
        if (ch == QLatin1Char('.') && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        sawDigit = true;
        const int digit = ch.unicode() - '0';
        if (!sawPoint) {
            if (whole > limit)
                return std::nullopt;
            whole = whole * 10 + digit;
        } else if (fractionDigits < 4) {
            fraction = fraction * 10 + digit;
            ++fractionDigits;
        } else if (digit != 0) {
            return std::nullopt;
        }
    }
    if (!sawDigit)
        return std::nullopt;
    for (; fractionDigits < 4; ++fractionDigits)
        fraction *= 10;
    const std::int64_t units = whole * Scale + fraction;
    return fromUnits(negative ? -units : units);
}

std::optional<Currency> Currency::fromVariant(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
        return fromInt(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double scaled = value.toDouble() * Scale;
        if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e18)
            return std::nullopt;
        return fromUnits(std::llround(scaled));
    }
    default:
        break;
    }
    if (value.canConvert<QString>()) {
        const QString text = value.toString();
        if (auto exact = parse(text))
            return exact;
        // Drivers may hand money back in exponent form or with more decimals than four.
        bool ok = false;
        const double d = text.trimmed().toDouble(&ok);
        if (ok)
            return fromVariant(QVariant(d));
    }
    return std::nullopt;
}

QString Currency::toString() const
{
    const bool negative = m_units < 0;
    // Negate in unsigned space so the most negative amount prints too.
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(m_units) + 1 : static_cast<std::uint64_t>(m_units);
    QString text = QString::number(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace lostrand
