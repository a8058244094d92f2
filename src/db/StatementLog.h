#pragma once

#include <QString>
#include <functional>

namespace lostrand {

// Optional record of every statement the layer sends, in order, for measuring a run against
// the engine replaying the same work. Off unless a sink is installed.
class StatementLog
{
public:
    // Fetched follows a Query when its recordset closes, with the rows asked of the engine.
    enum class Kind
    {
        Execute,
        Query,
        Begin,
        Commit,
        Rollback,
        Fetched
    };
    using Sink =
        std::function<void(const QString& database, Kind kind, const QString& sql, qint64 rows)>;

    static void install(Sink sink);
    static void remove();
    static bool active();
    static void record(const QString& database, Kind kind, const QString& sql, qint64 rows = -1);
};

} // namespace lostrand
