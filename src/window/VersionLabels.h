#pragma once

#include <QString>
#include <QStringList>

namespace lostrand {

// The 28 schema-version labels the system accepts and the groups every switch compares with.
// All comparisons are exact and case-sensitive, on the trimmed label.
class VersionLabels
{
public:
    // In the order of comparison.
    static const QStringList& known();
    static bool isKnown(const QString& label);
    // "P.66 (Bar)" and "P.68 (Bar)": the padded-table layout.
    static bool isPadded(const QString& label);
    // The labels whose parts are found by the cleaned part number FPartNO.
    static bool isFPartNoKey(const QString& label);
    // The labels for which the default price writer writes DisPrice and DisSale.
    static bool isDisPrice(const QString& label);
};

// The names of a brand's tables.
class TableNames
{
public:
    // Numbered layout: the prefix and the decimal brand number ("Pta" and 7 give Pta7).
    static QString numbered(const QString& prefix, qint32 brandId);
    // Padded layout: two digits under "P.66 (Bar)", three under "P.68 (Bar)"; "" when the brand
    // number has more digits than the label writes (and under any other label).
    static QString paddedSuffix(const QString& label, qint32 brandId);
};

} // namespace lostrand
