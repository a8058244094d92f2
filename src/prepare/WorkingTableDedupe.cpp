#include "prepare/WorkingTableDedupe.h"

#include "common/BlankText.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

const QString Kind = QStringLiteral("Kind");
const QString FPartNew = QStringLiteral("FPartNew");

bool readKeys(RunState& state)
{
    state.openOnSource(state.rsMain, QStringLiteral("Select Distinct Kind, FPartNew From PriceList "
                                                    "Order By FPartNew"));
    if (state.rsMain.eof()) {
        state.rsMain.close();
        return false;
    }
    state.DupKeyCount = static_cast<qint32>(state.rsMain.recordCount());
    state.DupKeys.assign(static_cast<size_t>(state.DupKeyCount) + 1, DupKey());
    for (size_t i = 0; !state.rsMain.eof() && i < static_cast<size_t>(state.DupKeyCount); ++i) {
        state.DupKeys[i] = {state.rsMain.text(Kind), state.rsMain.text(FPartNew)};
        state.rsMain.moveNext();
    }
    state.rsMain.close();
    return true;
}

// The group's rows after its first, with the first row's price; false for a group of one row.
bool readGroup(RunState& state, const DupKey& key, Currency& top)
{
    Recordset& rs = state.rsCheck;
    state.openOnSource(rs, QStringLiteral("Select Kind, FPartNew, Price From PriceList ") +
                               PrepareSteps::keyWhere(state, key.Kind, FPartNew, key.FPartNew) +
                               QStringLiteral(" Order By Price Desc"));
    const qint64 rows = rs.recordCount();
    if (rows <= 1) {
        rs.close();
        return false;
    }
    top = SourceRow::currency(rs, QStringLiteral("Price"));
    rs.moveNext();
    state.DupRowCount = static_cast<qint32>(rows - 1);
    state.DupRows.assign(static_cast<size_t>(state.DupRowCount) + 1, DupRow());
    for (size_t j = 0; !rs.eof() && j < static_cast<size_t>(state.DupRowCount); ++j) {
        state.DupRows[j] = {rs.text(Kind), rs.text(FPartNew),
                            SourceRow::currency(rs, QStringLiteral("Price"))};
        rs.moveNext();
    }
    rs.close();
    return true;
}

} // namespace

void WorkingTableDedupe::DedupeWorkingTable(RunState& state)
{
    if (!readKeys(state))
        return;
    const qint32 keyCount = state.DupKeyCount;
    PassProgress progress(state, keyCount);
    const QString prefix =
        QStringLiteral("กำลังหา PartNO ซ้ำ  ") + state.BrandName + QStringLiteral("  (");
    for (qint32 i = 0; i < keyCount; ++i) {
        const DupKey key = state.DupKeys[static_cast<size_t>(i)];
        progress.step(prefix, PassProgress::kindPrefixed(key.Kind, key.FPartNew));
        Currency top;
        if (!readGroup(state, key, top))
            continue;
        for (qint32 j = 0; j < state.DupRowCount; ++j) {
            const DupRow row = state.DupRows[static_cast<size_t>(j)];
            if (BlankText::isBlank(row.FPartNew) || row.Price == top)
                continue;
            state.executeSource(QStringLiteral("Delete From PriceList ") +
                                PrepareSteps::keyWhere(state, row.Kind, FPartNew, row.FPartNew) +
                                QStringLiteral(" And Price = ") + row.Price.toString());
        }
    }
}

} // namespace lostrand
