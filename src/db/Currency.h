#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

namespace lostrand {

// A money amount with four decimals held as a count of ten-thousandths, so amounts compare
// exactly and print the same on every locale.
class Currency
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t tenThousandths)
    {
        Currency c;
        c.m_units = tenThousandths;
        return c;
    }
    static Currency fromInt(std::int64_t whole) { return fromUnits(whole * Scale); }

    // Plain decimal text ("-12.5", "1250", "0.0001"); nullopt when it is not such a text or
    // has more than four decimals that are not zeros.
    static std::optional<Currency> parse(const QString& text);
    // A database value: number or numeric text. Null or anything else gives nullopt.
    static std::optional<Currency> fromVariant(const QVariant& value);

    constexpr std::int64_t units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    double toDouble() const { return static_cast<double>(m_units) / Scale; }

    // The plain decimal form written into statements: no grouping, no exponent, no trailing
    // zeros after the point ("1234.5", "-0.25", "0").
    QString toString() const;

    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    std::int64_t m_units = 0;
};

} // namespace lostrand
