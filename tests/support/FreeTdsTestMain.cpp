#include "demo/OdbcEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <clocale>
#include <gtest/gtest.h>
#include <stdexcept>

// The main of the tests of the server mode: FreeTDS registered as "SQL Server" in the
// test-local ODBC registry, with an empty freetds.conf of the tests' own. FreeTDS converts
// narrow text to the charset of the locale unless told another; the tests run under the C
// locale, where that is Latin-1, as a program started without a UTF-8 locale has it. So no
// test depends on the machine's configuration or locale.
int main(int argc, char** argv)
{
    lostrand::OdbcEnvironment::install(QStringLiteral(LOSTRAND_FREETDS_ODBC_DRIVER),
                                       QStringLiteral("FreeTDS"));
    const QString conf =
        QDir(lostrand::OdbcEnvironment::folder()).filePath(QStringLiteral("freetds.conf"));
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the freetds.conf");
    file.close();
    qputenv("FREETDSCONF", conf.toLocal8Bit());
    QCoreApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(lostrand::OdbcEnvironment::folder()).removeRecursively();
    return result;
}
