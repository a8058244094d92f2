#include "padded/PaddedNames.h"

#include "common/LastIdCounter.h"
#include "padded/PaddedKeys.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

qint32 PaddedNames::GetNameID(RunState& state, Which which, const QString& name, const QString& sfx)
{
    const bool thai = which == Which::Thai;
    const QString column = thai ? QStringLiteral("TNameID") : QStringLiteral("ENameID");
    state.openOnTarget(
        state.rsLookup,
        QStringLiteral("Select ") + column + QStringLiteral(" From ") + QStringLiteral("Pta_") +
            sfx + QLatin1Char(' ') +
            (thai ? QStringLiteral("Where FTName = ") : QStringLiteral("Where FEName = ")) +
            state.qt(PaddedKeys::NameFindForm(name)) + QLatin1Char(' '));
    if (!state.rsLookup.eof()) {
        const qint32 found = SourceRow::int32(state.rsLookup, column);
        state.rsLookup.close();
        return found;
    }
    state.rsLookup.close();
    return LastIdCounter::RequireNextLastID(state, column);
}

} // namespace lostrand
