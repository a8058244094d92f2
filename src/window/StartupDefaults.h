#pragma once

#include "window/BuildConstants.h"

#include <QString>

namespace lostrand {

// The connection fields the window opens with, chosen by the build's site code.
struct StartupDefaults
{
    // Set: optSQL on, optAccess off and the target path empty; clear: the Access option as
    // designed, with the target path below and the server fields empty.
    bool sqlServer = false;
    QString txtDataValcorin;
    QString txtServer;
    QString txtdbq;
    QString txtuid;
    QString txtpwd;
    QString txtPriceList;
    qint16 RetryCleanPartNo = 0;

    // Exact, case-sensitive comparison of the site code; appDir is the folder of the program.
    static StartupDefaults forSite(const QString& siteCode, const QString& brandName,
                                   const QString& appDir);

    // The window caption and the title line.
    static QString title(const BuildConstants& build);
    // The caption of chkLikelAt.
    static QString regroupCaption(const QString& brandName);
};

} // namespace lostrand
