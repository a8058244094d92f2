#include "PrepareFixture.h"

#include "db/DbError.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "prepare/PriceRecordRow.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using PrepareStepsTest = PrepareFixture;
} // namespace

TEST_F(PrepareStepsTest, ReadsATableListInAscendingOrderOncePerListing)
{
    struct Case
    {
        QList<int> listed;
        std::vector<qint16> numbers;
    };
    const std::vector<Case> cases = {
        {{3, 1, 2}, {1, 2, 3, 0}},
        {{2, 2}, {2, 2, 0}},
        {{-2, 5}, {-2, 5, 0}},
    };
    for (const auto& c : cases) {
        run({"Delete From PriceNew_Count"});
        for (int n : c.listed)
            run({QStringLiteral("Insert Into PriceNew_Count (Count) Values (%1)").arg(n)});
        EXPECT_TRUE(PrepareSteps::ReadPriceNewCount(state));
        EXPECT_EQ(state.PriceNewTableNo, c.numbers);
        EXPECT_EQ(state.PriceNewTableCount, c.listed.size());
        EXPECT_FALSE(state.rsMain.isOpen());
    }
    EXPECT_EQ(PrepareSteps::tableName(QStringLiteral("PriceNew_"), -2), "PriceNew_-2");
}

TEST_F(PrepareStepsTest, AnEmptyListKeepsWhatTheArrayHeld)
{
    state.PriceLastTableNo = {4, 0};
    state.PriceLastTableCount = 1;
    EXPECT_FALSE(PrepareSteps::ReadPriceLastCount(state));
    EXPECT_EQ(state.PriceLastTableNo, std::vector<qint16>({4, 0}));
    EXPECT_EQ(state.PriceLastTableCount, 1);
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_EQ(state.strSQL, "Select Count From PriceLast_Count Order By Count");
}

TEST_F(PrepareStepsTest, ACountOutsideTheIntegerRangeOrNullEndsThePass)
{
    for (const char* bad : {"40000", "Null"}) {
        run({"Delete From PriceList_Count",
             QStringLiteral("Insert Into PriceList_Count (Count) Values (%1)").arg(bad)});
        EXPECT_THROW(PrepareSteps::ReadPriceListCount(state), DbError) << bad;
        state.rsMain.close();
    }
}

TEST_F(PrepareStepsTest, ProgressCountsDownToNoneLeftAndAHundredPercent)
{
    struct Case
    {
        int total;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {4, {"P  (3)  25 %", "P  (2)  50 %", "P  (1)  75 %", "P  (0)  100 %"}},
        {3, {"P  (2)  33 %", "P  (1)  66 %", "P  (0)  100 %"}},
    };
    for (const auto& c : cases) {
        lostrand::test::FakeWindow w;
        RunState s(w);
        PassProgress progress(s, c.total);
        for (int i = 0; i < c.total; ++i)
            progress.step(QStringLiteral("P  ("), QStringLiteral("item %1").arg(i));
        EXPECT_EQ(w.history("txtQTY"), c.lines);
        EXPECT_EQ(w.history("txtPartNO").size(), c.total);
        EXPECT_EQ(w.pumps, c.total);
    }
}

TEST(PassProgressLines, ItemLinesLeaveABlankKindOut)
{
    EXPECT_EQ(PassProgress::itemLine("A", "P1", "ชื่อ", "M1, M2"), "A-P1  ชื่อ  M1, M2");
    EXPECT_EQ(PassProgress::itemLine(" ", "P1", "ชื่อ", ""), "P1  ชื่อ  ");
    EXPECT_EQ(PassProgress::kindPrefixed("", "F1"), "F1");
}

TEST_F(PrepareStepsTest, KeyConditionsQuoteTheirValuesAndLeaveABlankKindOut)
{
    EXPECT_EQ(PrepareSteps::keyWhere(state, "A", "PartNO", "P-1"),
              "Where Kind = 'A' And PartNO = 'P-1'");
    EXPECT_EQ(PrepareSteps::keyWhere(state, "  ", "FPartNew", "P1"), "Where FPartNew = 'P1'");
    EXPECT_EQ(PrepareSteps::keyWhere(state, "A'", "PartNO", "O'RING"),
              "Where Kind = 'A''' And PartNO = 'O''RING'");
}

TEST_F(PrepareStepsTest, NullFixesGiveEmptyTextsAndZeroAmounts)
{
    addRawTable(1);
    run({"Insert Into PriceNew_1 (Kind, PartNO, Price, Sale, DisSale) "
         "Values (Null, Null, Null, Null, 'X')"});
    PrepareSteps::clearNulls(state, "PriceNew_1", PriceListColumns::item());
    EXPECT_EQ(state.strSQL, "Update PriceNew_1 Set DisSale = '' Where DisSale Is Null");
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1 Where Kind = '' And PartNO = '' And "
                     "Model_12 = '' And Price = 0 And Sale = 0 And DisSale = 'X'")
                  .toInt(),
              1);
    PrepareSteps::runForColumns(state, "Update PriceNew_1", " Set %1 = 'M' Where %1 = ''",
                                PriceListColumns::models());
    EXPECT_EQ(state.strSQL, "Update PriceNew_1 Set Model_12 = 'M' Where Model_12 = ''");
    EXPECT_EQ(scalar("Select Model_1 || Model_12 From PriceNew_1").toString(), "MM");
}

