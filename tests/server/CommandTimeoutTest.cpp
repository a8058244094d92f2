#include "ServerSetup.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"
#include "support/TdsResponder.h"

#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::TdsResponder;

// A statement the server leaves unanswered ends after the command time-out, also one changed
// on the open connection, whether it is run as command text or opened as a recordset: FreeTDS
// cancels it, and the connection goes on serving.
TEST(CommandTimeoutTest, AStatementTheServerDoesNotAnswerEndsAfterTheCommandTimeout)
{
    TdsResponder server(TdsResponder::Mode::LoginOnly, QStringLiteral("WAITFOR"));
    Connection cn;
    cn.setConnectionString(test::serverString(server.port()));
    cn.setCommandTimeout(100);
    cn.open();
    ASSERT_EQ(cn.dialect(), SqlDialect::SqlServer);
    cn.setCommandTimeout(1);
    Recordset rs;
    const std::pair<const char*, std::function<void()>> statements[] = {
        {"command text", [&cn] { cn.execute(QStringLiteral("WAITFOR DELAY '01:00'")); }},
        {"recordset",
         [&cn, &rs] { rs.open(QStringLiteral("Select 1 As One WAITFOR DELAY '01:00'"), cn); }},
    };
    int cancels = 0;
    for (const auto& [name, statement] : statements) {
        SCOPED_TRACE(name);
        QElapsedTimer waited;
        waited.start();
        try {
            statement();
            FAIL() << "the statement came back without an answer";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.driverMessage().contains(QStringLiteral("Timeout expired"))) << e.what();
        }
        EXPECT_GE(waited.elapsed(), 900);
        EXPECT_LT(waited.elapsed(), 5000);
        EXPECT_EQ(server.cancels(), ++cancels);
        EXPECT_FALSE(rs.isOpen());
        EXPECT_NO_THROW(cn.execute(QStringLiteral("Delete From PriceList Where BrandID = 7")));
    }
    EXPECT_EQ(server.unanswered(), 2);
}
