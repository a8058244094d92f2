#include "support/CommandPress.h"

#include "support/FakeWindow.h"
#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/UpdateCommand.h"

namespace lostrand::test {

void CommandPress::press(FakeWindow& window, const QString& priceList, const QString& target)
{
    window.setText(QStringLiteral("txtPriceList"), priceList);
    window.setText(QStringLiteral("txtDataValcorin"), target);
    RunState state(window);
    state.BrandName = QStringLiteral("ZARAV");
    state.UpdateTexts = 1;
    UpdateCommand::cmdUpDate_Click(state, standardTransferPhases());
}

} // namespace lostrand::test
