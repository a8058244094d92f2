#include "TransferFixture.h"

#include "db/DbError.h"
#include "transfer/MainPass.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::TestDatabase;
using lostrand::test::TransferFixture;

namespace {

PriceItem alternates(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    PriceItem item;
    size_t i = 0;
    for (const auto& [kind, number] : pairs) {
        item.AKind[i] = QString::fromUtf8(kind);
        item.AltNO[i] = QString::fromUtf8(number);
        ++i;
    }
    return item;
}

QStringList numbers(const PriceItem& item)
{
    QStringList out;
    for (const auto& n : item.AltNO)
        out << n;
    return out;
}

QStringList kinds(const PriceItem& item)
{
    QStringList out;
    for (const auto& k : item.AKind)
        out << k;
    return out;
}

using MainPassTest = TransferFixture;

} // namespace

TEST(CloseUpAlternates, MovesFilledSlotsUpInTheirOrder)
{
    struct Case
    {
        PriceItem before;
        QStringList numbers;
        QStringList kinds;
    };
    const std::vector<Case> cases = {
        {alternates({{"a", "A"}, {"b", "B"}, {"", ""}, {"c", "C"}, {"d", "D"}}),
         {"A", "B", "C", "D", ""},
         {"a", "b", "c", "d", ""}},
        {alternates({{"", ""}, {"a", "A"}, {"", ""}, {"", ""}, {"b", "B"}}),
         {"A", "B", "", "", ""},
         {"a", "b", "", "", ""}},
        // A slot without a number that nothing moves into keeps its stale kind.
        {alternates({{"a", "A"}, {"s", ""}, {"", ""}, {"", ""}, {"", ""}}),
         {"A", "", "", "", ""},
         {"a", "s", "", "", ""}},
        // A kind without its number moves nowhere, and is overwritten when a number moves in.
        {alternates({{"s", ""}, {"t", ""}, {"c", "C"}, {"", ""}, {"", ""}}),
         {"C", "", "", "", ""},
         {"c", "t", "", "", ""}},
        {alternates({{"", "  "}, {"", ""}, {"", ""}, {"", ""}, {"e", "E"}}),
         {"E", "", "", "", ""},
         {"e", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        PriceItem item = c.before;
        MainPass::CloseUpAlternates(item);
        EXPECT_EQ(numbers(item), c.numbers);
        EXPECT_EQ(kinds(item), c.kinds);
    }
}

TEST(AlternateItems, HandsOnOnlyUsableAlternates)
{
    PriceItem item = alternates(
        {{"X", "SAME"}, {"K", "OWNKIND"}, {"", "BLANKKIND"}, {"Y", "OTHER"}, {"Z", " "}});
    item.Kind = QStringLiteral("K");
    item.PartNO = QStringLiteral("SAME");
    item.EName = QStringLiteral("E");
    item.Price = Currency::fromInt(5);
    const auto handed = MainPass::AlternateItems(item);
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[0].Kind, QString());
    EXPECT_EQ(handed[0].PartNO, QStringLiteral("BLANKKIND"));
    EXPECT_EQ(handed[1].Kind, QStringLiteral("Y"));
    EXPECT_EQ(handed[1].PartNO, QStringLiteral("OTHER"));
    for (const auto& a : handed) {
        EXPECT_EQ(numbers(a), QStringList({"", "", "", "", ""}));
        EXPECT_EQ(kinds(a), QStringList({"", "", "", "", ""}));
        EXPECT_EQ(a.EName, QStringLiteral("E"));
        EXPECT_EQ(a.Price, Currency::fromInt(5));
    }
    // A row with a blank kind hands on an alternate with a blank kind too.
    PriceItem blank = alternates({{"", "ALT"}});
    blank.PartNO = QStringLiteral("P");
    EXPECT_EQ(MainPass::AlternateItems(blank).size(), 1u);
}

TEST_F(MainPassTest, WalksTheListedTablesInAscendingOrderOncePerListing)
{
    addTable(3, {row("A", "3-1")});
    addTable(1, {row("A", "1-1")});
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Insert Into PriceList_Count (Count) Values (3)")});
    MainPass::ProcessPriceListTables(state);
    EXPECT_EQ(newPartsCalls, QList<qint16>({1, 3, 3}));
    EXPECT_EQ(newPartsBy, QStringList({"AddNewPartsV31", "AddNewPartsV31", "AddNewPartsV31"}));
    ASSERT_EQ(priced.size(), 3u);
    EXPECT_EQ(priced[0].PartNO, QStringLiteral("1-1"));
    EXPECT_EQ(priced[1].PartNO, QStringLiteral("3-1"));
    EXPECT_EQ(state.PriceListNoCount, 3);
    EXPECT_EQ(state.PriceListNo, std::vector<qint16>({1, 3, 3, 0}));
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_TRUE(state.cnADO2().isOpen());
}

TEST_F(MainPassTest, AnEmptyTableListDoesNothing)
{
    state.PriceListNo = {9, 0};
    state.PriceListNoCount = 1;
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (7, 'KEEP')")});
    const QString before = state.cnADO2().name();
    MainPass::ProcessPriceListTables(state);
    EXPECT_TRUE(newPartsCalls.isEmpty());
    EXPECT_TRUE(priced.empty());
    EXPECT_EQ(state.PriceListNo, std::vector<qint16>({9, 0}));
    EXPECT_EQ(state.cnADO2().name(), before) << "the target was reconnected";
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From PriceList").toInt(), 1);
    EXPECT_EQ(window.history("txtQTY"), QStringList({"กำลังย้ายข้อมูล  ZARAV"}));
}

TEST_F(MainPassTest, EachTableReconnectsAndEmptiesOnlyTheBrandsQueue)
{
    addTable(2, {});
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (7, 'OLD')"),
               QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (8, 'OTHER')")});
    const QString before = state.cnADO2().name();
    MainPass::ProcessPriceListTables(state);
    EXPECT_NE(state.cnADO2().name(), before);
    EXPECT_EQ(newPartsCalls, QList<qint16>({2}));
    const auto left = TestDatabase::rows(targetPath, "Select BrandID, PartNO From PriceList");
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0][1].toString(), QStringLiteral("OTHER"));
    EXPECT_EQ(window.history("txtQTY").last(), QStringLiteral("กำลังเพิ่มข้อมูลใหม่  ZARAV  100 %"));
}

