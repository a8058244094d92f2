#pragma once

#include <QString>
#include <QtGlobal>

namespace lostrand {

struct RunState;

// Gives the rows of a HONDA list's raw tables the part number to publish.
class HondaPartNewFix
{
public:
    // In every PriceNew_<n> listed in PriceNew_Count: Nulls of the item and HONDA columns
    // (Description aside) become empty texts or 0; each row without PartNew stores its cleaned
    // PartNO in FPartNO and takes as PartNew the PartNO, trimmed, of the target part in
    // Pta<BrandID> with that FPartNO; rows still without PartNew then take their own PartNO.
    // Needs cnPriceList and cnADO2 open and BrandID set.
    static void FixPartNewHonda(RunState& state);

private:
    static void fixTable(RunState& state, qint16 n);
    // The target's part number for the cleaned number; "" when the target has none.
    static QString targetPartNo(RunState& state, const QString& key);
};

} // namespace lostrand
