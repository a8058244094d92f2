#include "common/AlternateRegroup.h"
#include "transfer/ChangeReports.h"
#include "transfer/MainPass.h"
#include "transfer/SecondPass.h"
#include "window/TransferPhases.h"

namespace lostrand {

TransferPhases standardTransferPhases()
{
    TransferPhases phases;
    phases.ProcessPriceListTables = &MainPass::ProcessPriceListTables;
    phases.CollectChangedParts = &ChangeReports::CollectChangedParts;
    phases.PriceListAllHasRows = &SecondPass::PriceListAllHasRows;
    phases.ProcessPriceListAll = &SecondPass::ProcessPriceListAll;
    phases.ListPriceDifferences = &ChangeReports::ListPriceDifferences;
    phases.RegroupAlternates = &AlternateRegroup::RegroupAlternates;
    return phases;
}

} // namespace lostrand
