#pragma once

#include <QString>

namespace lostrand::test {

class FakeWindow;

// The whole UpDate command as the operator starts it: the two paths typed into the window, a
// fresh run state for brand ZARAV with its texts refreshed, and the program's own passes.
class CommandPress
{
public:
    static void press(FakeWindow& window, const QString& priceList, const QString& target);
};

} // namespace lostrand::test
