#include "prepare/FordPriceLastMerge.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "db/Recordset.h"
#include "prepare/FieldText.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "prepare/PriceRecordRow.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

const QString PriceNew1 = QStringLiteral("PriceNew_1");

bool isPartNumber(const QString& column)
{
    return column == QLatin1String("PartNO") || column.startsWith(QLatin1String("AltNO_"));
}

// The texts written over a stored part when the delivery has them, in the order written.
QStringList overwrittenTexts()
{
    QStringList columns;
    for (int i = 1; i <= 5; ++i)
        columns << QStringLiteral("AltNO_%1").arg(i);
    columns << QStringLiteral("EName") << QStringLiteral("TName") << QStringLiteral("Import")
            << PriceListColumns::models() << QStringLiteral("DisPrice");
    return columns;
}

QString wherePartNo(RunState& state, const PriceRecord& r)
{
    return QStringLiteral(" Where PartNO = ") + state.qs(r.PartNO);
}

void insertPart(RunState& state, const PriceRecord& r)
{
    const QStringList values = PriceRecordRow::itemValues(state.cnPriceList(), r);
    state.executeSource(QStringLiteral("Insert Into ") + PriceNew1 + QStringLiteral(" (") +
                        PriceListColumns::item().join(QStringLiteral(", ")) +
                        QStringLiteral(") Values( ") + values.join(QStringLiteral(", ")) +
                        QStringLiteral(" )"));
}

void updatePart(RunState& state, const PriceRecord& r)
{
    const QString update = QStringLiteral("Update ") + PriceNew1 + QStringLiteral(" Set ");
    const auto setText = [&](const QString& column) {
        const QString& value = *PriceRecordRow::textMember(r, column);
        if (!BlankText::isBlank(value))
            state.executeSource(update + column + QStringLiteral(" = ") + state.qs(value) +
                                wherePartNo(state, r));
    };
    for (const QString& column : overwrittenTexts())
        setText(column);
    state.executeSource(update + QStringLiteral("Price = ") + r.Price.toString() +
                        QStringLiteral(", Sale = ") + r.Sale.toString() + wherePartNo(state, r));
    setText(QStringLiteral("DisSale"));
}

void mergeTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceLast_"), n);
    const QString update = QStringLiteral("Update ") + table;
    PrepareSteps::clearNulls(state, table, PriceListColumns::item());
    state.executeSource(QStringLiteral("Delete From ") + table +
                        QStringLiteral(" Where PartNO = ''"));
    PrepareSteps::runForColumns(state, update, QStringLiteral(" Set %1 = '' Where %1 = '-'"),
                                PriceListColumns::models());
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         PriceListColumns::selectList(PriceListColumns::item()) +
                                         QStringLiteral("From ") + table +
                                         QStringLiteral(" Order By PartNO"));
    PassProgress progress(state, state.rsMain.recordCount());
    while (!state.rsMain.eof()) {
        const PriceRecord r = FordPriceLastMerge::cleanRow(state.rsMain);
        progress.step(QStringLiteral("กำลังรวมข้อมูล FORD ("),
                      r.PartNO + QStringLiteral(" - ") + r.TName);
        const bool held = PrepareSteps::hasRow(state, state.rsCheck,
                                               QStringLiteral("Select PartNO From ") + PriceNew1 +
                                                   wherePartNo(state, r));
        if (held)
            updatePart(state, r);
        else
            insertPart(state, r);
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

} // namespace

PriceRecord FordPriceLastMerge::cleanRow(const Recordset& rs)
{
    PriceRecord r;
    for (const QString& column : PriceListColumns::item()) {
        if (PriceListColumns::isAmount(column))
            continue;
        const QVariant value = rs.value(column);
        *PriceRecordRow::textMember(r, column) =
            isPartNumber(column) ? PartKeys::StripSeparators(FieldText::valueText(value))
                                 : FieldText::CleanTextField(value);
    }
    r.Price = SourceRow::currency(rs, QStringLiteral("Price"));
    r.Sale = SourceRow::currency(rs, QStringLiteral("Sale"));
    return r;
}

void FordPriceLastMerge::MergeFordPriceLast(RunState& state)
{
    if (!PrepareSteps::ReadPriceLastCount(state))
        return;
    const qint32 count = state.PriceLastTableCount;
    for (qint32 k = 0; k < count; ++k)
        mergeTable(state, state.PriceLastTableNo[static_cast<size_t>(k)]);
}

} // namespace lostrand
