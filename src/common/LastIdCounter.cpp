#include "common/LastIdCounter.h"

#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/WindowPort.h"

#include <QtDebug>
#include <exception>
#include <limits>

namespace lostrand {

namespace {
const QString NameField = QStringLiteral("NameID");
const QString ValueField = QStringLiteral("LastID");

// The counter's row, if it has one, becomes the current row of rsLookup.
void openCounter(RunState& state, const QString& name)
{
    state.openOnTarget(state.rsLookup, QStringLiteral("Select ") +
                                           QStringLiteral("NameID, LastID ") +
                                           QStringLiteral("From ") + QStringLiteral("LastID ") +
                                           QStringLiteral("Where NameID = ") + state.qt(name));
}

// The stored value plus one. A Null, a non-number or a value past 32 bits has no successor.
qint32 successor(const Recordset& counter)
{
    bool isNumber = false;
    const qint64 last = counter.value(ValueField).toLongLong(&isNumber);
    if (!isNumber)
        throw RunStop(QStringLiteral("LastID holds no number"));
    if (last >= std::numeric_limits<qint32>::max())
        throw RunStop(QStringLiteral("Overflow: LastID %1").arg(last));
    return static_cast<qint32>(last + 1);
}

// The recordset member: the counter's row is changed, or added, through rsLookup.
qint32 drawThroughRecordset(RunState& state, const QString& name)
{
    openCounter(state, name);
    Recordset& counter = state.rsLookup;
    // Read to its end, the select lets go of the file before the write: a write that follows
    // a read still under way is refused at once while another program writes, one that starts
    // afresh waits for it.
    counter.recordCount();
    qint32 value = 1;
    if (counter.eof()) {
        counter.addNew();
        counter.setValue(NameField, name);
    } else {
        value = successor(counter);
    }
    counter.setValue(ValueField, value);
    counter.update();
    counter.close();
    return value;
}

// The statement member: the select is closed before the insert or update.
qint32 drawThroughStatements(RunState& state, const QString& name)
{
    openCounter(state, name);
    if (state.rsLookup.eof()) {
        state.rsLookup.close();
        state.executeTarget(QStringLiteral("Insert Into LastID Values( ") + state.qt(name) +
                            QStringLiteral(", 1 )"));
        return 1;
    }
    const qint32 value = successor(state.rsLookup);
    state.rsLookup.close();
    state.executeTarget(QStringLiteral("Update LastID Set LastID = ") + QString::number(value) +
                        QStringLiteral(" Where NameID = ") + state.qt(name));
    return value;
}

using Member = qint32 (*)(RunState&, const QString&);

// Every failure of a member becomes 0, with rsLookup closed and nothing shown. The caller sees
// only the 0, so what failed (a lock another program held, say) goes to the log, and to cause
// when the caller asks for it.
qint32 zeroOnFailure(RunState& state, const QString& name, Member member, QString* cause = nullptr)
{
    QString failure;
    try {
        return member(state, name);
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    try {
        state.rsLookup.close();
    } catch (...) {
    }
    qWarning().noquote() << QStringLiteral("The counter %1 gave 0:").arg(name) << failure;
    if (cause)
        *cause = failure;
    return 0;
}

Member memberFor(const RunState& state)
{
    return state.window.isOptionSet(QStringLiteral("optAccess")) ? drawThroughRecordset
                                                                 : drawThroughStatements;
}
} // namespace

qint32 LastIdCounter::GetNextLastID(RunState& state, const QString& name)
{
    return zeroOnFailure(state, name, memberFor(state));
}

qint32 LastIdCounter::GetNextLastIDAccess(RunState& state, const QString& name)
{
    return zeroOnFailure(state, name, drawThroughRecordset);
}

qint32 LastIdCounter::GetNextLastIDSql(RunState& state, const QString& name)
{
    return zeroOnFailure(state, name, drawThroughStatements);
}

qint32 LastIdCounter::RequireNextLastID(RunState& state, const QString& name)
{
    QString cause;
    const qint32 value = zeroOnFailure(state, name, memberFor(state), &cause);
    if (value <= 0)
        throw RunStop(QStringLiteral("The counter %1 gave no usable identifier (%2)")
                          .arg(name, cause.isEmpty() ? QString::number(value) : cause));
    return value;
}

} // namespace lostrand
