#include "prepare/FieldText.h"
#include "prepare/PartNoLayout.h"
#include "support/QtPrinters.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <vector>

using namespace lostrand;

namespace {

struct Case
{
    QVariant value;
    QString expected;
};

const QVariant Null;

QVariant t(const char* text)
{
    return QString::fromUtf8(text);
}

template <typename Function> void expectAll(Function f, const std::vector<Case>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(f(c.value), c.expected) << "value: [" << c.value.toString().toStdString() << "]";
}

} // namespace

TEST(LayoutPartNoDashed, PutsTheDashAndTheBlankByLength)
{
    expectAll(PartNoLayout::LayoutPartNoDashed,
              {
                  {t("ABCDE12FGH"), "ABCDE-12FGH"},
                  {t("ABCDE12FGHJ"), "ABCDE-12FGH J"},
                  {t("ABCDE-12FGH"), "ABCDE-12FGH"},
                  {t("ABCDE-12FGHJK"), "ABCDE-12FGH JK"},
                  // Blanks go first, then the seven characters are laid out.
                  {t(" AB CDE12 "), "ABCDE-12"},
                  {t("AB.CDE123"), "AB.CDE123"},
                  {t("AB(CD)EFG"), "AB(CD)EFG"},
                  {t("ABCD"), "ABCD"},
                  {t("ABCDE"), "ABCDE"},
                  {t("ABCDEF"), "ABCDE-F"},
                  {Null, ""},
                  {t(""), ""},
                  {t("   "), ""},
                  // A number is laid out as its text.
                  {QVariant(1234567), "12345-67"},
              });
}

TEST(LayoutPartNoDashedV, PutsVInFrontOfEveryNonEmptyLayout)
{
    expectAll(PartNoLayout::LayoutPartNoDashedV, {
                                                     {t("ABCDE12FGH"), "VABCDE-12FGH"},
                                                     {t("ABCD"), "VABCD"},
                                                     {t("   "), ""},
                                                     {Null, ""},
                                                 });
}

TEST(NormalizePartNoField, CleansAndDropsSeparators)
{
    expectAll(PartNoLayout::NormalizePartNoField, {
                                                      {t("AB 12/CD-3*"), "AB12CD3"},
                                                      {t("O'RING,X"), "ORINGX"},
                                                      {t("  "), ""},
                                                      {Null, ""},
                                                  });
}

TEST(TrimToFirstDigit, StartsAtTheFirstDigitWithSingleBlanks)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"AB-12 34", "12 34"}, {"X9", "9"}, {"ABC", ""}, {"A 1   2", "1 2"}, {"", ""},
        {"AB12-C3", "12-C3"},  {"A  ", ""}, {"7", "7"},  {"12  ", "12"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FieldText::TrimToFirstDigit(text), expected) << text.toStdString();
}

TEST(CleanTextField, RemovesControlsQuotesStarsAndOneTrailingMark)
{
    expectAll(FieldText::CleanTextField, {
                                             {Null, ""},
                                             {t(""), ""},
                                             {t("*"), ""},
                                             {t("-"), ""},
                                             {t("ABC,DEF"), "ABC DEF"},
                                             {t("O'RING*"), "O RING"},
                                             {t("12-"), "12"},
                                             {t("A**B"), "AB"},
                                             {t("A\t\nB"), "AB"},
                                             {t("\x01\x02\x7f"), ""},
                                             {t(" 12.5. "), "12.5"},
                                             // One of each trailing mark, dash first: the point of
                                             // X.- goes after its dash, the dash of X-. stays.
                                             {t("X.-"), "X"},
                                             {t("X-."), "X-"},
                                             {t("X--"), "X-"},
                                             // Codes 21 to 31 are not control characters here.
                                             {t("A\x15"
                                                "B"),
                                              "A\x15"
                                              "B"},
                                             {t("  ไส้กรอง  "), "ไส้กรอง"},
                                             {QVariant(12.5), "12.5"},
                                         });
}

TEST(RemoveSpaces, DropsEveryBlank)
{
    EXPECT_EQ(FieldText::RemoveSpaces(t(" A B  C ")), "ABC");
    EXPECT_EQ(FieldText::RemoveSpaces(t("A\tB")), "A\tB");
}
