#pragma once

#include "db/SqlDialect.h"

#include <QString>

namespace lostrand {

// The one way a text value enters a statement.
class SqlText
{
public:
    // 'text' with every apostrophe doubled, so a part name like DRIVER'S SEAT neither ends the
    // statement nor changes it. SQL Server gets N'text': its varchar literals would lose Thai
    // under a non-Thai collation, while Access and SQLite reject the N prefix.
    static QString quote(const QString& text, SqlDialect dialect);
};

} // namespace lostrand
