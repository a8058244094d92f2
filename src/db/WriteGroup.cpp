#include "db/WriteGroup.h"

#include "db/DbError.h"

#include <QHash>
#include <QThread>

namespace lostrand {

namespace {

qint64& freedTotal()
{
    static qint64 total = 0;
    return total;
}

} // namespace

WriteGroup::WriteGroup(const QString& file, Engine engine)
    : m_file(file), m_engine(std::move(engine))
{
}

WriteGroup::Neighbours& WriteGroup::neighbours()
{
    static QHash<QString, Neighbours> files;
    return files[m_file];
}

qint64 WriteGroup::freedMilliseconds()
{
    return freedTotal();
}

bool WriteGroup::isDue() const
{
    return m_open && m_held.elapsed() >= HoldMilliseconds;
}

void WriteGroup::join()
{
    if (m_open)
        return;
    leaveFree();
    m_engine.run(QStringLiteral("BEGIN IMMEDIATE"));
    m_open = true;
    m_held.start();
    noteOtherWriters();
}

// Only the time since the last group counts: a connection that was idle has left the lock free
// all along.
void WriteGroup::leaveFree()
{
    Neighbours& n = neighbours();
    if (!n.freed.isValid()) {
        // The first group on the file: nobody has waited on this process yet.
        n.lastSpell.start();
        return;
    }
    qint64 wanted = 0;
    if (n.lastWrite.isValid() && n.lastWrite.elapsed() < SharedForMilliseconds)
        wanted = SharedFreeMilliseconds;
    if (n.lastSpell.elapsed() >= SpellEveryMilliseconds)
        wanted = SpellMilliseconds;
    const qint64 left = wanted - n.freed.elapsed();
    if (left > 0) {
        QThread::msleep(static_cast<unsigned long>(left));
        freedTotal() += left;
    }
    if (n.freed.elapsed() >= SpellMilliseconds)
        n.lastSpell.start();
}

// The engine counts the commits of other connections; a change between two groups of this one
// is another program's write.
void WriteGroup::noteOtherWriters()
{
    const qint64 version = m_engine.dataVersion();
    if (m_dataVersion && *m_dataVersion != version)
        neighbours().lastWrite.start();
    m_dataVersion = version;
}

void WriteGroup::writeOut()
{
    if (!m_open)
        return;
    try {
        m_engine.run(QStringLiteral("COMMIT"));
    } catch (const DbError&) {
        try {
            m_engine.run(QStringLiteral("ROLLBACK"));
        } catch (const DbError&) {
            // The engine may have ended the transaction already.
        }
        forget();
        throw;
    }
    forget();
}

void WriteGroup::forget()
{
    m_open = false;
    neighbours().freed.start();
}

} // namespace lostrand
