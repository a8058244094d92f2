#include "db/Connection.h"

#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/OdbcDriver.h"
#include "db/OdbcStatement.h"
#include "db/Recordset.h"
#include "db/SqlText.h"
#include "db/StatementLog.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <optional>
#include <sqlite3.h>

namespace lostrand {

namespace {

// How long an ODBC login may take, as long as an ADO connection waits by default: a server
// that takes the connection and never answers ends the open instead of holding the window.
constexpr int LoginTimeoutSeconds = 15;

Connection::OpenHook& openHook()
{
    static Connection::OpenHook hook;
    return hook;
}

// Every connection of the process; they all live on the window thread.
std::vector<Connection*>& liveConnections()
{
    static std::vector<Connection*> connections;
    return connections;
}

Connection::RowCountHook& rowCountHook()
{
    static Connection::RowCountHook hook;
    return hook;
}

QString nextConnectionName()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("lostrand-%1").arg(++counter);
}

bool isSqliteFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray header("SQLite format 3\0", 16);
    return file.read(header.size()) == header;
}

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    if (!db.isValid() || !db.isOpen())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

const QString PartSavepoint = QStringLiteral("lostrand_part");

QString errorText(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

} // namespace

void Connection::setOpenHook(OpenHook hook)
{
    openHook() = std::move(hook);
}

void Connection::setRowCountHook(RowCountHook hook)
{
    rowCountHook() = std::move(hook);
}

Connection::Connection() : m_name(nextConnectionName())
{
    liveConnections().push_back(this);
}

Connection::~Connection()
{
    try {
        close();
    } catch (const DbError&) {
        // Nobody is left to tell; the file keeps what its last written group left.
    }
    resetDatabase();
    auto& live = liveConnections();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void Connection::setConnectionString(const QString& text)
{
    if (isOpen())
        throw DbError({}, QStringLiteral("Operation is not allowed when the object is open."));
    m_connectionString = text;
}

void Connection::open()
{
    if (isOpen())
        throw DbError({}, QStringLiteral("Operation is not allowed when the object is open."));
    if (openHook())
        openHook()(m_connectionString);
    const ConnectionString parsed(m_connectionString);
    const QString file = parsed.value(QStringLiteral("dbq"));
    if (ConnectionString::isAccessDriver(parsed.value(QStringLiteral("driver"))) &&
        isSqliteFile(file)) {
        openSqlite(file);
    } else {
        openOdbc();
    }
    m_inTransaction = false;
}

void Connection::resetDatabase()
{
    m_statement.reset();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

void Connection::openSqlite(const QString& path)
{
    resetDatabase();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_commandTimeout * 1000));
    if (!m_db.open())
        throw DbError({}, errorText(m_db.lastError()));
    m_dialect = SqlDialect::Sqlite;
    m_sqliteEngine = true;
    m_logName = path;
    // A setting of this connection, never of the file, which keeps its journal mode: a group
    // is on the disk, journal and file, before its commit returns, whatever the file system
    // does after a power loss.
    try {
        runSqliteSetting(QStringLiteral("PRAGMA synchronous=FULL"));
    } catch (const DbError&) {
        m_db.close();
        throw;
    }
    m_group = std::make_unique<WriteGroup>(
        path, WriteGroup::Engine{[this](const QString& sql) { run(sql); },
                                 [this] { return dataVersion(); }});
}

void Connection::setCommandTimeout(int seconds)
{
    m_commandTimeout = seconds;
    if (isOpen() && m_dialect == SqlDialect::Sqlite)
        runSqliteSetting(QStringLiteral("PRAGMA busy_timeout=%1").arg(seconds * 1000));
}

// The part tables are indexed by kind as well as by number, the staging table by brand as
// well. Without statistics the engine may take the index of a column with a few values for
// every look-up by kind and number and every read of the queue: a scan of the whole table each
// time. An analysis of each table that has none yet tells it better. It reads every row: a
// sample of the staging table, which holds one brand, makes the brand look selective, and the
// engine then sorts the whole queue for every read of it. An empty table would give none and
// be analyzed, a write, at every open; it waits until it has rows.
void Connection::analyzeNewTables()
{
    requireOpen(QStringLiteral("ANALYZE"));
    if (m_dialect != SqlDialect::Sqlite)
        return;
    const QStringList tables = tablesWithoutStatistics();
    if (!tables.isEmpty())
        joinGroup();
    analyze(tables);
    // A table that fills during the run gets its statistics as soon as a group that wrote its
    // first rows is written out: the staging table is empty when a run starts and at every
    // reconnect, and its read-backs would scan the whole queue until then.
    m_analyzeAtWriteOut = m_group != nullptr;
}

QStringList Connection::tablesWithoutStatistics()
{
    const bool analyzedBefore = hasTable(QStringLiteral("sqlite_stat1"));
    QStringList tables;
    {
        QSqlQuery query(m_db);
        const QString sql =
            QStringLiteral("Select name From sqlite_master Where type = 'table' And name Not Like "
                           "'sqlite_%'") +
            (analyzedBefore ? QStringLiteral(" And name Not In (Select tbl From sqlite_stat1)")
                            : QString());
        if (!query.exec(sql))
            throw DbError(sql, errorText(query.lastError()));
        while (query.next())
            tables << query.value(0).toString();
    }
    tables.removeIf([this](const QString& table) { return isEmptySqliteTable(table); });
    return tables;
}

