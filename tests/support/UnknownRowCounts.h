#pragma once

#include "db/Connection.h"

namespace lostrand::test {

// While one lives, every statement run as command text reports -1 rows, as it does through a
// driver that does not count them (a SQL Server set to NOCOUNT).
class UnknownRowCounts
{
public:
    UnknownRowCounts()
    {
        Connection::setRowCountHook([](const QString&, qint64) { return qint64(-1); });
    }
    ~UnknownRowCounts() { Connection::setRowCountHook(nullptr); }
    UnknownRowCounts(const UnknownRowCounts&) = delete;
    UnknownRowCounts& operator=(const UnknownRowCounts&) = delete;
};

} // namespace lostrand::test
