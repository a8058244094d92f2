#include "db/StatementLog.h"

namespace lostrand {

namespace {
StatementLog::Sink& sink()
{
    static StatementLog::Sink instance;
    return instance;
}
} // namespace

void StatementLog::install(Sink s)
{
    sink() = std::move(s);
}

void StatementLog::remove()
{
    sink() = nullptr;
}

bool StatementLog::active()
{
    return static_cast<bool>(sink());
}

void StatementLog::record(const QString& database, Kind kind, const QString& sql, qint64 rows)
{
    if (sink())
        sink()(database, kind, sql, rows);
}

} // namespace lostrand
