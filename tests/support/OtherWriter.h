#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct sqlite3;

namespace lostrand::test {

// Another program writing to a database file while a run works on it: a connection of its own,
// on a thread of its own, that takes the write lock, writes, holds the lock for a while and
// then commits. Its own waits end after five seconds, as a program with the engine's usual
// time-out would give up on a run that kept the file from it.
class OtherWriter
{
public:
    explicit OtherWriter(const QString& path);
    ~OtherWriter();
    OtherWriter(const OtherWriter&) = delete;
    OtherWriter& operator=(const OtherWriter&) = delete;

    // Returns once the write lock is held (true) or could not be taken (false); the commit
    // follows after the time given, or at release(), whichever comes first.
    bool hold(std::chrono::milliseconds duration);
    void release();
    // Waits for the commit: true when the other program's write was kept.
    bool committed();
    // What went wrong for the other program, empty when nothing did.
    QString error();

private:
    void work(std::chrono::milliseconds duration);
    bool exec(sqlite3* db, const char* sql);

    QString m_path;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_released = false;
    bool m_done = false;
    bool m_committed = false;
    QString m_error;
};

} // namespace lostrand::test
