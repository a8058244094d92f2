#include "prepare/KindCodeTruncation.h"

#include "common/PartKeys.h"
#include "common/TextChars.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "window/RunState.h"

#include <array>

namespace lostrand {

namespace {
QStringList readColumns()
{
    QStringList columns = PriceListColumns::kinds();
    columns << QStringLiteral("PartNO") << QStringLiteral("TName") << PriceListColumns::models();
    return columns;
}
} // namespace

void KindCodeTruncation::TruncateKindCodes(RunState& state)
{
    PrepareSteps::ForEachPriceListTable(state, [&state](qint16 n) { truncateTable(state, n); });
}

void KindCodeTruncation::truncateTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    const QStringList columns = readColumns();
    PrepareSteps::clearNulls(state, table, columns);
    // The ID keeps each save to its own row, also where rows repeat each other.
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + QStringLiteral("ID, ") +
                                         columns.join(QStringLiteral(", ")) +
                                         QStringLiteral(" From ") + table);
    PassProgress progress(state, state.rsMain.recordCount());
    const QString prefix = QStringLiteral("กำลังแก้ Kind  ") + state.BrandName + QStringLiteral("_") +
                           QString::number(n) + QStringLiteral("  (");
    const QStringList kinds = PriceListColumns::kinds();
    const QStringList modelColumns = PriceListColumns::models();
    while (!state.rsMain.eof()) {
        for (const QString& kind : kinds)
            state.rsMain.setValue(kind, TextChars::left(state.rsMain.text(kind), 1));
        const QString kind = state.rsMain.text(QStringLiteral("Kind"));
        const QString partNo = state.rsMain.text(QStringLiteral("PartNO"));
        const QString tName = state.rsMain.text(QStringLiteral("TName"));
        std::array<QString, 12> models;
        for (size_t i = 0; i < models.size(); ++i)
            models[i] = state.rsMain.text(modelColumns.at(static_cast<qsizetype>(i)));
        state.rsMain.update();
        progress.step(prefix,
                      PassProgress::itemLine(kind, partNo, tName, PartKeys::JoinModels(models)));
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

} // namespace lostrand
