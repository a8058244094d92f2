#include "prepare/BlankPartPurge.h"

#include "transfer/SourceRow.h"
#include "window/RunState.h"
#include "window/RunStop.h"

#include <algorithm>

namespace lostrand {

namespace {

// Where else the brand's identifiers live. A counter set below one of them would hand that
// identifier to a new part, which would then inherit the old part's alternate links, stock
// movements and prices.
struct IdUse
{
    QString table; // prefix of a brand table, or a shared table with a BrandID column
    QString column;
    bool brandTable;
};

const IdUse IdUses[] = {
    {QStringLiteral("Alt"), QStringLiteral("AltID"), true},
    {QStringLiteral("AltG"), QStringLiteral("PartID"), true},
    {QStringLiteral("AltG"), QStringLiteral("AltID"), true},
    {QStringLiteral("MovementStock"), QStringLiteral("PartID"), false},
    {QStringLiteral("SPG"), QStringLiteral("PartID"), false},
    {QStringLiteral("Price"), QStringLiteral("PartID"), false},
    {QStringLiteral("Sale"), QStringLiteral("PartID"), false},
};

QString number(qint32 value)
{
    return QString::number(value);
}

} // namespace

void BlankPartPurge::PurgeBlankParts(RunState& state)
{
    const QString b = state.brandText();
    const QString blankPart = QStringLiteral("Select ") + QStringLiteral("PartID ") +
                              QStringLiteral("From ") + QStringLiteral("Pta") + b +
                              QStringLiteral(" ") + QStringLiteral("Where PartNO = ''");
    // Each round deletes the part row it selected (purgePart makes sure), so this ends.
    while (const auto partId = firstId(state, blankPart, QStringLiteral("PartID")))
        purgePart(state, *partId);

    const auto top = highestIdInUse(state);
    if (!top)
        return;
    state.executeTarget(QStringLiteral("Update LastID Set LastID = ") + number(*top) +
                        QStringLiteral(" Where NameID = ") + state.qt(QStringLiteral("Pta") + b));
}

void BlankPartPurge::purgePart(RunState& state, qint32 partId)
{
    const QString b = state.brandText();
    const QString p = number(partId);
    // Only the blank rows: a live part that shares the identifier stays.
    if (!state.removeFromTarget(QStringLiteral("Pta") + b, QStringLiteral("Where PartID = ") + p +
                                                               QStringLiteral(" And PartNO = ''")))
        throw RunStop(QStringLiteral("Blank part %1 of Pta%2 could not be deleted").arg(p, b));
    // A part that keeps this identifier owns the alternate and group rows of it as well.
    if (firstId(state,
                QStringLiteral("Select PartID From Pta") + b + QStringLiteral(" Where PartID = ") +
                    p,
                QStringLiteral("PartID")))
        return;
    // Alternate 0 is the brand's shared empty alternate row, and an AltID of 0 marks a part
    // without alternates: neither stands for a part 0.
    if (partId != 0)
        state.executeTarget(QStringLiteral("Delete From Alt") + b +
                            QStringLiteral(" Where AltID = ") + p);
    state.executeTarget(QStringLiteral("Delete From AltG") + b +
                        QStringLiteral(" Where PartID = ") + p);
    if (partId != 0)
        state.executeTarget(QStringLiteral("Delete From AltG") + b +
                            QStringLiteral(" Where AltID = ") + p);
}

std::optional<qint32> BlankPartPurge::highestIdInUse(RunState& state)
{
    const QString b = state.brandText();
    auto top = firstId(state,
                       QStringLiteral("Select ") + QStringLiteral("PartID ") +
                           QStringLiteral("From ") + QStringLiteral("Pta") + b +
                           QStringLiteral(" ") + QStringLiteral("Order By PartID Desc"),
                       QStringLiteral("PartID"));
    if (!top)
        return top;
    for (const IdUse& use : IdUses) {
        const QString table = use.brandTable ? use.table + b : use.table;
        if (!use.brandTable && !state.cnADO2().hasTable(table))
            continue;
        const QString brand = use.brandTable ? QString() : QStringLiteral(" And BrandID = ") + b;
        const auto used =
            firstId(state,
                    QStringLiteral("Select ") + use.column + QStringLiteral(" From ") + table +
                        QStringLiteral(" Where ") + use.column + QStringLiteral(" Is Not Null") +
                        brand + QStringLiteral(" Order By ") + use.column + QStringLiteral(" Desc"),
                    use.column);
        if (used)
            top = std::max(*top, *used);
    }
    return top;
}

std::optional<qint32> BlankPartPurge::firstId(RunState& state, const QString& sql,
                                              const QString& field)
{
    state.openOnTarget(state.rsMain, sql);
    std::optional<qint32> id;
    if (!state.rsMain.eof())
        id = SourceRow::int32(state.rsMain, field);
    state.rsMain.close();
    return id;
}

} // namespace lostrand
