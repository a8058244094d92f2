#include "StatementReplay.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace lostrand::bench {

namespace {

void check(sqlite3* db, int rc, const std::string& what)
{
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}

} // namespace

StatementReplay::StatementReplay(const QString& logFile) : m_logFile(logFile) {}

StatementReplay::~StatementReplay()
{
    stop();
}

void StatementReplay::record(const QString& databasePath)
{
    m_out = std::fopen(m_logFile.toLocal8Bit().constData(), "wb");
    if (!m_out)
        throw std::runtime_error("cannot write the statement log");
    StatementLog::install(
        [this, databasePath](const QString& database, StatementLog::Kind kind, const QString& sql) {
            if (database != databasePath)
                return;
            const QByteArray text = sql.toUtf8();
            const unsigned char tag = static_cast<unsigned char>(kind);
            const auto size = static_cast<std::uint32_t>(text.size());
            std::fwrite(&tag, 1, 1, m_out);
            std::fwrite(&size, sizeof size, 1, m_out);
            std::fwrite(text.constData(), 1, size, m_out);
            ++m_count;
        });
}

void StatementReplay::stop()
{
    StatementLog::remove();
    if (m_out) {
        std::fclose(m_out);
        m_out = nullptr;
    }
}

double StatementReplay::replay(const QString& databasePath) const
{
    std::FILE* in = std::fopen(m_logFile.toLocal8Bit().constData(), "rb");
    if (!in)
        throw std::runtime_error("cannot read the statement log");
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open the replay copy");
    check(db, sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), "journal");
    check(db, sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr), "sync");
    QElapsedTimer timer;
    timer.start();
    std::vector<char> text;
    unsigned char tag = 0;
    std::uint32_t size = 0;
    while (std::fread(&tag, 1, 1, in) == 1 && std::fread(&size, sizeof size, 1, in) == 1) {
        text.resize(size + 1);
        if (std::fread(text.data(), 1, size, in) != size)
            break;
        text[size] = '\0';
        sqlite3_stmt* statement = nullptr;
        check(db, sqlite3_prepare_v2(db, text.data(), static_cast<int>(size), &statement, nullptr),
              text.data());
        int rc = SQLITE_ROW;
        // A select is read to its end; every other statement runs once.
        while (rc == SQLITE_ROW)
            rc = sqlite3_step(statement);
        check(db, rc, text.data());
        sqlite3_finalize(statement);
        (void)tag;
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    sqlite3_close(db);
    std::fclose(in);
    return seconds;
}

} // namespace lostrand::bench
