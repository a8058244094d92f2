#include "db/Connection.h"
#include "db/DbError.h"
#include "db/OdbcDriver.h"
#include "db/Recordset.h"
#include "support/OtherWriter.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDriver>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <sql.h>

using lostrand::Connection;
using lostrand::DbError;
using lostrand::OdbcDriver;
using lostrand::Recordset;
using lostrand::SqlDialect;
using lostrand::test::OtherWriter;
using lostrand::test::TestDatabase;

namespace {

class ConnectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file =
            db.create(QStringLiteral("target.accdb"),
                      {QStringLiteral("Create Table T (ID Long, Name Text(60), Price Currency)")});
    }
    void TearDown() override { Connection::setOpenHook(nullptr); }

    void openAccess(Connection& cn) const
    {
        cn.setConnectionString(TestDatabase::accessTargetString(file));
        cn.open();
    }

    TestDatabase db;
    QString file;
};

} // namespace

TEST_F(ConnectionTest, AnAccessStringOnAnSqliteFileOpensTheEmbeddedEngine)
{
    for (const QString& text :
         {TestDatabase::accessTargetString(file), TestDatabase::accessSourceString(file),
          QStringLiteral("DRIVER={microsoft access driver (*.mdb)};DBQ=") + file}) {
        Connection cn;
        cn.setConnectionString(text);
        cn.open();
        EXPECT_EQ(cn.state(), Connection::StateOpen) << text.toStdString();
        EXPECT_EQ(cn.dialect(), SqlDialect::Sqlite);
        EXPECT_EQ(cn.database().driverName(), QStringLiteral("QSQLITE"));
    }
}

// The connection never switches the journal mode: the file keeps the one it had, and one in a
// rollback mode is never given the memory WAL shares between programs. Its writes are synced in
// full, the journal's and the file's.
TEST_F(ConnectionTest, TheFileKeepsItsJournalModeAndNothingIsLeftBesideIt)
{
    for (const QString& mode : {QStringLiteral("delete"), QStringLiteral("wal")}) {
        SCOPED_TRACE(mode.toStdString());
        const QString path = db.create(mode + QStringLiteral(".accdb"),
                                       {QStringLiteral("Create Table T (ID Long)")});
        ASSERT_EQ(TestDatabase::scalar(path, QStringLiteral("PRAGMA journal_mode=") + mode), mode);
        const QStringList before = QDir(db.folder()).entryList(QDir::Files);
        Connection cn;
        cn.setConnectionString(TestDatabase::accessTargetString(path));
        cn.open();
        cn.beginTrans();
        cn.execute(QStringLiteral("Insert Into T Values( 1 )"));
        cn.commitTrans();
        cn.execute(QStringLiteral("Insert Into T Values( 2 )"));
        Recordset rs;
        rs.open(QStringLiteral("PRAGMA journal_mode"), cn);
        EXPECT_EQ(rs.value(QStringLiteral("journal_mode")).toString(), mode);
        rs.close();
        rs.open(QStringLiteral("PRAGMA synchronous"), cn);
        EXPECT_EQ(rs.value(QStringLiteral("synchronous")).toInt(), 2) << "FULL";
        rs.close();
        if (mode != QLatin1String("wal")) {
            EXPECT_FALSE(QFile::exists(path + QStringLiteral("-shm")));
            EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
        }
        cn.close();
        EXPECT_EQ(TestDatabase::scalar(path, QStringLiteral("PRAGMA journal_mode")), mode);
        EXPECT_EQ(TestDatabase::scalar(path, QStringLiteral("Select Count(*) From T")).toInt(), 2);
        EXPECT_EQ(QDir(db.folder()).entryList(QDir::Files), before);
    }
}

