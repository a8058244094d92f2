#include "OdbcReplay.h"

#include <sql.h>
#include <sqlext.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace lostrand::bench {

namespace {

std::u16string wide(const char* text)
{
    return QString::fromUtf8(text).toStdU16String();
}

SQLWCHAR* sqlText(std::u16string& text)
{
    return reinterpret_cast<SQLWCHAR*>(text.data());
}

std::string diagnostic(SQLSMALLINT type, SQLHANDLE handle)
{
    SQLCHAR state[6] = {};
    SQLCHAR message[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    if (SQL_SUCCEEDED(
            SQLGetDiagRecA(type, handle, 1, state, &native, message, sizeof message, &length)))
        return reinterpret_cast<const char*>(message);
    return "unknown ODBC error";
}

void check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const std::string& what)
{
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
        throw std::runtime_error(what + ": " + diagnostic(type, handle));
}

} // namespace

class OdbcReplay::Connection
{
public:
    explicit Connection(const QString& connectionString)
    {
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_env);
        SQLSetEnvAttr(m_env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, m_env, &m_dbc);
        std::u16string text = connectionString.toStdU16String();
        SQLSMALLINT length = 0;
        check(SQLDriverConnectW(m_dbc, nullptr, sqlText(text), SQL_NTS, nullptr, 0, &length,
                                SQL_DRIVER_NOPROMPT),
              SQL_HANDLE_DBC, m_dbc, "connect");
    }
    ~Connection()
    {
        SQLDisconnect(m_dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, m_env);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setAutocommit(bool on)
    {
        check(SQLSetConnectAttr(
                  m_dbc, SQL_ATTR_AUTOCOMMIT,
                  reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, m_dbc, "autocommit");
    }
    void endTransaction(SQLSMALLINT how)
    {
        check(SQLEndTran(SQL_HANDLE_DBC, m_dbc, how), SQL_HANDLE_DBC, m_dbc, "end transaction");
        setAutocommit(true);
    }

    // Runs one statement; a select is fetched `steps` rows deep (every row when negative),
    // each column of each row read as text.
    void run(const LoggedStatements::Entry& entry)
    {
        SQLHSTMT stmt = SQL_NULL_HSTMT;
        SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &stmt);
        std::u16string text = wide(entry.text.data());
        const SQLRETURN rc = SQLExecDirectW(stmt, sqlText(text), SQL_NTS);
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
            const std::string message = diagnostic(SQL_HANDLE_STMT, stmt);
            SQLFreeHandle(SQL_HANDLE_STMT, stmt);
            throw std::runtime_error(std::string(entry.text.data()) + ": " + message);
        }
        if (entry.kind == StatementLog::Kind::Query)
            fetch(stmt, entry.steps);
        else {
            SQLLEN affected = 0;
            SQLRowCount(stmt, &affected);
        }
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }

private:
    void fetch(SQLHSTMT stmt, std::int64_t steps)
    {
        SQLSMALLINT columns = 0;
        SQLNumResultCols(stmt, &columns);
        std::vector<SQLWCHAR> buffer(4096);
        for (std::int64_t done = 0; steps < 0 || done < steps; ++done) {
            if (!SQL_SUCCEEDED(SQLFetch(stmt)))
                return;
            for (SQLUSMALLINT c = 1; c <= static_cast<SQLUSMALLINT>(columns); ++c) {
                SQLLEN indicator = 0;
                SQLGetData(stmt, c, SQL_C_WCHAR, buffer.data(),
                           static_cast<SQLLEN>(buffer.size() * sizeof(SQLWCHAR)), &indicator);
            }
        }
    }

    SQLHENV m_env = SQL_NULL_HENV;
    SQLHDBC m_dbc = SQL_NULL_HDBC;
};

OdbcReplay::OdbcReplay(const QString& connectionString)
    : m_connection(std::make_unique<Connection>(connectionString))
{
}

OdbcReplay::~OdbcReplay() = default;

void OdbcReplay::run(const LoggedStatements::Entry& entry)
{
    switch (entry.kind) {
    case StatementLog::Kind::Begin:
        m_connection->setAutocommit(false);
        break;
    case StatementLog::Kind::Commit:
        m_connection->endTransaction(SQL_COMMIT);
        break;
    case StatementLog::Kind::Rollback:
        m_connection->endTransaction(SQL_ROLLBACK);
        break;
    default:
        m_connection->run(entry);
    }
}

} // namespace lostrand::bench
