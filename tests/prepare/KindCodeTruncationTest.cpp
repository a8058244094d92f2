#include "PrepareFixture.h"

#include "db/DbError.h"
#include "prepare/KindCodeTruncation.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using KindCodeTruncationTest = PrepareFixture;
} // namespace

TEST_F(KindCodeTruncationTest, KindCodesAreCutToTheirFirstCharacter)
{
    struct Case
    {
        QString stored; // SQL literal of Kind and of AKind_4
        QString cut;
    };
    const std::vector<Case> cases = {
        {"'1.00'", "1"}, {"'0.00'", "0"}, {"'AB'", "A"}, {"''", ""}, {"Null", ""}, {"'ก.ข'", "ก"},
    };
    addPriceListTable(1);
    addRawTable(1);
    for (const auto& c : cases)
        run({QStringLiteral("Insert Into PriceNew_1 (Kind, AKind_4, PartNO, TName, EName) "
                            "Values (%1, %1, 'P', 'T', '1.00')")
                 .arg(c.stored)});
    // Two rows alike in everything that is read are each cut.
    run({"Insert Into PriceNew_1 (Kind, AKind_4, PartNO, TName) Values ('1.00', '1.00', 'P', "
         "'T')"});
    KindCodeTruncation::TruncateKindCodes(state);

    const auto stored = rows("Select Kind, AKind_4, EName From PriceNew_1 Order By ID");
    ASSERT_EQ(stored.size(), static_cast<qsizetype>(cases.size()) + 1);
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& r = stored[static_cast<qsizetype>(i)];
        EXPECT_EQ(r[0].toString(), cases[i].cut) << cases[i].stored.toStdString();
        EXPECT_EQ(r[1].toString(), cases[i].cut) << cases[i].stored.toStdString();
        EXPECT_EQ(r[2].toString(), "1.00");
    }
    EXPECT_EQ(stored.last()[0].toString(), "1");
    EXPECT_FALSE(state.rsMain.isOpen());
}

TEST_F(KindCodeTruncationTest, ProgressNamesBrandAndTableAndTheItemLeavesABlankKindOut)
{
    state.BrandName = QStringLiteral("ISUZU");
    addPriceListTable(4);
    PriceListRow first = row("1.00", "P1");
    first.TName = "ท1";
    first.Model = {"M1", "", " M3 "};
    PriceListRow second = row(" ", "P2");
    second.TName = "ท2";
    addRawTable(4, {first, second});
    KindCodeTruncation::TruncateKindCodes(state);
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังแก้ Kind  ISUZU_4  (1)  50 %", "กำลังแก้ Kind  ISUZU_4  (0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"1-P1  ท1  M1, M3", "P2  ท2  "}));
    EXPECT_EQ(window.pumps, 2);
}

TEST_F(KindCodeTruncationTest, TheNumberedTablesListDecidesAndAMissingRawTableEndsThePass)
{
    addPriceListTable(1);
    addPriceListTable(2);
    addRawTable(1, {row("1.00", "P1")});
    addRawTable(3, {row("1.00", "P3")});
    EXPECT_THROW(KindCodeTruncation::TruncateKindCodes(state), DbError);
    EXPECT_EQ(column("Select Kind From PriceNew_1"), QStringList{"1"});
    EXPECT_EQ(column("Select Kind From PriceNew_3"), QStringList{"1.00"});
}

TEST_F(KindCodeTruncationTest, AnEmptyListRunsNothing)
{
    addRawTable(1, {row("1.00", "P1")});
    KindCodeTruncation::TruncateKindCodes(state);
    EXPECT_EQ(column("Select Kind From PriceNew_1"), QStringList{"1.00"});
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
}
