#include "PrepareFixture.h"

#include "prepare/AltNO1Normalization.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using AltNO1NormalizationTest = PrepareFixture;
} // namespace

TEST_F(AltNO1NormalizationTest, TheFirstAlternateTakesItsNormalisedForm)
{
    struct Case
    {
        QString stored; // SQL literal
        QString normalised;
    };
    const std::vector<Case> cases = {
        {"'AB-12/3 C'", "AB123C"}, {"'A, B'", "AB"}, {"'   '", ""}, {"Null", ""},
        {"'O''R*-1'", "OR1"},      {"'X1'", "X1"},
    };
    addRawTable(1);
    for (const auto& c : cases)
        run({QStringLiteral("Insert Into PriceNew_1 (AKind_1, AltNO_1, AltNO_2, AKind_2) "
                            "Values ('1', %1, 'B-2 /', '0.00')")
                 .arg(c.stored)});
    AltNO1Normalization::NormalizeAltNO1(state);

    const auto stored =
        rows("Select AltNO_1, AltNO_2, AKind_1, AKind_2 From PriceNew_1 Order By ID");
    ASSERT_EQ(stored.size(), static_cast<qsizetype>(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& r = stored[static_cast<qsizetype>(i)];
        EXPECT_EQ(r[0].toString(), cases[i].normalised) << cases[i].stored.toStdString();
        EXPECT_EQ(r[1].toString() + r[2].toString() + r[3].toString(), "B-2 /10.00");
    }
    EXPECT_EQ(window.pumps, 0);
    EXPECT_FALSE(state.rsMain.isOpen());
}

TEST_F(AltNO1NormalizationTest, AnEmptyTableListLeavesEveryTableAlone)
{
    PriceListRow r = row("1", "P");
    r.AltNO[0] = "A-1";
    addRawTable(1, {r});
    run({"Delete From PriceNew_Count"});
    AltNO1Normalization::NormalizeAltNO1(state);
    EXPECT_EQ(column("Select AltNO_1 From PriceNew_1"), QStringList{"A-1"});
}
