#include "prepare/IsuzuKindFlags.h"

#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "window/RunState.h"
#include "window/WindowPort.h"

namespace lostrand {

void IsuzuKindFlags::NormalizeIsuzuKindFlags(RunState& state)
{
    state.window.setText(QStringLiteral("txtQTY"), QStringLiteral("กำลังแก้ไข Kind ของ ISUZU"));
    state.window.setText(QStringLiteral("txtPartNO"), QString());
    state.window.pumpEvents();
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) {
        shortenFlags(state, PrepareSteps::tableName(QStringLiteral("PriceNew_"), n));
    });
}

void IsuzuKindFlags::shortenFlags(RunState& state, const QString& table)
{
    const QString start = QStringLiteral("Update ") + table;
    PrepareSteps::runForColumns(state, start, QStringLiteral(" Set %1 = '0' Where %1 = '0.00' "),
                                PriceListColumns::kinds());
    PrepareSteps::runForColumns(state, start, QStringLiteral(" Set %1 = '1' Where %1 = '1.00' "),
                                PriceListColumns::kinds());
}

} // namespace lostrand
