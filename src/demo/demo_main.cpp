#include "demo/DemoData.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

// Writes the demo price list and target into the folder given (default: ./demo) and prints
// the two paths to type into the window.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("demo");
    const auto paths = lostrand::DemoData::write(QDir(folder).absolutePath());
    std::printf("price list: %s\ntarget:     %s\n", qPrintable(paths.priceList),
                qPrintable(paths.target));
    return 0;
}
