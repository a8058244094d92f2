#include "StatementReplay.h"

#include "LoggedStatements.h"
#include "ReplayDatabase.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace lostrand::bench {

StatementReplay::StatementReplay(const QString& logFile) : m_logFile(logFile) {}

StatementReplay::~StatementReplay()
{
    stop();
}

void StatementReplay::record(const QString& target, const QString& source)
{
    m_out = std::fopen(m_logFile.toLocal8Bit().constData(), "wb");
    if (!m_out)
        throw std::runtime_error("cannot write the statement log");
    m_profile = qEnvironmentVariableIsSet("LOSTRAND_BENCH_PROFILE");
    m_clock.start();
    StatementLog::install([this, target, source](const QString& database, StatementLog::Kind kind,
                                                 const QString& sql, qint64 rows) {
        if (m_profile) {
            const qint64 now = m_clock.nsecsElapsed();
            if (!m_previous.empty())
                m_runProfile.add(m_previous, static_cast<double>(now - m_previousAt) / 1e9);
            m_previous = (database == target ? "" : "[source] ") + sql.toStdString();
            m_previousAt = now;
        }
        if (database != target && database != source)
            return;
        LoggedStatements::write(m_out,
                                database == target ? LoggedStatements::Database::Target
                                                   : LoggedStatements::Database::Source,
                                kind, sql.toUtf8(), rows);
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

double StatementReplay::replay(ReplayDatabase& target, ReplayDatabase& source) const
{
    LoggedStatements log(m_logFile);
    // With LOSTRAND_BENCH_PROFILE set, the replay also tells which kinds of statement took its
    // time, by their first words.
    const bool profile = qEnvironmentVariableIsSet("LOSTRAND_BENCH_PROFILE");
    Profile replayProfile;
    QElapsedTimer timer;
    timer.start();
    LoggedStatements::Entry entry;
    while (log.next(entry)) {
        const qint64 started = profile ? timer.nsecsElapsed() : 0;
        const bool onTarget = entry.database == LoggedStatements::Database::Target;
        (onTarget ? target : source).run(entry);
        if (profile)
            replayProfile.add(std::string(onTarget ? "" : "[source] ") + entry.text.data(),
                              static_cast<double>(timer.nsecsElapsed() - started) / 1e9);
    }
    target.finish();
    source.finish();
    if (profile)
        replayProfile.print("replay");
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
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
