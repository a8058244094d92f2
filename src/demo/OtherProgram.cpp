#include "demo/OtherProgram.h"

#include <sqlite3.h>

namespace lostrand {

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

OtherProgram::OtherProgram(const QString& path, Settings settings)
    : m_path(path), m_settings(settings)
{
}

OtherProgram::~OtherProgram()
{
    stop();
}

void OtherProgram::start()
{
    m_stop = false;
    m_thread = std::thread([this] { work(); });
}

void OtherProgram::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

QStringList OtherProgram::errors() const
{
    const std::lock_guard lock(m_mutex);
    return m_errors;
}

void OtherProgram::fail(const QString& what)
{
    ++m_failures;
    const std::lock_guard lock(m_mutex);
    m_errors << what;
}

void OtherProgram::work()
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(m_path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        fail(QStringLiteral("cannot open ") + m_path);
        sqlite3_close(db);
        return;
    }
    sqlite3_busy_timeout(db, static_cast<int>(m_settings.busyTimeout.count()));
    auto next = Clock::now();
    while (!m_stop) {
        if (writeOnce(db))
            ++m_writes;
        next += m_settings.every;
        while (!m_stop && Clock::now() < next)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    sqlite3_close(db);
}

bool OtherProgram::writeOnce(sqlite3* db)
{
    const auto asked = Clock::now();
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail(QStringLiteral("BEGIN IMMEDIATE: ") + QString::fromUtf8(sqlite3_errmsg(db)));
        return false;
    }
    const qint64 waited =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - asked).count();
    if (waited > m_longestWaitUs)
        m_longestWaitUs = waited;
    const QByteArray write =
        QByteArrayLiteral("PRAGMA user_version = ") + QByteArray::number(m_writes % 1000 + 1);
    bool written = sqlite3_exec(db, write.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    std::this_thread::sleep_for(m_settings.writing);
    if (written && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    fail(QStringLiteral("write: ") + QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

} // namespace lostrand
