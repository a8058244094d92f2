#include "StatementReplay.h"

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
        const QByteArray text = sql.toUtf8();
        const unsigned char tag = static_cast<unsigned char>(kind);
        const auto size = static_cast<std::uint32_t>(text.size());
        const std::int64_t fetched = rows;
        std::fwrite(&tag, 1, 1, m_out);
        std::fwrite(&fetched, sizeof fetched, 1, m_out);
        std::fwrite(&size, sizeof size, 1, m_out);
        std::fwrite(text.constData(), 1, size, m_out);
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

namespace {

struct Entry
{
    StatementLog::Kind kind = StatementLog::Kind::Execute;
    std::int64_t rows = -1;
    std::vector<char> text;
};

bool readEntry(std::FILE* in, Entry& entry)
{
    unsigned char tag = 0;
    std::uint32_t size = 0;
    if (std::fread(&tag, 1, 1, in) != 1 || std::fread(&entry.rows, sizeof entry.rows, 1, in) != 1 ||
        std::fread(&size, sizeof size, 1, in) != 1)
        return false;
    entry.kind = static_cast<StatementLog::Kind>(tag);
    entry.text.resize(size + 1);
    if (std::fread(entry.text.data(), 1, size, in) != size)
        return false;
    entry.text[size] = '\0';
    return true;
}

// How many rows the run asked of each select, in the order the selects ran: a recordset that
// read only its first row costs the replay one step too.
std::vector<std::int64_t> fetchCounts(const QString& logFile)
{
    std::FILE* in = std::fopen(logFile.toLocal8Bit().constData(), "rb");
    if (!in)
        throw std::runtime_error("cannot read the statement log");
    std::vector<std::int64_t> counts;
    std::map<std::string, std::vector<size_t>> open;
    Entry entry;
    while (readEntry(in, entry)) {
        const std::string text(entry.text.data());
        if (entry.kind == StatementLog::Kind::Query) {
            open[text].push_back(counts.size());
            counts.push_back(-1);
        } else if (entry.kind == StatementLog::Kind::Fetched) {
            auto& pending = open[text];
            if (!pending.empty()) {
                counts[pending.back()] = entry.rows;
                pending.pop_back();
            }
        }
    }
    std::fclose(in);
    return counts;
}

} // namespace

double StatementReplay::replay(const QString& databasePath) const
{
    const std::vector<std::int64_t> counts = fetchCounts(m_logFile);
    std::FILE* in = std::fopen(m_logFile.toLocal8Bit().constData(), "rb");
    if (!in)
        throw std::runtime_error("cannot read the statement log");
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open the replay copy");
    // The run's own settings come first in its log, so the replay writes the way the run did.
    // With LOSTRAND_BENCH_PROFILE set, the replay also tells which kinds of statement took its
    // time, by their first words.
    const bool profile = qEnvironmentVariableIsSet("LOSTRAND_BENCH_PROFILE");
    Profile replayProfile;
    QElapsedTimer timer;
    timer.start();
    Entry entry;
    size_t query = 0;
    while (readEntry(in, entry)) {
        if (entry.kind == StatementLog::Kind::Fetched)
            continue;
        // A select is stepped as often as the run asked it for a row; every other statement
        // runs to its end.
        std::int64_t steps = -1;
        if (entry.kind == StatementLog::Kind::Query)
            steps = counts.at(query++);
        const qint64 started = profile ? timer.nsecsElapsed() : 0;
        sqlite3_stmt* statement = nullptr;
        check(db, sqlite3_prepare_v2(db, entry.text.data(), -1, &statement, nullptr),
              entry.text.data());
        int rc = sqlite3_step(statement);
        for (std::int64_t done = 1; rc == SQLITE_ROW && (steps < 0 || done < steps); ++done)
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
    std::fclose(in);
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
