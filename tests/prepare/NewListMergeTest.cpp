#include "PrepareFixture.h"

#include "prepare/NewListMerge.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

class NewListMergeTest : public PrepareFixture
{
protected:
    static PriceListRow delivered(const QString& kind, const QString& partNo, const QString& price,
                                  const QString& sale = QStringLiteral("0"))
    {
        PriceListRow r = row(kind, partNo, price);
        r.Sale = sale;
        r.DisPrice = QStringLiteral("DP") + price;
        r.DisSale = QStringLiteral("DS") + price;
        r.FPartNew = partNo;
        r.EName = QStringLiteral("NEW NAME");
        return r;
    }

    // PriceNew_1 as "kind/part/price/sale/disprice/ename", in part, kind and price order.
    QStringList priceNew1() const
    {
        QStringList out;
        for (const auto& r : rows("Select Kind, PartNO, Price, Sale, DisPrice, EName From "
                                  "PriceNew_1 Order By PartNO, Kind, Price"))
            out << QStringList({r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString(),
                                r[4].toString(), r[5].toString()})
                       .join('/');
        return out;
    }
};

} // namespace

TEST_F(NewListMergeTest, UpdatesKnownKeysCopiesNewOnesAndLeavesSameRowsAlone)
{
    struct Case
    {
        const char* what;
        std::vector<PriceListRow> held;
        std::vector<PriceListRow> list;
        QStringList after;
    };
    PriceListRow same = delivered("A", "P1", "100");
    same.EName = "OLD NAME";
    const std::vector<Case> cases = {
        {"same kind, number and prices: nothing written",
         {same},
         {delivered("A", "P1", "100")},
         {"A/P1/100/0/DP100/OLD NAME"}},
        {"other prices: every row of the key is updated, its names stay",
         {same, same, row("B", "P1", "7")},
         {delivered("A", "P1", "120", "110")},
         {"A/P1/120/110/DP120/OLD NAME", "A/P1/120/110/DP120/OLD NAME", "B/P1/7/0//NAME P1"}},
        {"a blank kind reaches every kind",
         {same, row("B", "P1", "7")},
         {delivered("", "P1", "50")},
         {"A/P1/50/0/DP50/OLD NAME", "B/P1/50/0/DP50/NAME P1"}},
        {"a new key is copied whole, each delivered row with its own prices",
         {},
         {delivered("A", "P2", "90"), delivered("A", "P2", "80")},
         {"A/P2/80/0/DP80/NEW NAME", "A/P2/90/0/DP90/NEW NAME"}},
        {"a blank kind copies every delivered row of the number",
         {},
         {delivered("", "P3", "10"), delivered("C", "P3", "20")},
         {"/P3/10/0/DP10/NEW NAME", "C/P3/20/0/DP20/NEW NAME"}},
        {"a key delivered twice updates twice, the later prices remain",
         {same},
         {delivered("A", "P1", "120"), delivered("A", "P1", "130")},
         {"A/P1/130/0/DP130/OLD NAME"}},
        {"an empty part number writes nothing", {}, {delivered("A", "", "10")}, {}},
        {"apostrophes are written as they are",
         {},
         {delivered("A", "O'RING", "10")},
         {"A/O'RING/10/0/DP10/NEW NAME"}},
    };
    for (const auto& c : cases) {
        run({"Drop Table If Exists PriceNew_1", "Delete From PriceNew_Count",
             "Delete From PriceList_New"});
        addRawTable(1, c.held);
        addRows("PriceList_New", c.list);
        NewListMerge::MergeNewListIntoPriceNew1(state);
        EXPECT_EQ(priceNew1(), c.after) << c.what;
        EXPECT_FALSE(state.rsMain.isOpen());
        EXPECT_FALSE(state.rsCheck.isOpen());
    }
}

TEST_F(NewListMergeTest, CleansTheListsNullsAndShowsBothPhases)
{
    addRawTable(1);
    addRows("PriceList_New", {delivered("A", "P1", "10")});
    run({"Insert Into PriceList_New (Kind, PartNO, TName, Price, PartNew) "
         "Values ('B', 'P2', Null, Null, Null)"});
    NewListMerge::MergeNewListIntoPriceNew1(state);
    EXPECT_EQ(scalar("Select Count(*) From PriceList_New Where TName = '' And Price = 0 And "
                     "Sale = 0 And DisSale = '' And PartNew Is Null")
                  .toInt(),
              1)
        << "Nulls are cleaned except in PartNew and FPartNew";
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังดึงข้อมูลมาแก้  (1)  50 %", "กำลังดึงข้อมูลมาแก้  (0)  100 %",
                           "กำลังแก้ไขราคา  (1)  50 %", "กำลังแก้ไขราคา  (0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"),
              QStringList({"A-P1  ชื่อ P1  ", "B-P2    ", "A-P1  ชื่อ P1  ", "B-P2    "}));
    EXPECT_EQ(window.pumps, 4);
    EXPECT_EQ(state.PriceRecordCount, 2);
    EXPECT_EQ(state.PriceRecords[1].Price, Currency());
}

