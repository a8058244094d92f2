#include "ServerSetup.h"

#include "db/Connection.h"
#include "db/OdbcDriver.h"
#include "support/TdsResponder.h"

#include <QSqlDriver>
#include <array>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

using namespace lostrand;
using lostrand::test::TdsResponder;

namespace {

// Narrow text as FreeTDS itself gives it on a connection, read as UTF-8 the way Qt's driver
// reads FreeTDS's narrow column data. Asked of the driver directly: the driver manager turns
// its own narrow calls on a Unicode connection into wide ones and converts the answer itself.
QString narrowInfo(Connection& cn, SQLUSMALLINT what)
{
    const SQLHANDLE managed = OdbcDriver::handleOf(cn.database().driver()->handle());
    SQLHANDLE driver = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLGetInfo(managed, SQL_DRIVER_HDBC, &driver, sizeof driver, nullptr)))
        return {};
    void* library = dlopen(LOSTRAND_FREETDS_ODBC_DRIVER, RTLD_NOW | RTLD_NOLOAD);
    using GetInfo = SQLRETURN (*)(SQLHANDLE, SQLUSMALLINT, SQLPOINTER, SQLSMALLINT, SQLSMALLINT*);
    GetInfo getInfo = nullptr;
    if (void* symbol = library ? dlsym(library, "SQLGetInfo") : nullptr)
        std::memcpy(&getInfo, &symbol, sizeof getInfo);
    std::array<SQLCHAR, 256> text{};
    SQLSMALLINT length = 0;
    const bool given = getInfo && SQL_SUCCEEDED(getInfo(driver, what, text.data(),
                                                        SQLSMALLINT(text.size()), &length));
    if (library)
        dlclose(library);
    return given ? QString::fromUtf8(reinterpret_cast<const char*>(text.data())) : QString();
}

} // namespace

// FreeTDS converts narrow text to its client charset, Latin-1 under the C locale, and Qt's
// driver reads it as UTF-8: the connection has FreeTDS give UTF-8 without the shop's help, and
// leaves the string the window built as it was; a shop's own ClientCharset stays as typed. The
// database a server names as the current one comes back as narrow text, as every text column
// does. Statements go to FreeTDS in UTF-16 and reach the server intact either way.
TEST(FreeTdsTextTest, FreeTdsGivesThaiTextInUtf8AsQtReadsIt)
{
    const QString thai = QStringLiteral("ข้อมูลร้าน");
    TdsResponder server(TdsResponder::Mode::LoginOnly, {}, thai);
    const QString built = test::serverString(server.port());
    const QString ownCharset = QString(built).replace(
        QStringLiteral("TDS_Version=7.4"), QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8"));
    const std::pair<QString, QString> cases[] = {
        {built, built + QStringLiteral("ClientCharset=UTF-8;")},
        {ownCharset, ownCharset},
    };
    for (const auto& [given, toDriver] : cases) {
        SCOPED_TRACE(given.toStdString());
        Connection cn;
        cn.setConnectionString(given);
        cn.open();
        EXPECT_EQ(cn.connectionString(), given);
        EXPECT_EQ(cn.database().databaseName(), toDriver);
        EXPECT_EQ(narrowInfo(cn, SQL_DATABASE_NAME), thai);
        const QString insert =
            QStringLiteral("Insert Into T Values( ") + cn.quote(thai) + QStringLiteral(" )");
        cn.execute(insert);
        EXPECT_EQ(server.batches().value(server.batches().size() - 1), insert);
    }
}
