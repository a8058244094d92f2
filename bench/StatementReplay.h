#pragma once

#include "db/StatementLog.h"

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <map>
#include <string>

namespace lostrand::bench {

class ReplayDatabase;

// Writes every statement the run sends to its two databases into a file as it goes, so the
// log takes no memory, and replays that file through the engines' own C APIs.
class StatementReplay
{
public:
    explicit StatementReplay(const QString& logFile);
    ~StatementReplay();
    StatementReplay(const StatementReplay&) = delete;
    StatementReplay& operator=(const StatementReplay&) = delete;

    // Records the statements sent to the target and the source, by their log names: an SQLite
    // file's path, or the connection string of an ODBC database.
    void record(const QString& target, const QString& source);
    void stop();
    qint64 recorded() const { return m_count; }
    const QString& logFile() const { return m_logFile; }

    // Runs the log, each statement on its database's replay copy; gives seconds.
    double replay(ReplayDatabase& target, ReplayDatabase& source) const;

    // With LOSTRAND_BENCH_PROFILE set: where the time went, by the first words of the
    // statements, in the run (from one statement to the next) and in the replay.
    class Profile
    {
    public:
        void add(const std::string& text, double seconds);
        void print(const char* title) const;

    private:
        std::map<std::string, std::pair<double, long>> m_shapes;
    };

private:
    QString m_logFile;
    std::FILE* m_out = nullptr;
    qint64 m_count = 0;
    bool m_profile = false;
    Profile m_runProfile;
    QElapsedTimer m_clock;
    qint64 m_previousAt = 0;
    std::string m_previous;
};

} // namespace lostrand::bench
