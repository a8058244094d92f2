#include "db/WriteGroup.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"
#include "demo/SqliteFile.h"
#include "support/TestDatabase.h"

#include <QThread>
#include <gtest/gtest.h>

using lostrand::Connection;
using lostrand::DbError;
using lostrand::Recordset;
using lostrand::SqliteFile;
using lostrand::WriteGroup;
using lostrand::test::TestDatabase;

namespace {

// A connection of the embedded engine on a file in the journal mode of the parameter, and
// another program reading the file as it stands on the disk.
class WriteGroupTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        file =
            db.create(QStringLiteral("target.accdb"), {QStringLiteral("Create Table T (ID Long)")});
        ASSERT_EQ(TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode=") +
                                                 QLatin1String(GetParam()))
                      .toString(),
                  QLatin1String(GetParam()));
        cn.setConnectionString(TestDatabase::accessTargetString(file));
        cn.open();
    }

    void insert(int id) { cn.execute(QStringLiteral("Insert Into T Values( %1 )").arg(id)); }
    // What another program reads: only what has been written out.
    QString seen() const
    {
        return SqliteFile::scalar(file, QStringLiteral("Select Group_Concat(ID) From (Select ID "
                                                       "From T Order By ID)"))
            .toString();
    }

    TestDatabase db;
    QString file;
    Connection cn;
};

std::string modeName(const ::testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

} // namespace

// The connection reads its own writes at once; another program sees them once the group has
// held the lock for its time and the next statement comes, or when the program asks.
TEST_P(WriteGroupTest, OthersSeeTheWritesOnceTheGroupIsWrittenOut)
{
    insert(1);
    Recordset rs;
    rs.open(QStringLiteral("Select Count(*) As N From T"), cn);
    EXPECT_EQ(rs.value(QStringLiteral("N")).toInt(), 1);
    rs.close();
    EXPECT_EQ(seen(), QString());

    QThread::msleep(WriteGroup::HoldMilliseconds + 20);
    rs.open(QStringLiteral("Select Count(*) As N From T"), cn);
    rs.close();
    EXPECT_EQ(seen(), QStringLiteral("1"));

    insert(2);
    EXPECT_EQ(seen(), QStringLiteral("1"));
    cn.commitPending();
    EXPECT_EQ(seen(), QStringLiteral("1,2"));
}

// A transaction is all or nothing inside its group: rolled back alone, kept with the rest, and
// a group due meanwhile waits for its end.
TEST_P(WriteGroupTest, ATransactionIsRolledBackAloneAndNeverWrittenOutHalf)
{
    insert(1);
    cn.beginTrans();
    insert(2);
    cn.rollbackTrans();
    cn.beginTrans();
    insert(3);
    QThread::msleep(WriteGroup::HoldMilliseconds + 20);
    insert(4);
    cn.commitPending();
    EXPECT_EQ(seen(), QString()) << "written out in the middle of a transaction";
    cn.commitTrans();
    EXPECT_EQ(seen(), QStringLiteral("1,3,4"));

    insert(5);
    cn.beginTrans();
    insert(6);
    cn.close();
    EXPECT_EQ(seen(), QStringLiteral("1,3,4,5"));
}

// A failing statement leaves what ran before it, as it does outside a transaction.
TEST_P(WriteGroupTest, AFailingStatementKeepsWhatRanBeforeIt)
{
    insert(1);
    EXPECT_THROW(cn.execute(QStringLiteral("Insert Into Nowhere Values( 2 )")), DbError);
    insert(3);
    cn.commitPending();
    EXPECT_EQ(seen(), QStringLiteral("1,3"));
}

INSTANTIATE_TEST_SUITE_P(JournalModes, WriteGroupTest, ::testing::Values("delete", "wal"),
                         modeName);