TEST_F(ConnectionTest, TheSqlServerStringGoesThroughOdbcUnchanged)
{
    Connection cn;
    cn.setConnectionString(TestDatabase::sqlServerString(file));
    cn.open();
    EXPECT_EQ(cn.database().driverName(), QStringLiteral("QODBC"));
    // The driver reports SQLite, not SQL Server, so texts take plain quotes.
    EXPECT_NE(cn.dialect(), SqlDialect::SqlServer);
    EXPECT_EQ(cn.quote(QStringLiteral("a'b")), QStringLiteral("'a''b'"));
    EXPECT_EQ(cn.execute(QStringLiteral("Insert Into T Values( 1, 'x', 2.5 )")), 1);
    EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select Count(*) From T")).toInt(), 1);
}

TEST_F(ConnectionTest, AFileThatIsNoSqliteDatabaseFailsClearlyWithoutADriver)
{
    const QString other = db.path(QStringLiteral("real.accdb"));
    QFile f(other);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Standard ACE DB");
    f.close();
    Connection cn;
    cn.setConnectionString(TestDatabase::accessTargetString(other));
    try {
        cn.open();
        FAIL() << "opened a file no driver can read";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.driverMessage().isEmpty());
    }
    EXPECT_EQ(cn.state(), Connection::StateClosed);
    // A missing file is not created on the way.
    Connection missing;
    missing.setConnectionString(
        TestDatabase::accessTargetString(db.path(QStringLiteral("none.mdb"))));
    EXPECT_THROW(missing.open(), DbError);
    EXPECT_FALSE(QFile::exists(db.path(QStringLiteral("none.mdb"))));
}

TEST_F(ConnectionTest, OpeningAnOpenConnectionFailsAndItsStringIsFixed)
{
    Connection cn;
    openAccess(cn);
    EXPECT_THROW(cn.open(), DbError);
    EXPECT_THROW(cn.setConnectionString(TestDatabase::accessTargetString(file)), DbError);
    EXPECT_TRUE(cn.isOpen());
    cn.close();
    EXPECT_EQ(cn.state(), Connection::StateClosed);
    cn.open();
    EXPECT_TRUE(cn.isOpen());
}

TEST_F(ConnectionTest, AFailingStatementRaisesWithItsText)
{
    Connection cn;
    openAccess(cn);
    const QString sql = QStringLiteral("Update Missing Set X = 1");
    try {
        cn.execute(sql);
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(e.statement(), sql);
        EXPECT_TRUE(e.driverMessage().contains(QStringLiteral("Missing"))) << e.what();
    }
    Recordset rs;
    EXPECT_THROW(rs.open(QStringLiteral("Select Nothing From T"), cn), DbError);
    EXPECT_FALSE(rs.isOpen());
    Connection closed;
    EXPECT_THROW(closed.execute(QStringLiteral("Select 1")), DbError);
}

TEST_F(ConnectionTest, ARolledBackTransactionLeavesNothing)
{
    Connection cn;
    openAccess(cn);
    cn.beginTrans();
    EXPECT_TRUE(cn.inTransaction());
    cn.execute(QStringLiteral("Insert Into T Values( 1, 'a', 1 )"));
    cn.execute(QStringLiteral("Update T Set Name = 'b'"));
    cn.rollbackTrans();
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select Count(*) From T")).toInt(), 0);

    cn.beginTrans();
    cn.execute(QStringLiteral("Insert Into T Values( 2, 'c', 1 )"));
    cn.commitTrans();
    EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select Count(*) From T")).toInt(), 1);
    EXPECT_THROW(cn.rollbackTrans(), DbError);
}

TEST_F(ConnectionTest, ClosingWithAnOpenTransactionCommitsNothing)
{
    Connection cn;
    openAccess(cn);
    cn.beginTrans();
    cn.execute(QStringLiteral("Insert Into T Values( 1, 'a', 1 )"));
    cn.close();
    EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select Count(*) From T")).toInt(), 0);
}

