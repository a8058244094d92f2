#include "demo/OdbcEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <stdexcept>

namespace lostrand {

QString OdbcEnvironment::folder()
{
    static const QString dir = [] {
        const QString path = QDir::temp().filePath(
            QStringLiteral("lostrand-odbc-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(path);
        return path;
    }();
    return dir;
}

void OdbcEnvironment::install()
{
    install(QStringLiteral(LOSTRAND_SQLITE_ODBC_DRIVER),
            QStringLiteral("SQLite3 ODBC driver standing in for SQL Server"));
}

void OdbcEnvironment::install(const QString& driverPath, const QString& description)
{
    const QString dir = folder();
    QFile inst(QDir(dir).filePath(QStringLiteral("odbcinst.ini")));
    if (!inst.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the odbcinst.ini");
    QTextStream out(&inst);
    out << "[SQL Server]\n"
        << "Description=" << description << "\n"
        << "Driver=" << driverPath << "\n"
        << "Setup=" << driverPath << "\n";
    inst.close();
    QFile ini(QDir(dir).filePath(QStringLiteral("odbc.ini")));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the odbc.ini");
    ini.close();
    qputenv("ODBCSYSINI", dir.toLocal8Bit());
    qputenv("ODBCINSTINI", "odbcinst.ini");
    qputenv("ODBCINI", QDir(dir).filePath(QStringLiteral("odbc.ini")).toLocal8Bit());
}

} // namespace lostrand
