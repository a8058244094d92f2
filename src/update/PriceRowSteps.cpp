#include "update/PriceRowSteps.h"

#include "common/BlankText.h"
#include "db/Currency.h"
#include "transfer/PriceItem.h"
#include "transfer/StagingQueue.h"
#include "window/RunState.h"
#include "window/RunStop.h"

#include <limits>

namespace lostrand {

namespace {

// A whole number of the current row; a Null or a value out of range stops the run, as its
// conversion would.
qint64 wholeNumber(const RunState& state, const Recordset& rs, const QString& field, qint64 min,
                   qint64 max)
{
    const QVariant value = rs.value(field);
    bool ok = false;
    const qint64 number = value.isNull() ? 0 : value.toLongLong(&ok);
    if (!ok || number < min || number > max)
        throw RunStop(QStringLiteral("%1 is Null or out of range in the result of: %2")
                          .arg(field, state.strSQL));
    return number;
}

bool shows(RunState& state, const QString& sql)
{
    state.openOnTarget(state.rsCheck, sql);
    const bool found = !state.rsCheck.eof();
    state.rsCheck.close();
    return found;
}

} // namespace

bool PriceRowSteps::HasMatch(RunState& state, const QString& table, const QString& where)
{
    state.openOnTarget(state.rsLookup, QStringLiteral("Select UpRec, PartID From ") + table +
                                           QLatin1Char(' ') + where);
    const bool found = !state.rsLookup.eof();
    state.rsLookup.close();
    return found;
}

bool PriceRowSteps::ListMatches(RunState& state, const QString& table, const QString& where)
{
    Recordset& rs = state.rsLookup;
    state.openOnTarget(rs, QStringLiteral("Select Count(PartID) As Rec_Count From ") + table +
                               QLatin1Char(' ') + where);
    const qint64 count = wholeNumber(state, rs, QStringLiteral("Rec_Count"), 0,
                                     std::numeric_limits<qint32>::max() - 1);
    rs.close();
    state.MatchedPartCount = static_cast<qint32>(count);
    if (count <= 0)
        return false;
    state.MatchedParts.assign(static_cast<size_t>(count) + 1, MatchedPart{});

    state.openOnTarget(rs, QStringLiteral("Select UpRec, PartID From ") + table + QLatin1Char(' ') +
                               where);
    size_t filled = 0;
    for (; !rs.eof(); rs.moveNext(), ++filled) {
        if (filled + 1 >= state.MatchedParts.size())
            state.MatchedParts.emplace_back();
        MatchedPart& part = state.MatchedParts[filled];
        part.UpRec = static_cast<qint16>(wholeNumber(state, rs, QStringLiteral("UpRec"),
                                                     std::numeric_limits<qint16>::min(),
                                                     std::numeric_limits<qint16>::max()));
        part.PartID = static_cast<qint32>(wholeNumber(state, rs, QStringLiteral("PartID"),
                                                      std::numeric_limits<qint32>::min(),
                                                      std::numeric_limits<qint32>::max()));
    }
    rs.close();
    state.MatchedParts.resize(filled + 1);
    state.MatchedPartCount = static_cast<qint32>(filled);
    return filled > 0;
}

void PriceRowSteps::QueueItem(RunState& state, const PriceItem& item)
{
    const QString sql = StagingQueue::insertStatement(state, item);
    const QString readBack = StagingQueue::readBackStatement(state, BlankText::trim(item.Kind),
                                                             BlankText::trim(item.PartNO));
    // A row the target changes on the way in is never found again; a few tries tell that
    // apart from a passing fault, and the run stops rather than queue it for ever.
    RepeatUntilShown(
        [&state, &sql] { state.executeTarget(sql); },
        [&state, &readBack] { return shows(state, readBack); },
        QStringLiteral("The queued row of part %1 does not show in PriceList").arg(item.PartNO));
}

void PriceRowSteps::RepeatUntilShown(const std::function<void()>& write,
                                     const std::function<bool()>& shown, const QString& failure)
{
    for (int attempt = 0; attempt < MaxTries; ++attempt) {
        write();
        if (shown())
            return;
    }
    throw RunStop(failure);
}

bool PriceRowSteps::PricesShow(RunState& state, const QString& table, const QString& id,
                               Currency price, Currency sale, const QString& priceColumn,
                               const QString& saleColumn)
{
    if (price.isZero() && sale.isZero())
        return true;
    QString sql =
        QStringLiteral("Select PartID From ") + table + QStringLiteral(" Where PartID = ") + id;
    if (!price.isZero())
        sql += QStringLiteral(" And ") + priceColumn + QStringLiteral(" = ") + price.toString();
    if (!sale.isZero())
        sql += QStringLiteral(" And ") + saleColumn + QStringLiteral(" = ") + sale.toString();
    return shows(state, sql);
}

} // namespace lostrand
