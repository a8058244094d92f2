#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QSqlDriver>
#include <gtest/gtest.h>

using lostrand::Connection;
using lostrand::DbError;
using lostrand::Recordset;
using lostrand::SqlDialect;
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
        const auto mode = TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode"));
        EXPECT_EQ(mode.toString(), QStringLiteral("wal"));
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
