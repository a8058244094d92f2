#pragma once

#include "support/QtPrinters.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

namespace lostrand::test {

// A temporary folder of SQLite databases made by one test from SQL text. Its reads and writes
// are another program's; they see what the program's own connections ran, since each first
// has those written out, as a check after a run sees the file.
class TestDatabase
{
public:
    TestDatabase();

    // Makes (or extends) the file name in the folder with the statements; gives its path.
    QString create(const QString& fileName, const QStringList& statements);
    QString path(const QString& fileName) const;
    const QString& folder() const;

    // The spec's Access strings on a file: the source one (price list) and the target one.
    static QString accessSourceString(const QString& path, bool accdb = false);
    static QString accessTargetString(const QString& path);
    // The SQL Server string whose database names the file (through the test ODBC driver).
    static QString sqlServerString(const QString& path);

    static QList<QVariantList> rows(const QString& path, const QString& sql);
    static QVariant scalar(const QString& path, const QString& sql);

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

} // namespace lostrand::test
