#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace lostrand {

// What the layer sends an ODBC driver itself, on statement handles of its own, so that each
// statement carries the connection's command time-out (SQL_ATTR_QUERY_TIMEOUT) as an ADO command
// does; Qt's driver sets none and gives no handle before it executes a statement of its own.
class OdbcStatement
{
public:
    // Runs one statement as command text on the connection of db; gives the rows it affected
    // as the driver counts them, -1 when the driver does not say.
    static qint64 execute(const QSqlDatabase& db, const QString& sql, int timeoutSeconds);
    // The names of the tables and views of the database.
    static QStringList tables(const QSqlDatabase& db, int timeoutSeconds);
    // Gives a prepared query's statement handle the time-out for its next execution.
    static void setTimeout(const QSqlQuery& query, int timeoutSeconds);
};

} // namespace lostrand
