#include "common/PartKeys.h"
#include "window/RunStop.h"

#include <QDate>
#include <gtest/gtest.h>

using lostrand::PartKeys;
using lostrand::RunStop;

namespace {

struct TextCase
{
    QString input;
    QString expected;
};

void expectEach(const std::vector<TextCase>& cases, QString (*operation)(const QString&))
{
    for (const TextCase& c : cases)
        EXPECT_EQ(operation(c.input), c.expected) << "of [" << c.input.toStdString() << "]";
}

} // namespace

TEST(PartKeysTest, MakeSearchKeyFollowsTheLabelFirstThenTheExactBrand)
{
    struct Case
    {
        QString brand;
        QString label;
        QString partNo;
        QString expected;
    };
    const std::vector<Case> cases{
        {"ISUZU", "V.61", "8-97AB12CD-1", "97AB12CD-"},
        {"ISUZU", "V.61", "897AB12CD1", "897AB12CD"},
        {"NISSAN", "V.61", "165A6-ED0B0A", "165A6-ED0"},
        {"UD", "V.61", "165A6ED0B0", "165A6ED0B0"},
        {"UD", "V.61", "165A6-ED0B0A", "165A6-ED0"},
        {"BENZ", "V.61", "A 000-090 12/34", "A0000901234"},
        {"ISUZU", "P.65 (Bar)", "8-97AB12CD-1", "897AB12CD1"},
        {"ZARAV", "V.61", "UC2A-34-400", ""},
        {"ZARAV", "P.48 (Bar)", "UC2A-34-400", "UC2A34400"},
        // The label is compared trimmed, the brand untrimmed and case-sensitively.
        {"ZARAV", " P.45 (Bar) ", "UC2A-34-400", "UC2A34400"},
        {"ZARAV", "p.48 (bar)", "UC2A-34-400", ""},
        {"isuzu", "V.61", "8-97AB12CD-1", ""},
        {" ISUZU", "V.61", "8-97AB12CD-1", ""},
        {"NISSAN ", "V.61", "165A6-ED0B0A", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PartKeys::MakeSearchKey(c.label, c.brand, c.partNo), c.expected)
            << c.brand.toStdString() << " / " << c.label.toStdString() << " / "
            << c.partNo.toStdString();
}

TEST(PartKeysTest, BrandKeysTakeTheNumberUntrimmed)
{
    expectEach({{"-", ""},
                {"", ""},
                {"8-", ""},
                {"8-ABC", "ABC"},
                {"-ABC", "-ABC"},
                {" 8-97AB12CD-1", " 8-97AB12"},
                {"ABCDEFGHIJK", "ABCDEFGHI"}},
               PartKeys::IsuzuSearchKey);
    expectEach({{"", ""},
                {"165A6-", "165A6-"},
                {"165A6-ED0B0A", "165A6-ED0"},
                {" 165A-ED0B0A", " 165A-ED0"},
                {"165A6ED0B0A12", "165A6ED0B0A12"}},
               PartKeys::NissanSearchKey);
}

TEST(PartKeysTest, StripSeparatorsRemovesBlanksSlashesAndHyphensOnly)
{
    const std::vector<TextCase> cases{{"  ", ""},
                                      {" AB--12 / 3 ", "AB123"},
                                      {"O'K-1,2", "O'K1,2"},
                                      {"A\tB", "A\tB"},
                                      {"กข-12", "กข12"}};
    expectEach(cases, PartKeys::StripSeparators);
    expectEach(cases, PartKeys::StripPartNoSeparators);
}

TEST(PartKeysTest, CleanText)
{
    expectEach({{"A,B", "A B"},
                {"*'X", "X"},
                {"**5", "5"},
                {" , ", ""},
                {"AB\r\nCD", "ABCD"},
                {"A\t\tB", "AB"},
                {"\t", ""},
                {"", ""},
                {"   ", ""},
                {QStringLiteral("A") + QChar(0) + QChar(20) + QChar(127) + "B", "AB"},
                // U+0015 to U+001F are ordinary characters here.
                {QStringLiteral("A") + QChar(21) + QChar(31) + "B",
                 QStringLiteral("A") + QChar(21) + QChar(31) + "B"},
                {" DRIVER'S SEAT, L/H ", "DRIVER S SEAT  L/H"},
                {"ไก่ย่าง*", "ไก่ย่าง"}},
               PartKeys::CleanText);
}

TEST(PartKeysTest, NormalizePartNo)
{
    expectEach({{"   ", ""},
                {"", ""},
                {"  ab-12/3 4*  ", "ab1234"},
                {"A'B,C*D", "ABCD"},
                {"A\tB-1", "AB1"}},
               PartKeys::NormalizePartNo);
}

TEST(PartKeysTest, IntOrZeroRoundsHalfToEvenAndGivesZeroForNonNumbers)
{
    struct Case
    {
        QVariant value;
        qint16 expected;
    };
    const std::vector<Case> cases{
        {QStringLiteral("12"), 12},
        {QStringLiteral(" 7 "), 7},
        {QStringLiteral(""), 0},
        {QStringLiteral("1x"), 0},
        {QStringLiteral("1/4"), 0},
        {QStringLiteral("2568/9"), 0},
        {QStringLiteral("."), 0},
        {QStringLiteral("-"), 0},
        {QStringLiteral("1 2"), 0},
        {QStringLiteral("๑๒"), 0},
        {QStringLiteral("007"), 7},
        {QStringLiteral("+4"), 4},
        {QStringLiteral("-12"), -12},
        {QStringLiteral("2.5"), 2},
        {QStringLiteral("3.5"), 4},
        {QStringLiteral("-2.5"), -2},
        {QStringLiteral("-3.5"), -4},
        {QStringLiteral("2.50000000000000001"), 3},
        {QStringLiteral("2.49"), 2},
        {QStringLiteral(".5"), 0},
        {QStringLiteral("1.5"), 2},
        {QStringLiteral("32767"), 32767},
        {QStringLiteral("-32768"), -32768},
        {QStringLiteral("-32768.5"), -32768},
        {QStringLiteral("0000000000012"), 12},
        {QVariant(), 0},
        {QVariant(12), 12},
        {QVariant(2.5), 2},
        {QVariant(3.5), 4},
        {QVariant(-0.5), 0},
        {QVariant(QDate(2025, 4, 1)), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PartKeys::IntOrZero(c.value), c.expected) << c.value.toString().toStdString();
}

TEST(PartKeysTest, IntOrZeroRaisesOnANumberOutOfRange)
{
    const std::vector<QVariant> values{QStringLiteral("32768"),
                                       QStringLiteral("-32769"),
                                       QStringLiteral("32767.5"),
                                       QStringLiteral(" 99999999999999999999 "),
                                       QVariant(40000),
                                       QVariant(qint64(-40000)),
                                       QVariant(quint64(18446744073709551615ULL)),
                                       QVariant(1e10),
                                       QVariant(std::numeric_limits<double>::quiet_NaN())};
    for (const QVariant& value : values)
        EXPECT_THROW(PartKeys::IntOrZero(value), RunStop) << value.toString().toStdString();
}

TEST(PartKeysTest, JoinModels)
{
    struct Case
    {
        std::array<QString, 12> models;
        QString expected;
    };
    const std::vector<Case> cases{
        {{"BT-50", " ", "RANGER"}, "BT-50, RANGER"},
        {{" ", "BT-50"}, ", BT-50"},
        {{" ", " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", " "}, ""},
        {{"TRUCK 2.2", "TRUCK 3.2", "VAN", "PICKUP 4WD"}, "TRUCK 2.2, TRUCK 3.2, VAN, PIC"},
        {{" A ", "", " B", "", "", "", "", "", "", "", "", "C "}, "A, B, C"},
        // Thai counts one character per code point, tone marks and vowel signs included.
        {{"กระบะ ตอนเดียว", "รถตู้ หลังคาสูง", "เก๋ง"}, "กระบะ ตอนเดียว, รถตู้ หลังคาสู"},
        // A character outside the basic plane is kept whole at the cut.
        {{QString(29, QLatin1Char('A')) + QStringLiteral("\U0001D400B")},
         QString(29, QLatin1Char('A')) + QStringLiteral("\U0001D400")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PartKeys::JoinModels(c.models), c.expected) << c.expected.toStdString();
}
