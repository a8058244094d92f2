#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// Rewrites the part numbers of a FORD list's raw tables into their cleaned form.
class FordPartNoStrip
{
public:
    // In every PriceNew_<n> listed in PriceNew_Count: Null part and alternate numbers become
    // empty, then PartNO and AltNO_1 to AltNO_5 of every row are written back trimmed and
    // without any blank, "/" or "-". Every other column stays as it is.
    static void StripPartNumbersFord(RunState& state);

private:
    static void stripTable(RunState& state, qint16 n);
};

} // namespace lostrand
