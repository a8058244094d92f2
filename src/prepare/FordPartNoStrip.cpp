#include "prepare/FordPartNoStrip.h"

#include "common/PartKeys.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "window/RunState.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {
const QString Phase = QStringLiteral("กำลังแก้ไข PartNO (FORD)");

QStringList numberColumns()
{
    return {QStringLiteral("PartNO"),  QStringLiteral("AltNO_1"), QStringLiteral("AltNO_2"),
            QStringLiteral("AltNO_3"), QStringLiteral("AltNO_4"), QStringLiteral("AltNO_5")};
}
} // namespace

void FordPartNoStrip::StripPartNumbersFord(RunState& state)
{
    state.window.setText(QStringLiteral("txtQTY"), Phase);
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) { stripTable(state, n); });
}

void FordPartNoStrip::stripTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    const QStringList columns = numberColumns();
    PrepareSteps::clearNulls(state, table, columns);
    // The ID goes along so that saving a row changes that row alone, also where two rows
    // hold the same numbers.
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + QStringLiteral("ID, ") +
                                         columns.join(QStringLiteral(", ")) +
                                         QStringLiteral(" From ") + table + QStringLiteral(" ") +
                                         QStringLiteral("Order By PartNO"));
    PassProgress progress(state, state.rsMain.recordCount());
    while (!state.rsMain.eof()) {
        QStringList cleaned;
        for (const QString& column : columns)
            cleaned << PartKeys::StripSeparators(state.rsMain.text(column));
        progress.step(Phase + QStringLiteral("  ("), state.rsMain.text(QStringLiteral("PartNO")));
        for (qsizetype i = 0; i < columns.size(); ++i)
            state.rsMain.setValue(columns.at(i), cleaned.at(i));
        state.rsMain.update();
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

} // namespace lostrand
