#pragma once

#include "window/TransferPhases.h"

#include <QString>

namespace lostrand::bench {

// The command as the operator runs it: the program's window itself, shown on the platform
// the process runs on (offscreen, or a real X display), its fields filled and cmdUpDate
// clicked through the widget, its message boxes answered by the test hook.
class WindowRun
{
public:
    struct Outcome
    {
        double seconds = 0;
        QString message;
        QString status;   // txtQTY at the end, as the widget shows it
        QString partLine; // txtPartNO
        int listed = 0;   // grid rows below the headings with a number
    };

    // An Access target by path, or a SQL Server target whose database field names it.
    static Outcome run(const QString& priceList, const QString& target, bool sqlServer,
                       TransferPhases phases);

    // Seconds to list `items` rows in the window's grid the way the listing writes them: a row
    // added when the next item would fill the last one, seven cells, a pump after each item.
    static double listInGrid(int items);
};

} // namespace lostrand::bench
