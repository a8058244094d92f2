#include "PrepareFixture.h"

#include "prepare/FordPriceLastMerge.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

class FordPriceLastMergeTest : public PrepareFixture
{
protected:
    void SetUp() override
    {
        PrepareFixture::SetUp();
        state.BrandName = QStringLiteral("FORD");
        addRawTable(1);
    }

    void addDelivery(int n, const std::vector<PriceListRow>& rows)
    {
        QStringList statements = PriceListSchema::createPriceLastTable(n);
        for (const auto& r : rows)
            statements << PriceListSchema::insertItemRow(QStringLiteral("PriceLast_%1").arg(n), r);
        run(statements);
    }
};

} // namespace

TEST_F(FordPriceLastMergeTest, InsertsNewPartsInTheirCleanedForm)
{
    PriceListRow r = row("k*", " AB-12/3 ", "250");
    r.AltNO[0] = "X 1-2";
    r.Model[0] = "-";
    r.Model[1] = "FOCUS,";
    r.Sale = "240";
    r.Description = "DESC";
    addDelivery(1, {r, row("A", "O'RING")});
    FordPriceLastMerge::MergeFordPriceLast(state);
    const auto merged = rows("Select Kind, PartNO, AltNO_1, Model_1, Model_2, Price, Sale, "
                             "Description From PriceNew_1 Order By PartNO");
    ASSERT_EQ(merged.size(), 2);
    EXPECT_EQ(merged[0][1].toString(), "AB123");
    EXPECT_EQ(merged[0][0].toString(), "k");
    EXPECT_EQ(merged[0][2].toString(), "X12");
    EXPECT_EQ(merged[0][3].toString(), "") << "a dash model is blanked in the delivery first";
    EXPECT_EQ(merged[0][4].toString(), "FOCUS");
    EXPECT_EQ(merged[0][5].toDouble(), 250);
    EXPECT_EQ(merged[0][6].toDouble(), 240);
    EXPECT_EQ(merged[0][7].toString(), "DESC");
    EXPECT_EQ(merged[1][1].toString(), "O'RING") << "the quote no longer breaks the statements";
    EXPECT_EQ(scalar("Select PartNO From PriceLast_1 Where Kind = 'k*'").toString(), " AB-12/3 ")
        << "the delivery keeps its own form";
    EXPECT_EQ(state.PriceLastTableNo, std::vector<qint16>({1, 0}));
}

TEST_F(FordPriceLastMergeTest, AHeldPartTakesOnlyNonBlankTextsButAlwaysBothPrices)
{
    PriceListRow held = row("A", "AB123", "100");
    held.AltNO[1] = "OLD2";
    held.Model[0] = "OLDMODEL";
    held.Description = "OLD DESC";
    held.DisSale = "OLDDS";
    PriceListRow otherKind = held;
    otherKind.Kind = "B";
    addRawRows(1, {held, otherKind});
    PriceListRow update = row("Z", "AB-123", "0");
    update.EName = "NEW NAME";
    update.TName = "";
    update.AltNO[0] = "N-1";
    update.Model[0] = "-";
    update.Description = "NEW DESC";
    update.DisPrice = "DP";
    update.Price = "Null";
    update.Sale = "55";
    addDelivery(1, {update});
    FordPriceLastMerge::MergeFordPriceLast(state);
    const auto merged =
        rows("Select Kind, AltNO_1, AltNO_2, EName, TName, Model_1, Description, Price, Sale, "
             "DisPrice, DisSale From PriceNew_1 Order By Kind");
    ASSERT_EQ(merged.size(), 2);
    for (const auto& m : merged) {
        EXPECT_EQ(m[1].toString(), "N1");
        EXPECT_EQ(m[2].toString(), "OLD2");
        EXPECT_EQ(m[3].toString(), "NEW NAME");
        EXPECT_EQ(m[4].toString(), "ชื่อ AB123") << "a blank delivered text keeps the stored one";
        EXPECT_EQ(m[5].toString(), "OLDMODEL");
        EXPECT_EQ(m[6].toString(), "OLD DESC") << "the description of a held part stays";
        EXPECT_EQ(m[7].toDouble(), 0) << "a Null price arrives as 0";
        EXPECT_EQ(m[8].toDouble(), 55);
        EXPECT_EQ(m[9].toString(), "DP");
        EXPECT_EQ(m[10].toString(), "OLDDS");
    }
    EXPECT_EQ(merged[0][0].toString(), "A");
    EXPECT_EQ(merged[1][0].toString(), "B");
}

TEST_F(FordPriceLastMergeTest, WalksEveryDeliveredTableAndCountsEachDown)
{
    PriceListRow first = row("A", "P1", "10");
    first.Description = "FIRST";
    PriceListRow second = row("B", "P1", "20");
    second.Description = "SECOND";
    addDelivery(2, {first, row("A", "P2"), row("A", "P3"), row("A", "P4")});
    addDelivery(1, {second});
    run({"Insert Into PriceLast_1 (Kind, PartNO, Price) Values ('A', Null, 5)"});
    FordPriceLastMerge::MergeFordPriceLast(state);
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังรวมข้อมูล FORD (0)  100 %", "กำลังรวมข้อมูล FORD (3)  25 %",
                           "กำลังรวมข้อมูล FORD (2)  50 %", "กำลังรวมข้อมูล FORD (1)  75 %",
                           "กำลังรวมข้อมูล FORD (0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO").first(), "P1 - ชื่อ P1");
    // Two deliveries of one number give one row: the first one's kind and description stay.
    EXPECT_EQ(column("Select Kind || '/' || Description || '/' || Price From PriceNew_1 "
                     "Where PartNO = 'P1'"),
              QStringList({"B/SECOND/10"}));
    EXPECT_EQ(scalar("Select Count(*) From PriceLast_1").toInt(), 1)
        << "the row without a part number is gone from the delivery";
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1").toInt(), 4);
}

TEST_F(FordPriceLastMergeTest, AnEmptyTableListEndsThePassAtOnce)
{
    FordPriceLastMerge::MergeFordPriceLast(state);
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_EQ(state.strSQL, "Select Count From PriceLast_Count Order By Count");
}