// A SQL Server driver without multiple active result sets ends no transaction while a
// statement of the connection has results pending. Through ODBC the layer closes the open
// recordsets' results first: the driver manager then has no cursor open on their statements.
// After a commit the recordset still gives every row; after a rollback, which the error path
// follows by closing it, it ends after the row it had read.
TEST_F(ConnectionTest, ATransactionThroughOdbcEndsWithNoResultsPending)
{
    const std::pair<bool, QStringList> cases[] = {
        {true, {"a", "b", "c"}},
        {false, {"a"}},
    };
    for (const auto& [commit, walked] : cases) {
        SCOPED_TRACE(commit ? "commit" : "rollback");
        Connection cn;
        cn.setConnectionString(TestDatabase::sqlServerString(file));
        cn.open();
        cn.execute(QStringLiteral("Delete From T"));
        for (const char* name : {"a", "b", "c"})
            cn.execute(QStringLiteral("Insert Into T Values( 1, '%1', 1 )").arg(name));
        cn.beginTrans();
        Recordset rs;
        rs.open(QStringLiteral("Select Name From T Order By Name"), cn);
        ASSERT_FALSE(rs.eof());
        commit ? cn.commitTrans() : cn.rollbackTrans();
        const SQLHANDLE statement = OdbcDriver::handleOf(rs.driverHandle());
        ASSERT_NE(statement, nullptr);
        EXPECT_EQ(SQLCloseCursor(statement), SQL_ERROR) << "a cursor was still open";
        EXPECT_TRUE(rs.isOpen());
        QStringList names;
        for (; !rs.eof(); rs.moveNext())
            names << rs.text(QStringLiteral("Name"));
        EXPECT_EQ(names, walked);
    }
}

TEST_F(ConnectionTest, TheOpenHookCanFailOneOpen)
{
    int calls = 0;
    Connection::setOpenHook([&calls](const QString&) {
        if (++calls == 1)
            throw DbError({}, QStringLiteral("refused"));
    });
    Connection cn;
    cn.setConnectionString(TestDatabase::accessTargetString(file));
    EXPECT_THROW(cn.open(), DbError);
    EXPECT_FALSE(cn.isOpen());
    cn.open();
    EXPECT_TRUE(cn.isOpen());
    EXPECT_EQ(calls, 2);
}

TEST_F(ConnectionTest, ClosingAConnectionClosesItsRecordsets)
{
    Connection cn;
    openAccess(cn);
    cn.execute(QStringLiteral("Insert Into T Values( 1, 'a', 1 )"));
    Recordset rs;
    rs.open(QStringLiteral("Select ID From T"), cn);
    cn.close();
    EXPECT_FALSE(rs.isOpen());
}

TEST_F(ConnectionTest, ItTellsWhichTablesExist)
{
    for (const bool odbc : {false, true}) {
        Connection cn;
        cn.setConnectionString(odbc ? TestDatabase::sqlServerString(file)
                                    : TestDatabase::accessTargetString(file));
        cn.open();
        EXPECT_TRUE(cn.hasTable(QStringLiteral("T")));
        EXPECT_TRUE(cn.hasTable(QStringLiteral("t")));
        EXPECT_FALSE(cn.hasTable(QStringLiteral("PriceList")));
    }
}

// A staging table full of one brand, as the new-part loop finds it: its statistics must tell
// the engine that the brand selects every row, so the queue is read in part-number order from
// its index instead of being sorted anew for every part made.
TEST_F(ConnectionTest, TheStatisticsOfAOneBrandQueueKeepItsReadsFromSorting)
{
    QStringList rows{
        QStringLiteral("Create Table PriceList (BrandID Long, PartNO Text(40), Kind Text(1))"),
        QStringLiteral("Create Index PriceList_BrandID On PriceList (BrandID)"),
        QStringLiteral("Create Index PriceList_PartNO On PriceList (PartNO)"),
        QStringLiteral("Create Index PriceList_Kind On PriceList (Kind)"),
        QStringLiteral("With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < "
                       "12000) Insert Into PriceList Select 7, 'N' || i, 'C' From n")};
    db.create(QStringLiteral("target.accdb"), rows);
    Connection cn;
    openAccess(cn);
    cn.analyzeNewTables();
    cn.close();
    const QString plan =
        TestDatabase::rows(file, QStringLiteral("Explain Query Plan Select Kind, PartNO From "
                                                "PriceList Where BrandID = 7 Order By PartNO"))
            .last()
            .last()
            .toString();
    EXPECT_EQ(plan, QStringLiteral("SCAN PriceList USING INDEX PriceList_PartNO"));
}

