#pragma once

#include "db/SqlDialect.h"
#include "db/StatementLog.h"
#include "db/WriteGroup.h"

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
    // Closes the recordsets opened on it; an open transaction is not committed. What ran
    // outside it is written out first: when that fails, the connection is closed all the same
    // and the failure goes to the caller.
    void close();
    // The program ends: on the embedded engine the transaction in progress is rolled back and
    // what ran before it written out, as the Access engine writes out its implicit
    // transactions when a program ends. A server or an ODBC driver does what it does.
    void closeAtExit();
    int state() const { return m_db.isValid() && m_db.isOpen() ? StateOpen : StateClosed; }
    bool isOpen() const { return state() == StateOpen; }

    // Runs one statement as command text; gives the rows it affected, -1 when the driver does
    // not know.
    qint64 execute(const QString& sql);

    // On an SQLite engine, whichever driver reaches it, a transaction takes the write lock
    // when it begins, waiting for another writer as long as a statement would. On the
    // embedded engine it is a savepoint inside the connection's write group: all or nothing,
    // rolled back alone. Through ODBC a commit or rollback first has the connection's open
    // recordsets let go of their pending results: after a commit they still give every row,
    // after a rollback the rows they had read.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return m_inTransaction; }

    // Writes out what the connection has run so far, before the program waits on its
    // operator; a transaction open stays open and is written out after its end. Nothing to
    // do on other engines, which write each statement as it runs.
    void commitPending();
    // The same for every connection of this process, for a reader on a connection of its own
    // that must see what they ran.
    static void commitAllPending();

    // Whether the database has a table of that name, compared case-insensitively as Access
    // and SQL Server compare names.
    bool hasTable(const QString& name) const;

    // Writes the statistics the embedded engine plans its look-ups by, for each table that has
    // rows and none yet, now and from then on whenever a group is written out. That is a write
    // to the file, so a run asks for it once its checks have passed; other engines keep their
    // own.
    void analyzeNewTables();

    SqlDialect dialect() const { return m_dialect; }
    // A text value for a statement on this connection (see SqlText::quote).
    QString quote(const QString& text) const;
    // A truth value written as a word, as this connection's database takes it (see
    // SqlText::truth).
    QString truth(bool value) const;

    QSqlDatabase& database() { return m_db; }
    // The name QtSql knows this object by; no two Connection objects of a process share one.
    const QString& name() const { return m_name; }
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
    void runSqliteSetting(const QString& sql);
    // Writes out a group that has held the lock long enough, between two transactions.
    void settleGroup();
    // Before a write: a due group is written out and a group is opened when none is.
    void joinGroup();
    void analyze(const QStringList& tables);
    // After a failure: the engine ends its transaction itself after some, and the group
    // with it.
    void noteFailure();
    bool engineInTransaction() const;
    qint64 dataVersion();
    bool isEmptySqliteTable(const QString& table);
    QStringList tablesWithoutStatistics();
    void transactionStep(StatementLog::Kind kind, const QString& sql,
                         bool (QSqlDatabase::*driverCall)());
    qint64 run(const QString& sql);
    void rollbackStep();
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
    bool m_inTransaction = false;
    // The embedded engine's write group; none on ODBC.
    std::unique_ptr<WriteGroup> m_group;
    bool m_analyzeAtWriteOut = false;
    std::vector<Recordset*> m_recordsets;
};

} // namespace lostrand