bool Connection::isEmptySqliteTable(const QString& table)
{
    QSqlQuery query(m_db);
    const QString sql = QStringLiteral("Select 1 From \"%1\" Limit 1").arg(table);
    if (!query.exec(sql))
        throw DbError(sql, errorText(query.lastError()));
    return !query.next();
}

void Connection::runSqliteSetting(const QString& sql)
{
    StatementLog::record(m_logName, StatementLog::Kind::Execute, sql);
    run(sql);
}

void Connection::openOdbc()
{
    resetDatabase();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    m_db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(LoginTimeoutSeconds));
    const auto connect = [this](const QString& text) {
        m_db.setDatabaseName(text);
        if (!m_db.open())
            throw DbError({}, errorText(m_db.lastError()));
    };
    connect(m_connectionString);
    // Which driver a name reaches is known once connected: FreeTDS is connected once more, with
    // the client charset that Qt's driver reads its text in. The string of the connection stays
    // as it was given.
    const QString utf8 = OdbcDriver::withUtf8Text(m_connectionString);
    if (utf8 != m_connectionString && OdbcDriver::isFreeTds(m_db)) {
        m_db.close();
        connect(utf8);
    }
    const ConnectionString parsed(m_connectionString);
    if (m_db.driver()->dbmsType() == QSqlDriver::MSSqlServer)
        m_dialect = SqlDialect::SqlServer;
    else if (ConnectionString::isAccessDriver(parsed.value(QStringLiteral("driver"))))
        m_dialect = SqlDialect::Access;
    else
        m_dialect = SqlDialect::Other;
    m_sqliteEngine = OdbcDriver::reachesSqlite(m_db);
    m_logName = m_connectionString;
}

void Connection::close()
{
    // Recordsets take themselves out of the list, so walk a copy.
    const std::vector<Recordset*> attached = m_recordsets;
    for (Recordset* recordset : attached)
        recordset->release();
    m_recordsets.clear();
    std::optional<DbError> failure;
    if (m_db.isValid() && m_db.isOpen()) {
        if (m_inTransaction)
            rollbackQuietly();
        m_inTransaction = false;
        if (m_group) {
            try {
                m_group->writeOut();
            } catch (const DbError& error) {
                failure = error;
            }
        }
        m_statement.reset();
        m_db.close();
    }
    m_statement.reset();
    m_group.reset();
    m_analyzeAtWriteOut = false;
    m_inTransaction = false;
    m_sqliteEngine = false;
    if (failure)
        throw *failure;
}

void Connection::closeAtExit()
{
    if (!m_group)
        return;
    try {
        close();
    } catch (const DbError&) {
        // The program ends all the same; the file keeps what its last written group left.
    }
}

void Connection::commitPending()
{
    if (m_group && !m_inTransaction)
        m_group->writeOut();
}

void Connection::commitAllPending()
{
    for (Connection* connection : liveConnections()) {
        if (connection->isOpen())
            connection->commitPending();
    }
}

void Connection::settleGroup()
{
    if (!m_group || m_inTransaction || !m_group->isDue())
        return;
    if (m_analyzeAtWriteOut)
        analyze(tablesWithoutStatistics());
    m_group->writeOut();
}

void Connection::joinGroup()
{
    if (!m_group)
        return;
    settleGroup();
    m_group->join();
}

// Inside the open group, if any: the analysis goes out with the writes before it.
void Connection::analyze(const QStringList& tables)
{
    for (const QString& table : tables) {
        const QString sql = QStringLiteral("ANALYZE \"%1\"").arg(table);
        StatementLog::record(m_logName, StatementLog::Kind::Execute, sql);
        run(sql);
    }
}

qint64 Connection::dataVersion()
{
    QSqlQuery query(m_db);
    const QString sql = QStringLiteral("PRAGMA data_version");
    if (!query.exec(sql) || !query.next())
        throw DbError(sql, errorText(query.lastError()));
    return query.value(0).toLongLong();
}

bool Connection::engineInTransaction() const
{
    sqlite3* handle = sqliteHandle(m_db);
    return handle && sqlite3_get_autocommit(handle) == 0;
}

void Connection::noteFailure()
{
    if (m_group && m_group->isOpen() && !engineInTransaction()) {
        m_group->forget();
        m_inTransaction = false;
    }
}

void Connection::requireOpen(const QString& sql) const
{
    if (!isOpen())
        throw DbError(sql, QStringLiteral("Operation is not allowed when the object is closed."));
}

qint64 Connection::execute(const QString& sql)
{
    requireOpen(sql);
    StatementLog::record(m_logName, StatementLog::Kind::Execute, sql);
    joinGroup();
    const qint64 counted = run(sql);
    return rowCountHook() ? rowCountHook()(sql, counted) : counted;
}

