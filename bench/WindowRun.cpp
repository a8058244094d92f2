#include "WindowRun.h"

#include "window/gui/MessageBox.h"
#include "window/gui/frmTavrell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <stdexcept>

namespace lostrand::bench {

namespace {

void showAndWait(frmTavrell& window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 10000)
            throw std::runtime_error("the window was never shown");
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
}

void fill(frmTavrell& window, const char* control, const QString& text)
{
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(control));
    if (!box)
        throw std::runtime_error(std::string("no field ") + control);
    box->setText(text);
}

QString shown(frmTavrell& window, const char* control)
{
    return window.findChild<QLineEdit*>(QString::fromLatin1(control))->text();
}

} // namespace

WindowRun::Outcome WindowRun::run(const QString& priceList, const QString& target, bool sqlServer,
                                  TransferPhases phases)
{
    Outcome outcome;
    MessageBox::setCapture(
        [&outcome](const QString& text, MessageStyle) { outcome.message = text; });
    frmTavrell window(BuildConstants::current(), std::move(phases));
    showAndWait(window);
    fill(window, "txtPriceList", priceList);
    if (sqlServer) {
        window.findChild<QRadioButton*>(QStringLiteral("optSQL"))->setChecked(true);
        fill(window, "txtServer", QStringLiteral("localhost"));
        fill(window, "txtdbq", target);
        fill(window, "txtuid", QStringLiteral("sa"));
        fill(window, "txtpwd", QStringLiteral("Kel5093"));
    } else {
        fill(window, "txtDataValcorin", target);
    }
    auto* command = window.findChild<QPushButton*>(QStringLiteral("cmdUpDate"));
    QElapsedTimer timer;
    timer.start();
    command->click();
    outcome.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    outcome.status = shown(window, "txtQTY");
    outcome.partLine = shown(window, "txtPartNO");
    for (int row = 1; row < window.gridRows(); ++row) {
        if (!window.gridText(row, 1).isEmpty())
            ++outcome.listed;
    }
    MessageBox::setCapture({});
    return outcome;
}

double WindowRun::listInGrid(int items)
{
    frmTavrell window;
    showAndWait(window);
    WindowPort& w = window;
    QElapsedTimer timer;
    timer.start();
    for (int r = 1; r <= items; ++r) {
        if (w.gridRows() == r + 1)
            w.setGridRows(w.gridRows() + 1);
        const QString cells[] = {QString::number(r),
                                 r % 3 ? QString() : QStringLiteral("New"),
                                 QStringLiteral("A-P%1").arg(r, 6, 10, QLatin1Char('0')),
                                 QStringLiteral("รายการ %1").arg(r),
                                 QStringLiteral("BT-50, RANGER"),
                                 QStringLiteral("%1.5").arg(100 + r % 900),
                                 QStringLiteral("%1.25").arg(2000 + r % 500)};
        for (int column = 1; column <= 7; ++column)
            w.setGridText(r, column, cells[column - 1]);
        w.pumpEvents();
    }
    // The last rows are on the screen before the clock stops.
    window.repaint();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

} // namespace lostrand::bench
