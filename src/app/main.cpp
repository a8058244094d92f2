#include "window/gui/frmTavrell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lostrand::frmTavrell window;
    window.show();
    return app.exec();
}
