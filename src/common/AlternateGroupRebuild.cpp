#include "common/AlternateGroupRebuild.h"

#include "common/AlternateGroupLookup.h"
#include "window/RunState.h"
#include "window/VersionLabels.h"

#include <vector>

namespace lostrand {

// Where the two layouts differ: the tables, and the leading 0 of the numbered rows.
struct AlternateGroupRebuild::GroupTables
{
    QString group;
    QString factories; // empty: the layout keeps no factories
    QString rowStart;
};

namespace {

constexpr qint32 GivenSlots = 6;

// Later copies of each identifier above 0 become empty, so no pair gets two rows and no member
// is its own partner.
void dedupe(std::vector<qint32>& ids, qint32 used)
{
    for (qint32 i = 0; i < used; ++i) {
        if (ids[i] <= 0)
            continue;
        for (qint32 j = i + 1; j < used; ++j) {
            if (ids[j] == ids[i])
                ids[j] = 0;
        }
    }
}

QString row(const QString& table, const QString& rowStart, qint32 member, qint32 other)
{
    return QStringLiteral("Insert Into ") + table + QStringLiteral(" Values( ") + rowStart +
           QString::number(member) + QStringLiteral(", ") + QString::number(other) +
           QStringLiteral(" )");
}

QString deleteRows(const QString& table, qint32 member)
{
    return QStringLiteral("Delete From ") + table + QStringLiteral(" Where PartID = ") +
           QString::number(member);
}

} // namespace

qint16 AlternateGroupRebuild::RebuildAlternateGroup(RunState& state, qint32 part, qint32 a1,
                                                    qint32 a2, qint32 a3, qint32 a4, qint32 a5)
{
    if (VersionLabels::isPadded(state.version()))
        return RebuildAlternateGroupPadded(state, part, a1, a2, a3, a4, a5);
    return RebuildAlternateGroupNumbered(state, part, a1, a2, a3, a4, a5);
}

qint16 AlternateGroupRebuild::RebuildAlternateGroupNumbered(RunState& state, qint32 part, qint32 a1,
                                                            qint32 a2, qint32 a3, qint32 a4,
                                                            qint32 a5)
{
    collectGroupParts(state, part, a1, a2, a3, a4, a5);

    const std::vector<qint32> factories =
        AlternateGroupLookup::ListPartFactories(state, state.BrandID, part);
    state.GroupFactoryCount = static_cast<qint32>(factories.size());
    if (!factories.empty()) {
        state.GroupFactories = factories;
        state.GroupFactories.push_back(0);
    }

    DedupeGroupParts(state);
    if (state.GroupFactoryCount > 0)
        DedupeGroupFactories(state);

    const QString b = state.brandText();
    writeGroup(state,
               {QStringLiteral("AltG") + b, QStringLiteral("FacD") + b, QStringLiteral("0, ")});
    return 0;
}

qint16 AlternateGroupRebuild::RebuildAlternateGroupPadded(RunState& state, qint32 part, qint32 a1,
                                                          qint32 a2, qint32 a3, qint32 a4,
                                                          qint32 a5)
{
    const QString nn = TableNames::paddedSuffix(state.version(), state.BrandID);
    collectGroupParts(state, part, a1, a2, a3, a4, a5);
    DedupeGroupParts(state);
    writeGroup(state, {QStringLiteral("Pta_AltG_") + nn, QString(), QString()});
    return 0;
}

void AlternateGroupRebuild::DedupeGroupParts(RunState& state)
{
    dedupe(state.GroupParts, state.GroupPartCount);
}

void AlternateGroupRebuild::DedupeGroupFactories(RunState& state)
{
    dedupe(state.GroupFactories, state.GroupFactoryCount);
}

void AlternateGroupRebuild::collectGroupParts(RunState& state, qint32 part, qint32 a1, qint32 a2,
                                              qint32 a3, qint32 a4, qint32 a5)
{
    const std::vector<qint32> current =
        AlternateGroupLookup::ListPartAlternates(state, state.BrandID, part);
    state.GroupPartCount = GivenSlots + static_cast<qint32>(current.size());
    state.GroupParts = {part, a1, a2, a3, a4, a5};
    state.GroupParts.insert(state.GroupParts.end(), current.begin(), current.end());
    state.GroupParts.push_back(0);
}

void AlternateGroupRebuild::writeGroup(RunState& state, const GroupTables& tables)
{
    const std::vector<qint32>& members = state.GroupParts;
    for (qint32 i = 0; i < state.GroupPartCount; ++i) {
        const qint32 x = members[i];
        if (x <= 0)
            continue;
        state.executeTarget(deleteRows(tables.group, x));
        if (!tables.factories.isEmpty())
            state.executeTarget(deleteRows(tables.factories, x));
        bool partnered = false;
        for (qint32 j = 0; j < state.GroupPartCount; ++j) {
            if (j == i || members[j] <= 0)
                continue;
            state.executeTarget(row(tables.group, tables.rowStart, x, members[j]));
            partnered = true;
        }
        if (!partnered)
            state.executeTarget(row(tables.group, tables.rowStart, x, 0));
        if (tables.factories.isEmpty())
            continue;
        for (qint32 k = 0; k < state.GroupFactoryCount; ++k) {
            if (state.GroupFactories[k] > 0)
                state.executeTarget(
                    row(tables.factories, tables.rowStart, x, state.GroupFactories[k]));
        }
    }
}

} // namespace lostrand
