#include "db/Connection.h"
#include "db/StatementLog.h"
#include "demo/DemoData.h"
#include "demo/PriceListSchema.h"
#include "demo/SqliteFile.h"
#include "demo/TargetSchema.h"
#include "support/CommandPress.h"
#include "support/FakeWindow.h"
#include "support/ImportChecks.h"
#include "support/OtherWriter.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>

using namespace lostrand;
using lostrand::test::FakeWindow;
using lostrand::test::ImportChecks;
using lostrand::test::OtherWriter;
using lostrand::test::TestDatabase;

namespace {

const QPair<QString, MessageStyle> Finished{QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain};

enum class Engine
{
    Embedded,    // an Access target: the SQLite file on the embedded engine
    EmbeddedWal, // the same, both files kept in WAL mode by their owner
    Odbc         // a SQL Server target: the same file through the SQLite ODBC driver
};

// A "V.61" target of brand ZARAV (7) with two known parts, and a price list whose first table
// changes their prices and brings new parts with alternates. The known parts sort after the new
// ones, so their own rows are priced last.
class NewPartsCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList target =
            TargetSchema::common(QStringLiteral("V.61"), QStringLiteral("ZARAV"), 7);
        target << TargetSchema::numberedLayout(QStringLiteral("V.61"), 7) << known(1, "A", "X-1", 0)
               << known(2, "A", "X-2", 3)
               << QStringLiteral("Insert Into LastID Values ('Pta7', 2)");
        targetPath = db.create(QStringLiteral("Valcorin.accdb"), target);
        QStringList source = PriceListSchema::createFile();
        source << PriceListSchema::createTable(1);
        source << PriceListSchema::insertRow(QStringLiteral("PriceList_1"),
                                             row("A", "X-1", "150", "NEW NAME"));
        source << PriceListSchema::insertRow(QStringLiteral("PriceList_1"),
                                             row("A", "X-2", "250", "OTHER NAME"));
        for (int i = 1; i <= newParts; ++i) {
            PriceListRow r =
                row("B", QStringLiteral("N-%1").arg(i, 2, 10, QLatin1Char('0')), "99", "NEW PART");
            r.AKind[0] = QStringLiteral("B");
            r.AltNO[0] = QStringLiteral("N-%1-ALT").arg(i, 2, 10, QLatin1Char('0'));
            if (i % 3 == 0) {
                r.AKind[1] = QStringLiteral("A");
                r.AltNO[1] = QStringLiteral("X-1");
            }
            source << PriceListSchema::insertRow(QStringLiteral("PriceList_1"), r);
        }
        sourcePath = db.create(QStringLiteral("PriceList_ZARAV.mdb"), source);
    }

    static QStringList known(int id, const char* kind, const char* number, int upRec)
    {
        return {QStringLiteral(
                    "Insert Into Pta7 (UpRec, PartID, Kind, PartNO, EName, TName, Price, Sale) "
                    "Values (%1, %2, '%3', '%4', 'OLD', 'เก่า', 100, 100)")
                    .arg(upRec)
                    .arg(id)
                    .arg(QString::fromLatin1(kind), QString::fromLatin1(number)),
                QStringLiteral("Insert Into Alt7 Values (%1, '%2', '%3', 100)")
                    .arg(id)
                    .arg(QString::fromLatin1(kind), QString::fromLatin1(number)),
                QStringLiteral("Insert Into AltG7 Values (0, %1, 0)").arg(id)};
    }

    static PriceListRow row(const char* kind, const QString& number, const char* price,
                            const char* name)
    {
        PriceListRow r;
        r.Kind = QString::fromLatin1(kind);
        r.PartNO = number;
        r.EName = QString::fromLatin1(name);
        r.TName = QStringLiteral("ชื่อใหม่");
        r.Price = QString::fromLatin1(price);
        return r;
    }

    // A press of the button on these files. A time-out in seconds other than 0 replaces the
    // command time-out of the target; the ODBC driver takes its own from the database field.
    void press(const QString& source, const QString& target, Engine engine = Engine::Embedded,
               int timeoutSeconds = 0)
    {
        const bool access = engine != Engine::Odbc;
        window.setOption(QStringLiteral("optAccess"), access);
        window.setText(QStringLiteral("txtServer"), QStringLiteral("localhost"));
        window.setText(QStringLiteral("txtuid"), QStringLiteral("sa"));
        window.setText(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
        window.setText(QStringLiteral("txtdbq"),
                       timeoutSeconds == 0
                           ? target
                           : target + QStringLiteral(";Timeout=%1").arg(timeoutSeconds * 1000));
        lostrand::test::CommandPress::press(window, source, target, access ? timeoutSeconds : 0);
    }

    // Both files in the journal mode their owner keeps them in.
    void setJournalMode(const QString& mode) const
    {
        for (const QString& file : {targetPath, sourcePath})
            ASSERT_EQ(TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode=") + mode)
                          .toString(),
                      mode);
    }

    static QStringList contents(const QString& target) { return ImportChecks::contents(target); }

    static constexpr int newParts = 12;
    TestDatabase db;
    QString targetPath;
    QString sourcePath;
    FakeWindow window;
};

} // namespace

