#include "window/StartupDefaults.h"

#include <QDir>

namespace lostrand {

namespace {

// The address the two LAN sites propose for their server.
const QString LanServer = QStringLiteral("192.168.1.10");

QString fileStem(const QString& brandName)
{
    if (brandName == QStringLiteral("ISUZU (ใหม่)"))
        return QStringLiteral("PriceList_ISUZU_New");
    return QStringLiteral("PriceList_") + brandName;
}

// A file in the program's folder, written with the platform's separators.
QString besideProgram(const QString& appDir, const QString& fileName)
{
    return QDir::toNativeSeparators(QDir(appDir).filePath(fileName));
}

StartupDefaults sqlServerSite(const QString& server, const QString& database,
                              const QString& password, const QString& priceList)
{
    StartupDefaults d;
    d.sqlServer = true;
    d.txtServer = server;
    d.txtdbq = database;
    d.txtuid = QStringLiteral("sa");
    d.txtpwd = password;
    d.txtPriceList = priceList;
    return d;
}

} // namespace

StartupDefaults StartupDefaults::forSite(const QString& siteCode, const QString& brandName,
                                         const QString& appDir)
{
    const QString stem = fileStem(brandName);
    const QString appFile = besideProgram(appDir, stem + QStringLiteral(".mdb"));
    if (siteCode == QLatin1String("ZEL_New"))
        return sqlServerSite(LanServer, siteCode, QStringLiteral("Kel5093"), appFile);
    if (siteCode == QLatin1String("DWEX")) {
        StartupDefaults d = sqlServerSite(LanServer, siteCode, QStringLiteral("Kel5093"), appFile);
        if (brandName == QLatin1String("NISSAN") || brandName == QLatin1String("TOYOTA"))
            d.RetryCleanPartNo = 1;
        return d;
    }
    if (siteCode == QLatin1String("HLOQ")) {
        // The site keeps its price lists numbered; this build proposes its first file.
        const QString numbered = besideProgram(appDir, stem + QStringLiteral("_1.mdb"));
        return sqlServerSite(QStringLiteral("Server"), siteCode, QStringLiteral("Womr7260"),
                             numbered);
    }
    StartupDefaults d;
    d.txtDataValcorin = QStringLiteral("E:\\DataValcorin\\Valcorin.accdb");
    d.txtPriceList = QStringLiteral("E:\\DataValcorin\\") + stem + QStringLiteral(".mdb");
    return d;
}

QString StartupDefaults::title(const BuildConstants& build)
{
    return build.titleWord + build.brand + QStringLiteral("  ") + build.buildDate;
}

QString StartupDefaults::regroupCaption(const QString& brandName)
{
    return QStringLiteral("จัดระเบียบเบอร์แทน  ") + brandName;
}

} // namespace lostrand
