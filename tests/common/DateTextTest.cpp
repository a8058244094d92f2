#include "common/DateText.h"
#include "window/RunStop.h"

#include <gtest/gtest.h>

using lostrand::DateText;
using lostrand::RunStop;

TEST(DateTextTest, ThaiDateTextWritesTheBuddhistEraYearWithoutLeadingZeros)
{
    EXPECT_EQ(DateText::ThaiDateText(QDate(2025, 4, 1)), QStringLiteral("1/4/2568"));
    EXPECT_EQ(DateText::ThaiDateText(QDate(2024, 12, 25)), QStringLiteral("25/12/2567"));
    EXPECT_EQ(DateText::ThaiDateText(QDate(2000, 2, 29)), QStringLiteral("29/2/2543"));
}

TEST(DateTextTest, PartsAndDateNumbersOfDateTexts)
{
    struct Case
    {
        QString text;
        qint16 day;
        qint16 month;
        qint16 year;
        qint32 dateNum;
    };
    const std::vector<Case> cases{
        {"1/4/2568", 1, 4, 2568, 25680401},
        {"25/12/2567", 25, 12, 2567, 25671225},
        {"abc", 0, 0, 0, 0},
        {"", 0, 0, 0, 0},
        {"/4/2568", 0, 0, 2568, 25680000},
        {"1//2568", 1, 0, 2568, 25680001},
        {"1/4", 1, 0, 0, 1},
        {"1/4/2568/9", 1, 4, 0, 401},
        {"01/04/2568", 1, 4, 2568, 25680401},
        {" 1 / 4 / 2568 ", 1, 4, 2568, 25680401},
        {"x/y/2568", 0, 0, 2568, 25680000},
        {"31/12/32767", 31, 12, 32767, 327671231},
    };
    for (const Case& c : cases) {
        const std::string shown = c.text.toStdString();
        EXPECT_EQ(DateText::DayOfDateText(c.text), c.day) << shown;
        EXPECT_EQ(DateText::MonthOfDateText(c.text), c.month) << shown;
        EXPECT_EQ(DateText::YearOfDateText(c.text), c.year) << shown;
        EXPECT_EQ(DateText::DateNumOfText(c.text), c.dateNum) << shown;
    }
}

TEST(DateTextTest, DateNumOfTextRaisesOnNegativePartsOverflowAndOutOfRangeParts)
{
    for (const QString& text : {QStringLiteral("-1/4/2568"), QStringLiteral("1/-4/2568"),
                                QStringLiteral("1/4/-2568"), QStringLiteral("32767/12/2568"),
                                QStringLiteral("1/4/40000"), QStringLiteral("1/99999/2568")})
        EXPECT_THROW(DateText::DateNumOfText(text), RunStop) << text.toStdString();
}

TEST(DateTextTest, DateNumIsTodaysLocalDate)
{
    const auto number = [](QDate d) {
        return (d.year() + 543) * 10000 + d.month() * 100 + d.day();
    };
    const QDate before = QDate::currentDate();
    const qint32 today = DateText::DateNum();
    const QDate after = QDate::currentDate();
    // The clock may pass midnight between the reads.
    EXPECT_TRUE(today == number(before) || today == number(after)) << today;
}
