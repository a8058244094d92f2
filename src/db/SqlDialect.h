#pragma once

namespace lostrand {

// What the database behind a connection is, as far as the text of a statement cares.
enum class SqlDialect
{
    Sqlite,    // the embedded engine behind an Access-driver string
    Access,    // a real Access driver through ODBC
    SqlServer, // reported as Microsoft SQL Server by the ODBC driver
    Other,     // any other ODBC database
};

} // namespace lostrand
