#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// The second pass over the rows the re-check collected into PriceListAll.
class SecondPass
{
public:
    static qint16 PriceListAllHasRows(RunState& state);
    static void ProcessPriceListAll(RunState& state);
};

} // namespace lostrand
