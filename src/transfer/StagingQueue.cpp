#include "transfer/StagingQueue.h"

#include "common/BlankText.h"
#include "common/KindPartKey.h"
#include "transfer/ItemValues.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

QString StagingQueue::itemColumns()
{
    return QStringLiteral(
        "Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, AltNO_4, "
        "AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
        "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
        "DisPrice, Sale, DisSale ");
}

qint32 StagingQueue::CountPriceListRows(RunState& state)
{
    state.openOnTarget(
        state.rsMain,
        QStringLiteral("Select Count(PartNO) As Rec_Count From PriceList Where BrandID = ") +
            state.brandText());
    qint32 result = 0;
    if (!state.rsMain.eof() && !state.rsMain.isNull(QStringLiteral("Rec_Count")))
        result = SourceRow::int32(state.rsMain, QStringLiteral("Rec_Count"));
    state.rsMain.close();
    return result;
}

qint16 StagingQueue::OpenPriceListRows(RunState& state)
{
    state.openOnTarget(state.rsMain, QStringLiteral("Select ") + itemColumns() +
                                         QStringLiteral("From PriceList Where BrandID = ") +
                                         state.brandText() + QStringLiteral(" Order By PartNO"));
    if (state.rsMain.eof()) {
        state.rsMain.close();
        return 0;
    }
    return 1;
}

PriceItem StagingQueue::readItem(const Recordset& rs)
{
    PriceItem item;
    item.Kind = SourceRow::text(rs, QStringLiteral("Kind"));
    item.PartNO = SourceRow::text(rs, QStringLiteral("PartNO"));
    SourceRow::readCommon(rs, item);
    return item;
}

QString StagingQueue::insertStatement(RunState& state, const PriceItem& item)
{
    const Connection& cn = state.cnADO2();
    QStringList values{state.brandText(), cn.quote(item.PartNO), cn.quote(item.Kind)};
    values << ItemValues::alternates(cn, item, ItemValues::PairOrder::NumberFirst)
           << ItemValues::details(cn, item);
    return QStringLiteral("Insert Into PriceList Values( ") + values.join(QStringLiteral(", ")) +
           QStringLiteral(" )");
}

QString StagingQueue::readBackStatement(RunState& state, const QString& kind, const QString& partNo)
{
    return QStringLiteral("Select PartNO From PriceList Where BrandID = ") + state.brandText() +
           QStringLiteral(" And ") +
           KindPartKey::terms(state.cnADO2(), kind, BlankText::trim(partNo));
}

} // namespace lostrand
