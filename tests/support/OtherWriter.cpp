#include "support/OtherWriter.h"

#include <sqlite3.h>

namespace lostrand::test {

namespace {
constexpr int OtherProgramTimeoutMs = 5000;
} // namespace

OtherWriter::OtherWriter(const QString& path) : m_path(path) {}

OtherWriter::~OtherWriter()
{
    release();
    if (m_thread.joinable())
        m_thread.join();
}

bool OtherWriter::hold(std::chrono::milliseconds duration)
{
    m_thread = std::thread([this, duration] { work(duration); });
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_held || m_done; });
    return m_held;
}

void OtherWriter::release()
{
    {
        const std::lock_guard lock(m_mutex);
        m_released = true;
    }
    m_changed.notify_all();
}

bool OtherWriter::committed()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_committed;
}

QString OtherWriter::error()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_error;
}

bool OtherWriter::exec(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    const std::lock_guard lock(m_mutex);
    m_error =
        QString::fromLatin1(sql) + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db));
    return false;
}

void OtherWriter::work(std::chrono::milliseconds duration)
{
    sqlite3* db = nullptr;
    bool committed = false;
    if (sqlite3_open_v2(m_path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        const std::lock_guard lock(m_mutex);
        m_error = QStringLiteral("cannot open ") + m_path;
    } else {
        sqlite3_busy_timeout(db, OtherProgramTimeoutMs);
        // A write to the file's header: the lock of a real write, and nothing a run reads.
        if (exec(db, "BEGIN IMMEDIATE") && exec(db, "PRAGMA user_version = 7")) {
            std::unique_lock lock(m_mutex);
            m_held = true;
            m_changed.notify_all();
            m_changed.wait_for(lock, duration, [this] { return m_released; });
            lock.unlock();
            committed = exec(db, "COMMIT");
        }
    }
    sqlite3_close(db);
    const std::lock_guard lock(m_mutex);
    m_committed = committed;
    m_done = true;
    m_changed.notify_all();
}

} // namespace lostrand::test
