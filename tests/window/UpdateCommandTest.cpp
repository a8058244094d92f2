#include "RunFixture.h"

#include "db/DbError.h"
#include "db/Recordset.h"
#include "demo/SqliteFile.h"
#include "window/RunStop.h"
#include "window/UpdateCommand.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::RunFixture;
using lostrand::test::TestDatabase;

namespace {

using Message = QPair<QString, MessageStyle>;

const Message Finished{QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain};
const Message CannotSave{QStringLiteral("ไม่สามรถบันทึกได้"), MessageStyle::Plain};
const Message WrongVersion{
    QStringLiteral("กำหนด Vertion ของฐานข้อมูลผิด  ให้ติดต่อผู้ติดตั้งระบบ  หรือ  ผู้จำหน่าย ValcorinSoft"),
    MessageStyle::Question};
const Message BrandNotFound{QStringLiteral("ไม่สามารถหา Files ZARAVในฐานข้อมูล ไม่สามารถบันทึกได้"),
                            MessageStyle::Question};

class UpdateCommandTest : public ::testing::Test, public RunFixture
{
protected:
    void SetUp() override
    {
        Connection::setOpenHook([this](const QString& text) {
            opened.append(text);
            if (text.contains(QStringLiteral("PWD=RBN574612")) && targetFailures > 0) {
                --targetFailures;
                throw DbError({}, QStringLiteral("refused"));
            }
            if (text.contains(QStringLiteral("PWD=HWZ613870")) && fallbackFailures > 0) {
                --fallbackFailures;
                throw DbError({}, QStringLiteral("refused"));
            }
        });
    }
    void TearDown() override { Connection::setOpenHook(nullptr); }

    void press() { UpdateCommand::cmdUpDate_Click(state, recorded.phases()); }
    void expectIdle() const
    {
        EXPECT_EQ(window.pointer, Pointer::Arrow);
        EXPECT_TRUE(window.commandEnabled);
    }
    void expectStopped() const
    {
        EXPECT_EQ(window.pointer, Pointer::ArrowHourglass);
        EXPECT_FALSE(window.commandEnabled);
    }
    void closeBoth()
    {
        state.cnPriceList().close();
        state.cnADO2().close();
    }
    void expectBothClosed()
    {
        EXPECT_FALSE(state.cnPriceList().isOpen());
        EXPECT_FALSE(state.cnADO2().isOpen());
    }
    QString otherTarget(const QString& name, const QString& label, const QString& brand)
    {
        return db.create(name, TargetSchema::common(label, brand, 7));
    }

    // Every file of the folder with a hash of its bytes: a changed byte of either file, or a
    // journal left beside them, shows.
    QMap<QString, QByteArray> folderContents() const
    {
        QMap<QString, QByteArray> contents;
        const QDir folder(db.folder());
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
            QFile f(folder.filePath(name));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            contents.insert(name,
                            QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
        }
        return contents;
    }
    void setJournalMode(const QString& mode) const
    {
        for (const QString& file : {source, target})
            ASSERT_EQ(TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode=") + mode),
                      mode);
    }
    QString journalMode(const QString& file) const
    {
        return TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode")).toString();
    }

