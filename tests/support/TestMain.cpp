#include "demo/OdbcEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

// The main of the test programs of the passes: a core application and the test-local ODBC
// registry.
int main(int argc, char** argv)
{
    lostrand::OdbcEnvironment::install();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(lostrand::OdbcEnvironment::folder()).removeRecursively();
    return result;
}
