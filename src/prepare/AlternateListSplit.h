#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace lostrand {

struct RunState;

// Spreads a list of alternate numbers delivered in AltNO_1 over the five alternate columns.
class AlternateListSplit
{
public:
    // In every PriceNew_<n> listed in PriceNew_Count: every alternate kind becomes empty, Null
    // alternate numbers become empty, and each AltNO_1 that holds a comma is split into
    // AltNO_1 to AltNO_5. Shows nothing.
    static void SplitAltNOList(RunState& state);

    // The items of a list "A, B, C", each trimmed, in order. An empty item leaves its place to
    // the list's last item. A row has five places: from a longer list the first four items and
    // the sixth are kept.
    static std::array<QString, 5> SplitList(const QString& list);

private:
    static void splitTable(RunState& state, qint16 n);
};

} // namespace lostrand
