#include "NewPartsFixture.h"

#include "db/DbError.h"
#include "newparts/NewPartWriters.h"
#include "support/UnknownRowCounts.h"
#include "window/RunStop.h"

#include <optional>

using namespace lostrand;
using lostrand::test::NewPartsFixture;
using lostrand::test::TestDatabase;
using lostrand::test::UnknownRowCounts;

namespace {

class NewPartLoopTest : public NewPartsFixture
{
protected:
    void SetUp() override { makeTarget(QStringLiteral("V.61")); }

    void run(qint16 n = 3) { NewPartWriters::AddNewParts(state, n, NewPartLayout::V31()); }

    // A part that is already in the target, with its alternate row and single group row.
    void addPart(int id, const QString& kind, const QString& number)
    {
        db.create(target.section(QLatin1Char('/'), -1),
                  {QStringLiteral(
                       "Insert Into Pta7 (UpRec, PartID, Kind, PartNO) Values (0, %1, '%2', '%3')")
                       .arg(id)
                       .arg(kind, number),
                   QStringLiteral("Insert Into AltG7 Values (0, %1, 0)").arg(id),
                   QStringLiteral("Delete From LastID"),
                   QStringLiteral("Insert Into LastID Values ('Pta7', %1)").arg(id)});
    }

    QStringList partNumbers() const
    {
        QStringList out;
        for (const auto& row : rows("Select Kind, PartNO From Pta7 Order By PartID"))
            out << row[0].toString() + QLatin1Char('|') + row[1].toString();
        return out;
    }
};

} // namespace

TEST_F(NewPartLoopTest, AnEmptyQueueOnlyReconnects)
{
    const QString before = state.cnADO2().name();
    run();
    EXPECT_NE(state.cnADO2().name(), before);
    EXPECT_TRUE(state.cnADO2().isOpen());
    EXPECT_FALSE(state.cnADO2().inTransaction());
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_TRUE(window.history("txtPartNO").isEmpty());
    EXPECT_EQ(count("Select Count(*) From Pta7"), 0);
}

TEST_F(NewPartLoopTest, ShowsProgressPerQueuedKey)
{
    struct Case
    {
        int rows;
        QStringList texts;
    };
    const Case cases[] = {
        {4,
         {"กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (3)  25 %", "กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (2)  50 %",
          "กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (1)  75 %", "กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (0)  100 %"}},
        {3,
         {"กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (2)  33 %", "กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (1)  66 %",
          "กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (0)  100 %"}},
    };
    for (const Case& c : cases) {
        makeTarget(QStringLiteral("V.61"));
        for (int i = 0; i < c.rows; ++i)
            queue(item(QStringLiteral("A"), QStringLiteral("N-%1").arg(i)));
        const int before = window.pumps;
        const qsizetype shown = window.history("txtQTY").size();
        run();
        EXPECT_EQ(window.history("txtQTY").mid(shown), c.texts);
        EXPECT_EQ(window.pumps - before, c.rows);
    }
    EXPECT_EQ(window.history("txtPartNO").last(), QStringLiteral("A-N-2 - เกียร์   BT-50, RANGER"));
}

TEST_F(NewPartLoopTest, OneIterationServesEveryQueuedRowOfAKey)
{
    queue(item(QStringLiteral("A"), QStringLiteral("DUP")));
    queue(item(QStringLiteral("A"), QStringLiteral("DUP")));
    run();
    EXPECT_EQ(partNumbers(), QStringList({"A|DUP"}));
    EXPECT_EQ(window.history("txtQTY"), QStringList({"กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (1)  50 %"}));
    EXPECT_EQ(count("Select Count(*) From PriceList"), 0);
}

TEST_F(NewPartLoopTest, ABlankKindMatchesAnyKindAndDeletesEveryKind)
{
    addPart(5, QStringLiteral("X"), QStringLiteral("OLD-1"));
    queue(item(QString(), QStringLiteral("OLD-1")));
    queue(item(QStringLiteral("Z"), QStringLiteral("OLD-1")));
    queue(item(QString(), QStringLiteral("NEW-1")));
    run();
    // The blank-kind row found part 5; the row of kind Z went with it, never read.
    EXPECT_EQ(partNumbers(), QStringList({"X|OLD-1", "|NEW-1"}));
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 5 And AltID = 0"), 2);
    EXPECT_EQ(joined("Select AKind, APartNO From Alt7 Where AltID = 6"), QStringLiteral("|NEW-1"));
    EXPECT_EQ(
        TestDatabase::scalar(target, "Select DisplayNo From Pta7 Where PartID = 6").toString(),
        QStringLiteral("NEW-1"));
    EXPECT_EQ(count("Select Count(*) From PriceList"), 0);
    EXPECT_EQ(window.history("txtPartNO").first(), QStringLiteral("NEW-1 - เกียร์   BT-50, RANGER"));
}

TEST_F(NewPartLoopTest, OnlyUsableAlternatesAreLookedUpOrCreated)
{
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
    queued.AKind = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                    QStringLiteral("C"), QStringLiteral("D")};
    // blank; the part's own number under another kind; a new one; the same one again; one that
    // differs from the part number only in case.
    queued.AltNO = {QString(), QStringLiteral("P-1"), QStringLiteral("ALT-3"),
                    QStringLiteral("ALT-3"), QStringLiteral("p-1")};
    queue(queued);
    run();
    EXPECT_EQ(partNumbers(), QStringList({"A|P-1", "C|ALT-3", "D|p-1"}));
    // The repeated alternate was found inside the same transaction: one group of three.
    for (int id : {1, 2, 3})
        EXPECT_EQ(count(QStringLiteral("Select Count(*) From AltG7 Where PartID = %1").arg(id)), 2);
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = AltID"), 0);
}