    QStringList opened;
    int targetFailures = 0;
    int fallbackFailures = 0;
};

TEST_F(UpdateCommandTest, EachLocationProblemHasItsMessageAndTheFirstOneWins)
{
    const QString folder = db.folder();
    const QString hidden = db.create(QStringLiteral(".hidden.mdb"), PriceListSchema::createFile());
    struct Case
    {
        const char* why;
        QString source;
        bool access;
        QString target;
        QString message;
    };
    const QString sourceMissing = QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล  PriceList_ZARAV.mdb");
    const QString sourceNotFound = QStringLiteral("ที่จัดเก็บข้อมูล  PriceList_ZARAV.mdb  หาไม่พบ");
    const QString targetMissing = QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล");
    const QString accdbNotFound = QStringLiteral("ที่จัดเก็บข้อมูล  Valcorin.accdb  หาไม่พบ");
    const QString mdbNotFound = QStringLiteral("ที่จัดเก็บข้อมูล  Valcorin.mdb  หาไม่พบ");
    const Case cases[] = {
        {"no source, no target", "", true, "", sourceMissing},
        {"a blank source", "   ", true, target, sourceMissing},
        {"no source file", folder + "/none.mdb", true, "", sourceNotFound},
        {"a folder is no file", folder, true, target, sourceNotFound},
        {"a hidden file is not seen", hidden, true, target, sourceNotFound},
        {"no target", source, true, "  ", targetMissing},
        {"no target file, accdb", source, true, folder + "/Data.accdb  ", accdbNotFound},
        {"no target file, mdb", source, true, folder + "/Valcorin.mdb", mdbNotFound},
        {"the ending is case-sensitive", source, true, folder + "/Valcorin.ACCDB", mdbNotFound},
        {"a target folder", source, true, folder, mdbNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        window.messages.clear();
        opened.clear();
        window.setOption(QStringLiteral("optAccess"), c.access);
        window.setText(QStringLiteral("txtPriceList"), c.source);
        window.setText(QStringLiteral("txtDataValcorin"), c.target);
        press();
        EXPECT_EQ(window.messages, (QList<Message>{{c.message, MessageStyle::Exclamation}}));
        EXPECT_TRUE(opened.isEmpty());
        expectIdle();
    }
    EXPECT_TRUE(recorded.calls.isEmpty());
}

TEST_F(UpdateCommandTest, ARunEndsWithItsMessageAndBothConnectionsClosed)
{
    recorded.hasRows = 1;
    recorded.actions.insert(QStringLiteral("ProcessPriceListTables"), [this](RunState& s) {
        // While it runs the button is off and the pointer busy; the label and brand are known.
        expectStopped();
        EXPECT_EQ(s.DBVersion, QStringLiteral("V.31"));
        EXPECT_EQ(s.BrandID, 7);
        EXPECT_TRUE(s.cnPriceList().isOpen());
        EXPECT_TRUE(s.cnADO2().isOpen());
    });
    press();
    EXPECT_EQ(window.messages, QList<Message>{Finished});
    EXPECT_EQ(recorded.calls.size(), 5);
    EXPECT_EQ(window.history(QStringLiteral("txtQTY")).value(0),
              QStringLiteral("กำลังย้าน  Price ZARAV  ชั่วคราว"));
    EXPECT_GE(window.pumps, 1);
    expectBothClosed();
    expectIdle();
}

TEST_F(UpdateCommandTest, PathsAreTrimmedBeforeTheTestAndTheConnection)
{
    window.setText(QStringLiteral("txtPriceList"),
                   QStringLiteral("  ") + source + QStringLiteral("  "));
    window.setText(QStringLiteral("txtDataValcorin"),
                   QStringLiteral(" ") + target + QStringLiteral(" "));
    press();
    EXPECT_EQ(window.messages, QList<Message>{Finished});
    EXPECT_EQ(opened, (QStringList{TestDatabase::accessSourceString(source, true),
                                   TestDatabase::accessTargetString(target)}));
}

TEST_F(UpdateCommandTest, SqlServerModeEmptiesTheTargetPathAndOpensTheSourceAsMdb)
{
    const QString accdbSource = db.path(QStringLiteral("prices.accdb"));
    ASSERT_TRUE(QFile::copy(source, accdbSource));
    window.setText(QStringLiteral("txtPriceList"), accdbSource);
    window.setOption(QStringLiteral("optSQL"), true);
    window.setText(QStringLiteral("txtServer"), QStringLiteral("localhost"));
    window.setText(QStringLiteral("txtuid"), QStringLiteral("sa"));
    window.setText(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
    window.setText(QStringLiteral("txtdbq"), target);
    for (int run = 0; run < 2; ++run) {
        window.setText(QStringLiteral("txtDataValcorin"), QStringLiteral("E:\\x\\Valcorin.accdb"));
        press();
        EXPECT_TRUE(window.text(QStringLiteral("txtDataValcorin")).isEmpty());
    }
    EXPECT_EQ(window.messages, (QList<Message>{Finished, Finished}));
    EXPECT_EQ(opened.value(0), TestDatabase::accessSourceString(accdbSource, false));
    EXPECT_EQ(opened.value(1), TestDatabase::sqlServerString(target));
}

TEST_F(UpdateCommandTest, AWrongLabelClosesBothAndALaterPressRuns)
{
    const QString wrong = otherTarget(QStringLiteral("wrong.accdb"), QStringLiteral("p.45 (bar)"),
                                      QStringLiteral("ZARAV"));
    window.setText(QStringLiteral("txtDataValcorin"), wrong);
    press();
    EXPECT_EQ(window.messages, QList<Message>{WrongVersion});
    EXPECT_TRUE(recorded.calls.isEmpty());
    expectBothClosed();
    expectIdle();

    // A System table without rows counts as a wrong label too.
    SqliteFile::execute(wrong, {QStringLiteral("Delete From System")});
    press();
    EXPECT_EQ(window.messages.last(), WrongVersion);

    window.setText(QStringLiteral("txtDataValcorin"), target);
    press();
    EXPECT_EQ(window.messages.last(), Finished);
    EXPECT_EQ(window.messages.size(), 3);
}

TEST_F(UpdateCommandTest, AMissingBrandIsLookedUpAfreshAtEveryRun)
{
    press();
    ASSERT_EQ(window.messages, QList<Message>{Finished});
    const QString other = otherTarget(QStringLiteral("other.accdb"), QStringLiteral("V.31"),
                                      QStringLiteral("NISSAN"));
    window.setText(QStringLiteral("txtDataValcorin"), other);
    press();
    EXPECT_EQ(window.messages.last(), BrandNotFound);
    EXPECT_EQ(state.BrandID, 0);
    EXPECT_EQ(recorded.calls.size(), 3); // only the first run's phases
    expectBothClosed();
    expectIdle();
}

TEST_F(UpdateCommandTest, AFailureInTheMiddleShowsOneMessageAndKeepsWhatWasCommitted)
{
    SqliteFile::execute(target,
                        {QStringLiteral("Create Table Pta7 (PartID Long, PartNO Text(40))")});
    recorded.actions.insert(QStringLiteral("ProcessPriceListTables"), [](RunState& s) {
        s.cnADO2().beginTrans();
        s.executeTarget(QStringLiteral("Insert Into Pta7 Values (1, 'KEPT')"));
        s.cnADO2().commitTrans();
    });
    recorded.actions.insert(QStringLiteral("CollectChangedParts"), [](RunState& s) {
        s.openOnSource(s.rsMain, QStringLiteral("Select * From PriceListAll"));
        s.openOnTarget(s.rsLookup, QStringLiteral("Select * From Pta7"));
        s.cnADO2().beginTrans();
        s.executeTarget(QStringLiteral("Insert Into Pta7 Values (2, 'UNDONE')"));
        s.executeTarget(QStringLiteral("Insert Into NoSuchTable Values (3)"));
    });
    press();
    EXPECT_EQ(window.messages, QList<Message>{CannotSave});
    EXPECT_EQ(recorded.calls, (QStringList{QStringLiteral("ProcessPriceListTables"),
                                           QStringLiteral("CollectChangedParts")}));
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_FALSE(state.rsLookup.isOpen());
    EXPECT_FALSE(state.cnADO2().inTransaction());
    // The connections stay as they were, and the window stays stopped.
    EXPECT_TRUE(state.cnPriceList().isOpen());
    EXPECT_TRUE(state.cnADO2().isOpen());
    expectStopped();
    state.cnADO2().close();
    const auto parts = TestDatabase::rows(target, QStringLiteral("Select PartNO From Pta7"));
    ASSERT_EQ(parts.size(), 1);
    EXPECT_EQ(parts[0][0].toString(), QStringLiteral("KEPT"));
}

TEST_F(UpdateCommandTest, EveryOtherFailureEndsOnTheErrorPath)
{
    const auto onTarget = [this](const QString& sql) {
        return [this, sql](TransferPhases&) { SqliteFile::execute(target, {sql}); };
    };
    struct Case
    {
        const char* why;
        std::function<void(TransferPhases&)> arrange;
    };
    const Case cases[] = {
        {"no staging table to empty", onTarget(QStringLiteral("Drop Table PriceList"))},
        {"no System table", onTarget(QStringLiteral("Drop Table System"))},
        {"no Brand table", onTarget(QStringLiteral("Drop Table Brand"))},
        {"a null label", onTarget(QStringLiteral("Update System Set Ver = Null"))},
        {"both target passwords refused",
         [this](TransferPhases&) {
             targetFailures = 1;
             fallbackFailures = 1;
         }},
        {"a phase that is not there",
         [this](TransferPhases& phases) {
             recorded.hasRows = 1;
             phases.ListPriceDifferences = nullptr;
         }},
        {"a padded brand number without table names",
         [this](TransferPhases&) {
             SqliteFile::execute(target, {QStringLiteral("Update System Set Ver = 'P.66 (Bar)'"),
                                          QStringLiteral("Update Pta_BrandID Set BrandID = 100")});
         }},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        target = otherTarget(QStringLiteral("case%1.accdb").arg(++n), QStringLiteral("V.31"),
                             QStringLiteral("ZARAV"));
        window.setText(QStringLiteral("txtDataValcorin"), target);
        window.messages.clear();
        recorded.hasRows = 0;
        TransferPhases phases = recorded.phases();
        c.arrange(phases);
        UpdateCommand::cmdUpDate_Click(state, phases);
        EXPECT_EQ(window.messages, QList<Message>{CannotSave});
        expectStopped();
        // The error path leaves the connections as they were; the next case starts closed.
        state.cnPriceList().close();
        state.cnADO2().close();
    }
}

TEST_F(UpdateCommandTest, ARefusedFirstPasswordOpensWithTheFallbackSilently)
{
    targetFailures = 1;
    press();
    EXPECT_EQ(window.messages, QList<Message>{Finished});
    ASSERT_EQ(opened.size(), 3);
    EXPECT_TRUE(opened[2].endsWith(QStringLiteral(";UID=admin;PWD=HWZ613870")));
}

TEST_F(UpdateCommandTest, TheCreateBoxMakesAMissingStagingTableAndTheRunGoesOn)
{
    SqliteFile::execute(target, {QStringLiteral("Drop Table PriceList")});
    window.setCheck(QStringLiteral("chkCreateTable"), 1);
    press();
    EXPECT_EQ(window.messages, QList<Message>{Finished});
    EXPECT_EQ(TestDatabase::rows(target, QStringLiteral("PRAGMA table_info(PriceList)")).size(),
              33);
}

TEST_F(UpdateCommandTest, APaddedBrandNumberWithoutTableNamesWritesNothing)
{
    const QString padded =
        db.create(QStringLiteral("padded.accdb"),
                  TargetSchema::common(QStringLiteral("P.66 (Bar)"), QStringLiteral("ZARAV"), 100));
    SqliteFile::execute(
        padded, {QStringLiteral("Insert Into PriceList (BrandID, PartNO) Values (100, 'Q')")});
    window.setText(QStringLiteral("txtDataValcorin"), padded);
    press();
    EXPECT_EQ(window.messages, QList<Message>{CannotSave});
    EXPECT_TRUE(recorded.calls.isEmpty());
    state.cnADO2().close();
    EXPECT_EQ(count(padded, QStringLiteral("Select Count(*) From PriceList")), 1);
}

// The checks that can refuse a run only read: a refused run leaves both files as they were,
// whatever journal mode the shop keeps them in.
TEST_F(UpdateCommandTest, ARefusedRunLeavesBothFilesByteForByteAsTheyWere)
{
    struct Case
    {
        const char* why;
        QString label;
        QString brand;
        int brandId;
        bool sourceMissing;
        Message message;
    };
    const Case cases[] = {
        {"a wrong label", QStringLiteral("p.45 (bar)"), QStringLiteral("ZARAV"), 7, false,
         WrongVersion},
        {"a missing brand", QStringLiteral("V.31"), QStringLiteral("NISSAN"), 7, false,
         BrandNotFound},
        {"a missing price list",
         QStringLiteral("V.31"),
         QStringLiteral("ZARAV"),
         7,
         true,
         {QStringLiteral("ที่จัดเก็บข้อมูล  PriceList_ZARAV.mdb  หาไม่พบ"), MessageStyle::Exclamation}},
        {"a two-digit layout's brand 100", QStringLiteral("P.66 (Bar)"), QStringLiteral("ZARAV"),
         100, false, CannotSave},
        {"a three-digit layout's brand 1000", QStringLiteral("P.68 (Bar)"), QStringLiteral("ZARAV"),
         1000, false, CannotSave},
    };
    for (const QString& mode : {QStringLiteral("delete"), QStringLiteral("wal")}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.why) + " in " + mode.toStdString());
            QFile::remove(target);
            db.create(QStringLiteral("Valcorin.accdb"),
                      TargetSchema::common(c.label, c.brand, c.brandId));
            setJournalMode(mode);
            window.setText(QStringLiteral("txtPriceList"),
                           c.sourceMissing ? db.path(QStringLiteral("none.mdb")) : source);
            const auto before = folderContents();
            window.messages.clear();
            press();
            EXPECT_EQ(window.messages, QList<Message>{c.message});
            if (c.message == CannotSave) {
                expectStopped();
                // The error path leaves the connections open; the program's end closes them.
                closeBoth();
            } else {
                expectIdle();
            }
            EXPECT_EQ(folderContents(), before);
        }
    }
}

