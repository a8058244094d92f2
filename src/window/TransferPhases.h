#pragma once

#include <QtGlobal>
#include <functional>

namespace lostrand {

struct RunState;

// The phases RunTransfer runs after the staging table is ready, in this order. A phase that is
// left empty fails when called, so a run can never pass one by silently.
struct TransferPhases
{
    std::function<void(RunState&)> ProcessPriceListTables;
    std::function<void(RunState&)> CollectChangedParts;
    std::function<qint16(RunState&)> PriceListAllHasRows;
    std::function<void(RunState&)> ProcessPriceListAll;
    std::function<void(RunState&)> ListPriceDifferences;
    std::function<void(RunState&)> RegroupAlternates;
};

// The program's own passes.
TransferPhases standardTransferPhases();

} // namespace lostrand
