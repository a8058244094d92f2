#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace lostrand {

// Direct access to an SQLite file, for making the demo and test databases and reading them
// back; the product itself goes through Connection.
class SqliteFile
{
public:
    // Creates the file when missing and runs the statements in order; throws DbError.
    static void execute(const QString& path, const QStringList& statements);
    // All rows of a select, every value as the engine gives it (Null as an invalid QVariant).
    static QList<QVariantList> rows(const QString& path, const QString& sql);
    // The first column of the first row, or an invalid QVariant.
    static QVariant scalar(const QString& path, const QString& sql);
};

} // namespace lostrand