TEST_F(NewListMergeTest, AnEmptyListWritesNothingAndShowsNothing)
{
    addRawTable(1, {row("A", "P1")});
    NewListMerge::MergeNewListIntoPriceNew1(state);
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_EQ(state.strSQL, "Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, "
                            "AltNO_3, AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, "
                            "Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, "
                            "Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
                            "DisPrice, Sale, DisSale From PriceList_New Order By PartNO");
}

TEST_F(NewListMergeTest, AnItemThatNoWriteBringsStopsThePassInsteadOfLooping)
{
    // A delivered kind with a leading blank: the copy by the trimmed kind brings nothing.
    addRawTable(1);
    addRows("PriceList_New", {delivered(" A", "P1", "10"), delivered("A", "P9", "10")});
    EXPECT_THROW(NewListMerge::MergeNewListIntoPriceNew1(state), RunStop);
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1").toInt(), 0);
}

TEST_F(NewListMergeTest, TheCopyStatementsMatchTheirTwoSpellings)
{
    EXPECT_EQ(NewListMerge::copyStatement(state, "A", "P1"),
              "Insert Into PriceNew_1 (Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, "
              "AltNO_3, AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, "
              "Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, "
              "Model_12, Description, Import, Price, DisPrice, Sale, DisSale) Select Kind, "
              "PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
              "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, "
              "Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, "
              "Import, Price, DisPrice, Sale, DisSale From PriceList_New Where Kind = 'A' And "
              "PartNO = 'P1'");
    const QString blank = NewListMerge::copyStatement(state, "", "P1");
    EXPECT_EQ(blank.count("Disprice"), 2);
    EXPECT_TRUE(blank.endsWith("From PriceList_New Where PartNO = 'P1'"));
}

TEST_F(NewListMergeTest, IntoTheNumberedTablesTheFirstHolderIsUpdatedOrTheLastListedGrows)
{
    PriceListRow heldIn1 = row("A", "X1", "5");
    heldIn1.FPartNew = "F1";
    PriceListRow blankHeld = row("B", "X2", "5");
    blankHeld.FPartNew = "F2";
    addPriceListTable(3, {heldIn1});
    addPriceListTable(1, {heldIn1, blankHeld});
    addPriceListTable(2);
    PriceListRow priced = delivered("A", "P1", "120", "110");
    priced.FPartNew = "F1";
    PriceListRow blankKind = delivered("", "P2", "60");
    blankKind.FPartNew = " F2 ";
    PriceListRow fresh = delivered("C", "P3", "70");
    fresh.FPartNew = "F3";
    fresh.Model[0] = "M1";
    PriceListRow again = delivered("C", "P4", "75");
    again.FPartNew = "F3";
    addRows("PriceList_New", {priced, blankKind, fresh, again, delivered("A", "", "1")});
    NewListMerge::MergeNewListIntoPriceLists(state);

    EXPECT_EQ(column("Select Price || '/' || Sale || '/' || DisPrice From PriceList_1 "
                     "Order By PartNO"),
              QStringList({"120/110/DP120", "60/0/DP60"}));
    EXPECT_EQ(column("Select PartNO || '/' || Price From PriceList_3 Order By PartNO"),
              QStringList({"P3/75", "X1/5"}))
        << "only the first holder is updated; a new key goes to table 3 and is found again";
    EXPECT_EQ(scalar("Select Count(*) From PriceList_2").toInt(), 0);
    EXPECT_EQ(state.PriceListNo, std::vector<qint16>({1, 2, 3, 0}));
    EXPECT_EQ(state.PriceRecords[3].Models, "M1") << "the list is read in part-number order";
    const QStringList items = window.history("txtPartNO");
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[3], "C-P3  ชื่อ P3  M1");
    EXPECT_EQ(window.history("txtQTY").first(), "กำลังแก้ไขราคา  (4)  20 %");
}

TEST_F(NewListMergeTest, IntoTheNumberedTablesAnEmptyTableListEndsThePassAtOnce)
{
    state.PriceRecordCount = 9;
    addRows("PriceList_New", {delivered("A", "P1", "1")});
    NewListMerge::MergeNewListIntoPriceLists(state);
    EXPECT_EQ(state.PriceRecordCount, 9);
    EXPECT_TRUE(window.history("txtQTY").isEmpty());

    // A Null in any of the 34 columns ends the pass while loading, before any write.
    addPriceListTable(1);
    run({"Insert Into PriceList_New (Kind, PartNO) Values ('A', 'P2')"});
    EXPECT_ANY_THROW(NewListMerge::MergeNewListIntoPriceLists(state));
    EXPECT_EQ(scalar("Select Count(*) From PriceList_1").toInt(), 0);
}
