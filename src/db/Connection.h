#pragma once

#include "db/SqlDialect.h"
#include "db/StatementLog.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace lostrand {

class Recordset;

// An ADO-style connection over QtSql. The connection string is the ODBC string the window
// builds. An Access-driver string whose DBQ file is an SQLite database opens on the embedded
// SQLite engine; every other string goes to the ODBC driver manager unchanged.
class Connection
{
public:
    enum State
    {
        StateClosed = 0,
        StateOpen = 1
    };
    enum class CursorLocation
    {
        Server,
        Client
    };
    enum class Mode
    {
        Unknown,
        ReadWrite
    };

    // Runs before every open with the connection string; a test may throw a DbError from it to
    // make that open fail.
    using OpenHook = std::function<void(const QString& connectionString)>;
    static void setOpenHook(OpenHook hook);
    // Gives the row count that execute reports for a statement, from the statement and the
    // driver's count; a test may answer -1 from it, as a driver does that does not know (a
    // server set to NOCOUNT).
    using RowCountHook = std::function<qint64(const QString& sql, qint64 counted)>;
    static void setRowCountHook(RowCountHook hook);

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Like ADO, the string of an open connection cannot change.
    void setConnectionString(const QString& text);
    const QString& connectionString() const { return m_connectionString; }
    // As in ADO the time-out may change on an open connection, from the next statement on. On
    // the embedded engine it is how long a statement waits for another program's lock; through
    // ODBC every statement, look-ups included, carries it to the driver, which gives up on a
    // statement the server has not answered in that time (0: no limit).
    void setCommandTimeout(int seconds);
    int commandTimeout() const { return m_commandTimeout; }
    void setCursorLocation(CursorLocation location) { m_cursorLocation = location; }
    CursorLocation cursorLocation() const { return m_cursorLocation; }
    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }

    // Fails on a connection that is already open, as ADO does.
    void open();
    // Closes the recordsets opened on it; an open transaction is not committed.
    void close();
    int state() const { return m_db.isValid() && m_db.isOpen() ? StateOpen : StateClosed; }
    bool isOpen() const { return state() == StateOpen; }

    // Runs one statement as command text; gives the rows it affected, -1 when the driver does
    // not know.
    qint64 execute(const QString& sql);

    // On an SQLite engine, whichever driver reaches it, a transaction takes the write lock
    // when it begins, waiting for another writer as long as a statement would. Through ODBC a
    // commit or rollback first has the connection's open recordsets let go of their pending
    // results: after a commit they still give every row, after a rollback the rows they had
    // read.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return m_inTransaction; }

    // Whether the database has a table of that name, compared case-insensitively as Access
    // and SQL Server compare names.
    bool hasTable(const QString& name) const;

    // Writes the statistics the embedded engine plans its look-ups by, for each table that has
    // rows and none yet. That is a write to the file, so a run asks for it once its checks have
    // passed; other engines keep their own.
    void analyzeNewTables();

    SqlDialect dialect() const { return m_dialect; }
    // A text value for a statement on this connection (see SqlText::quote).
    QString quote(const QString& text) const;
    // A truth value written as a word, as this connection's database takes it (see
    // SqlText::truth).
    QString truth(bool value) const;

    QSqlDatabase& database() { return m_db; }
    // The name under which statements of this connection are logged: the database file.
    const QString& logName() const { return m_logName; }

private:
    friend class Recordset;
    void attach(Recordset* recordset);
    void detach(Recordset* recordset);
    void requireOpen(const QString& sql) const;
    void openSqlite(const QString& path);
    void openOdbc();
    void resetDatabase();
    void applySqliteSettings();
    void restoreJournalQuietly();
    QString sqliteValue(const QString& sql);
    void runSqliteSetting(const QString& sql);
    bool isEmptySqliteTable(const QString& table);
    void transactionStep(StatementLog::Kind kind, const QString& sql,
                         bool (QSqlDatabase::*driverCall)());
    qint64 run(const QString& sql);
    void rollbackQuietly();
    void settleRecordsets(bool keepRows);

    QString m_name;
    QString m_connectionString;
    QString m_logName;
    int m_commandTimeout = 30;
    CursorLocation m_cursorLocation = CursorLocation::Server;
    Mode m_mode = Mode::Unknown;
    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_statement;
    SqlDialect m_dialect = SqlDialect::Other;
    bool m_sqliteEngine = false;
    bool m_truncatedJournal = false;
    bool m_inTransaction = false;
    std::vector<Recordset*> m_recordsets;
};

} // namespace lostrand
