#pragma once

#include "db/StatementLog.h"

#include <QString>
#include <cstdio>

namespace lostrand::bench {

// Writes every statement the run sends to one database into a file as it goes, so the log
// takes no memory, and replays that file through the SQLite C API.
class StatementReplay
{
public:
    explicit StatementReplay(const QString& logFile);
    ~StatementReplay();
    StatementReplay(const StatementReplay&) = delete;
    StatementReplay& operator=(const StatementReplay&) = delete;

    // Records the statements sent to the database whose log name is the path.
    void record(const QString& databasePath);
    void stop();
    qint64 recorded() const { return m_count; }

    // Runs the log on the database file with the journal settings of the run; gives seconds.
    double replay(const QString& databasePath) const;

private:
    QString m_logFile;
    std::FILE* m_out = nullptr;
    qint64 m_count = 0;
};

} // namespace lostrand::bench
