#include "TransferFixture.h"

#include "common/PartKeys.h"
#include "db/DbError.h"
#include "transfer/ChangeReports.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::TestDatabase;
using lostrand::test::TransferFixture;

namespace {

// A numbered-layout target whose part table carries both price pairs, so every label's
// look-up can run against it.
class ChangeReportsTest : public TransferFixture
{
protected:
    void SetUp() override
    {
        TransferFixture::SetUp();
        db.create(
            QStringLiteral("Valcorin.accdb"),
            {QStringLiteral("Create Table Pta7 (PartID Long, Kind Text(1), PartNO Text(40), "
                            "FPartNO Text(40), Price Currency, Sale Currency, Price1 Currency, "
                            "Sale1 Currency)"),
             QStringLiteral("Create Table Pta_07 (PartID Long, FPartNO Text(40), Price Currency, "
                            "Sale Currency)")});
    }

    void addPart(const QString& kind, const QString& partNo, const QString& price,
                 const QString& sale, const QString& price1 = "0", const QString& sale1 = "0")
    {
        db.create(QStringLiteral("Valcorin.accdb"),
                  {QStringLiteral("Insert Into Pta7 Values (%1, '%2', '%3', '%4', %5, %6, %7, %8)")
                       .arg(++parts)
                       .arg(kind, partNo, PartKeys::StripSeparators(partNo), price, sale, price1,
                            sale1)});
    }

    QStringList collected() const
    {
        QStringList out;
        for (const auto& r : TestDatabase::rows(source, "Select Kind, PartNO From PriceListAll"))
            out << r[0].toString() + QLatin1Char('|') + r[1].toString();
        return out;
    }

    static PriceListRow priced(const QString& kind, const QString& partNo, const QString& price,
                               const QString& sale)
    {
        PriceListRow r = row(kind, partNo, price);
        r.Sale = sale;
        return r;
    }

    int parts = 0;
};

} // namespace

