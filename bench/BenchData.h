#pragma once

#include <QString>

namespace lostrand::bench {

// A price list of N rows in tables of at most 10,000 rows and a "V.61" target with M parts:
// 60% of the rows are known parts with a changed price (half of those parts have UpRec 0),
// 30% are new parts, 10% are new parts with one or two alternates.
class BenchData
{
public:
    static void write(const QString& priceList, const QString& target, int rows, int parts);
};

} // namespace lostrand::bench
