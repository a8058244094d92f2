#include "RunFixture.h"

#include "db/DbError.h"
#include "window/ConnectionStrings.h"
#include "window/TargetConnection.h"

#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::RunFixture;
using lostrand::test::TestDatabase;

namespace {

const QString AccdbPrefix =
    QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq=");
const QString MdbPrefix = QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq=");

TEST(ConnectionStrings, AccessStringsFollowTheEndingOfTheTargetPath)
{
    struct Case
    {
        QString target;
        QString source;
        QString prefix;
    };
    const Case cases[] = {
        {QStringLiteral("E:\\DataValcorin\\Valcorin.accdb"), QStringLiteral("P.mdb"), AccdbPrefix},
        {QStringLiteral("E:\\DataValcorin\\Valcorin.mdb"), QStringLiteral("P.accdb"), MdbPrefix},
        // The ending is compared exactly, case included.
        {QStringLiteral("D:\\Valcorin.ACCDB"), QStringLiteral("P.mdb"), MdbPrefix},
        // SQL Server mode empties the target path: the source takes the .mdb driver.
        {QString(), QStringLiteral("E:\\PriceList_ZARAV.accdb"), MdbPrefix},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        EXPECT_EQ(ConnectionStrings::source(c.target, c.source),
                  c.prefix + c.source + QStringLiteral(";UID=admin;PWD=TQL384"));
        EXPECT_EQ(ConnectionStrings::targetAccess(c.target, ConnectionStrings::TargetPassword),
                  c.prefix + c.target + QStringLiteral(";UID=admin;PWD=RBN574612"));
        EXPECT_EQ(ConnectionStrings::targetAccess(c.target, ConnectionStrings::FallbackPassword),
                  c.prefix + c.target + QStringLiteral(";UID=admin;PWD=HWZ613870"));
    }
}

TEST(ConnectionStrings, ServerFieldsGoInExactlyAsTyped)
{
    struct Case
    {
        QString server, uid, pwd, database, expected;
    };
    const Case cases[] = {
        {QStringLiteral("192.168.1.10"), QStringLiteral("sa"), QStringLiteral("Kel5093"),
         QStringLiteral("ZEL_New"),
         QStringLiteral("driver={SQL Server};server=192.168.1.10;uid=sa;pwd=Kel5093;"
                        "database=ZEL_New;")},
        {QStringLiteral(" Server "), QStringLiteral("s a"), QStringLiteral("p;w"),
         QStringLiteral("HLOQ "),
         QStringLiteral("driver={SQL Server};server= Server ;uid=s a;pwd=p;w;database=HLOQ ;")},
        {QString(), QString(), QString(), QString(),
         QStringLiteral("driver={SQL Server};server=;uid=;pwd=;database=;")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConnectionStrings::sqlServer(c.server, c.uid, c.pwd, c.database), c.expected);
}

class TargetConnectionTest : public ::testing::Test, public RunFixture
{
protected:
    void SetUp() override
    {
        Connection::setOpenHook([this](const QString& text) {
            opened.append(text);
            if (failures > 0) {
                --failures;
                throw DbError({}, QStringLiteral("refused"));
            }
        });
    }
    void TearDown() override { Connection::setOpenHook(nullptr); }

    QStringList opened;
    int failures = 0;
};

TEST_F(TargetConnectionTest, TheSourceTakesTrimmedPathsAndTheTargetPathsDriver)
{
    window.setText(QStringLiteral("txtPriceList"),
                   QStringLiteral("  ") + source + QStringLiteral(" "));
    window.setText(QStringLiteral("txtDataValcorin"),
                   QStringLiteral(" ") + target + QStringLiteral("  "));
    TargetConnection::OpenSourceConnection(state);
    EXPECT_EQ(opened, QStringList{AccdbPrefix + source + QStringLiteral(";UID=admin;PWD=TQL384")});
    EXPECT_TRUE(state.cnPriceList().isOpen());
    EXPECT_EQ(state.cnPriceList().commandTimeout(), 20);
    EXPECT_EQ(state.cnPriceList().cursorLocation(), Connection::CursorLocation::Server);
}

TEST_F(TargetConnectionTest, AnAccessTargetRefusingTheFirstTryOpensWithTheFallback)
{
    failures = 1;
    TargetConnection::OpenTargetConnection(state);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], TestDatabase::accessTargetString(target));
    EXPECT_EQ(opened[1], AccdbPrefix + target + QStringLiteral(";UID=admin;PWD=HWZ613870"));
    EXPECT_TRUE(state.cnADO2().isOpen());
    EXPECT_EQ(state.cnADO2().commandTimeout(), 20);
    EXPECT_EQ(state.cnADO2().cursorLocation(), Connection::CursorLocation::Server);
    EXPECT_EQ(state.cnADO2().mode(), Connection::Mode::Unknown);
}

TEST_F(TargetConnectionTest, ASecondFailureGoesToTheCallerAfterExactlyTwoTries)
{
    failures = 2;
    EXPECT_THROW(TargetConnection::OpenTargetConnection(state), DbError);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_FALSE(state.cnADO2().isOpen());

    // Opening a target that is still open fails on both tries as well.
    failures = 0;
    TargetConnection::OpenTargetConnection(state);
    EXPECT_THROW(TargetConnection::OpenTargetConnection(state), DbError);
}

TEST_F(TargetConnectionTest, TheSqlServerTargetUsesTheFourFieldsWithItsOwnOptions)
{
    window.setOption(QStringLiteral("optSQL"), true);
    window.setText(QStringLiteral("txtServer"), QStringLiteral("localhost"));
    window.setText(QStringLiteral("txtuid"), QStringLiteral("sa"));
    window.setText(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
    window.setText(QStringLiteral("txtdbq"), target);
    failures = 1; // no fallback outside the Access target
    EXPECT_THROW(TargetConnection::OpenTargetConnection(state), DbError);
    TargetConnection::OpenTargetConnection(state);
    EXPECT_EQ(opened, (QStringList{TestDatabase::sqlServerString(target),
                                   TestDatabase::sqlServerString(target)}));
    EXPECT_EQ(state.cnADO2().database().driverName(), QStringLiteral("QODBC"));
    EXPECT_EQ(state.cnADO2().commandTimeout(), 100);
    EXPECT_EQ(state.cnADO2().mode(), Connection::Mode::ReadWrite);
}

TEST_F(TargetConnectionTest, AReconnectReadsTheFieldsAgain)
{
    TargetConnection::OpenTargetConnection(state);
    EXPECT_EQ(state.cnADO2().database().driverName(), QStringLiteral("QSQLITE"));
    // The operator switches to the SQL Server target in the middle of a run.
    window.setOption(QStringLiteral("optSQL"), true);
    window.setText(QStringLiteral("txtServer"), QStringLiteral("localhost"));
    window.setText(QStringLiteral("txtuid"), QStringLiteral("sa"));
    window.setText(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
    window.setText(QStringLiteral("txtdbq"), target);
    TargetConnection::Reconnect(state);
    EXPECT_TRUE(state.cnADO2().isOpen());
    EXPECT_EQ(state.cnADO2().database().driverName(), QStringLiteral("QODBC"));
    EXPECT_EQ(opened.last(), TestDatabase::sqlServerString(target));
}

} // namespace
