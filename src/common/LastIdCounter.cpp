#include "common/LastIdCounter.h"

#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/WindowPort.h"

#include <functional>
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

// Every failure of a member becomes 0, with rsLookup closed and nothing shown.
qint32 zeroOnFailure(RunState& state, const std::function<qint32()>& member)
{
    try {
        return member();
    } catch (...) {
        try {
            state.rsLookup.close();
        } catch (...) {
        }
        return 0;
    }
}
} // namespace

qint32 LastIdCounter::GetNextLastID(RunState& state, const QString& name)
{
    if (state.window.isOptionSet(QStringLiteral("optAccess")))
        return GetNextLastIDAccess(state, name);
    return GetNextLastIDSql(state, name);
}

qint32 LastIdCounter::GetNextLastIDAccess(RunState& state, const QString& name)
{
    return zeroOnFailure(state, [&state, &name] {
        openCounter(state, name);
        Recordset& counter = state.rsLookup;
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
    });
}

qint32 LastIdCounter::GetNextLastIDSql(RunState& state, const QString& name)
{
    return zeroOnFailure(state, [&state, &name] {
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
    });
}

qint32 LastIdCounter::RequireNextLastID(RunState& state, const QString& name)
{
    const qint32 value = GetNextLastID(state, name);
    if (value <= 0)
        throw RunStop(
            QStringLiteral("The counter %1 gave no usable identifier (%2)").arg(name).arg(value));
    return value;
}

} // namespace lostrand
