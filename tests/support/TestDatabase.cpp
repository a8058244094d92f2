#include "support/TestDatabase.h"

#include "db/Connection.h"
#include "demo/SqliteFile.h"

#include <QDir>
#include <stdexcept>

namespace lostrand::test {

TestDatabase::TestDatabase()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    m_folder = m_dir.path();
}

QString TestDatabase::create(const QString& fileName, const QStringList& statements)
{
    const QString file = path(fileName);
    Connection::commitAllPending();
    SqliteFile::execute(file, statements);
    return file;
}

QString TestDatabase::path(const QString& fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

const QString& TestDatabase::folder() const
{
    return m_folder;
}

QString TestDatabase::accessSourceString(const QString& path, bool accdb)
{
    const QString prefix =
        accdb ? QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq=")
              : QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq=");
    return prefix + path + QStringLiteral(";UID=admin;PWD=TQL384");
}

QString TestDatabase::accessTargetString(const QString& path)
{
    return QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq=") + path +
           QStringLiteral(";UID=admin;PWD=RBN574612");
}

QString TestDatabase::sqlServerString(const QString& path)
{
    return QStringLiteral("driver={SQL Server};server=localhost;uid=sa;pwd=Kel5093;database=") +
           path + QStringLiteral(";");
}

QList<QVariantList> TestDatabase::rows(const QString& path, const QString& sql)
{
    Connection::commitAllPending();
    return SqliteFile::rows(path, sql);
}

QVariant TestDatabase::scalar(const QString& path, const QString& sql)
{
    Connection::commitAllPending();
    return SqliteFile::scalar(path, sql);
}

} // namespace lostrand::test
