#include "TransferFixture.h"

#include "transfer/SecondPass.h"

using namespace lostrand;
using lostrand::test::TestDatabase;
using lostrand::test::TransferFixture;

namespace {

using SecondPassTest = TransferFixture;

} // namespace

TEST_F(SecondPassTest, TellsWhetherPriceListAllHasRows)
{
    EXPECT_EQ(SecondPass::PriceListAllHasRows(state), 0);
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {PriceListSchema::insertRow(QStringLiteral("PriceListAll"), row("A", "P-1"))});
    EXPECT_EQ(SecondPass::PriceListAllHasRows(state), 1);
    EXPECT_FALSE(state.rsMain.isOpen());
}

TEST_F(SecondPassTest, HandsEveryRowOnceWithoutItsAlternates)
{
    PriceListRow r = row(" A ", "P-1", "80");
    r.AKind[0] = QStringLiteral("B");
    r.AltNO[0] = QStringLiteral("ALT-1");
    r.PartNew = QStringLiteral("BENZ-NUMBER");
    r.Sale = QStringLiteral("0");
    PriceListRow blank = row("", "Q-2", "5");
    blank.TName = QString();
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {PriceListSchema::insertRow(QStringLiteral("PriceListAll"), r),
               PriceListSchema::insertRow(QStringLiteral("PriceListAll"), blank)});
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (7, 'OLD')"),
               QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (9, 'KEEP')")});
    // The brand rule of the main pass does not apply here.
    state.BrandName = QStringLiteral("BENZ");
    const QString before = state.cnADO2().name();
    SecondPass::ProcessPriceListAll(state);
    EXPECT_EQ(state.cnADO2().name(), before) << "the second pass does not reconnect";
    ASSERT_EQ(priced.size(), 2u);
    EXPECT_EQ(priced[0].Kind, QStringLiteral("A"));
    EXPECT_EQ(priced[0].PartNO, QStringLiteral("P-1"));
    EXPECT_EQ(priced[0].AltNO[0], QString());
    EXPECT_EQ(priced[0].AKind[0], QString());
    EXPECT_EQ(priced[0].Sale, Currency::fromInt(80));
    EXPECT_EQ(newPartsCalls, QList<qint16>({0}));
    EXPECT_EQ(TestDatabase::rows(targetPath, "Select PartNO From PriceList").size(), 1);
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({"กำลังย้ายข้อมูล  BENZ", "กำลังเปลี่ยนราคา  BENZ_All  (1)  50 %",
                           "กำลังเปลี่ยนราคา  BENZ_All  (0)  100 %", "กำลังเพิ่มข้อมูลใหม่  BENZ  100 %"}));
    EXPECT_EQ(window.history("txtPartNO").last(), QStringLiteral("Q-2 - NAME Q-2   "));
}

TEST_F(SecondPassTest, ChoosesFromItsOwnShorterTable)
{
    struct Case
    {
        const char* label;
        const char* writer;
    };
    const Case cases[] = {
        {"P.61 (Bar)", "ApplyPriceRowDefault"}, {"P.45 (Bar)", "ApplyPriceRowP45"},
        {"P.48 (Bar)", "ApplyPriceRowP48"},     {"P.49 (Bar)", "ApplyPriceRowP49"},
        {"P.64 (Bar)", "ApplyPriceRowP64"},     {"P.65 (Bar)", "ApplyPriceRowP65"},
        {"P.66 (Bar)", "ApplyPriceRowP66"},     {"P.68 (Bar)", "ApplyPriceRowP68"},
        {"V.61", "ApplyPriceRowDefault"},
    };
    for (auto& entry : Dispatch::secondPassWriters()) {
        const QString name = entry.name;
        entry.writer = [this, name](RunState&, const PriceItem&) { pricedBy.append(name); };
    }
    for (const Case& c : cases) {
        pricedBy.clear();
        state.DBVersion = QString::fromUtf8(c.label);
        Dispatch::ApplySecondPassRow(state, PriceItem{});
        EXPECT_EQ(pricedBy, QStringList({QString::fromUtf8(c.writer)})) << c.label;
    }
}