namespace {

enum class Engine
{
    Embedded, // an Access-driver string on an SQLite file
    Odbc      // the SQL Server string, through the SQLite ODBC driver
};

std::string engineName(const ::testing::TestParamInfo<Engine>& info)
{
    return info.param == Engine::Embedded ? "Embedded" : "Odbc";
}

// Another program holds the write lock of the file while the connection works on it.
class ConnectionLockTest : public ::testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        file = db.create(QStringLiteral("target.accdb"),
                         {QStringLiteral("Create Table T (ID Long, Name Text(10))"),
                          QStringLiteral("Insert Into T Values (1, 'a')")});
    }

    // The time-out of the embedded engine is the command time-out, changed on the open
    // connection; the ODBC driver takes its own from the connection string.
    void open(int timeoutSeconds)
    {
        if (GetParam() == Engine::Embedded) {
            cn.setConnectionString(TestDatabase::accessTargetString(file));
            cn.open();
            cn.setCommandTimeout(timeoutSeconds);
        } else {
            cn.setConnectionString(TestDatabase::sqlServerString(file) +
                                   QStringLiteral("Timeout=%1;").arg(timeoutSeconds * 1000));
            cn.open();
        }
    }

    // A transaction that reads before it writes, as the new-part loop's do.
    void readThenWrite()
    {
        cn.beginTrans();
        Recordset rs;
        rs.open(QStringLiteral("Select ID From T"), cn);
        const int id = rs.value(QStringLiteral("ID")).toInt();
        rs.close();
        cn.execute(QStringLiteral("Insert Into T Values( %1, 'b' )").arg(id + 1));
        cn.commitTrans();
    }

    int rows() const
    {
        return TestDatabase::scalar(file, QStringLiteral("Select Count(*) From T")).toInt();
    }

    TestDatabase db;
    QString file;
    Connection cn;
};

} // namespace

TEST_P(ConnectionLockTest, ABriefLockIsWaitedOutAndTheOtherProgramKeepsItsWrite)
{
    open(20);
    const std::function<void()> writes[] = {
        [this] { cn.execute(QStringLiteral("Update T Set Name = 'c'")); },
        [this] { readThenWrite(); },
    };
    for (const auto& write : writes) {
        OtherWriter other(file);
        ASSERT_TRUE(other.hold(std::chrono::seconds(1)));
        QElapsedTimer waited;
        waited.start();
        EXPECT_NO_THROW(write());
        EXPECT_GE(waited.elapsed(), 500);
        EXPECT_TRUE(other.committed()) << other.error().toStdString();
        EXPECT_FALSE(cn.inTransaction());
        // The connection idles now; the program writes out what it ran before it waits.
        cn.commitPending();
    }
    EXPECT_EQ(rows(), 2);
}

TEST_P(ConnectionLockTest, ALockHeldPastTheTimeoutFailsTheTransactionAndWritesNothing)
{
    open(1);
    OtherWriter other(file);
    ASSERT_TRUE(other.hold(std::chrono::seconds(10)));
    QElapsedTimer waited;
    waited.start();
    try {
        readThenWrite();
        FAIL() << "wrote past another program's lock";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.driverMessage().contains(QStringLiteral("locked"))) << e.what();
    }
    EXPECT_LT(waited.elapsed(), 5000);
    EXPECT_FALSE(cn.inTransaction());
    other.release();
    EXPECT_TRUE(other.committed()) << other.error().toStdString();
    EXPECT_EQ(rows(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, ConnectionLockTest,
                         ::testing::Values(Engine::Embedded, Engine::Odbc), engineName);
