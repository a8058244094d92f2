#include "window/TargetChecks.h"

#include "common/BlankText.h"
#include "db/DbError.h"
#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/VersionLabels.h"

namespace lostrand {

namespace {

// Opens the select and, when it gives a row, sets BrandID from it; closes it either way.
bool takeBrandID(RunState& state, const QString& sql)
{
    state.openOnTarget(state.rsLookup, sql);
    const bool found = !state.rsLookup.eof();
    if (found) {
        const QVariant value = state.rsLookup.value(QStringLiteral("BrandID"));
        bool ok = false;
        const qint32 id = value.toInt(&ok);
        if (value.isNull() || !ok) {
            state.rsLookup.close();
            throw DbError(state.strSQL, QStringLiteral("BrandID is not a number"));
        }
        state.BrandID = id;
    }
    state.rsLookup.close();
    return found;
}

QString brandSelect(const QString& table, const QString& column)
{
    return QStringLiteral("Select ") + QStringLiteral("BrandID ") + QStringLiteral("From ") +
           table + QLatin1Char(' ') + QStringLiteral("Where ") + column + QStringLiteral(" = ");
}

} // namespace

qint16 TargetChecks::CheckDatabaseVersion(RunState& state)
{
    state.openOnTarget(state.rsLookup, QStringLiteral("Select ") + QStringLiteral("Ver ") +
                                           QStringLiteral("From ") + QStringLiteral("System "));
    if (state.rsLookup.eof()) {
        state.rsLookup.close();
        return 0;
    }
    const QString ver = state.rsLookup.text(QStringLiteral("Ver"));
    state.rsLookup.close();
    state.DBVersion = BlankText::trim(ver);
    return VersionLabels::isKnown(state.version()) ? 1 : 0;
}

void TargetChecks::FindBrandID(RunState& state)
{
    state.BrandID = 0;
    if (VersionLabels::isPadded(state.version()))
        FindBrandIDByCar(state);
    else
        FindBrandIDByName(state);
}

void TargetChecks::FindBrandIDByName(RunState& state)
{
    const QString select = brandSelect(QStringLiteral("Brand"), QStringLiteral("BrandName"));
    if (takeBrandID(state, select + state.qt(state.BrandName)))
        return;
    if (takeBrandID(state, select + state.qt(state.BrandName + QStringLiteral("_U"))))
        return;
    if (BlankText::trim(state.BrandName) == QLatin1String("UD_VOLVO"))
        takeBrandID(state, select + QStringLiteral("'UD'"));
}

void TargetChecks::FindBrandIDByCar(RunState& state)
{
    takeBrandID(state, brandSelect(QStringLiteral("Pta_BrandID"), QStringLiteral("BrandCar")) +
                           state.qt(state.BrandName));
}

void TargetChecks::RequireBrandTableNames(const RunState& state)
{
    const QString label = state.version();
    if (VersionLabels::isPadded(label) && TableNames::paddedSuffix(label, state.BrandID).isEmpty())
        throw RunStop(QStringLiteral("Brand number %1 has no table names under %2")
                          .arg(state.BrandID)
                          .arg(label));
}

} // namespace lostrand
