#pragma once

#include "ReplayDatabase.h"

#include <QString>

struct sqlite3;

namespace lostrand::bench {

// A replay copy of an SQLite file, opened as the run opens it.
class SqliteReplay : public ReplayDatabase
{
public:
    explicit SqliteReplay(const QString& path);
    ~SqliteReplay() override;
    SqliteReplay(const SqliteReplay&) = delete;
    SqliteReplay& operator=(const SqliteReplay&) = delete;

    void run(const LoggedStatements::Entry& entry) override;

private:
    sqlite3* m_db = nullptr;
};

} // namespace lostrand::bench
