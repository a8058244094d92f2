#include "prepare/HondaPartNewFix.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "window/RunState.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {
const QString Phase = QStringLiteral("กำลังแก้ไข PartNO (HONDA)");

// The Null fixes in their order: the item's columns with the HONDA ones after Kind,
// Description left as it is.
QStringList nullColumns()
{
    QStringList columns = PriceListColumns::item();
    columns.removeAll(QStringLiteral("Description"));
    columns.insert(1, QStringLiteral("FPartNO"));
    columns.insert(2, QStringLiteral("PartNew"));
    return columns;
}
} // namespace

void HondaPartNewFix::FixPartNewHonda(RunState& state)
{
    state.window.setText(QStringLiteral("txtQTY"), Phase);
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) { fixTable(state, n); });
}

void HondaPartNewFix::fixTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    PrepareSteps::clearNulls(state, table, nullColumns());
    // The ID keeps each save to its own row where several rows share a part number.
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         QStringLiteral("ID, FPartNO, PartNew, PartNO ") +
                                         QStringLiteral("From ") + table + QStringLiteral(" ") +
                                         QStringLiteral("Where PartNew = '' ") +
                                         QStringLiteral("Order By PartNO"));
    PassProgress progress(state, state.rsMain.recordCount());
    while (!state.rsMain.eof()) {
        const QString partNo = state.rsMain.text(QStringLiteral("PartNO"));
        const QString key = PartKeys::StripSeparators(partNo);
        progress.step(Phase + QStringLiteral("  ("), partNo);
        const QString found = targetPartNo(state, key);
        state.rsMain.setValue(QStringLiteral("FPartNO"), key);
        state.rsMain.setValue(QStringLiteral("PartNew"), found);
        state.rsMain.update();
        state.rsMain.moveNext();
    }
    state.rsMain.close();
    state.executeSource(QStringLiteral("Update ") + table +
                        QStringLiteral(" Set PartNew = PartNO Where PartNew = '' "));
}

QString HondaPartNewFix::targetPartNo(RunState& state, const QString& key)
{
    state.openOnTarget(state.rsLookup, QStringLiteral("Select ") + QStringLiteral("PartNO ") +
                                           QStringLiteral("From ") + QStringLiteral("Pta") +
                                           state.brandText() + QStringLiteral(" ") +
                                           QStringLiteral("Where FPartNO = ") + state.qt(key));
    // A target part without a number has none to give: the row keeps its own instead of
    // being left with a Null that nothing fills again.
    QString found;
    if (!state.rsLookup.eof() && !state.rsLookup.isNull(QStringLiteral("PartNO")))
        found = BlankText::trim(state.rsLookup.text(QStringLiteral("PartNO")));
    state.rsLookup.close();
    return found;
}

} // namespace lostrand
