#include "prepare/WorkingTableSplit.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "prepare/PriceRecordRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {
constexpr qint32 RowsPerTable = 10000;
constexpr qint32 LastTableFrom = 500000;
constexpr qint16 LastTable = 51;
} // namespace

qint16 WorkingTableSplit::SplitTableNo(qint32 l)
{
    if (l >= LastTableFrom)
        return LastTable;
    return static_cast<qint16>(l / RowsPerTable + 1);
}

void WorkingTableSplit::SplitWorkingTable(RunState& state)
{
    const QStringList columns = PriceListColumns::row();
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         PriceListColumns::selectList(columns) +
                                         QStringLiteral("From PriceList Order By PartNO"));
    PriceRecordRow::load(state, state.rsMain, columns, [](qint32, PriceRecord& record) {
        record.Models = PartKeys::JoinModels(record.Model);
    });
    state.rsMain.close();
    const qint32 count = state.PriceRecordCount;
    PassProgress progress(state, count);
    for (qint32 l = 0; l < count; ++l) {
        const PriceRecord& r = state.PriceRecords[static_cast<size_t>(l)];
        progress.step(QStringLiteral("กำลังแยกรายการสินค้า  ("),
                      PassProgress::itemLine(r.Kind, r.PartNO, r.TName, r.Models));
        const QString table =
            PrepareSteps::tableName(QStringLiteral("PriceList_"), SplitTableNo(l));
        const QString key = PrepareSteps::keyWhere(
            state, BlankText::trim(r.Kind), QStringLiteral("PartNO"), BlankText::trim(r.PartNO));
        PrepareSteps::InsertWithReadBack(
            state, PriceRecordRow::insertRow(state, table, r),
            QStringLiteral("Select PartNO From ") + table + QLatin1Char(' ') + key, state.rsCheck);
        state.executeSource(QStringLiteral("Delete From PriceList ") + key);
    }
}

} // namespace lostrand
