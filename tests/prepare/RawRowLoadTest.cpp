#include "PrepareFixture.h"

#include "prepare/RawRowLoad.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

using RawRowLoadTest = PrepareFixture;

const QString Stored = "Select Kind, PartNO, PartNew, FPartNew, AltNO_1 From PriceList";

} // namespace

TEST_F(RawRowLoadTest, LaysOutPartNumbersInTheBrandsWay)
{
    struct Case
    {
        QString brand;
        QString partNo;
        // PartNO, PartNew, FPartNew as stored; empty when the row is not stored
        QStringList stored;
    };
    const std::vector<Case> cases = {
        {"NISSAN", "ABCDE 12FGH", {"ABCDE-12FGH", "ABCDE-12FGH", "ABCDE12FGH"}},
        {"TOYOTA", "ABCDE12FGHJ", {"ABCDE-12FGH J", "ABCDE-12FGH J", "ABCDE12FGHJ"}},
        {"UD", "AB.CDE123", {"AB.CDE123", "AB.CDE123", "AB.CDE123"}},
        {"UD_VOLVO", "ABCDE 12FGH", {"VABCDE-12FGH", "VABCDE-12FGH", "VABCDE12FGH"}},
        {"UD_VOLVO", "--", {"V-", "V-", "V"}},
        {"BENZ", "A 12 B3", {"A 12 B3", "12 B3", "12B3"}},
        {"BENZ", "ABC", {}},
        {"FORD", " AB-12/C3 ", {"AB12C3", "AB12C3", "AB12C3"}},
        // The apostrophe that a FORD number keeps no longer breaks the insert.
        {"FORD", "O'RING-1", {"O'RING1", "O'RING1", "O'RING1"}},
        {"ISUZU (ใหม่)", "AB 12/CD-3*", {"AB12CD3", "AB12CD3", "AB12CD3"}},
        {"ZARAV", "X-1/2*", {"X-1/2", "X-1/2", "X12"}},
        {"ZARAV", "--", {}},
        {"NISSAN", "--", {}},
    };
    for (const auto& c : cases) {
        run({"Delete From PriceList", "Drop Table If Exists PriceNew_1"});
        PriceListRow r = row("A", c.partNo);
        r.AltNO[0] = c.partNo;
        addRawTable(1, {r});
        state.BrandName = c.brand;
        RawRowLoad::LoadPriceNewTable(state, 1);
        const auto stored = rows(Stored);
        if (c.stored.isEmpty()) {
            EXPECT_TRUE(stored.isEmpty()) << c.brand.toStdString() << " " << c.partNo.toStdString();
            continue;
        }
        ASSERT_EQ(stored.size(), 1) << c.brand.toStdString() << " " << c.partNo.toStdString();
        const QStringList got{stored[0][1].toString(), stored[0][2].toString(),
                              stored[0][3].toString()};
        EXPECT_EQ(got, c.stored) << c.brand.toStdString();
        EXPECT_EQ(stored[0][4].toString(), c.stored[0]) << "alternates share the treatment";
    }
}

