#include "common/ZeroPad.h"

#include <gtest/gtest.h>

using lostrand::ZeroPad;

TEST(ZeroPadTest, PadsToTwoOrThreeDigitsAndGivesEmptyBeyond)
{
    struct Case
    {
        qint32 n;
        QString two;
        QString three;
    };
    const std::vector<Case> cases{
        {0, "00", "000"},  {7, "07", "007"},     {42, "42", "042"}, {99, "99", "099"},
        {100, "", "100"},  {999, "", "999"},     {1000, "", ""},    {-5, "0-5", "00-5"},
        {10, "10", "010"}, {2147483647, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZeroPad::ZeroPad2(c.n), c.two) << c.n;
        EXPECT_EQ(ZeroPad::ZeroPad3(c.n), c.three) << c.n;
    }
}
