#pragma once

#include "ReplayDatabase.h"

#include <QString>

struct sqlite3;

namespace lostrand::bench {

// A replay copy of an SQLite file, opened as the run opens it. Each statement runs as the log
// has it: outside a transaction it is one of its own. The floor runs the whole log as one
// transaction with a full sync at its commit, the program's own transactions as savepoints in
// it: what the engine needs for the statements, with a single commit.
class SqliteReplay : public ReplayDatabase
{
public:
    enum class Commits
    {
        AsLogged,
        OneAtTheEnd
    };
    explicit SqliteReplay(const QString& path, Commits commits = Commits::AsLogged);
    ~SqliteReplay() override;
    SqliteReplay(const SqliteReplay&) = delete;
    SqliteReplay& operator=(const SqliteReplay&) = delete;

    void run(const LoggedStatements::Entry& entry) override;
    void finish() override;

private:
    void exec(const char* sql);
    void runInFloor(const LoggedStatements::Entry& entry);
    void step(const LoggedStatements::Entry& entry);

    sqlite3* m_db = nullptr;
    Commits m_commits;
    bool m_open = false;
};

} // namespace lostrand::bench