TEST_F(NewPartsCommandTest, ARunPricesKnownPartsAndCreatesTheOthers)
{
    press(sourcePath, targetPath);
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_EQ(window.messages.first(), Finished);
    // Part 1 may have its texts refreshed, part 2 only its price.
    EXPECT_EQ(
        TestDatabase::rows(targetPath, "Select EName, Price From Pta7 Where PartID = 1").first(),
        QVariantList({QStringLiteral("NEW NAME"), 150}));
    EXPECT_EQ(
        TestDatabase::rows(targetPath, "Select EName, Price From Pta7 Where PartID = 2").first(),
        QVariantList({QStringLiteral("OLD"), 250}));
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Pta7").toInt(),
              2 + 2 * newParts);
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Alt7 Where AltID > 0").toInt(),
              2 + 2 * newParts);
    // N-03 was linked with its new alternate and with the known X-1.
    const int n03 =
        TestDatabase::scalar(targetPath, "Select PartID From Pta7 Where PartNO = 'N-03'").toInt();
    EXPECT_EQ(
        TestDatabase::scalar(
            targetPath, QStringLiteral("Select Count(*) From AltG7 Where PartID = %1").arg(n03))
            .toInt(),
        2);
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From PriceList").toInt(), 0);
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Alt7 Where AltID = 0").toInt(),
              1);
    EXPECT_EQ(
        TestDatabase::scalar(targetPath, "Select Count(*) From AltG7 Where PartID = 0").toInt(), 0);
    EXPECT_EQ(
        TestDatabase::scalar(targetPath, "Select LastID From LastID Where NameID = 'Pta7'").toInt(),
        2 + 2 * newParts);
}

TEST_F(NewPartsCommandTest, TheDemoImports)
{
    const auto paths = DemoData::write(db.path(QStringLiteral("demo")));
    press(paths.priceList, paths.target);
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
    EXPECT_EQ(
        TestDatabase::scalar(paths.target, "Select Price From Pta7 Where PartNO = 'UC2A-34-400'")
            .toInt(),
        275);
    EXPECT_EQ(TestDatabase::scalar(paths.target,
                                   "Select Count(*) From Pta7 Where PartNO = 'DRIVER''S SEAT-L'")
                  .toInt(),
              1);
    EXPECT_EQ(TestDatabase::scalar(paths.target, "Select Count(*) From PriceList").toInt(), 0);
}

// The import is killed in the middle of a part's transaction, after some parts were written
// out; the target stays whole, and a second run finishes it as if nothing had happened.
class KilledImportTest : public NewPartsCommandTest,
                         public ::testing::WithParamInterface<const char*>
{
};

