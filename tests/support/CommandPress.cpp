#include "support/CommandPress.h"

#include "support/FakeWindow.h"
#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/UpdateCommand.h"

namespace lostrand::test {

void CommandPress::press(FakeWindow& window, const QString& priceList, const QString& target,
                         int timeoutSeconds)
{
    window.setText(QStringLiteral("txtPriceList"), priceList);
    window.setText(QStringLiteral("txtDataValcorin"), target);
    RunState state(window);
    state.BrandName = QStringLiteral("ZARAV");
    state.UpdateTexts = 1;
    if (timeoutSeconds != 0) {
        window.onPump = [&state, timeoutSeconds] {
            if (state.cnADO2().isOpen())
                state.cnADO2().setCommandTimeout(timeoutSeconds);
        };
    }
    UpdateCommand::cmdUpDate_Click(state, standardTransferPhases());
    window.onPump = nullptr;
}

} // namespace lostrand::test