TEST_F(PrepareStepsTest, AnInsertThatIsReadBackAtOnceRunsOnce)
{
    const QString insert = "Insert Into PriceList (Kind, PartNO) Values ('A', 'P''1')";
    PrepareSteps::InsertWithReadBack(
        state, insert, "Select PartNO From PriceList Where Kind = 'A' And PartNO = 'P''1'",
        state.rsCheck);
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 1);
    EXPECT_FALSE(state.rsCheck.isOpen());
}

TEST_F(PrepareStepsTest, AnInsertNeverReadBackStopsThePassAfterThreeTries)
{
    EXPECT_THROW(PrepareSteps::InsertWithReadBack(
                     state, "Insert Into PriceList (Kind, PartNO) Values ('A', 'P1 ')",
                     "Select PartNO From PriceList Where PartNO = 'P1'", state.rsCheck),
                 RunStop);
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), PrepareSteps::WriteTries);
    EXPECT_FALSE(state.rsCheck.isOpen());
}

TEST_F(PrepareStepsTest, AWriteAfterALookHappensOnlyWhileTheRowIsMissing)
{
    const QString query = "Select PartNO From PriceList Where PartNO = 'P1'";
    struct Case
    {
        QString present; // a row there before the first look
        QString written; // what each write inserts
        int writes;
        bool stops;
    };
    const std::vector<Case> cases = {
        {"P1", "P1", 0, false},
        {"", "P1", 1, false},
        {"", "P2", 3, true},
    };
    for (const auto& c : cases) {
        run({"Delete From PriceList"});
        if (!c.present.isEmpty())
            run({QStringLiteral("Insert Into PriceList (PartNO) Values ('%1')").arg(c.present)});
        int writes = 0;
        const auto write = [&] {
            ++writes;
            state.executeSource(
                QStringLiteral("Insert Into PriceList (PartNO) Values ('%1')").arg(c.written));
        };
        if (c.stops)
            EXPECT_THROW(PrepareSteps::WriteUntilFound(state, state.rsMain, query, write), RunStop);
        else
            PrepareSteps::WriteUntilFound(state, state.rsMain, query, write);
        EXPECT_EQ(writes, c.writes);
        EXPECT_FALSE(state.rsMain.isOpen());
    }
}

TEST_F(PrepareStepsTest, LoadingATableSizesTheArrayOneMoreThanItsRows)
{
    PriceListRow quoted = row("A", "O'RING");
    quoted.Model[0] = " M1 ";
    quoted.Price = "12.5";
    addRows("PriceList", {quoted, row("", "P2"), row("B", "P3")});
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         PriceListColumns::selectList(PriceListColumns::row()) +
                                         QStringLiteral("From PriceList Order By PartNO"));
    QList<qint32> seen;
    PriceRecordRow::load(state, state.rsMain, PriceListColumns::row(),
                         [&](qint32 i, PriceRecord&) { seen << i; });
    state.rsMain.close();
    EXPECT_EQ(seen, QList<qint32>({0, 1, 2}));
    ASSERT_EQ(state.PriceRecordCount, 3);
    ASSERT_EQ(state.PriceRecords.size(), 4u);
    EXPECT_EQ(state.PriceRecords[3], PriceRecord());
    const PriceRecord& first = state.PriceRecords[0];
    EXPECT_EQ(first.PartNO, "O'RING");
    EXPECT_EQ(first.Model[0], " M1 ") << "texts are kept as read";
    EXPECT_EQ(first.Price, Currency::fromUnits(125000));

    // Written back by position, the record's apostrophe and amounts survive.
    run({"Delete From PriceList"});
    state.executeSource(PriceRecordRow::insertRow(state, "PriceList", first));
    const auto back = rows("Select PartNO, Model_1, Price, TName From PriceList");
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0][0].toString(), "O'RING");
    EXPECT_EQ(back[0][1].toString(), " M1 ");
    EXPECT_EQ(back[0][2].toDouble(), 12.5);
    EXPECT_EQ(back[0][3].toString(), "ชื่อ O'RING");
}

TEST_F(PrepareStepsTest, ANullInALoadedTextEndsThePass)
{
    run({"Insert Into PriceList (Kind, PartNO) Values ('A', Null)"});
    state.openOnSource(state.rsMain, "Select Kind, PartNO From PriceList");
    EXPECT_THROW(PriceRecordRow::load(state, state.rsMain, {"Kind", "PartNO"}), DbError);
    state.rsMain.close();
    PriceRecord record;
    EXPECT_EQ(PriceRecordRow::textMember(record, "AltNO_5"), &record.AltNO[4]);
    EXPECT_EQ(PriceRecordRow::textMember(record, "Model_13"), nullptr);
    EXPECT_EQ(PriceRecordRow::textMember(record, "Price"), nullptr);
}