TEST_F(RawRowLoadTest, CleansCapsAndFillsTheSalePrice)
{
    PriceListRow full = row(" b ", "P1", "250");
    full.Sale = "0";
    full.EName = QString(45, 'E');
    full.TName = QString(65, QChar(0x0E01));
    full.Model[0] = QString(35, 'M');
    full.Model[11] = "O'NE,X";
    full.Description = QString(75, 'D');
    full.Import = QString(25, 'I');
    full.DisPrice = "12-";
    full.AKind[4] = "k*";
    PriceListRow zero = row("", "P2", "0");
    zero.Sale = "0";
    PriceListRow ownSale = row("c", "P3", "100");
    ownSale.Sale = "90.5";
    addRawTable(4, {full, zero, ownSale});
    RawRowLoad::LoadPriceNewTable(state, 4);
    const auto stored =
        rows("Select Kind, EName, TName, Model_1, Model_12, Description, Import, Price, Sale, "
             "DisPrice, AKind_5 From PriceList Order By PartNO");
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[0][0].toString(), "b");
    EXPECT_EQ(stored[0][1].toString(), QString(40, 'E'));
    EXPECT_EQ(stored[0][2].toString(), QString(60, QChar(0x0E01)));
    EXPECT_EQ(stored[0][3].toString(), QString(30, 'M'));
    EXPECT_EQ(stored[0][4].toString(), "O NE X");
    EXPECT_EQ(stored[0][5].toString(), QString(60, 'D'));
    EXPECT_EQ(stored[0][6].toString(), QString(20, 'I'));
    EXPECT_EQ(stored[0][7].toDouble(), 250);
    EXPECT_EQ(stored[0][8].toDouble(), 250) << "a sale price of 0 takes the price";
    EXPECT_EQ(stored[0][9].toString(), "12");
    EXPECT_EQ(stored[0][10].toString(), "k");
    EXPECT_EQ(stored[1][7].toDouble(), 0);
    EXPECT_EQ(stored[1][8].toDouble(), 0);
    EXPECT_EQ(stored[2][8].toDouble(), 90.5);
}

TEST_F(RawRowLoadTest, ShowsEveryRowAndLeavesABlankKindOutOfTheItemLine)
{
    PriceListRow modelled = row("A", "P1");
    modelled.Model[0] = "M1";
    modelled.Model[2] = "M3";
    addRawTable(2, {modelled, row("", "P2"), row("A", "--")});
    RawRowLoad::LoadPriceNewTable(state, 2);
    EXPECT_EQ(window.history("txtQTY"), QStringList({"กำลังสร้าง FPartNew  ZARAV_2  (2)  33 %",
                                                     "กำลังสร้าง FPartNew  ZARAV_2  (1)  66 %",
                                                     "กำลังสร้าง FPartNew  ZARAV_2  (0)  100 %"}))
        << "a row that is not stored is still counted";
    const QStringList items = window.history("txtPartNO");
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items.contains("A-P1  ชื่อ P1  M1, M3"));
    EXPECT_TRUE(items.contains("P2  ชื่อ P2  "));
    EXPECT_EQ(window.pumps, 3);
    EXPECT_EQ(column("Select PartNO From PriceList Order By PartNO"), QStringList({"P1", "P2"}));
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_FALSE(state.rsCheck.isOpen());
}

TEST_F(RawRowLoadTest, AnEmptyTableShowsNothingAndAPriceThatIsNoNumberEndsTheLoad)
{
    addRawTable(1);
    RawRowLoad::LoadPriceNewTable(state, 1);
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_FALSE(state.rsMain.isOpen());

    run({"Insert Into PriceNew_1 (Kind, PartNO, Price, Sale) Values ('A', 'P0', 5, 5)",
         "Insert Into PriceNew_1 (Kind, PartNO, Price, Sale) Values ('A', 'P1', 'abc', 0)"});
    EXPECT_ANY_THROW(RawRowLoad::LoadPriceNewTable(state, 1));
    EXPECT_EQ(column("Select PartNO From PriceList"), QStringList({"P0"}))
        << "the rows before the fault stay";
}

TEST_F(RawRowLoadTest, ALongTableCountsDownFromItsTotal)
{
    QStringList statements = PriceListSchema::createPriceNewTable(3);
    for (int i = 0; i < 200; ++i)
        statements << PriceListSchema::insertItemRow("PriceNew_3",
                                                     row("A", QStringLiteral("P%1").arg(i)));
    run(statements);
    RawRowLoad::LoadPriceNewTable(state, 3);
    const QStringList lines = window.history("txtQTY");
    ASSERT_EQ(lines.size(), 200);
    EXPECT_EQ(lines.first(), "กำลังสร้าง FPartNew  ZARAV_3  (199)  0 %");
    EXPECT_EQ(lines.last(), "กำลังสร้าง FPartNew  ZARAV_3  (0)  100 %");
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 200);
}
