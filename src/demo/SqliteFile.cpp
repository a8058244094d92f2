#include "demo/SqliteFile.h"

#include "db/DbError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace lostrand {

namespace {

// Holds one QSqlDatabase for the life of a call and removes it after.
class Session
{
public:
    explicit Session(const QString& path)
    {
        static std::atomic<unsigned> counter{0};
        m_name = QStringLiteral("sqlitefile-%1").arg(++counter);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            db.setDatabaseName(path);
            if (!db.open())
                throw DbError({}, db.lastError().text());
        }
    }
    ~Session()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

} // namespace

void SqliteFile::execute(const QString& path, const QStringList& statements)
{
    Session session(path);
    QSqlDatabase db = session.db();
    // One transaction for the lot: a fixture of thousands of rows is written in one go.
    if (!db.transaction())
        throw DbError(QStringLiteral("BEGIN"), db.lastError().text());
    for (const QString& sql : statements) {
        QSqlQuery query(db);
        if (!query.exec(sql)) {
            const QString message = query.lastError().text();
            query = QSqlQuery();
            db.rollback();
            throw DbError(sql, message);
        }
    }
    if (!db.commit())
        throw DbError(QStringLiteral("COMMIT"), db.lastError().text());
}

QList<QVariantList> SqliteFile::rows(const QString& path, const QString& sql)
{
    Session session(path);
    QList<QVariantList> result;
    {
        QSqlQuery query(session.db());
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw DbError(sql, query.lastError().text());
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.isNull(i) ? QVariant() : query.value(i));
            result.append(row);
        }
    }
    return result;
}

QVariant SqliteFile::scalar(const QString& path, const QString& sql)
{
    const auto all = rows(path, sql);
    if (all.isEmpty() || all.first().isEmpty())
        return {};
    return all.first().first();
}

} // namespace lostrand
