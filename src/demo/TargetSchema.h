#pragma once

#include <QString>
#include <QStringList>

namespace lostrand {

// The target's tables as the transfer uses them. Column types are the Access ones, which the
// embedded engine takes as they stand.
class TargetSchema
{
public:
    // System with the label, Brand and Pta_BrandID with the brand, LastID, and the staging
    // table PriceList with its indexes.
    static QStringList common(const QString& label, const QString& brandName, int brandId);
    // The staging table in the column order the writers insert by.
    static QStringList stagingTable();
};

} // namespace lostrand
