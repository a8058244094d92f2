#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// Puts the first alternate number of the raw tables into its normalised part-number form.
class AltNO1Normalization
{
public:
    // In every PriceNew_<n> listed in PriceNew_Count: a Null AltNO_1 becomes empty and every
    // other AltNO_1 is written back as NormalizePartNo of itself. The other alternates stay.
    // Shows nothing.
    static void NormalizeAltNO1(RunState& state);

private:
    static void normalizeTable(RunState& state, qint16 n);
};

} // namespace lostrand
