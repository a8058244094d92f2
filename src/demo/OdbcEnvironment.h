#pragma once

#include <QString>

namespace lostrand {

// Registers the SQLite ODBC driver as "SQL Server" in an odbcinst.ini of this process's own
// (ODBCSYSINI), so the window's SQL Server string opens a real ODBC connection on an SQLite
// file: the tests and the benchmark use it.
class OdbcEnvironment
{
public:
    static void install();
    static QString folder();
};

} // namespace lostrand
