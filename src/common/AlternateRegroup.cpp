#include "common/AlternateRegroup.h"

#include "common/AlternateGroupLookup.h"
#include "common/AlternateGroupRebuild.h"
#include "window/RunState.h"
#include "window/StatusLine.h"
#include "window/VersionLabels.h"
#include "window/WindowPort.h"

#include <QVariant>
#include <vector>

namespace lostrand {

struct AlternateRegroup::RegroupTables
{
    QString work;
    QString group;
};

namespace {

const QString Phase = QStringLiteral("จัดระเบียบเบอร์แทนใหม่  ");

QString removeFromWork(const QString& work, qint32 part)
{
    return QStringLiteral("Delete From ") + work + QStringLiteral(" Where PartID = ") +
           QString::number(part);
}

} // namespace

void AlternateRegroup::RegroupAlternates(RunState& state)
{
    if (VersionLabels::isPadded(state.version()))
        RegroupAlternatesPadded(state);
    else
        RegroupAlternatesNumbered(state);
}

void AlternateRegroup::RegroupAlternatesNumbered(RunState& state)
{
    run(state, {QStringLiteral("AltGX"), QStringLiteral("AltG") + state.brandText()});
}

void AlternateRegroup::RegroupAlternatesPadded(RunState& state)
{
    run(state,
        {QStringLiteral("Pta_AltGX"),
         QStringLiteral("Pta_AltG_") + TableNames::paddedSuffix(state.version(), state.BrandID)});
}

void AlternateRegroup::run(RunState& state, const RegroupTables& tables)
{
    state.window.setText(QStringLiteral("txtQTY"), StatusLine::start(Phase, state.BrandName));
    state.window.pumpEvents();
    state.executeTarget(QStringLiteral("Delete From ") + tables.work);
    state.executeTarget(QStringLiteral("Delete From ") + tables.group +
                        QStringLiteral(" Where PartID = 0"));
    state.executeTarget(QStringLiteral("Insert Into ") + tables.work +
                        QStringLiteral("(PartID) Select PartID From ") + tables.group);
    while (runStep(state, tables)) {
    }
}

bool AlternateRegroup::runStep(RunState& state, const RegroupTables& tables)
{
    state.openOnTarget(state.rsMain, QStringLiteral("Select ") + QStringLiteral("PartID ") +
                                         QStringLiteral("From ") + tables.work);
    if (state.rsMain.eof()) {
        state.rsMain.close();
        return false;
    }
    const QVariant first = state.rsMain.value(QStringLiteral("PartID"));
    state.rsMain.close();

    state.cnADO2().beginTrans();
    state.window.pumpEvents();
    if (first.isNull()) {
        // A row without a part names no group; it only has to leave the work table, or every
        // later read would take it again.
        state.window.setText(QStringLiteral("txtPartNO"), QString());
        state.executeTarget(QStringLiteral("Delete From ") + tables.work +
                            QStringLiteral(" Where PartID Is Null"));
        state.cnADO2().commitTrans();
        return true;
    }
    const qint32 p = first.toInt();
    state.window.setText(QStringLiteral("txtPartNO"), QString::number(p));
    collectRegroupParts(state, p);
    AlternateGroupRebuild::RebuildAlternateGroup(state, p, 0, 0, 0, 0, 0);
    for (qint32 i = 0; i < state.RegroupPartCount; ++i) {
        if (state.RegroupParts[i] > 0)
            state.executeTarget(removeFromWork(tables.work, state.RegroupParts[i]));
    }
    // Only identifiers above 0 name group members; any other first part still has to go, or
    // the next read would take it again and the walk would never end.
    if (p <= 0)
        state.executeTarget(removeFromWork(tables.work, p));
    state.cnADO2().commitTrans();
    return true;
}

void AlternateRegroup::collectRegroupParts(RunState& state, qint32 first)
{
    const std::vector<qint32> current =
        AlternateGroupLookup::ListPartAlternates(state, state.BrandID, first);
    state.RegroupPartCount = 1 + static_cast<qint32>(current.size());
    state.RegroupParts = {first};
    state.RegroupParts.insert(state.RegroupParts.end(), current.begin(), current.end());
    state.RegroupParts.push_back(0);
}

} // namespace lostrand
