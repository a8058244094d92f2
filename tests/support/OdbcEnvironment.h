#pragma once

#include <QString>

namespace lostrand::test {

// Registers the SQLite ODBC driver as "SQL Server" in a test-local odbcinst.ini (ODBCSYSINI),
// so the spec's SQL Server string opens a real ODBC connection on an SQLite file.
class OdbcEnvironment
{
public:
    static void install();
    static QString folder();
};

} // namespace lostrand::test
