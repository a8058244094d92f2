#pragma once

#include <QString>

namespace lostrand::test {

class FakeWindow;

// The whole UpDate command as the operator starts it: the two paths typed into the window, a
// fresh run state for brand ZARAV with its texts refreshed, and the program's own passes.
class CommandPress
{
public:
    // A time-out in seconds other than 0 replaces the command time-out of the target, set
    // again at every pump since each reconnect of the run sets its own.
    static void press(FakeWindow& window, const QString& priceList, const QString& target,
                      int timeoutSeconds = 0);
};

} // namespace lostrand::test