TEST_F(NewPartLoopTest, AnExistingMainPartGetsNoRowButItsSingleGroupRowAgain)
{
    addPart(5, QStringLiteral("A"), QStringLiteral("P-1"));
    queue(item(QStringLiteral("A"), QStringLiteral("P-1")));
    run();
    EXPECT_EQ(partNumbers(), QStringList({"A|P-1"}));
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 5 And AltID = 0"), 2);
    EXPECT_EQ(count("Select Count(*) From Alt7"), 0);

    // Its new alternates are created and linked to it.
    PriceItem withAlternate = item(QStringLiteral("A"), QStringLiteral("P-1"));
    withAlternate.AltNO[2] = QStringLiteral("ALT-9");
    queue(withAlternate);
    run();
    EXPECT_EQ(partNumbers(), QStringList({"A|P-1", "|ALT-9"}));
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 5 And AltID = 6"), 1);
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 6 And AltID = 5"), 1);
}

TEST_F(NewPartLoopTest, ApostrophesAreStoredAndTheKeyLeavesTheQueue)
{
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("O'NEIL-1"));
    queued.EName = QStringLiteral("DRIVER'S SEAT");
    queued.AltNO[0] = QStringLiteral("O'NEIL-2");
    queue(queued);
    run();
    EXPECT_EQ(partNumbers(), QStringList({"A|O'NEIL-1", "|O'NEIL-2"}));
    EXPECT_EQ(TestDatabase::scalar(target, "Select EName From Pta7 Where PartID = 2").toString(),
              QStringLiteral("DRIVER'S SEAT"));
    EXPECT_EQ(count("Select Count(*) From PriceList"), 0);
}

TEST_F(NewPartLoopTest, ACounterThatGivesNoIdentifierStopsTheRunAndKeepsTheKeyQueued)
{
    for (const char* breakCounter :
         {"Drop Table LastID", "Insert Into LastID Values ('Pta7', Null)",
          "Insert Into LastID Values ('Pta7', -5)", "Insert Into LastID Values ('Pta7', -1)"}) {
        SCOPED_TRACE(breakCounter);
        makeTarget(QStringLiteral("V.61"));
        PriceItem queued = item(QStringLiteral("A"), QStringLiteral("ZZ-2"));
        queued.AltNO[0] = QStringLiteral("ZZ-ALT");
        queue(queued);
        db.create(target.section(QLatin1Char('/'), -1), {QString::fromLatin1(breakCounter)});
        EXPECT_THROW(run(), RunStop);
        // What the command's error path does first.
        state.cnADO2().rollbackTrans();
        EXPECT_EQ(count("Select Count(*) From Pta7"), 0);
        EXPECT_EQ(count("Select Count(*) From Alt7"), 0);
        EXPECT_EQ(count("Select Count(*) From AltG7"), 0);
        EXPECT_EQ(count("Select Count(*) From PriceList Where PartNO = 'ZZ-2'"), 1);
    }
}

TEST_F(NewPartLoopTest, AKeyWhoseRowsDoNotLeaveTheQueueStopsTheRun)
{
    // Stored with a trailing blank, the row is read trimmed and its delete matches nothing.
    db.create(target.section(QLatin1Char('/'), -1),
              {QStringLiteral(
                  "Insert Into PriceList (BrandID, PartNO, Kind, AltNO_1, AKind_1, AltNO_2, "
                  "AKind_2, AltNO_3, AKind_3, AltNO_4, AKind_4, AltNO_5, AKind_5, EName, TName, "
                  "Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, Model_7, Model_8, "
                  "Model_9, Model_10, Model_11, Model_12, Description, Import, Price, DisPrice, "
                  "Sale, DisSale) Values (7, 'P-1 ', 'A', '', '', '', '', '', '', '', '', '', "
                  "'', 'E', 'T', '', '', '', '', '', '', '', '', '', '', '', '', '', '', 1, '', "
                  "1, '')")});
    EXPECT_THROW(run(), RunStop);
    state.cnADO2().rollbackTrans();
    EXPECT_EQ(count("Select Count(*) From Pta7"), 0);
}

// A delete of the queued rows whose count the driver does not give (-1) is no failure: the
// loop reads the queue to see the rows gone, and makes every part. Rows that stay (here a
// trigger keeps them) stop the run whether the count is known or not, instead of being read
// again for ever.
TEST_F(NewPartLoopTest, ADeleteWithoutACountIsCheckedByReadingTheQueue)
{
    struct Case
    {
        const char* name;
        bool counted;
        bool rowsStay;
    };
    const Case cases[] = {
        {"counted", true, false},
        {"not counted", false, false},
        {"counted, rows kept", true, true},
        {"not counted, rows kept", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        makeTarget(QStringLiteral("V.61"));
        for (const char* number : {"P-1", "P-2", "P-3"})
            queue(item(QStringLiteral("A"), QString::fromLatin1(number)));
        if (c.rowsStay)
            db.create(target.section(QLatin1Char('/'), -1),
                      {QStringLiteral("Create Trigger KeepQueue Before Delete On PriceList "
                                      "Begin Select Raise(Ignore); End")});
        std::optional<UnknownRowCounts> unknown;
        if (!c.counted)
            unknown.emplace();
        if (c.rowsStay) {
            EXPECT_THROW(run(), RunStop);
            state.cnADO2().rollbackTrans();
            EXPECT_EQ(count("Select Count(*) From Pta7"), 0);
            EXPECT_EQ(count("Select Count(*) From PriceList"), 3);
        } else {
            run();
            EXPECT_EQ(partNumbers(), (QStringList{"A|P-1", "A|P-2", "A|P-3"}));
            EXPECT_EQ(count("Select Count(*) From PriceList"), 0);
        }
    }
}