TEST_F(MainPassTest, ShowsProgressAndTheItemLine)
{
    PriceListRow a = row(" K ", " B-2 ");
    a.TName = QString();
    a.EName = QStringLiteral(" ENGLISH ");
    a.Model[0] = QStringLiteral("BT-50");
    a.Model[2] = QStringLiteral("RANGER");
    PriceListRow b = row("", "A-1");
    PriceListRow c = row("K", "C-3");
    addTable(5, {c, a, b});
    const int pumpsBefore = window.pumps;
    MainPass::ProcessPriceListTables(state);
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังย้ายข้อมูล  ZARAV", "กำลังเปลี่ยนราคา  ZARAV_5  (2)  33 %",
                           "กำลังเปลี่ยนราคา  ZARAV_5  (1)  66 %",
                           "กำลังเปลี่ยนราคา  ZARAV_5  (0)  100 %", "กำลังเพิ่มข้อมูลใหม่  ZARAV  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"K-B-2 - ENGLISH   BT-50, RANGER",
                                                        "A-1 - ชื่อ A-1   ", "K-C-3 - ชื่อ C-3   "}));
    EXPECT_EQ(window.pumps - pumpsBefore, 4);
    // Rows come in the order of the stored part numbers, and reach the writer trimmed.
    ASSERT_EQ(priced.size(), 3u);
    EXPECT_EQ(priced[0].Kind, QStringLiteral("K"));
    EXPECT_EQ(priced[0].PartNO, QStringLiteral("B-2"));
    EXPECT_EQ(priced[0].EName, QStringLiteral("ENGLISH"));
}