TEST_P(KilledImportTest, LeavesNoHalfPartAndASecondRunCompletesIt)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    const QString mode = QLatin1String(GetParam());
    setJournalMode(mode);
    const QString referenceTarget = db.path(QStringLiteral("reference.accdb"));
    const QString referenceSource = db.path(QStringLiteral("reference.mdb"));
    ASSERT_TRUE(QFile::copy(targetPath, referenceTarget));
    ASSERT_TRUE(QFile::copy(sourcePath, referenceSource));
    press(referenceSource, referenceTarget);
    ASSERT_EQ(window.messages.last(), Finished);
    const QStringList reference = contents(referenceTarget);

    EXPECT_EXIT(
        {
            int parts = 0;
            int altRows = 0;
            StatementLog::install([&parts, &altRows](const QString&, StatementLog::Kind kind,
                                                     const QString& sql, qint64) {
                // The first parts are written out, as a group is once it has held the
                // lock for a while; the seventh is killed with its part row written and
                // its alternate row not yet.
                if (kind == StatementLog::Kind::Begin && ++parts == 4)
                    Connection::commitAllPending();
                if (sql.startsWith(QLatin1String("Insert Into Alt7")) && ++altRows == 13)
                    std::raise(SIGKILL);
            });
            press(sourcePath, targetPath);
        },
        ::testing::KilledBySignal(SIGKILL), "");

    ImportChecks::expectWholeParts(targetPath);
    EXPECT_EQ(TestDatabase::scalar(targetPath, "PRAGMA journal_mode").toString(), mode);
    const int parts = TestDatabase::scalar(targetPath, "Select Count(*) From Pta7").toInt();
    EXPECT_GT(parts, 2);
    EXPECT_LT(parts, 2 + 2 * newParts);

    window.messages.clear();
    press(sourcePath, targetPath);
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
    EXPECT_EQ(contents(targetPath), reference);
}

INSTANTIATE_TEST_SUITE_P(JournalModes, KilledImportTest, ::testing::Values("delete", "wal"),
                         [](const auto& param) { return std::string(param.param); });

// A part listed twice at two prices still differs after the passes: the re-check collects the
// row the main pass overwrote, the second pass applies it, and the listing shows the other.
TEST_F(NewPartsCommandTest, RowsThatStillDifferEndInPriceListAllAndInTheGrid)
{
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {PriceListSchema::insertRow(QStringLiteral("PriceList_1"),
                                          row("A", "X-2", "260", "OTHER NAME"))});
    press(sourcePath, targetPath);
    EXPECT_EQ(window.messages.last(), Finished);
    const auto collected = TestDatabase::rows(sourcePath, "Select PartNO, Price From PriceListAll");
    ASSERT_EQ(collected.size(), 1);
    EXPECT_EQ(collected[0][0].toString(), QStringLiteral("X-2"));
    const QString collectedPrice = collected[0][1].toString();
    const QString otherPrice =
        collectedPrice == QLatin1String("250") ? QStringLiteral("260") : QStringLiteral("250");
    EXPECT_EQ(
        TestDatabase::scalar(targetPath, "Select Price From Pta7 Where PartID = 2").toString(),
        collectedPrice);
    const QStringList listed{window.gridText(1, 1), window.gridText(1, 2), window.gridText(1, 3),
                             window.gridText(1, 6), window.gridText(1, 7)};
    EXPECT_EQ(listed, QStringList({"1", "", "A-X-2", collectedPrice, otherPrice}));
    EXPECT_EQ(window.gridText(2, 1), QString());

    // A later run in the same window with fewer differences shows only its own rows, and one
    // with none an empty grid.
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {PriceListSchema::insertRow(QStringLiteral("PriceList_1"),
                                          row("A", "X-1", "155", "NEW NAME"))});
    press(sourcePath, targetPath);
    EXPECT_EQ(window.gridText(1, 3), QStringLiteral("A-X-1"));
    EXPECT_EQ(window.gridText(2, 3), QStringLiteral("A-X-2"));
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Delete From PriceList_1 Where PartNO = 'X-1' And Price = 155")});
    press(sourcePath, targetPath);
    EXPECT_EQ(window.gridText(1, 3), QStringLiteral("A-X-2"));
    EXPECT_EQ(window.gridText(2, 1), QString());
    EXPECT_EQ(window.gridText(2, 3), QString());
    db.create(QStringLiteral("PriceList_ZARAV.mdb"),
              {QStringLiteral("Delete From PriceList_1 Where PartNO = 'X-2' And Price = 260")});
    press(sourcePath, targetPath);
    EXPECT_EQ(window.messages.last(), Finished);
    EXPECT_EQ(window.gridText(1, 1), QString());
    EXPECT_EQ(window.gridText(1, 3), QString());
}