// Through ODBC each statement goes on a handle of its own that carries the command time-out. On
// the embedded engine one query object serves every statement of the connection: a run sends
// hundreds of thousands, and a new one each time costs more than some of the statements.
qint64 Connection::run(const QString& sql)
{
    if (m_dialect != SqlDialect::Sqlite)
        return OdbcStatement::execute(m_db, sql, m_commandTimeout);
    if (!m_statement)
        m_statement = std::make_unique<QSqlQuery>(m_db);
    if (!m_statement->exec(sql)) {
        const QString message = errorText(m_statement->lastError());
        m_statement->finish();
        noteFailure();
        throw DbError(sql, message);
    }
    const qint64 affected = m_statement->numRowsAffected();
    m_statement->finish();
    return affected;
}

// A deferred transaction that has read cannot wait for another writer: the engine refuses the
// upgrade of its read lock at once, since waiting could deadlock. One that takes the write lock
// as it begins waits like any single statement, so the SQLite engines begin that way. Their
// transactions are statements, also behind ODBC, whose driver would begin them deferred.
void Connection::transactionStep(StatementLog::Kind kind, const QString& sql,
                                 bool (QSqlDatabase::*driverCall)())
{
    StatementLog::record(m_logName, kind, sql);
    if (m_sqliteEngine)
        run(sql);
    else if (!(m_db.*driverCall)())
        throw DbError(sql, errorText(m_db.lastError()));
}

void Connection::beginTrans()
{
    const QString sql =
        m_sqliteEngine ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
    requireOpen(sql);
    if (m_inTransaction)
        throw DbError(sql, QStringLiteral("A transaction is already open on this connection."));
    if (m_group) {
        StatementLog::record(m_logName, StatementLog::Kind::Begin, sql);
        joinGroup();
        run(QStringLiteral("SAVEPOINT ") + PartSavepoint);
    } else {
        transactionStep(StatementLog::Kind::Begin, sql, &QSqlDatabase::transaction);
    }
    m_inTransaction = true;
}

void Connection::commitTrans()
{
    requireOpen(QStringLiteral("COMMIT"));
    if (!m_inTransaction)
        throw DbError(QStringLiteral("COMMIT"), QStringLiteral("No transaction is open."));
    if (m_group) {
        StatementLog::record(m_logName, StatementLog::Kind::Commit, QStringLiteral("COMMIT"));
        run(QStringLiteral("RELEASE ") + PartSavepoint);
        m_inTransaction = false;
        settleGroup();
        return;
    }
    settleRecordsets(true);
    transactionStep(StatementLog::Kind::Commit, QStringLiteral("COMMIT"), &QSqlDatabase::commit);
    m_inTransaction = false;
}

void Connection::rollbackTrans()
{
    requireOpen(QStringLiteral("ROLLBACK"));
    if (!m_inTransaction)
        throw DbError(QStringLiteral("ROLLBACK"), QStringLiteral("No transaction is open."));
    m_inTransaction = false;
    rollbackStep();
}

// A savepoint rolled back is still open; its release ends it with nothing of it kept.
void Connection::rollbackStep()
{
    if (!m_group) {
        settleRecordsets(false);
        transactionStep(StatementLog::Kind::Rollback, QStringLiteral("ROLLBACK"),
                        &QSqlDatabase::rollback);
        return;
    }
    StatementLog::record(m_logName, StatementLog::Kind::Rollback, QStringLiteral("ROLLBACK"));
    run(QStringLiteral("ROLLBACK TO ") + PartSavepoint);
    run(QStringLiteral("RELEASE ") + PartSavepoint);
}

// A SQL Server driver without multiple active result sets refuses to end a transaction while a
// statement of the connection has results pending, so through ODBC the open recordsets let go
// of theirs first. A commit keeps their rows for the callers still walking them; a rollback
// ends the run, whose error path closes them next, so they end after the rows they have read.
void Connection::settleRecordsets(bool keepRows)
{
    if (m_dialect == SqlDialect::Sqlite)
        return;
    for (Recordset* recordset : m_recordsets)
        recordset->letGoOfResults(keepRows);
}

void Connection::rollbackQuietly()
{
    try {
        rollbackStep();
    } catch (const DbError&) {
        // Closing the connection ends the transaction all the same.
    }
}

bool Connection::hasTable(const QString& name) const
{
    requireOpen({});
    const QStringList tables = m_dialect == SqlDialect::Sqlite
                                   ? m_db.tables(QSql::AllTables)
                                   : OdbcStatement::tables(m_db, m_commandTimeout);
    return std::any_of(tables.begin(), tables.end(), [&name](const QString& table) {
        return table.compare(name, Qt::CaseInsensitive) == 0;
    });
}

QString Connection::quote(const QString& text) const
{
    return SqlText::quote(text, m_dialect);
}

QString Connection::truth(bool value) const
{
    return SqlText::truth(value, m_dialect);
}

void Connection::attach(Recordset* recordset)
{
    m_recordsets.push_back(recordset);
}

void Connection::detach(Recordset* recordset)
{
    m_recordsets.erase(std::remove(m_recordsets.begin(), m_recordsets.end(), recordset),
                       m_recordsets.end());
}

} // namespace lostrand
