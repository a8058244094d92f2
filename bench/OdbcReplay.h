#pragma once

#include <QString>

namespace lostrand::bench {

// Replays a run's statement log on an ODBC database through the ODBC C API, the way the
// database layer's driver sends it (wide-character statements, a statement handle each,
// every column of every row read as text, transactions by the connection's autocommit), so
// what the driver and engine cost shows apart from what the program adds.
class OdbcReplay
{
public:
    // Gives seconds; throws with the driver's message when a statement fails.
    static double replay(const QString& logFile, const QString& connectionString);
};

} // namespace lostrand::bench
