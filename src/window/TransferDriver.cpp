#include "window/TransferDriver.h"

#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {

// The column types of one dialect of the staging table.
struct StagingTypes
{
    QString longType;
    QString textType; // with %1 for the width
    QString moneyType;
};

const StagingTypes AccessTypes{QStringLiteral("Long"), QStringLiteral("Text(%1)"),
                               QStringLiteral("Currency")};
const StagingTypes SqlServerTypes{QStringLiteral("int"), QStringLiteral("nvarchar(%1)"),
                                  QStringLiteral("money")};

QString stagingCreation(const StagingTypes& t)
{
    const auto text = [&t](int width) { return t.textType.arg(width); };
    QString sql = QStringLiteral("Create Table PriceList ");
    sql += QStringLiteral("(BrandID ") + t.longType + QStringLiteral(", ");
    sql += QStringLiteral("PartNO %1, Kind %2, ").arg(text(40), text(1));
    for (int i = 1; i <= 5; ++i)
        sql += QStringLiteral("AltNO_%1 %2, AKind_%1 %3, ").arg(i).arg(text(40), text(1));
    sql += QStringLiteral("EName %1, TName %2, ").arg(text(40), text(60));
    QString models;
    for (int i = 1; i <= 12; ++i)
        models += QStringLiteral("Model_%1 %2, ").arg(i).arg(text(30));
    sql += models;
    sql += QStringLiteral("Description %1, Import %2, ").arg(text(60), text(20));
    sql += QStringLiteral("Price %1, DisPrice %2, Sale %1, DisSale %2)").arg(t.moneyType, text(30));
    return sql;
}

void createStagingTable(RunState& state, const StagingTypes& types)
{
    // A target that never had the table, or lost it, gets it created instead of a failed drop.
    if (state.cnADO2().hasTable(QStringLiteral("PriceList")))
        state.executeTarget(QStringLiteral("DROP TABLE PriceList"));
    state.executeTarget(stagingCreation(types));
    state.executeTarget(QStringLiteral("CREATE INDEX PriceList_BrandID ON PriceList (BrandID) "));
    state.executeTarget(QStringLiteral("CREATE INDEX PriceList_PartNO ON PriceList (PartNO) "));
    state.executeTarget(QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind) "));
}

} // namespace

void TransferDriver::RunTransfer(RunState& state, const TransferPhases& phases)
{
    WindowPort& w = state.window;
    // The listing writes from the first row down and only when something differs; without this
    // an earlier run's rows would stand in the grid as if they were this run's.
    w.clearGridData();
    if (w.checkValue(QStringLiteral("chkCreateTable")) == 1) {
        if (w.isOptionSet(QStringLiteral("optAccess")))
            CreatePriceListTableAccess(state);
        else
            CreatePriceListTableSql(state);
    } else {
        state.executeTarget(QStringLiteral("Delete From PriceList Where BrandID = ") +
                            state.brandText());
    }
    phases.ProcessPriceListTables(state);
    phases.CollectChangedParts(state);
    if (phases.PriceListAllHasRows(state) == 1) {
        phases.ProcessPriceListAll(state);
        phases.ListPriceDifferences(state);
    }
    if (w.checkValue(QStringLiteral("chkLikelAt")) == 1)
        phases.RegroupAlternates(state);
}

void TransferDriver::CreatePriceListTableAccess(RunState& state)
{
    createStagingTable(state, AccessTypes);
}

void TransferDriver::CreatePriceListTableSql(RunState& state)
{
    createStagingTable(state, SqlServerTypes);
}

} // namespace lostrand
