#pragma once

#include "db/StatementLog.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace lostrand::bench {

// The statement log a run wrote, read back in order for a replay: every statement but the
// fetch records, each select with the number of rows the run asked of it.
class LoggedStatements
{
public:
    // The two databases of a run.
    enum class Database : unsigned char
    {
        Target,
        Source
    };

    struct Entry
    {
        Database database = Database::Target;
        StatementLog::Kind kind = StatementLog::Kind::Execute;
        // For a select: the rows to step, or -1 to step it to its end.
        std::int64_t steps = -1;
        std::vector<char> text; // ends in a zero
    };

    explicit LoggedStatements(const QString& logFile);
    ~LoggedStatements();
    LoggedStatements(const LoggedStatements&) = delete;
    LoggedStatements& operator=(const LoggedStatements&) = delete;

    // The next statement; false at the end of the log.
    bool next(Entry& entry);

    // One record as the recorder writes it.
    static void write(std::FILE* out, Database database, StatementLog::Kind kind,
                      const QByteArray& text, std::int64_t rows);

private:
    static bool read(std::FILE* in, Entry& entry);
    std::FILE* m_in = nullptr;
    std::vector<std::int64_t> m_counts;
    size_t m_query = 0;
};

} // namespace lostrand::bench
