#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

struct sqlite3;

namespace lostrand {

// The shop's own program working on a database file while a run imports into it: a connection
// of its own, on a thread of its own, that every so often takes the write lock, writes for a
// moment and commits, with the engine's own busy handler and a time-out, as such a program
// would. It writes only the file's header (its user version), which no run reads.
class OtherProgram
{
public:
    struct Settings
    {
        std::chrono::milliseconds every{300};
        std::chrono::milliseconds writing{10};
        std::chrono::milliseconds busyTimeout{2000};
    };

    OtherProgram(const QString& path, Settings settings);
    explicit OtherProgram(const QString& path) : OtherProgram(path, Settings{}) {}
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Its first write starts at once, the next ones a period after the one before began.
    void start();
    // Lets the write in progress finish and ends the thread.
    void stop();

    int writes() const { return m_writes; }
    // Writes that gave up: the lock was not had within the time-out, or the commit failed.
    int failures() const { return m_failures; }
    QStringList errors() const;
    // The longest time one write waited for the lock, in milliseconds.
    double longestWaitMs() const { return m_longestWaitUs / 1000.0; }

private:
    void work();
    bool writeOnce(sqlite3* db);
    void fail(const QString& what);

    QString m_path;
    Settings m_settings;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_writes{0};
    std::atomic<int> m_failures{0};
    std::atomic<qint64> m_longestWaitUs{0};
    mutable std::mutex m_mutex;
    QStringList m_errors;
};

} // namespace lostrand
