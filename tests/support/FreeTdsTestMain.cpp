#include "demo/OdbcEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

// The main of the tests of the server mode: FreeTDS registered as "SQL Server" in the
// test-local ODBC registry, and a freetds.conf of the tests' own whose client charset is
// Latin-1, as FreeTDS takes it under the C locale, so no test depends on the machine's
// configuration or locale.
int main(int argc, char** argv)
{
    lostrand::OdbcEnvironment::install(QStringLiteral(LOSTRAND_FREETDS_ODBC_DRIVER),
                                       QStringLiteral("FreeTDS"));
    const QString conf =
        QDir(lostrand::OdbcEnvironment::folder()).filePath(QStringLiteral("freetds.conf"));
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the freetds.conf");
    file.write("[global]\n\tclient charset = ISO-8859-1\n");
    file.close();
    qputenv("FREETDSCONF", conf.toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(lostrand::OdbcEnvironment::folder()).removeRecursively();
    return result;
}