TEST_F(ChangeReportsTest, ClassifiesEachRowAgainstTheFirstMatchingPart)
{
    struct Case
    {
        const char* label;
        PriceListRow row;
        bool collected;
    };
    addPart("A", "SAME", "100", "90");
    addPart("A", "PRICE", "100", "90");
    addPart("A", "SALE", "100", "90");
    addPart("A", "AB-12", "100", "90", "50", "40");
    addPart("A", "MANY", "100", "90");
    addPart("B", "MANY", "70", "60");
    const std::vector<Case> cases = {
        {"V.61", priced("A", "MISSING", "0", "0"), false}, // 0/0 is never looked up
        {"V.61", priced("A", "MISSING", "0", "5"), true},  // a missing part with a sale price
        {"V.61", priced("A", "MISSING", "5", "0"), true},
        {"V.61", priced("A", "SAME", "100", "90"), false},
        {"V.61", priced("A", "PRICE", "120", "90"), true},
        {"V.61", priced("A", "PRICE", "0", "95"), false}, // a changed price of 0 is no change
        {"V.61", priced("A", "SALE", "100", "95"), true},
        {"V.61", priced("A", "SALE", "100", "0"), false}, // nor is a changed sale price of 0
        {"V.61", priced("A", "AB12", "100", "90"), true}, // not found by PartNO
        {"P.48 (Bar)", priced("A", "AB 1-2", "100", "90"), false}, // found cleaned
        {"P.45 (Bar)", priced("A", "AB-12", "50", "40"), false},   // Price1 and Sale1
        {"P.45 (Bar)", priced("", "AB-12", "100", "90"), true},    // blank kind, still Price1
        {"V.61", priced("", "MANY", "100", "90"), false},          // first of several matches
        {"V.61", priced("B", "MANY", "100", "90"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " " + c.row.PartNO.toStdString());
        state.DBVersion = QString::fromUtf8(c.label);
        db.create(QStringLiteral("PriceList_ZARAV.mdb"),
                  {QStringLiteral("Delete From PriceList_Count"),
                   QStringLiteral("Drop Table If Exists PriceList_1")});
        addTable(1, {c.row});
        ChangeReports::CollectChangedParts(state);
        EXPECT_EQ(collected().size(), c.collected ? 1 : 0);
    }
}

TEST_F(ChangeReportsTest, ThePaddedLayoutLooksRowsUpByThePaddedKey)
{
    state.DBVersion = QStringLiteral("P.66 (Bar)");
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Insert Into Pta_07 Values (1, '12345A', 100, 90)")});
    addTable(1, {priced("A", "12-34 5", "100", "90"), priced("A", "12-34 6", "100", "90")});
    ChangeReports::CollectChangedParts(state);
    EXPECT_EQ(collected(), QStringList({"A|12-34 6"}));
}

TEST_F(ChangeReportsTest, ACollectedRowHoldsTheThirtyFourTrimmedValuesInOrder)
{
    PriceListRow r = priced(" K ", " O'NEIL ", "12.5", "0");
    r.PartNew = QStringLiteral(" NEW ");
    r.FPartNew = QStringLiteral("F'NEW");
    for (int i = 0; i < 5; ++i) {
        r.AKind[i] = QStringLiteral("k%1 ").arg(i);
        r.AltNO[i] = QStringLiteral(" alt%1").arg(i);
    }
    for (int i = 0; i < 12; ++i)
        r.Model[i] = QStringLiteral("m%1").arg(i);
    r.EName = QStringLiteral("DRIVER'S SEAT");
    r.Description = QStringLiteral("d");
    r.Import = QStringLiteral("i");
    r.DisPrice = QStringLiteral("dp ");
    r.DisSale = QStringLiteral("ds");
    addTable(1, {r});
    ChangeReports::CollectChangedParts(state);
    const auto rows = TestDatabase::rows(source, "Select * From PriceListAll");
    ASSERT_EQ(rows.size(), 1);
    QStringList values;
    for (const QVariant& v : rows[0])
        values << v.toString();
    QStringList expected{"K", "O'NEIL", "NEW", "F'NEW"};
    for (int i = 0; i < 5; ++i)
        expected << QStringLiteral("k%1").arg(i) << QStringLiteral("alt%1").arg(i);
    expected << "DRIVER'S SEAT" << QStringLiteral("ชื่อ  O'NEIL ").trimmed();
    for (int i = 0; i < 12; ++i)
        expected << QStringLiteral("m%1").arg(i);
    expected << "d"
             << "i"
             << "12.5"
             << "dp"
             << "0"
             << "ds";
    EXPECT_EQ(values, expected);
}

TEST_F(ChangeReportsTest, PriceListAllIsEmptiedAlsoWhenNoTableIsListed)
{
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Insert Into PriceListAll (Kind, PartNO) Values ('A', 'OLD')")});
    ChangeReports::CollectChangedParts(state);
    EXPECT_TRUE(collected().isEmpty());
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังครวจสอบข้อมูล  ZARAV", "กำลังตรวจสอบข้อมูล  ZARAV  100 %"}));
}

TEST_F(ChangeReportsTest, TheRecheckShowsItsOwnRowTexts)
{
    addTable(2, {priced("A", "X-1", "0", "0"), priced("", "X-2", "0", "0")});
    ChangeReports::CollectChangedParts(state);
    EXPECT_EQ(
        window.history("txtQTY"),
        QStringList({"กำลังครวจสอบข้อมูล  ZARAV", "กำลังตรวจสอบข้อมูล  ZARAV_2 (1)  50 %",
                     "กำลังตรวจสอบข้อมูล  ZARAV_2 (0)  100 %", "กำลังตรวจสอบข้อมูล  ZARAV  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"A-X-1 - ชื่อ X-1   ", "X-2 - ชื่อ X-2   "}));
}

TEST_F(ChangeReportsTest, AnInsertThePriceListFileDoesNotKeepStopsTheRun)
{
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Create Trigger Lose After Insert On PriceListAll Begin "
                              "Delete From PriceListAll; End")});
    addTable(1, {priced("A", "NEW-1", "10", "0")});
    EXPECT_THROW(ChangeReports::CollectChangedParts(state), RunStop);
}

TEST_F(ChangeReportsTest, TheListingWritesTheThreeLayoutsAndGrowsTheGrid)
{
    addPart("A", "PRICE", "100", "90");
    addPart("A", "SALE", "100", "90");
    addPart("A", "SAME", "100", "90");
    PriceListRow untitled = priced("", "NEW-1", "0", "7");
    untitled.TName = QString();
    untitled.Model[0] = QStringLiteral("BT-50");
    addTable(1, {priced("A", "PRICE", "120.5", "90"), priced("A", "SALE", "100", "95"),
                 priced("A", "SAME", "100", "90"), untitled});
    ChangeReports::ListPriceDifferences(state);
    // Rows come in part-number order.
    const QStringList cells[] = {
        {"1", "New", "NEW-1", "", "BT-50", "", "0"},
        {"2", "", "A-PRICE", "ชื่อ PRICE", "", "100", "120.5"},
        {"3", "", "A-SALE", "ชื่อ SALE", "", "90", "95"},
    };
    for (int r = 1; r <= 3; ++r) {
        QStringList shown;
        for (int c = 1; c <= 7; ++c)
            shown << window.gridText(r, c);
        EXPECT_EQ(shown, cells[r - 1]) << "row " << r;
    }
    EXPECT_EQ(window.gridText(4, 1), QString());
    EXPECT_EQ(window.gridRows(), 30);
    EXPECT_EQ(window.history("txtQTY").at(1),
              QStringLiteral("กำลังตรวจสอบข้อมูล  ZARAV_1  (3)  25 %"));

    // Row 29 grows the grid by one before it is written, and by one more for each after it.
    std::vector<PriceListRow> many;
    for (int i = 0; i < 30; ++i)
        many.push_back(
            priced("A", QStringLiteral("N-%1").arg(i, 2, 10, QLatin1Char('0')), "5", "0"));
    addTable(2, many);
    ChangeReports::ListPriceDifferences(state);
    EXPECT_EQ(window.gridRows(), 35);
    EXPECT_EQ(window.gridText(33, 1), QStringLiteral("33"));
    EXPECT_EQ(window.gridText(33, 3), QStringLiteral("A - N-29"));
}
