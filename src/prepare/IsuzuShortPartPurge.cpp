#include "prepare/IsuzuShortPartPurge.h"

#include "common/BlankText.h"
#include "common/TextChars.h"
#include "prepare/IsuzuKindFlags.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceRecordRow.h"
#include "window/RunState.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {

const QString Phase = QStringLiteral("กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU");

bool isShort(const QString& number)
{
    return TextChars::split(number).size() < IsuzuShortPartPurge::ShortBelow;
}

// PartNO and Kind, then each alternate's number before its kind.
QStringList nullColumns()
{
    QStringList columns{QStringLiteral("PartNO"), QStringLiteral("Kind")};
    for (int i = 1; i <= 5; ++i)
        columns << QStringLiteral("AltNO_%1").arg(i) << QStringLiteral("AKind_%1").arg(i);
    return columns;
}

QStringList loadedColumns()
{
    QStringList columns{QStringLiteral("Kind"), QStringLiteral("PartNO")};
    for (int i = 1; i <= 5; ++i)
        columns << QStringLiteral("AKind_%1").arg(i) << QStringLiteral("AltNO_%1").arg(i);
    return columns;
}

} // namespace

void IsuzuShortPartPurge::PurgeIsuzuShortPartNO(RunState& state)
{
    state.window.setText(QStringLiteral("txtQTY"), Phase);
    state.window.setText(QStringLiteral("txtPartNO"), QString());
    state.window.pumpEvents();
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) { purgeTable(state, n); });
}

void IsuzuShortPartPurge::purgeTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    PrepareSteps::runForColumns(state, QStringLiteral("Update ") + table,
                                QStringLiteral(" Set %1 = '' Where %1 Is Null "), nullColumns());
    state.executeSource(QStringLiteral("Delete From ") + table +
                        QStringLiteral(" Where PartNO = '' "));
    IsuzuKindFlags::shortenFlags(state, table);

    const QStringList columns = loadedColumns();
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         columns.join(QStringLiteral(", ")) +
                                         QStringLiteral(" From ") + table + QStringLiteral(" ") +
                                         QStringLiteral("Order By Kind, PartNO"));
    PriceRecordRow::load(state, state.rsMain, columns);
    state.rsMain.close();

    // The purge works on what was loaded: a record whose rows an earlier one already deleted
    // still runs its statement, which then changes nothing.
    PassProgress progress(state, state.PriceRecordCount);
    for (qint32 j = 0, total = state.PriceRecordCount; j < total; ++j) {
        const PriceRecord& record = state.PriceRecords[static_cast<size_t>(j)];
        progress.step(Phase + QStringLiteral(" ("),
                      PassProgress::kindPrefixed(record.Kind, record.PartNO));
        purgeRecord(state, table, record);
    }
}

void IsuzuShortPartPurge::purgeRecord(RunState& state, const QString& table,
                                      const PriceRecord& record)
{
    if (BlankText::isBlank(record.PartNO))
        return;
    const QString rowKey = QStringLiteral("Where Kind = ") + state.qs(record.Kind) +
                           QStringLiteral(" And PartNO = ") + state.qs(record.PartNO) +
                           QStringLiteral(" ");
    if (isShort(record.PartNO)) {
        state.executeSource(QStringLiteral("Delete From ") + table + QStringLiteral(" ") + rowKey);
        return;
    }
    for (size_t i = 0; i < record.AltNO.size(); ++i) {
        const QString& number = record.AltNO[i];
        if (BlankText::isBlank(number) || !isShort(number))
            continue;
        // Only the rows that hold this short number: another row of the same part may hold a
        // full alternate in that place, which must stay.
        const QString pair = QString::number(i + 1);
        state.executeSource(QStringLiteral("Update ") + table + QStringLiteral(" Set AKind_") +
                            pair + QStringLiteral(" = '', AltNO_") + pair +
                            QStringLiteral(" = '' ") + rowKey + QStringLiteral("And AltNO_") +
                            pair + QStringLiteral(" = ") + state.qs(number) + QStringLiteral(" "));
    }
}

} // namespace lostrand