// A counter that holds a negative number would number the new parts -4, -3, ...: the first new
// part's transaction is rolled back and the run ends on the error path, with every key still
// queued and no part numbered 0 or below.
TEST_F(NewPartsCommandTest, ACounterBelowZeroEndsTheRunWithoutParts)
{
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Update LastID Set LastID = -5 Where NameID = 'Pta7'")});
    press(sourcePath, targetPath);
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{
                                   {QStringLiteral("ไม่สามรถบันทึกได้"), MessageStyle::Plain}}));
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Pta7").toInt(), 2);
    EXPECT_EQ(
        TestDatabase::scalar(targetPath, "Select Count(*) From AltG7 Where PartID <= 0").toInt(),
        0);
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From PriceList").toInt(), newParts);
    EXPECT_EQ(
        TestDatabase::scalar(targetPath, "Select LastID From LastID Where NameID = 'Pta7'").toInt(),
        -5);
}

// A target that resets every price it is given: the writer's read-back never sees the price,
// and after its bounded tries the run stops with the cannot-save message instead of hanging.
TEST_F(NewPartsCommandTest, ATargetThatNeverKeepsThePriceEndsTheRunOnTheErrorPath)
{
    db.create(QStringLiteral("Valcorin.accdb"),
              {QStringLiteral("Create Trigger KeepOldPrice After Update Of Price On Pta7 Begin "
                              "Update Pta7 Set Price = 100 Where PartID = new.PartID; End")});
    press(sourcePath, targetPath);
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{
                                   {QStringLiteral("ไม่สามรถบันทึกได้"), MessageStyle::Plain}}));
    EXPECT_FALSE(window.commandEnabled);
}

namespace {

// Where another program takes the write lock: before the nth statement of a kind whose text
// starts so, on the source (the price list) or the target, it locks the file it names.
struct LockPoint
{
    const char* why;
    bool onSource;
    StatementLog::Kind kind;
    const char* text;
    int occurrence;
    bool locksSource;
};

const LockPoint LockPoints[] = {
    {"the price pass", false, StatementLog::Kind::Execute, "Update Pta7", 1, false},
    {"the new-part loop", false, StatementLog::Kind::Begin, "BEGIN", 3, false},
    {"PriceListAll", true, StatementLog::Kind::Execute, "Insert Into PriceListAll", 1, true},
    {"the second pass", true, StatementLog::Kind::Query, "Select Kind, PartNO, EName", 1, false},
    {"the regroup", false, StatementLog::Kind::Query, "Select PartID From AltGX", 2, false},
};

// Another program writes to the files now and then while the import runs, the regroup
// included; the price list gives X-2 twice, so a row is left for the second pass.
class OtherWriterRunTest : public NewPartsCommandTest, public ::testing::WithParamInterface<Engine>
{
protected:
    void SetUp() override
    {
        NewPartsCommandTest::SetUp();
        db.create(QStringLiteral("PriceList_ZARAV.mdb"),
                  {PriceListSchema::insertRow(QStringLiteral("PriceList_1"),
                                              row("A", "X-2", "260", "OTHER NAME"))});
        window.setCheck(QStringLiteral("chkLikelAt"), 1);
        if (GetParam() == Engine::EmbeddedWal)
            setJournalMode(QStringLiteral("wal"));
    }
    void TearDown() override { StatementLog::remove(); }

    void freshFiles()
    {
        QFile::remove(targetPath);
        QFile::remove(sourcePath);
        SetUp();
    }

