#include "db/OdbcStatement.h"

#include "db/DbError.h"
#include "db/OdbcDriver.h"

#include <QSqlDriver>
#include <QSqlResult>
#include <QVariant>
#include <array>
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

namespace lostrand {

namespace {

// Every diagnostic record of a handle, in order.
QString diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    QStringList texts;
    std::array<SQLWCHAR, 6> state{};
    std::array<SQLWCHAR, SQL_MAX_MESSAGE_LENGTH> message{};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1;
         SQL_SUCCEEDED(SQLGetDiagRecW(type, handle, record, state.data(), &native, message.data(),
                                      SQLSMALLINT(message.size()), &length));
         ++record) {
        const qsizetype size = qMin<qsizetype>(length, qsizetype(message.size()) - 1);
        texts << QString::fromUtf16(reinterpret_cast<const char16_t*>(message.data()), size);
    }
    const QString text = texts.join(QLatin1Char(' ')).trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

// A statement handle of the connection, freed with it. A driver that keeps no query time-out
// runs the statement without one.
class Statement
{
public:
    Statement(const QSqlDatabase& db, const QString& sql, int timeoutSeconds) : m_sql(sql)
    {
        const SQLHANDLE connection = OdbcDriver::handleOf(db.driver()->handle());
        if (connection == SQL_NULL_HANDLE)
            throw DbError(sql, QStringLiteral("The connection has no ODBC handle."));
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &m_handle)))
            throw DbError(sql, diagnostics(SQL_HANDLE_DBC, connection));
        setQueryTimeout(m_handle, timeoutSeconds);
    }
    ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, m_handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    SQLHANDLE handle() const { return m_handle; }
    void check(SQLRETURN result) const
    {
        if (!SQL_SUCCEEDED(result) && result != SQL_NO_DATA)
            throw DbError(m_sql, diagnostics(SQL_HANDLE_STMT, m_handle));
    }

    static void setQueryTimeout(SQLHANDLE statement, int seconds)
    {
        const SQLULEN value = SQLULEN(qMax(seconds, 0));
        SQLSetStmtAttr(statement, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(value),
                       SQL_IS_UINTEGER);
    }

private:
    QString m_sql;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
};

SQLWCHAR* wide(const QString& text)
{
    return const_cast<SQLWCHAR*>(reinterpret_cast<const SQLWCHAR*>(text.utf16()));
}

} // namespace

qint64 OdbcStatement::execute(const QSqlDatabase& db, const QString& sql, int timeoutSeconds)
{
    const Statement statement(db, sql, timeoutSeconds);
    const SQLRETURN result = SQLExecDirectW(statement.handle(), wide(sql), SQLINTEGER(sql.size()));
    statement.check(result);
    // No data: a searched change that met no row.
    if (result == SQL_NO_DATA)
        return 0;
    SQLLEN rows = -1;
    if (SQLRowCount(statement.handle(), &rows) != SQL_SUCCESS)
        rows = -1;
    // A later result of the same text can still carry an error.
    for (SQLRETURN more = SQLMoreResults(statement.handle()); more != SQL_NO_DATA;
         more = SQLMoreResults(statement.handle()))
        statement.check(more);
    return rows;
}

QStringList OdbcStatement::tables(const QSqlDatabase& db, int timeoutSeconds)
{
    const QString what = QStringLiteral("TABLE,VIEW,SYSTEM TABLE");
    const Statement statement(db, QStringLiteral("SQLTables"), timeoutSeconds);
    statement.check(SQLTablesW(statement.handle(), nullptr, 0, nullptr, 0, nullptr, 0, wide(what),
                               SQLSMALLINT(what.size())));
    QStringList names;
    std::array<SQLWCHAR, 256> name{};
    for (SQLRETURN fetched = SQLFetch(statement.handle()); fetched != SQL_NO_DATA;
         fetched = SQLFetch(statement.handle())) {
        statement.check(fetched);
        SQLLEN length = 0;
        statement.check(SQLGetData(statement.handle(), 3, SQL_C_WCHAR, name.data(),
                                   SQLLEN(name.size() * sizeof(SQLWCHAR)), &length));
        if (length >= 0)
            names << QString::fromUtf16(
                reinterpret_cast<const char16_t*>(name.data()),
                qMin<qsizetype>(length / qsizetype(sizeof(SQLWCHAR)), qsizetype(name.size()) - 1));
    }
    return names;
}

void OdbcStatement::setTimeout(const QSqlQuery& query, int timeoutSeconds)
{
    const SQLHANDLE statement = OdbcDriver::handleOf(query.result()->handle());
    if (statement != SQL_NULL_HANDLE)
        Statement::setQueryTimeout(statement, timeoutSeconds);
}

} // namespace lostrand
