#include "prepare/AltNO1Normalization.h"

#include "common/PartKeys.h"
#include "prepare/PrepareSteps.h"
#include "window/RunState.h"

namespace lostrand {

void AltNO1Normalization::NormalizeAltNO1(RunState& state)
{
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) { normalizeTable(state, n); });
}

void AltNO1Normalization::normalizeTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    const QString number = QStringLiteral("AltNO_1");
    state.executeSource(QStringLiteral("Update ") + table +
                        QStringLiteral(" Set AltNO_1 = '' Where AltNO_1 Is Null"));
    state.openOnSource(state.rsMain,
                       QStringLiteral("Select ") +
                           QStringLiteral("ID, AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5 ") +
                           QStringLiteral("From ") + table + QStringLiteral(" ") +
                           QStringLiteral("Where AltNO_1 <> '' "));
    // The rows are read whole before the first one is written, as a keyset holds them.
    state.rsMain.recordCount();
    while (!state.rsMain.eof()) {
        state.rsMain.setValue(number, PartKeys::NormalizePartNo(state.rsMain.text(number)));
        state.rsMain.update();
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

} // namespace lostrand
