#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

namespace lostrand {

// The ODBC drivers the layer treats apart, told by what an open connection's driver reports.
class OdbcDriver
{
public:
    // The ODBC handle (SQLHANDLE) that Qt's driver hands out for a connection or a result, null
    // when there is none.
    static void* handleOf(const QVariant& handle);
    // The SQLite ODBC driver names its engine; other drivers name theirs.
    static bool reachesSqlite(const QSqlDatabase& db);
    // FreeTDS, by the driver name Qt's ODBC driver knows it by.
    static bool isFreeTds(const QSqlDatabase& db);
    // Qt's ODBC driver makes no Unicode calls to FreeTDS and reads its narrow text as UTF-8,
    // while FreeTDS converts narrow text to its client charset, which is UTF-8 only if set so:
    // the string with ClientCharset=UTF-8 added, unless it names a client charset itself.
    static QString withUtf8Text(const QString& connectionString);
};

} // namespace lostrand
