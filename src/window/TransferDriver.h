#pragma once

namespace lostrand {

struct RunState;
struct TransferPhases;

// The run after the label and the brand are known: the staging table, then the phases.
class TransferDriver
{
public:
    // Needs cnPriceList and cnADO2 open, DBVersion and BrandID set, and the brand's tables
    // named (TargetChecks::RequireBrandTableNames). Reads chkCreateTable,
    // optAccess and chkLikelAt at the moment it needs them; errors go to the caller.
    static void RunTransfer(RunState& state, const TransferPhases& phases);
    // The staging table PriceList made anew, with the Access or the SQL Server types; its
    // queued rows of every brand go with the old table.
    static void CreatePriceListTableAccess(RunState& state);
    static void CreatePriceListTableSql(RunState& state);
};

} // namespace lostrand
