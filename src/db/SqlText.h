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
    // A truth value where a statement writes the bare words True and False. T-SQL has no such
    // words, so SQL Server gets 1 and 0; every other database keeps the words.
    static QString truth(bool value, SqlDialect dialect);
};

} // namespace lostrand
