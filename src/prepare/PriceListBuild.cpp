#include "prepare/PriceListBuild.h"

#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "prepare/RawRowLoad.h"
#include "prepare/WorkingTableDedupe.h"
#include "prepare/WorkingTableSplit.h"
#include "window/RunState.h"

namespace lostrand {

namespace {
// Kind, PartNO and the five alternate pairs come before the kind flags are mended.
constexpr qsizetype KeyColumnCount = 12;
} // namespace

void PriceListBuild::BuildPriceListTables(RunState& state)
{
    PassProgress::showPhase(state, QStringLiteral("กำลังหา PartNO ซ้ำ"));
    state.executeSource(QStringLiteral("Delete From PriceList"));
    ClearPriceListTables(state);
    if (PrepareSteps::ReadPriceNewCount(state)) {
        const qint32 count = state.PriceNewTableCount;
        for (qint32 j = 0; j < count; ++j) {
            const qint16 n = state.PriceNewTableNo[static_cast<size_t>(j)];
            FixPriceNewTable(state, n);
            RawRowLoad::LoadPriceNewTable(state, n);
        }
    }
    WorkingTableDedupe::DedupeWorkingTable(state);
    WorkingTableSplit::SplitWorkingTable(state);
}

void PriceListBuild::ClearPriceListTables(RunState& state)
{
    if (!PrepareSteps::ReadPriceListCount(state))
        return;
    const qint32 count = state.PriceListNoCount;
    for (qint32 i = 0; i < count; ++i)
        state.executeSource(QStringLiteral("Delete From ") +
                            PrepareSteps::tableName(QStringLiteral("PriceList_"),
                                                    state.PriceListNo[static_cast<size_t>(i)]));
}

void PriceListBuild::FixPriceNewTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    const QString update = QStringLiteral("Update ") + table;
    const QStringList item = PriceListColumns::item();
    PrepareSteps::clearNulls(state, table, item.mid(0, KeyColumnCount));
    if (state.BrandName == QLatin1String("ISUZU")) {
        for (const QString& kind : PriceListColumns::kinds()) {
            PrepareSteps::runForColumns(state, update,
                                        QStringLiteral(" Set %1 = '0' Where %1 = '0.00' "), {kind});
            PrepareSteps::runForColumns(state, update,
                                        QStringLiteral(" Set %1 = '1' Where %1 = '1.00' "), {kind});
        }
    }
    PrepareSteps::clearNulls(state, table, item.mid(KeyColumnCount));
    state.executeSource(QStringLiteral("Delete From ") + table +
                        QStringLiteral(" Where PartNO = ''"));
    const QStringList models = PriceListColumns::models();
    PrepareSteps::runForColumns(state, update, QStringLiteral(" Set %1 = '' Where %1 = '-'"),
                                models);
    PrepareSteps::runForColumns(state, update, QStringLiteral(" Set %1 = '' Where %1 = 'xxxx'"),
                                models);
}

} // namespace lostrand
