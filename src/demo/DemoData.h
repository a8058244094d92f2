#pragma once

#include <QString>

namespace lostrand {

// A small price list and a "V.61" target for brand ZARAV, to try the window on.
class DemoData
{
public:
    struct Paths
    {
        QString priceList;
        QString target;
    };
    static constexpr int BrandId = 7;

    // Writes both files into the folder, replacing earlier ones.
    static Paths write(const QString& folder);
};

} // namespace lostrand
