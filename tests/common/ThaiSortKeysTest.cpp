#include "common/ThaiSortKeys.h"

#include <QDate>
#include <gtest/gtest.h>

using lostrand::ThaiSortKeys;

TEST(ThaiSortKeysTest, LeadingVowelsMoveBehindTheNextCharacter)
{
    struct Case
    {
        QString text;
        QString key;
        QString byVowel;
    };
    const std::vector<Case> cases{
        {"เก", "กเ", "กเ"},
        {"แกง", "กแง", "กแง"},
        {"เไก", "ไเก", "เไก"},
        {" เก", "กเ", " กเ"},
        {"เก ", "กเ", "กเ "},
        {"เ", "เ", "เ"},
        {"กเ", "กเ", "กเ"},
        {"ไก่", "กไ่", "กไ่"},
        // Two equal vowels: the pair changes places with itself, and the scan goes on behind it.
        {"เเก", "เเก", "เเก"},
        {"โตโยต้า", "ตโยโต้า", "ตโยโต้า"},
        {"ใส่ไฟ", "สใ่ฟไ", "สใ่ฟไ"},
        {"ABC", "ABC", "ABC"},
        {"เ\U0001D400", "\U0001D400เ", "\U0001D400เ"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ThaiSortKeys::ThaiSortKey(c.text), c.key) << c.text.toStdString();
        EXPECT_EQ(ThaiSortKeys::ThaiSortKeyByVowel(c.text), c.byVowel) << c.text.toStdString();
    }
}

TEST(ThaiSortKeysTest, AnythingButATextOrABlankTextGivesEmpty)
{
    for (const QVariant& value :
         {QVariant(), QVariant(42), QVariant(2.5), QVariant(QDate(2025, 4, 1)),
          QVariant(QStringLiteral("   ")), QVariant(QString())}) {
        EXPECT_EQ(ThaiSortKeys::ThaiSortKey(value), QString()) << value.toString().toStdString();
        EXPECT_EQ(ThaiSortKeys::ThaiSortKeyByVowel(value), QString())
            << value.toString().toStdString();
    }
}
