#include "demo/OdbcEnvironment.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

// The main of the window's test programs: a widget application (headless through
// QT_QPA_PLATFORM=offscreen) and the test-local ODBC registry.
int main(int argc, char** argv)
{
    lostrand::OdbcEnvironment::install();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(lostrand::OdbcEnvironment::folder()).removeRecursively();
    return result;
}