TEST_F(MainPassTest, HandsOnTheRowThenItsUsableAlternatesWithTheSaleRule)
{
    PriceListRow r = row("A", "P-1", "1250");
    r.AKind = {"", "A", "B", "", ""};
    r.AltNO = {"", "SAMEKIND", "ALT-B", "P-1", " ALT-C "};
    r.Sale = QStringLiteral("0");
    PriceListRow zero = row("A", "Z-0", "0");
    addTable(1, {r, zero});
    MainPass::ProcessPriceListTables(state);
    ASSERT_EQ(priced.size(), 4u);
    EXPECT_EQ(priced[0].PartNO, QStringLiteral("P-1"));
    EXPECT_EQ(numbers(priced[0]), QStringList({"SAMEKIND", "ALT-B", "P-1", "ALT-C", ""}));
    EXPECT_EQ(priced[0].Sale, Currency::fromInt(1250));
    EXPECT_EQ(priced[1].PartNO, QStringLiteral("ALT-B"));
    EXPECT_EQ(priced[1].Kind, QStringLiteral("B"));
    EXPECT_EQ(priced[2].PartNO, QStringLiteral("ALT-C"));
    EXPECT_EQ(priced[2].Kind, QString());
    EXPECT_EQ(priced[2].Sale, Currency::fromInt(1250));
    EXPECT_EQ(priced[3].PartNO, QStringLiteral("Z-0"));
    EXPECT_TRUE(priced[3].Price.isZero());
    EXPECT_TRUE(priced[3].Sale.isZero());
    EXPECT_EQ(pricedBy, QStringList({"ApplyPriceRowDefault", "ApplyPriceRowDefault",
                                     "ApplyPriceRowDefault", "ApplyPriceRowDefault"}));
}

TEST_F(MainPassTest, UnderBenzThePartNumberIsPartNew)
{
    db.create(
        QStringLiteral("PriceList_ZARAV.mdb"),
        PriceListSchema::createTable(1) +
            QStringList{QStringLiteral(
                "Insert Into PriceList_1 (Kind, PartNO, PartNew, AKind_1, AltNO_1, AKind_2, "
                "AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, "
                "Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, "
                "Model_9, Model_10, Model_11, Model_12, Description, Import, Price, DisPrice, "
                "Sale, DisSale) Values ('A', Null, ' A 000 ', '', '', '', '', '', '', '', '', "
                "'', '', 'E', 'T', '', '', '', '', '', '', '', '', '', '', '', '', '', '', 5, "
                "'', 0, '')")});
    state.BrandName = QStringLiteral("BENZ");
    MainPass::ProcessPriceListTables(state);
    ASSERT_EQ(priced.size(), 1u);
    EXPECT_EQ(priced[0].PartNO, QStringLiteral("A 000"));
    EXPECT_EQ(window.history("txtPartNO").last(), QStringLiteral("A-A 000 - T   "));
    // Any other brand reads PartNO, and its Null ends the run.
    state.BrandName = QStringLiteral("ZARAV");
    EXPECT_THROW(MainPass::ProcessPriceListTables(state), DbError);
}

TEST_F(MainPassTest, UnreadableRowsEndTheRun)
{
    PriceListRow text = row("A", "T-1");
    addTable(1, {text});
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Update PriceList_1 Set TName = Null")});
    EXPECT_THROW(MainPass::ProcessPriceListTables(state), DbError);
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Update PriceList_1 Set TName = '', Price = 'abc'")});
    state.rsMain.close();
    EXPECT_THROW(MainPass::ProcessPriceListTables(state), DbError);
    // A listed table that does not exist.
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Delete From PriceList_Count"),
               QStringLiteral("Insert Into PriceList_Count (Count) Values (4)")});
    state.rsMain.close();
    EXPECT_THROW(MainPass::ProcessPriceListTables(state), DbError);
    // A table number beyond 16 bits.
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Update PriceList_Count Set Count = 40000")});
    state.rsMain.close();
    EXPECT_THROW(MainPass::ProcessPriceListTables(state), DbError);
}
