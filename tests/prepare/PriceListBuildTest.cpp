#include "PrepareFixture.h"

#include "prepare/PriceListBuild.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using PriceListBuildTest = PrepareFixture;
} // namespace

TEST_F(PriceListBuildTest, BuildsTheNumberedTablesFromEveryRawTable)
{
    addPriceListTable(1, {row("OLD", "STALE")});
    addPriceListTable(2, {row("OLD", "STALE")});
    addRows("PriceList", {row("OLD", "LEFTOVER")});
    PriceListRow dear = row("A", "P-1", "120");
    dear.Model[0] = "-";
    dear.Model[1] = "xxxx";
    dear.Model[2] = "CIVIC";
    addRawTable(2, {dear, row("B", "P3")});
    addRawTable(1, {row("A", "P1", "100"), row("", "P2")});
    run({"Insert Into PriceNew_1 (Kind, PartNO, EName, Price) Values ('A', Null, 'GONE', 5)",
         "Insert Into PriceNew_1 (Kind, PartNO, Price) Values ('A', '   ', 5)",
         "Insert Into PriceNew_1 (Kind, PartNO) Values (Null, 'P4')"});
    PriceListBuild::BuildPriceListTables(state);

    EXPECT_EQ(column("Select Kind || '-' || PartNO || '-' || Price From PriceList_1 "
                     "Order By PartNO"),
              QStringList({"A-P-1-120", "-P2-100", "B-P3-100", "-P4-0"}))
        << "P1 at 100 gave way to P-1 at 120; the stale rows are gone";
    EXPECT_EQ(scalar("Select Count(*) From PriceList_2").toInt(), 0);
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 0);
    EXPECT_EQ(column("Select Model_1 || '/' || Model_2 || '/' || Model_3 From PriceList_1 "
                     "Where PartNO = 'P-1'"),
              QStringList({"//CIVIC"}));
    // The fixes stay in the raw table: no Null, no row without a part number, blank models.
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1 Where EName = 'GONE'").toInt(), 0);
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1 Where PartNO = '   '").toInt(), 1);
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1 Where Kind Is Null Or Sale Is Null Or "
                     "DisSale Is Null Or Model_12 Is Null")
                  .toInt(),
              0);
    EXPECT_EQ(scalar("Select Model_1 || Model_2 From PriceNew_2 Where PartNO = 'P-1'").toString(),
              "");
    EXPECT_EQ(state.PriceNewTableNo, std::vector<qint16>({1, 2, 0}));
    EXPECT_EQ(state.PriceListNo, std::vector<qint16>({1, 2, 0}));
    const QStringList lines = window.history("txtQTY");
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), "กำลังหา PartNO ซ้ำ");
    EXPECT_EQ(lines.last(), "กำลังแยกรายการสินค้า  (0)  100 %");
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_FALSE(state.rsCheck.isOpen());
}

TEST_F(PriceListBuildTest, TheIsuzuKindFlagsAreMendedOnlyForThatBrand)
{
    struct Case
    {
        QString brand;
        QString kind;
    };
    const std::vector<Case> cases = {{"ISUZU", "1"}, {"ISUZU (ใหม่)", "1.00"}, {"isuzu", "1.00"}};
    addPriceListTable(1);
    for (const auto& c : cases) {
        run({"Drop Table If Exists PriceNew_1", "Delete From PriceNew_Count"});
        PriceListRow r = row("1.00", "P1");
        r.AKind[4] = "0.00";
        r.AltNO[4] = "A5";
        addRawTable(1, {r});
        state.BrandName = c.brand;
        PriceListBuild::BuildPriceListTables(state);
        EXPECT_EQ(scalar("Select Kind From PriceNew_1").toString(), c.kind)
            << c.brand.toStdString();
        EXPECT_EQ(scalar("Select AKind_5 From PriceNew_1").toString(),
                  c.kind == "1" ? "0" : "0.00");
    }
}

TEST_F(PriceListBuildTest, ListsDecideWhatIsEmptiedAndWhatIsLoaded)
{
    // A raw table listed twice is loaded twice, and both copies reach the numbered table.
    addRawTable(1, {row("A", "P1")});
    run({"Insert Into PriceNew_Count (Count) Values (1)"});
    // Table 1 is filled by the split though no list names it: its old rows stay.
    run({"Create Table PriceList_1 As Select * From PriceListAll",
         PriceListSchema::insertRow("PriceList_1", row("OLD", "KEPT"))});
    PriceListBuild::BuildPriceListTables(state);
    EXPECT_EQ(column("Select PartNO From PriceList_1 Order By PartNO"),
              QStringList({"KEPT", "P1", "P1"}));
    EXPECT_EQ(state.PriceNewTableNo, std::vector<qint16>({1, 1, 0}));

    // No raw table listed: the listed numbered tables end empty.
    run({"Delete From PriceNew_Count", "Insert Into PriceList_Count (Count) Values (1)"});
    PriceListBuild::BuildPriceListTables(state);
    EXPECT_EQ(scalar("Select Count(*) From PriceList_1").toInt(), 0);
}

TEST_F(PriceListBuildTest, ClearingEmptiesExactlyTheListedTables)
{
    addPriceListTable(1, {row("A", "P1")});
    addPriceListTable(3, {row("A", "P3")});
    run({"Insert Into PriceList_Count (Count) Values (3)"});
    addRows("PriceList", {row("A", "W")});
    addRawTable(1, {row("A", "R")});
    run({"Create Table PriceList_2 As Select * From PriceListAll",
         PriceListSchema::insertRow("PriceList_2", row("A", "P2"))});
    PriceListBuild::ClearPriceListTables(state);
    EXPECT_EQ(scalar("Select Count(*) From PriceList_1").toInt(), 0);
    EXPECT_EQ(scalar("Select Count(*) From PriceList_3").toInt(), 0);
    EXPECT_EQ(scalar("Select Count(*) From PriceList_2").toInt(), 1);
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 1);
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1").toInt(), 1);
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_EQ(window.pumps, 0);
}

TEST_F(PriceListBuildTest, AMissingTableEndsTheBuildInItsPhase)
{
    addRows("PriceList", {row("A", "W")});
    addPriceListTable(1, {row("A", "P1")});
    run({"Insert Into PriceList_Count (Count) Values (2)"});
    EXPECT_ANY_THROW(PriceListBuild::BuildPriceListTables(state));
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 0);
    EXPECT_EQ(scalar("Select Count(*) From PriceList_1").toInt(), 0);

    // A listed raw table without its table ends the build at its first fix.
    run({"Delete From PriceList_Count", "Insert Into PriceNew_Count (Count) Values (5)"});
    addRawTable(1, {row("A", "P1")});
    EXPECT_ANY_THROW(PriceListBuild::BuildPriceListTables(state));
    EXPECT_EQ(column("Select PartNO From PriceList"), QStringList({"P1"}));
    EXPECT_EQ(state.strSQL, "Update PriceNew_5 Set Kind = '' Where Kind Is Null");
}
