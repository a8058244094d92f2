#include "padded/ModelLinks.h"

#include "common/BlankText.h"
#include "common/LastIdCounter.h"
#include "common/PartKeys.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

#include <algorithm>

namespace lostrand {

namespace {

// Whether the select gives a row; rsLookup is closed again.
bool anyRow(RunState& state, const QString& sql)
{
    state.openOnTarget(state.rsLookup, sql);
    const bool found = !state.rsLookup.eof();
    state.rsLookup.close();
    return found;
}

QString linkRow(RunState& state, qint32 partId, qint32 modelId, const QString& model)
{
    return QStringLiteral("Insert Into Pta_BrandCar Values( ") + QString::number(partId) +
           QStringLiteral(", ") + state.brandText() + QStringLiteral(", ") +
           QString::number(modelId) + QStringLiteral(", ") + state.qt(state.BrandName) +
           QStringLiteral(", ") + state.qt(model) + QStringLiteral(" )");
}

void linkModel(RunState& state, qint32 partId, const QString& model)
{
    const QString key = ModelLinks::ModelKey(state, model);
    if (ModelLinks::FindModelID(state, key) == 1) {
        const qint32 modelId = SourceRow::int32(state.rsLookup, QStringLiteral("ModelID"));
        state.rsLookup.close();
        if (ModelLinks::PartModelLinkExists(state, partId, state.BrandID, modelId) == 0)
            state.executeTarget(linkRow(state, partId, modelId, model));
        return;
    }
    const qint32 modelId = LastIdCounter::RequireNextLastID(state, QStringLiteral("ModelID"));
    // The key is stored in the form the look-up compares, so the model is found again even
    // when its text holds a blank, "/" or "-".
    state.executeTarget(QStringLiteral("Insert Into Pta_ModelID Values( 0, ") + state.brandText() +
                        QStringLiteral(", ") + QString::number(modelId) + QStringLiteral(", ") +
                        state.qt(PartKeys::NormalizePartNo(key)) + QStringLiteral(", ") +
                        state.qt(PartKeys::NormalizePartNo(model)) + QStringLiteral(", ") +
                        state.qt(model) + QStringLiteral(", 0 )"));
    state.executeTarget(linkRow(state, partId, modelId, model));
}

void markWithoutModels(RunState& state, qint32 partId)
{
    const QString id = QString::number(partId);
    if (!anyRow(state, QStringLiteral("Select ") + QStringLiteral("PartID ") +
                           QStringLiteral("From ") + QStringLiteral("Pta_BrandCar ") +
                           QStringLiteral("Where PartID = ") + id))
        state.executeTarget(linkRow(state, partId, 0, QString()));
    if (!anyRow(state, QStringLiteral("Select ") + QStringLiteral("PartID ") +
                           QStringLiteral("From ") + QStringLiteral("Pta_Model ") +
                           QStringLiteral("Where PartID = ") + id))
        state.executeTarget(QStringLiteral("Insert Into Pta_Model Values( ") + id +
                            QStringLiteral(", 0 )"));
}

} // namespace

qint16 ModelLinks::LinkPartToModels(RunState& state, qint32 partId,
                                    const std::array<QString, 12>& models)
{
    if (std::all_of(models.begin(), models.end(), BlankText::isBlank)) {
        markWithoutModels(state, partId);
        return 0;
    }
    for (const QString& model : models) {
        if (!BlankText::isBlank(model))
            linkModel(state, partId, model);
    }
    return 0;
}

qint16 ModelLinks::FindModelID(RunState& state, const QString& modelKey)
{
    state.openOnTarget(state.rsLookup,
                       QStringLiteral("Select Distinct ") + QStringLiteral("ModelID ") +
                           QStringLiteral("From ") + QStringLiteral("Pta_ModelID ") +
                           QStringLiteral("Where FBModel = ") +
                           state.qt(PartKeys::NormalizePartNo(modelKey)) + QLatin1Char(' '));
    if (state.rsLookup.eof()) {
        state.rsLookup.close();
        return 0;
    }
    return 1;
}

qint16 ModelLinks::PartModelLinkExists(RunState& state, qint32 partId, qint32 brandId,
                                       qint32 modelId)
{
    return anyRow(state, QStringLiteral("Select ") + QStringLiteral("PartID ") +
                             QStringLiteral("From ") + QStringLiteral("Pta_BrandCar ") +
                             QStringLiteral("Where PartID = ") + QString::number(partId) +
                             QStringLiteral(" And BrandID = ") + QString::number(brandId) +
                             QStringLiteral(" And ModelID = ") + QString::number(modelId))
               ? 1
               : 0;
}

QString ModelLinks::ModelKey(const RunState& state, const QString& model)
{
    return state.BrandName + model;
}

} // namespace lostrand
