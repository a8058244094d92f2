#include "TransferFixture.h"

#include "transfer/StagingQueue.h"

using namespace lostrand;
using lostrand::test::TestDatabase;
using lostrand::test::TransferFixture;

namespace {

using StagingQueueTest = TransferFixture;

PriceItem fullItem(const QString& kind, const QString& partNo)
{
    PriceItem item;
    item.Kind = kind;
    item.PartNO = partNo;
    for (int i = 0; i < 5; ++i) {
        item.AKind[i] = QStringLiteral("%1").arg(i + 1);
        item.AltNO[i] = QStringLiteral("ALT'%1").arg(i + 1);
    }
    item.EName = QStringLiteral("DRIVER'S SEAT, L/H");
    item.TName = QStringLiteral("เบาะคนขับ");
    for (int i = 0; i < 12; ++i)
        item.Model[i] = QStringLiteral("M%1").arg(i + 1);
    item.Description = QStringLiteral("desc");
    item.Import = QStringLiteral("imp");
    item.Price = *Currency::parse(QStringLiteral("1234.5678"));
    item.DisPrice = QStringLiteral("1,234");
    item.Sale = *Currency::parse(QStringLiteral("-2.5"));
    item.DisSale = QStringLiteral("ds'");
    return item;
}

} // namespace

TEST_F(StagingQueueTest, AQueuedItemComesBackWithAllItsValuesInPlace)
{
    const PriceItem item = fullItem(QStringLiteral("K"), QStringLiteral("O'NEIL-1"));
    state.executeTarget(StagingQueue::insertStatement(state, item));
    // Stored by position: the number before the kind in every pair.
    const auto stored = TestDatabase::rows(targetPath, "Select * From PriceList");
    ASSERT_EQ(stored.size(), 1);
    ASSERT_EQ(stored[0].size(), 33);
    EXPECT_EQ(stored[0][0].toInt(), 7);
    EXPECT_EQ(stored[0][1].toString(), QStringLiteral("O'NEIL-1"));
    EXPECT_EQ(stored[0][2].toString(), QStringLiteral("K"));
    EXPECT_EQ(stored[0][3].toString(), QStringLiteral("ALT'1"));
    EXPECT_EQ(stored[0][4].toString(), QStringLiteral("1"));

    Recordset check;
    check.open(
        StagingQueue::readBackStatement(state, QStringLiteral("K"), QStringLiteral("O'NEIL-1")),
        state.cnADO2());
    EXPECT_FALSE(check.eof());
    check.close();

    EXPECT_EQ(StagingQueue::CountPriceListRows(state), 1);
    ASSERT_EQ(StagingQueue::OpenPriceListRows(state), 1);
    const PriceItem back = StagingQueue::readItem(state.rsMain);
    state.rsMain.close();
    EXPECT_EQ(back, item);
}

TEST_F(StagingQueueTest, ReadersSeeOnlyTheBrandsRowsInPartNumberOrder)
{
    EXPECT_EQ(StagingQueue::CountPriceListRows(state), 0);
    EXPECT_EQ(StagingQueue::OpenPriceListRows(state), 0);
    EXPECT_FALSE(state.rsMain.isOpen());

    state.executeTarget(StagingQueue::insertStatement(state, fullItem("A", "B-2")));
    state.executeTarget(StagingQueue::insertStatement(state, fullItem("B", "A-1")));
    state.executeTarget(StagingQueue::insertStatement(state, fullItem("C", "A-1")));
    state.BrandID = 8;
    state.executeTarget(StagingQueue::insertStatement(state, fullItem("A", "0-OTHER")));
    state.BrandID = 7;
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (7, Null)")});

    EXPECT_EQ(StagingQueue::CountPriceListRows(state), 3);
    EXPECT_FALSE(state.rsMain.isOpen());
    ASSERT_EQ(StagingQueue::OpenPriceListRows(state), 1);
    EXPECT_TRUE(state.rsMain.isOpen());
    state.rsMain.close();

    // A key with a blank kind finds every kind of that number.
    Recordset check;
    check.open(StagingQueue::readBackStatement(state, QStringLiteral(" "), QStringLiteral(" A-1 ")),
               state.cnADO2());
    EXPECT_EQ(check.recordCount(), 2);
}
