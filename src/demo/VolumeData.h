#pragma once

#include <QString>

namespace lostrand {

// A price list of N rows and a target of one label with M parts. The price list's tables hold
// at most 10,000 rows each: 60% of the rows are known parts with a changed price (half of
// those parts have UpRec 0), 30% are new parts, 10% are new parts with one or two alternates.
// A last table gives about N / 10 known parts yet another price, so the re-check collects
// rows and the grid lists them.
//
// "V.61" targets are written row by row. The targets of "P.68 (Bar)" and "P.48 (Bar)" get their
// parts from the program's own new-part writers (so their names, model links, bar codes and
// groups are the program's), then half of them are marked updated; under "P.68 (Bar)" the
// alternates of every tenth group also belong to a second brand, whose tables share them.
class VolumeData
{
public:
    static void write(const QString& priceList, const QString& target, const QString& label,
                      int rows, int parts);
    // The target's brand; its number is 7.
    static QString brandName();
};

} // namespace lostrand
