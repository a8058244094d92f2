#pragma once

#include <QString>
#include <QStringList>

namespace lostrand {

// The column names of the price-list file's tables, in the orders the passes name them.
class PriceListColumns
{
public:
    // The 32 values of an item: Kind, PartNO, AKind_1, AltNO_1 to AKind_5, AltNO_5, EName,
    // TName, Model_1 to Model_12, Description, Import, Price, DisPrice, Sale, DisSale.
    static QStringList item();
    // The 34 columns of the row layout of PriceList_<n> and the working table: the item's with
    // PartNew and FPartNew after PartNO.
    static QStringList row();
    // Model_1 to Model_12.
    static QStringList models();
    // Kind, then AKind_1 to AKind_5.
    static QStringList kinds();
    // The names joined by ", ", with the closing blank the selects carry before "From ".
    static QString selectList(const QStringList& columns);
    // Price and Sale, the two currency columns; every other column holds a text or the ID.
    static bool isAmount(const QString& column);
};

} // namespace lostrand
