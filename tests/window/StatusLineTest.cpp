#include "window/StatusLine.h"

#include <gtest/gtest.h>

using lostrand::StatusLine;

namespace {

const QString Phase = QStringLiteral("กำลังเปลี่ยนราคา  ");
const QString Brand = QStringLiteral("ZARAV");

TEST(StatusLine, PhaseStartProgressAndEnd)
{
    EXPECT_EQ(StatusLine::start(Phase, Brand), QStringLiteral("กำลังเปลี่ยนราคา  ZARAV"));
    EXPECT_EQ(StatusLine::end(Phase, Brand), QStringLiteral("กำลังเปลี่ยนราคา  ZARAV  100 %"));

    struct Case
    {
        QString mark;
        qint64 done;
        qint64 total;
        QString tail;
    };
    // Done counts the current item; the percent is cut, never rounded up.
    const Case cases[] = {
        {StatusLine::tableMark(3), 1, 3, QStringLiteral("_3  (2)  33 %")},
        {StatusLine::tableMark(3), 2, 3, QStringLiteral("_3  (1)  66 %")},
        {StatusLine::tableMark(12), 3, 3, QStringLiteral("_12  (0)  100 %")},
        {StatusLine::allMark(), 1, 7, QStringLiteral("_All  (6)  14 %")},
        {StatusLine::tableMark(1), 199, 200, QStringLiteral("_1  (1)  99 %")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatusLine::progress(Phase, Brand, c.mark, c.done, c.total),
                  Phase + Brand + c.tail);
    EXPECT_EQ(
        StatusLine::progress(Phase, Brand, StatusLine::tableMark(2), 1, 4, QStringLiteral(" ")),
        Phase + Brand + QStringLiteral("_2 (3)  25 %"));
}

TEST(StatusLine, TheItemLine)
{
    const QString models = QStringLiteral("A1, B2");
    const QString thai =
        StatusLine::itemLabel(QStringLiteral("BOLT"), QStringLiteral(" สลัก "), models);
    EXPECT_EQ(thai, QStringLiteral("สลัก   A1, B2"));
    // A blank Thai name gives way to the English one.
    const QString english =
        StatusLine::itemLabel(QStringLiteral(" BOLT"), QStringLiteral("   "), models);
    EXPECT_EQ(english, QStringLiteral("BOLT   A1, B2"));

    EXPECT_EQ(StatusLine::item(QStringLiteral("T"), QStringLiteral("90119-06"), thai),
              QStringLiteral("T-90119-06 - สลัก   A1, B2"));
    EXPECT_EQ(StatusLine::item(QStringLiteral(" "), QStringLiteral("90119-06"), thai),
              QStringLiteral("90119-06 - สลัก   A1, B2"));
    EXPECT_EQ(StatusLine::item(QString(), QStringLiteral("90119-06"), english),
              QStringLiteral("90119-06 - BOLT   A1, B2"));
}

} // namespace