// A run never switches the journal mode of a file, and no journal or other file stays beside
// either file after any of its exits: a rollback journal is gone as soon as the run has written
// out what it ran, WAL's own files when the program closes the file.
TEST_F(UpdateCommandTest, EveryExitLeavesNothingBesideTheFiles)
{
    struct Exit
    {
        const char* why;
        QString brand;
        bool fails;
        Message message;
    };
    const Exit exits[] = {
        {"the finished run", QStringLiteral("ZARAV"), false, Finished},
        {"the error path", QStringLiteral("ZARAV"), true, CannotSave},
        {"the missing brand", QStringLiteral("NISSAN"), false, BrandNotFound},
    };
    for (const QString& mode : {QStringLiteral("delete"), QStringLiteral("wal")}) {
        for (const Exit& exit : exits) {
            SCOPED_TRACE(std::string(exit.why) + " in " + mode.toStdString());
            QFile::remove(target);
            db.create(QStringLiteral("Valcorin.accdb"),
                      TargetSchema::common(QStringLiteral("V.31"), exit.brand, 7));
            setJournalMode(mode);
            const QStringList before = QDir(db.folder()).entryList(QDir::Files | QDir::Hidden);
            QStringList modesSeen;
            recorded.actions.insert(
                QStringLiteral("ProcessPriceListTables"), [&modesSeen, &exit](RunState& s) {
                    s.executeSource(QStringLiteral("Delete From PriceListAll"));
                    s.executeTarget(QStringLiteral("Delete From LastID"));
                    for (Connection* cn : {&s.cnPriceList(), &s.cnADO2()}) {
                        Recordset rs;
                        rs.open(QStringLiteral("PRAGMA journal_mode"), *cn);
                        modesSeen << rs.value(QStringLiteral("journal_mode")).toString();
                    }
                    if (exit.fails)
                        throw RunStop(QStringLiteral("stopped"));
                });
            window.messages.clear();
            press();
            EXPECT_EQ(window.messages, QList<Message>{exit.message});
            if (exit.message != BrandNotFound) {
                EXPECT_EQ(modesSeen, QStringList({mode, mode}));
            }
            if (mode == QLatin1String("delete")) {
                EXPECT_EQ(QDir(db.folder()).entryList(QDir::Files | QDir::Hidden), before);
            }
            // The error path leaves the connections open; the program's end closes them.
            closeBoth();
            EXPECT_EQ(QDir(db.folder()).entryList(QDir::Files | QDir::Hidden), before);
            EXPECT_EQ(journalMode(source), mode);
            EXPECT_EQ(journalMode(target), mode);
        }
    }
}

// Statistics are written once the checks have passed.
TEST_F(UpdateCommandTest, AFinishedRunLeavesStatisticsOfTheTablesWithRows)
{
    press();
    EXPECT_EQ(window.messages, QList<Message>{Finished});
    EXPECT_EQ(
        count(target, QStringLiteral("Select Count(*) From sqlite_stat1 Where tbl = 'Brand'")), 1);
}

} // namespace
