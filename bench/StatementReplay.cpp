#include "StatementReplay.h"

#include "LoggedStatements.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>
#include <map>
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
    m_profile = qEnvironmentVariableIsSet("LOSTRAND_BENCH_PROFILE");
    m_clock.start();
    StatementLog::install([this, databasePath](const QString& database, StatementLog::Kind kind,
                                               const QString& sql, qint64 rows) {
        if (m_profile) {
            const qint64 now = m_clock.nsecsElapsed();
            if (!m_previous.empty())
                m_runProfile.add(m_previous, static_cast<double>(now - m_previousAt) / 1e9);
            m_previous = (database == databasePath ? "" : "[source] ") + sql.toStdString();
            m_previousAt = now;
        }
        if (database != databasePath)
            return;
        LoggedStatements::write(m_out, kind, sql.toUtf8(), rows);
        if (kind != StatementLog::Kind::Fetched)
            ++m_count;
    });
}

void StatementReplay::stop()
{
    StatementLog::remove();
    if (m_profile && !m_previous.empty()) {
        m_runProfile.print("run, from each statement to the next");
        m_previous.clear();
    }
    if (m_out) {
        std::fclose(m_out);
        m_out = nullptr;
    }
}

double StatementReplay::replay(const QString& databasePath) const
{
    LoggedStatements log(m_logFile);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open the replay copy");
    check(db, sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), "journal");
    check(db, sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr), "sync");
    // With LOSTRAND_BENCH_PROFILE set, the replay also tells which kinds of statement took its
    // time, by their first words.
    const bool profile = qEnvironmentVariableIsSet("LOSTRAND_BENCH_PROFILE");
    Profile replayProfile;
    QElapsedTimer timer;
    timer.start();
    LoggedStatements::Entry entry;
    while (log.next(entry)) {
        // A select is stepped as often as the run asked it for a row; every other statement
        // runs to its end.
        const qint64 started = profile ? timer.nsecsElapsed() : 0;
        sqlite3_stmt* statement = nullptr;
        check(db, sqlite3_prepare_v2(db, entry.text.data(), -1, &statement, nullptr),
              entry.text.data());
        int rc = sqlite3_step(statement);
        for (std::int64_t done = 1; rc == SQLITE_ROW && (entry.steps < 0 || done < entry.steps);
             ++done)
            rc = sqlite3_step(statement);
        check(db, rc, entry.text.data());
        sqlite3_finalize(statement);
        if (profile)
            replayProfile.add(entry.text.data(),
                              static_cast<double>(timer.nsecsElapsed() - started) / 1e9);
    }
    if (profile)
        replayProfile.print("replay");
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    sqlite3_close(db);
    return seconds;
}

void StatementReplay::Profile::add(const std::string& text, double seconds)
{
    auto& shape = m_shapes[text.substr(0, 48)];
    shape.first += seconds;
    ++shape.second;
}

void StatementReplay::Profile::print(const char* title) const
{
    std::vector<std::pair<double, std::string>> sorted;
    double total = 0;
    for (const auto& [shape, cost] : m_shapes) {
        sorted.emplace_back(cost.first, shape + " (" + std::to_string(cost.second) + ")");
        total += cost.first;
    }
    std::sort(sorted.rbegin(), sorted.rend());
    std::fprintf(stderr, "-- %s: %.3f s\n", title, total);
    for (size_t i = 0; i < std::min<size_t>(14, sorted.size()); ++i)
        std::fprintf(stderr, "%8.3f s  %s\n", sorted[i].first, sorted[i].second.c_str());
}

} // namespace lostrand::bench
