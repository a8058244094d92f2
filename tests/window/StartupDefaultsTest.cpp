#include "window/StartupDefaults.h"

#include <QDir>
#include <gtest/gtest.h>

using lostrand::BuildConstants;
using lostrand::StartupDefaults;

namespace {

const QString App = QStringLiteral("/opt/lostrand/bin");
const QString IsuzuNew = QStringLiteral("ISUZU (ใหม่)");

QString besideProgram(const QString& file)
{
    return QDir::toNativeSeparators(App + QLatin1Char('/') + file);
}

TEST(StartupDefaults, ThisBuildOpensOnTheAccessDefaults)
{
    const BuildConstants build = BuildConstants::current();
    EXPECT_EQ(build.brand, QStringLiteral("ZARAV"));
    EXPECT_TRUE(build.siteCode.isEmpty());
    EXPECT_EQ(StartupDefaults::title(build), QStringLiteral("Lostrand ZARAV  1/4/2568"));
    EXPECT_EQ(StartupDefaults::regroupCaption(build.brand),
              QStringLiteral("จัดระเบียบเบอร์แทน  ZARAV"));

    const StartupDefaults d = StartupDefaults::forSite(build.siteCode, build.brand, App);
    EXPECT_FALSE(d.sqlServer);
    EXPECT_EQ(d.txtDataValcorin, QStringLiteral("E:\\DataValcorin\\Valcorin.accdb"));
    EXPECT_EQ(d.txtPriceList, QStringLiteral("E:\\DataValcorin\\PriceList_ZARAV.mdb"));
    EXPECT_TRUE(d.txtServer.isEmpty() && d.txtdbq.isEmpty() && d.txtuid.isEmpty() &&
                d.txtpwd.isEmpty());
    EXPECT_EQ(d.RetryCleanPartNo, 0);
}

TEST(StartupDefaults, EveryRowOfTheSiteTable)
{
    struct Case
    {
        QString site;
        QString brand;
        bool sqlServer;
        QString server;
        QString database;
        QString password;
        QString priceList;
        qint16 retry;
    };
    const QString lan = QStringLiteral("192.168.1.10");
    const QString e = QStringLiteral("E:\\DataValcorin\\");
    const Case cases[] = {
        {"ZEL_New", "ZARAV", true, lan, "ZEL_New", "Kel5093", besideProgram("PriceList_ZARAV.mdb"),
         0},
        {"ZEL_New", "NISSAN", true, lan, "ZEL_New", "Kel5093",
         besideProgram("PriceList_NISSAN.mdb"), 0},
        {"ZEL_New", IsuzuNew, true, lan, "ZEL_New", "Kel5093",
         besideProgram("PriceList_ISUZU_New.mdb"), 0},
        {"DWEX", "NISSAN", true, lan, "DWEX", "Kel5093", besideProgram("PriceList_NISSAN.mdb"), 1},
        {"DWEX", "TOYOTA", true, lan, "DWEX", "Kel5093", besideProgram("PriceList_TOYOTA.mdb"), 1},
        {"DWEX", "ZARAV", true, lan, "DWEX", "Kel5093", besideProgram("PriceList_ZARAV.mdb"), 0},
        {"DWEX", "nissan", true, lan, "DWEX", "Kel5093", besideProgram("PriceList_nissan.mdb"), 0},
        {"HLOQ", "ZARAV", true, "Server", "HLOQ", "Womr7260",
         besideProgram("PriceList_ZARAV_1.mdb"), 0},
        {"HLOQ", IsuzuNew, true, "Server", "HLOQ", "Womr7260",
         besideProgram("PriceList_ISUZU_New_1.mdb"), 0},
        {"HLOQ", "TOYOTA", true, "Server", "HLOQ", "Womr7260",
         besideProgram("PriceList_TOYOTA_1.mdb"), 0},
        // Any other code, compared case-sensitively, keeps the Access defaults.
        {"", "TOYOTA", false, "", "", "", e + "PriceList_TOYOTA.mdb", 0},
        {"dwex", "NISSAN", false, "", "", "", e + "PriceList_NISSAN.mdb", 0},
        {"ZEL", IsuzuNew, false, "", "", "", e + "PriceList_ISUZU_New.mdb", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.site + QLatin1Char('/') + c.brand).toStdString());
        const StartupDefaults d = StartupDefaults::forSite(c.site, c.brand, App);
        EXPECT_EQ(d.sqlServer, c.sqlServer);
        EXPECT_EQ(d.txtServer, c.server);
        EXPECT_EQ(d.txtdbq, c.database);
        EXPECT_EQ(d.txtuid, c.sqlServer ? QStringLiteral("sa") : QString());
        EXPECT_EQ(d.txtpwd, c.password);
        EXPECT_EQ(d.txtPriceList, c.priceList);
        EXPECT_EQ(d.txtDataValcorin,
                  c.sqlServer ? QString() : QStringLiteral("E:\\DataValcorin\\Valcorin.accdb"));
        EXPECT_EQ(d.RetryCleanPartNo, c.retry);
    }
}

} // namespace
