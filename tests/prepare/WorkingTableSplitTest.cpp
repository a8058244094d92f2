#include "PrepareFixture.h"

#include "prepare/WorkingTableSplit.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using WorkingTableSplitTest = PrepareFixture;
} // namespace

TEST(SplitTableNo, TenThousandPositionsATableAndTheRestInTable51)
{
    const std::vector<std::pair<qint32, qint16>> cases = {
        {0, 1},       {9999, 1},    {10000, 2},   {19999, 2},       {480000, 49},
        {499999, 50}, {500000, 51}, {750000, 51}, {2147483647, 51},
    };
    for (const auto& [position, table] : cases)
        EXPECT_EQ(WorkingTableSplit::SplitTableNo(position), table) << position;
}

TEST_F(WorkingTableSplitTest, CopiesEveryRecordByPositionAndEmptiesTheWorkingTable)
{
    addPriceListTable(1);
    PriceListRow priced = row("A", "P1");
    priced.Price = "12.5";
    priced.Import = "IMP";
    priced.DisPrice = "DP";
    priced.Model[0] = "M1";
    priced.Model[1] = "M2";
    PriceListRow blankKind = row("", "P2");
    PriceListRow otherKind = row("B", "P2");
    PriceListRow quoted = row("A", "O'RING");
    // Two identical records, a tie the de-duplication leaves: both are copied.
    addRows("PriceList", {priced, priced, blankKind, otherKind, quoted});
    WorkingTableSplit::SplitWorkingTable(state);

    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 0);
    EXPECT_EQ(column("Select Kind || '-' || PartNO From PriceList_1 Order By PartNO, Kind"),
              QStringList({"A-O'RING", "A-P1", "A-P1", "-P2", "B-P2"}))
        << "all five records, the blank-kind record's delete taking the B row too";
    const auto copied = rows("Select Import, Price, DisPrice, Model_1, Model_2 From PriceList_1 "
                             "Where PartNO = 'P1'");
    ASSERT_EQ(copied.size(), 2);
    EXPECT_EQ(copied[0][0].toString(), "IMP");
    EXPECT_EQ(copied[0][1].toDouble(), 12.5);
    EXPECT_EQ(copied[0][2].toString(), "DP");
    EXPECT_EQ(copied[0][3].toString(), "M1") << "the joined models are never written";
    EXPECT_EQ(state.PriceRecordCount, 5);
    EXPECT_EQ(state.PriceRecords[1].Models, "M1, M2");
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_FALSE(state.rsCheck.isOpen());
}

TEST_F(WorkingTableSplitTest, ShowsEachRecordWithoutTheBrand)
{
    WorkingTableSplit::SplitWorkingTable(state);
    EXPECT_TRUE(window.history("txtQTY").isEmpty()) << "an empty working table shows nothing";

    addPriceListTable(1);
    PriceListRow modelled = row("A", "P1");
    modelled.Model[0] = "M1";
    addRows("PriceList", {modelled, row("", "P2")});
    WorkingTableSplit::SplitWorkingTable(state);
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังแยกรายการสินค้า  (1)  50 %", "กำลังแยกรายการสินค้า  (0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"A-P1  ชื่อ P1  M1", "P2  ชื่อ P2  "}));
    EXPECT_EQ(window.pumps, 2);
}

TEST_F(WorkingTableSplitTest, AMissingNumberedTableEndsTheSplitWithTheRestStillWaiting)
{
    addRows("PriceList", {row("A", "P1"), row("A", "P2")});
    EXPECT_ANY_THROW(WorkingTableSplit::SplitWorkingTable(state));
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 2);
}
