#include "window/RunStop.h"
#include "window/TransferPhases.h"

namespace lostrand {

namespace {

template <typename Result> std::function<Result(RunState&)> notBuilt(const char* phase)
{
    return [phase](RunState&) -> Result {
        throw RunStop(QStringLiteral("%1 is not built").arg(QLatin1String(phase)));
    };
}

} // namespace

TransferPhases standardTransferPhases()
{
    TransferPhases phases;
    phases.ProcessPriceListTables = notBuilt<void>("ProcessPriceListTables");
    phases.CollectChangedParts = notBuilt<void>("CollectChangedParts");
    phases.PriceListAllHasRows = notBuilt<qint16>("PriceListAllHasRows");
    phases.ProcessPriceListAll = notBuilt<void>("ProcessPriceListAll");
    phases.ListPriceDifferences = notBuilt<void>("ListPriceDifferences");
    phases.RegroupAlternates = notBuilt<void>("RegroupAlternates");
    return phases;
}

} // namespace lostrand
