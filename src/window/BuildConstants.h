#pragma once

#include <QString>

namespace lostrand {

// Fixed when the program is built: one brand and one site per build.
struct BuildConstants
{
    QString brand;
    QString siteCode;
    QString buildDate;
    QString titleWord;

    // This build: brand ZARAV, no site code, dated 1/4/2568.
    static BuildConstants current();
};

} // namespace lostrand
