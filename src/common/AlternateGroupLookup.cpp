#include "common/AlternateGroupLookup.h"

#include "db/DbError.h"
#include "window/RunState.h"
#include "window/VersionLabels.h"

namespace lostrand {

namespace {

const QString RecCount = QStringLiteral("Rec_Count");

// The join that both the count and the list of a part's alternates run.
struct AlternatesJoin
{
    QString partTable;
    QString from;
};

AlternatesJoin alternatesJoin(const QString& groupTable, const QString& partTable, qint32 part)
{
    return {partTable, QStringLiteral("From ") + groupTable + QStringLiteral(" Inner Join ") +
                           partTable + QStringLiteral(" On ") + groupTable +
                           QStringLiteral(".AltID = ") + partTable + QStringLiteral(".PartID ") +
                           QStringLiteral("Where ") + groupTable + QStringLiteral(".PartID = ") +
                           QString::number(part)};
}

AlternatesJoin numberedJoin(qint32 brandId, qint32 part)
{
    return alternatesJoin(TableNames::numbered(QStringLiteral("AltG"), brandId),
                          TableNames::numbered(QStringLiteral("Pta"), brandId), part);
}

AlternatesJoin paddedJoin(const RunState& state, qint32 part)
{
    const QString nn = TableNames::paddedSuffix(state.version(), state.BrandID);
    return alternatesJoin(QStringLiteral("Pta_AltG_") + nn, QStringLiteral("Pta_") + nn, part);
}

QString countOf(const AlternatesJoin& join)
{
    return QStringLiteral("Select ") + QStringLiteral("Count(") + join.partTable +
           QStringLiteral(".PartID) As Rec_Count ") + join.from;
}

QString listOf(const AlternatesJoin& join)
{
    return QStringLiteral("Select ") + join.partTable + QStringLiteral(".PartID ") + join.from;
}

QString factoriesFrom(qint32 brandId, qint32 part)
{
    const QString facD = TableNames::numbered(QStringLiteral("FacD"), brandId);
    return QStringLiteral("From ") + facD + QStringLiteral(" Inner Join Fac On ") + facD +
           QStringLiteral(".FacID = Fac.FacID ") + QStringLiteral("Where PartID = ") +
           QString::number(part);
}

} // namespace

qint32 AlternateGroupLookup::CountPartAlternates(RunState& state, qint32 brandId, qint32 part,
                                                 OnFailure failure)
{
    if (VersionLabels::isPadded(state.version()))
        return CountPartAlternatesPadded(state, part, failure);
    return CountPartAlternatesNumbered(state, brandId, part, failure);
}

qint16 AlternateGroupLookup::OpenPartAlternates(RunState& state, qint32 brandId, qint32 part,
                                                OnFailure failure)
{
    if (VersionLabels::isPadded(state.version()))
        return OpenPartAlternatesPadded(state, part, failure);
    return OpenPartAlternatesNumbered(state, brandId, part, failure);
}

qint32 AlternateGroupLookup::CountPartAlternatesNumbered(RunState& state, qint32 brandId,
                                                         qint32 part, OnFailure failure)
{
    return runCount(state, countOf(numberedJoin(brandId, part)), failure);
}

qint16 AlternateGroupLookup::OpenPartAlternatesNumbered(RunState& state, qint32 brandId,
                                                        qint32 part, OnFailure failure)
{
    if (brandId == 0)
        return 0;
    return runOpen(state, listOf(numberedJoin(brandId, part)), failure);
}

qint32 AlternateGroupLookup::CountPartAlternatesPadded(RunState& state, qint32 part,
                                                       OnFailure failure)
{
    return runCount(state, countOf(paddedJoin(state, part)), failure);
}

qint16 AlternateGroupLookup::OpenPartAlternatesPadded(RunState& state, qint32 part,
                                                      OnFailure failure)
{
    return runOpen(state, listOf(paddedJoin(state, part)), failure);
}

qint32 AlternateGroupLookup::CountPartFactories(RunState& state, qint32 brandId, qint32 part,
                                                OnFailure failure)
{
    return runCount(state,
                    QStringLiteral("Select ") + QStringLiteral("Count(Fac.FacID) As Rec_Count ") +
                        factoriesFrom(brandId, part),
                    failure);
}

qint16 AlternateGroupLookup::OpenPartFactories(RunState& state, qint32 brandId, qint32 part,
                                               OnFailure failure)
{
    if (brandId == 0)
        return 0;
    return runOpen(state,
                   QStringLiteral("Select ") + QStringLiteral("Fac.FacID ") +
                       factoriesFrom(brandId, part),
                   failure);
}

std::vector<qint32> AlternateGroupLookup::ListPartAlternates(RunState& state, qint32 brandId,
                                                             qint32 part)
{
    CountPartAlternates(state, brandId, part, OnFailure::Raise);
    return readOpenList(state, OpenPartAlternates(state, brandId, part, OnFailure::Raise),
                        QStringLiteral("PartID"));
}

std::vector<qint32> AlternateGroupLookup::ListPartFactories(RunState& state, qint32 brandId,
                                                            qint32 part)
{
    CountPartFactories(state, brandId, part, OnFailure::Raise);
    return readOpenList(state, OpenPartFactories(state, brandId, part, OnFailure::Raise),
                        QStringLiteral("FacID"));
}

qint32 AlternateGroupLookup::runCount(RunState& state, const QString& sql, OnFailure failure)
{
    qint32 result = 0;
    try {
        state.openOnTarget(state.rsLookup, sql);
        if (!state.rsLookup.eof() && !state.rsLookup.isNull(RecCount))
            result = state.rsLookup.value(RecCount).toInt();
        state.rsLookup.close();
    } catch (const DbError&) {
        state.rsLookup.close();
        if (failure == OnFailure::Raise)
            throw;
    }
    return result;
}

qint16 AlternateGroupLookup::runOpen(RunState& state, const QString& sql, OnFailure failure)
{
    try {
        state.openOnTarget(state.rsLookup, sql);
        if (!state.rsLookup.eof())
            return 1;
        state.rsLookup.close();
    } catch (const DbError&) {
        state.rsLookup.close();
        if (failure == OnFailure::Raise)
            throw;
    }
    return 0;
}

std::vector<qint32> AlternateGroupLookup::readOpenList(RunState& state, qint16 opened,
                                                       const QString& field)
{
    std::vector<qint32> ids;
    if (opened != 1)
        return ids;
    try {
        for (; !state.rsLookup.eof(); state.rsLookup.moveNext())
            ids.push_back(state.rsLookup.value(field).toInt());
    } catch (...) {
        state.rsLookup.close();
        throw;
    }
    state.rsLookup.close();
    return ids;
}

} // namespace lostrand