    // The lock is taken at the point and held for the time given, or until the test lets go.
    // The run leaves it free there, as it does whenever a group has been written out.
    void lockAt(const LockPoint& point, std::chrono::milliseconds hold)
    {
        auto seen = std::make_shared<int>(0);
        StatementLog::install([this, point, hold, seen](const QString& database,
                                                        StatementLog::Kind kind, const QString& sql,
                                                        qint64) {
            const QString& file = point.onSource ? sourcePath : targetPath;
            if (kind != point.kind || !database.contains(file) ||
                !sql.startsWith(QLatin1String(point.text)) || ++*seen != point.occurrence)
                return;
            Connection::commitAllPending();
            other = std::make_unique<OtherWriter>(point.locksSource ? sourcePath : targetPath);
            EXPECT_TRUE(other->hold(hold)) << other->error().toStdString();
        });
    }

    // What an uninterrupted run of this engine makes of copies of the same files.
    QStringList referenceContents()
    {
        const QString target = db.path(QStringLiteral("reference.accdb"));
        const QString source = db.path(QStringLiteral("reference.mdb"));
        EXPECT_TRUE(QFile::copy(targetPath, target));
        EXPECT_TRUE(QFile::copy(sourcePath, source));
        press(source, target, GetParam());
        EXPECT_EQ(window.messages.last(), Finished);
        window.messages.clear();
        return contents(target) << collected(source);
    }
    static QStringList collected(const QString& source)
    {
        QStringList out;
        for (const auto& r : TestDatabase::rows(source, "Select Kind, PartNO, Price From "
                                                        "PriceListAll Order By PartNO"))
            out << r.value(0).toString() + r.value(1).toString() + r.value(2).toString();
        return out;
    }
    int count(const char* sql) const { return TestDatabase::scalar(targetPath, sql).toInt(); }
    void expectNoHalfPart() const { ImportChecks::expectWholeParts(targetPath); }

    std::unique_ptr<OtherWriter> other;
};

std::string engineName(const ::testing::TestParamInfo<Engine>& info)
{
    switch (info.param) {
    case Engine::Embedded:
        return "Embedded";
    case Engine::EmbeddedWal:
        return "EmbeddedWal";
    case Engine::Odbc:
        break;
    }
    return "Odbc";
}

} // namespace

TEST_P(OtherWriterRunTest, ABriefLockAnywhereInTheRunIsWaitedOut)
{
    const QStringList reference = referenceContents();
    for (const LockPoint& point : LockPoints) {
        SCOPED_TRACE(point.why);
        freshFiles();
        lockAt(point, std::chrono::seconds(1));
        press(sourcePath, targetPath, GetParam());
        StatementLog::remove();
        ASSERT_TRUE(other) << "the run never reached the point";
        EXPECT_TRUE(other->committed()) << other->error().toStdString();
        other.reset();
        EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
        window.messages.clear();
        EXPECT_EQ(contents(targetPath) << collected(sourcePath), reference);
    }
}

TEST_P(OtherWriterRunTest, ALockHeldPastTheTimeoutEndsTheRunWithNoHalfPart)
{
    struct Case
    {
        LockPoint point;
        const char* leftToDo;
    };
    const Case cases[] = {
        {LockPoints[1], "Select Count(*) From PriceList"},
        {LockPoints[4], "Select Count(*) From AltGX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point.why);
        freshFiles();
        lockAt(c.point, std::chrono::seconds(20));
        press(sourcePath, targetPath, GetParam(), 1);
        StatementLog::remove();
        ASSERT_TRUE(other) << "the run never reached the point";
        other->release();
        EXPECT_TRUE(other->committed()) << other->error().toStdString();
        other.reset();
        EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{
                                       {QStringLiteral("ไม่สามรถบันทึกได้"), MessageStyle::Plain}}));
        window.messages.clear();
        expectNoHalfPart();
        EXPECT_GT(count(c.leftToDo), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, OtherWriterRunTest,
                         ::testing::Values(Engine::Embedded, Engine::EmbeddedWal, Engine::Odbc),
                         engineName);
