#include "db/OdbcDriver.h"

#include "db/ConnectionString.h"

#include <QByteArray>
#include <QSqlDriver>
#include <QVariant>
#include <array>
#include <sql.h>
#include <sqlext.h>

namespace lostrand {

namespace {

QByteArray driverInfo(const QSqlDatabase& db, SQLUSMALLINT what)
{
    const SQLHANDLE connection = OdbcDriver::handleOf(db.driver()->handle());
    if (connection == SQL_NULL_HANDLE)
        return {};
    std::array<SQLCHAR, 128> text{};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(
            SQLGetInfo(connection, what, text.data(), SQLSMALLINT(text.size()), &length)))
        return {};
    return QByteArray(reinterpret_cast<const char*>(text.data()));
}

} // namespace

void* OdbcDriver::handleOf(const QVariant& handle)
{
    if (handle.metaType() != QMetaType::fromType<SQLHANDLE>())
        return SQL_NULL_HANDLE;
    return *static_cast<const SQLHANDLE*>(handle.constData());
}

bool OdbcDriver::reachesSqlite(const QSqlDatabase& db)
{
    return driverInfo(db, SQL_DBMS_NAME) == "SQLite";
}

bool OdbcDriver::isFreeTds(const QSqlDatabase& db)
{
    return driverInfo(db, SQL_DRIVER_NAME).toLower().contains("tdsodbc");
}

QString OdbcDriver::withUtf8Text(const QString& connectionString)
{
    if (ConnectionString(connectionString).contains(QStringLiteral("ClientCharset")))
        return connectionString;
    const bool closed = connectionString.isEmpty() || connectionString.endsWith(QLatin1Char(';'));
    return connectionString + (closed ? QString() : QStringLiteral(";")) +
           QStringLiteral("ClientCharset=UTF-8;");
}

} // namespace lostrand
