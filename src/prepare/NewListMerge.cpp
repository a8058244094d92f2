#include "prepare/NewListMerge.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "prepare/PriceRecordRow.h"
#include "window/RunState.h"

#include <algorithm>
#include <functional>

namespace lostrand {

namespace {

const QString PriceListNew = QStringLiteral("PriceList_New");
const QString PriceNew1 = QStringLiteral("PriceNew_1");
const QString PartNO = QStringLiteral("PartNO");
const QString FPartNew = QStringLiteral("FPartNew");

// The delivered list into PriceRecords; with a prefix, every loaded row is shown.
void loadList(RunState& state, const QStringList& columns, const QString& loadingPrefix = {})
{
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         PriceListColumns::selectList(columns) +
                                         QStringLiteral("From ") + PriceListNew +
                                         QStringLiteral(" Order By PartNO"));
    PassProgress progress(state, state.rsMain.recordCount());
    PriceRecordRow::load(state, state.rsMain, columns, [&](qint32, PriceRecord& r) {
        if (!loadingPrefix.isEmpty())
            progress.step(loadingPrefix,
                          PassProgress::itemLine(r.Kind, r.PartNO, r.TName, r.Models));
    });
    state.rsMain.close();
}

QString selectPartNo(const QString& table)
{
    return QStringLiteral("Select PartNO From ") + table + QLatin1Char(' ');
}

// The item's kind and part number with both prices, as the row it is done with.
QString sameRow(RunState& state, const QString& kind, const QString& partNo,
                const PriceRecord& record)
{
    return selectPartNo(PriceNew1) + PrepareSteps::keyWhere(state, kind, PartNO, partNo) +
           QStringLiteral(" And Price = ") + record.Price.toString() +
           QStringLiteral(" And Sale = ") + record.Sale.toString();
}

qint16 greatestListed(const RunState& state)
{
    qint16 last = 0;
    for (qint32 i = 0; i < state.PriceListNoCount; ++i)
        last = std::max(last, state.PriceListNo[static_cast<size_t>(i)]);
    return last;
}

// Shows every loaded entry as it is applied and hands on those with a part number, with
// their trimmed kind.
void applyEntries(RunState& state,
                  const std::function<void(const PriceRecord&, const QString& kind)>& apply)
{
    const qint32 count = state.PriceRecordCount;
    PassProgress applying(state, count);
    for (qint32 i = 0; i < count; ++i) {
        const PriceRecord& r = state.PriceRecords[static_cast<size_t>(i)];
        applying.step(QStringLiteral("กำลังแก้ไขราคา  ("),
                      PassProgress::itemLine(r.Kind, r.PartNO, r.TName, r.Models));
        if (!r.PartNO.isEmpty())
            apply(r, BlankText::trim(r.Kind));
    }
}

} // namespace

QString NewListMerge::priceUpdate(RunState& state, const QString& table, const PriceRecord& record,
                                  const QString& numberColumn, const QString& number)
{
    return QStringLiteral("Update ") + table + QStringLiteral(" Set Price = ") +
           record.Price.toString() + QStringLiteral(", DisPrice = ") + state.qs(record.DisPrice) +
           QStringLiteral(", Sale = ") + record.Sale.toString() + QStringLiteral(", DisSale = ") +
           state.qs(record.DisSale) + QLatin1Char(' ') +
           PrepareSteps::keyWhere(state, BlankText::trim(record.Kind), numberColumn, number);
}

QString NewListMerge::copyStatement(RunState& state, const QString& kind, const QString& partNo)
{
    QStringList columns = PriceListColumns::item();
    // The statement for a blank kind has always spelled this column so; names match whatever
    // their case.
    if (BlankText::isBlank(kind))
        columns.replaceInStrings(QStringLiteral("DisPrice"), QStringLiteral("Disprice"));
    const QString list = columns.join(QStringLiteral(", "));
    return QStringLiteral("Insert Into ") + PriceNew1 + QStringLiteral(" (") + list +
           QStringLiteral(") Select ") + list + QStringLiteral(" From ") + PriceListNew +
           QLatin1Char(' ') + PrepareSteps::keyWhere(state, kind, PartNO, partNo);
}

void NewListMerge::MergeNewListIntoPriceNew1(RunState& state)
{
    PrepareSteps::clearNulls(state, PriceListNew, PriceListColumns::item());
    loadList(state, PriceListColumns::item(), QStringLiteral("กำลังดึงข้อมูลมาแก้  ("));
    applyEntries(state, [&](const PriceRecord& r, const QString& kind) {
        const QString partNo = BlankText::trim(r.PartNO);
        PrepareSteps::WriteUntilFound(state, state.rsCheck, sameRow(state, kind, partNo, r), [&] {
            const QString key =
                selectPartNo(PriceNew1) + PrepareSteps::keyWhere(state, kind, PartNO, partNo);
            if (PrepareSteps::hasRow(state, state.rsCheck, key))
                state.executeSource(priceUpdate(state, PriceNew1, r, PartNO, partNo));
            else
                state.executeSource(copyStatement(state, kind, partNo));
        });
    });
}

void NewListMerge::MergeNewListIntoPriceLists(RunState& state)
{
    if (!PrepareSteps::ReadPriceListCount(state))
        return;
    const qint16 lastNo = greatestListed(state);
    loadList(state, PriceListColumns::row());
    const qint32 count = state.PriceRecordCount;
    for (qint32 i = 0; i < count; ++i) {
        PriceRecord& r = state.PriceRecords[static_cast<size_t>(i)];
        r.Models = PartKeys::JoinModels(r.Model);
    }
    applyEntries(state, [&](const PriceRecord& r, const QString& kind) {
        const QString fPartNew = BlankText::trim(r.FPartNew);
        bool found = false;
        for (qint32 t = 0; t < state.PriceListNoCount && !found; ++t) {
            const QString table = PrepareSteps::tableName(
                QStringLiteral("PriceList_"), state.PriceListNo[static_cast<size_t>(t)]);
            found = PrepareSteps::hasRow(
                state, state.rsCheck,
                selectPartNo(table) + PrepareSteps::keyWhere(state, kind, FPartNew, fPartNew));
            if (found)
                state.executeSource(priceUpdate(state, table, r, FPartNew, fPartNew));
        }
        if (!found)
            state.executeSource(PriceRecordRow::insertRow(
                state, PrepareSteps::tableName(QStringLiteral("PriceList_"), lastNo), r));
    });
}

} // namespace lostrand
