#include "SqliteReplay.h"

#include <cstring>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace lostrand::bench {

namespace {

void check(sqlite3* db, int rc, const std::string& what)
{
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}

// Every value of the row the statement stands on, as a program that uses the row takes it.
void readValues(sqlite3_stmt* statement)
{
    for (int c = 0, n = sqlite3_column_count(statement); c < n; ++c) {
        switch (sqlite3_column_type(statement, c)) {
        case SQLITE_INTEGER:
            sqlite3_column_int64(statement, c);
            break;
        case SQLITE_FLOAT:
            sqlite3_column_double(statement, c);
            break;
        case SQLITE_NULL:
            break;
        default:
            sqlite3_column_text(statement, c);
            sqlite3_column_bytes(statement, c);
        }
    }
}

} // namespace

SqliteReplay::SqliteReplay(const QString& path, Commits commits) : m_commits(commits)
{
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open the replay copy " + path.toStdString());
    // The run's settings come with its log, where the run set them; a transaction cannot
    // change the sync, so the floor sets it first.
    if (m_commits == Commits::OneAtTheEnd)
        exec("PRAGMA synchronous=FULL");
}

SqliteReplay::~SqliteReplay()
{
    sqlite3_close(m_db);
}

void SqliteReplay::exec(const char* sql)
{
    check(m_db, sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), sql);
}

void SqliteReplay::run(const LoggedStatements::Entry& entry)
{
    if (m_commits == Commits::OneAtTheEnd)
        runInFloor(entry);
    else
        step(entry);
}

void SqliteReplay::runInFloor(const LoggedStatements::Entry& entry)
{
    if (!m_open) {
        exec("BEGIN IMMEDIATE");
        m_open = true;
    }
    switch (entry.kind) {
    case StatementLog::Kind::Begin:
        exec("SAVEPOINT part");
        return;
    case StatementLog::Kind::Commit:
        exec("RELEASE part");
        return;
    case StatementLog::Kind::Rollback:
        exec("ROLLBACK TO part");
        exec("RELEASE part");
        return;
    default:
        break;
    }
    if (std::strncmp(entry.text.data(), "PRAGMA synchronous", 18) != 0)
        step(entry);
}

void SqliteReplay::finish()
{
    if (m_open)
        exec("COMMIT");
    m_open = false;
}

void SqliteReplay::step(const LoggedStatements::Entry& entry)
{
    sqlite3_stmt* statement = nullptr;
    check(m_db, sqlite3_prepare_v2(m_db, entry.text.data(), -1, &statement, nullptr),
          entry.text.data());
    int rc = sqlite3_step(statement);
    for (std::int64_t done = 1; rc == SQLITE_ROW; ++done) {
        readValues(statement);
        if (entry.steps >= 0 && done >= entry.steps)
            break;
        rc = sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
    check(m_db, rc, entry.text.data());
}

} // namespace lostrand::bench
