#include "db/Currency.h"
#include "db/SqlText.h"

#include <gtest/gtest.h>

using lostrand::Currency;
using lostrand::SqlDialect;
using lostrand::SqlText;

TEST(Currency, ParsesAndWritesPlainDecimals)
{
    struct Case
    {
        const char* text;
        std::int64_t units;
        const char* written;
    };
    const Case cases[] = {
        {"1250", 12500000, "1250"},
        {"1234.5", 12345000, "1234.5"},
        {"1234.50", 12345000, "1234.5"},
        {"-12.25", -122500, "-12.25"},
        {"0.0001", 1, "0.0001"},
        {"-0.0001", -1, "-0.0001"},
        {" 7 ", 70000, "7"},
        {"+3.1416", 31416, "3.1416"},
        {"0", 0, "0"},
        {"1.23450", 12345, "1.2345"},
        {"999999999.9999", 9999999999999, "999999999.9999"},
    };
    for (const auto& c : cases) {
        const auto parsed = Currency::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(parsed->units(), c.units) << c.text;
        EXPECT_EQ(parsed->toString(), QString::fromLatin1(c.written)) << c.text;
    }
}

TEST(Currency, RefusesWhatIsNotAnAmount)
{
    for (const char* text : {"", " ", "abc", "1,234.50", "1.2.3", "-", "1e3", "1.23456"})
        EXPECT_FALSE(Currency::parse(QString::fromLatin1(text)).has_value()) << text;
}

TEST(Currency, ReadsDatabaseValues)
{
    EXPECT_EQ(Currency::fromVariant(QVariant(1234.5678))->units(), 12345678);
    EXPECT_EQ(Currency::fromVariant(QVariant(qlonglong(-3)))->units(), -30000);
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("12.5")))->units(), 125000);
    // Some drivers hand money back in exponent form.
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("1.2345e3")))->units(), 12345000);
    EXPECT_FALSE(Currency::fromVariant(QVariant()).has_value());
    EXPECT_FALSE(Currency::fromVariant(QVariant(QStringLiteral("x"))).has_value());
}

TEST(Currency, ComparesExactly)
{
    const auto a = *Currency::parse(QStringLiteral("0.1"));
    const auto b = *Currency::parse(QStringLiteral("0.2"));
    const auto c = *Currency::parse(QStringLiteral("0.3"));
    EXPECT_EQ(Currency::fromUnits(a.units() + b.units()), c);
    EXPECT_LT(*Currency::parse(QStringLiteral("-1")), Currency());
    EXPECT_NE(*Currency::parse(QStringLiteral("1.0001")), *Currency::parse(QStringLiteral("1")));
    EXPECT_TRUE(Currency().isZero());
}

TEST(SqlText, QuotesEveryTextOneWay)
{
    EXPECT_EQ(SqlText::quote(QStringLiteral("ABC"), SqlDialect::Sqlite), QStringLiteral("'ABC'"));
    EXPECT_EQ(SqlText::quote(QStringLiteral("DRIVER'S SEAT"), SqlDialect::Access),
              QStringLiteral("'DRIVER''S SEAT'"));
    EXPECT_EQ(SqlText::quote(QStringLiteral("''"), SqlDialect::Other), QStringLiteral("''''''"));
    EXPECT_EQ(SqlText::quote(QString(), SqlDialect::Sqlite), QStringLiteral("''"));
    EXPECT_EQ(SqlText::quote(QStringLiteral("ไก่'s"), SqlDialect::SqlServer),
              QStringLiteral("N'ไก่''s'"));
}

TEST(SqlText, WritesTruthAsTheWordsExceptOnSqlServer)
{
    for (const SqlDialect dialect : {SqlDialect::Sqlite, SqlDialect::Access, SqlDialect::Other}) {
        EXPECT_EQ(SqlText::truth(true, dialect), QStringLiteral("True"));
        EXPECT_EQ(SqlText::truth(false, dialect), QStringLiteral("False"));
    }
    EXPECT_EQ(SqlText::truth(true, SqlDialect::SqlServer), QStringLiteral("1"));
    EXPECT_EQ(SqlText::truth(false, SqlDialect::SqlServer), QStringLiteral("0"));
}
