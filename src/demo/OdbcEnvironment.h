#pragma once

#include <QString>

namespace lostrand {

// Registers an ODBC driver as "SQL Server" in an odbcinst.ini of this process's own
// (ODBCSYSINI), so the window's SQL Server string opens a real ODBC connection through it. The
// tests and the benchmark register the SQLite ODBC driver, which opens an SQLite file; the
// tests of the server mode register FreeTDS.
class OdbcEnvironment
{
public:
    static void install();
    static void install(const QString& driverPath, const QString& description);
    static QString folder();
};

} // namespace lostrand
