#include "LoggedStatements.h"

#include <QByteArray>
#include <map>
#include <stdexcept>
#include <string>

namespace lostrand::bench {

namespace {

std::FILE* openLog(const QString& logFile)
{
    std::FILE* in = std::fopen(logFile.toLocal8Bit().constData(), "rb");
    if (!in)
        throw std::runtime_error("cannot read the statement log");
    return in;
}

} // namespace

void LoggedStatements::write(std::FILE* out, Database database, StatementLog::Kind kind,
                             const QByteArray& text, std::int64_t rows)
{
    const unsigned char tag = static_cast<unsigned char>(kind);
    const auto where = static_cast<unsigned char>(database);
    std::fwrite(&where, 1, 1, out);
    const auto size = static_cast<std::uint32_t>(text.size());
    std::fwrite(&tag, 1, 1, out);
    std::fwrite(&rows, sizeof rows, 1, out);
    std::fwrite(&size, sizeof size, 1, out);
    std::fwrite(text.constData(), 1, size, out);
}

bool LoggedStatements::read(std::FILE* in, Entry& entry)
{
    unsigned char where = 0;
    unsigned char tag = 0;
    std::uint32_t size = 0;
    if (std::fread(&where, 1, 1, in) != 1 || std::fread(&tag, 1, 1, in) != 1 ||
        std::fread(&entry.steps, sizeof entry.steps, 1, in) != 1 ||
        std::fread(&size, sizeof size, 1, in) != 1)
        return false;
    entry.database = static_cast<Database>(where);
    entry.kind = static_cast<StatementLog::Kind>(tag);
    entry.text.resize(size + 1);
    if (std::fread(entry.text.data(), 1, size, in) != size)
        return false;
    entry.text[size] = '\0';
    return true;
}

// How many rows the run asked of each select, in the order the selects ran: a recordset that
// read only its first row costs the replay one step too.
LoggedStatements::LoggedStatements(const QString& logFile)
{
    std::FILE* in = openLog(logFile);
    std::map<std::string, std::vector<size_t>> open;
    Entry entry;
    while (read(in, entry)) {
        const std::string text =
            std::to_string(static_cast<int>(entry.database)) + ' ' + entry.text.data();
        if (entry.kind == StatementLog::Kind::Query) {
            open[text].push_back(m_counts.size());
            m_counts.push_back(-1);
        } else if (entry.kind == StatementLog::Kind::Fetched) {
            auto& pending = open[text];
            if (!pending.empty()) {
                m_counts[pending.back()] = entry.steps;
                pending.pop_back();
            }
        }
    }
    std::fclose(in);
    m_in = openLog(logFile);
}

LoggedStatements::~LoggedStatements()
{
    if (m_in)
        std::fclose(m_in);
}

bool LoggedStatements::next(Entry& entry)
{
    while (read(m_in, entry)) {
        if (entry.kind == StatementLog::Kind::Fetched)
            continue;
        entry.steps = entry.kind == StatementLog::Kind::Query ? m_counts.at(m_query++) : -1;
        return true;
    }
    return false;
}

} // namespace lostrand::bench
