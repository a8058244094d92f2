#include "prepare/IsuzuKindFill.h"

#include "prepare/IsuzuKindFlags.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

const IsuzuKindFill::Fill Fills[] = {
    {QStringLiteral("Kind"), QStringLiteral("PartNO"), QStringLiteral("กำลังแก้ไข Kind (ISUZU_ ")},
    {QStringLiteral("AKind_1"), QStringLiteral("AltNO_1"),
     QStringLiteral("กำลังแก้ไข AKind (ISUZU_ ")},
};

QStringList cleanedColumns()
{
    return {QStringLiteral("Kind"),    QStringLiteral("PartNO"),  QStringLiteral("AKind_1"),
            QStringLiteral("AltNO_1"), QStringLiteral("AKind_2"), QStringLiteral("AltNO_2"),
            QStringLiteral("AKind_3"), QStringLiteral("AltNO_3"), QStringLiteral("AKind_4"),
            QStringLiteral("AltNO_4"), QStringLiteral("AKind_5"), QStringLiteral("AltNO_5"),
            QStringLiteral("TName")};
}

} // namespace

void IsuzuKindFill::FillIsuzuKindFromPta(RunState& state)
{
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) { fillTable(state, n); });
}

void IsuzuKindFill::fillTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    PrepareSteps::clearNulls(state, table, cleanedColumns());
    IsuzuKindFlags::shortenFlags(state, table);
    for (const Fill& fill : Fills) {
        walk(state, table, n, fill);
        state.executeSource(QStringLiteral("Update ") + table + QStringLiteral(" Set ") +
                            fill.written + QStringLiteral(" = 0 Where ") + fill.written +
                            QStringLiteral(" = '' "));
    }
}

void IsuzuKindFill::walk(RunState& state, const QString& table, qint16 n, const Fill& fill)
{
    // The ID keeps each save to its own row where rows share number and name.
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + QStringLiteral("ID, ") +
                                         fill.written + QStringLiteral(", ") + fill.number +
                                         QStringLiteral(", TName ") + QStringLiteral("From ") +
                                         table + QStringLiteral(" ") + QStringLiteral("Where ") +
                                         fill.written + QStringLiteral(" = '' ") +
                                         QStringLiteral("Order By PartNO"));
    PassProgress progress(state, state.rsMain.recordCount());
    const QString prefix = fill.status + QString::number(n) + QStringLiteral(")  (");
    while (!state.rsMain.eof()) {
        const QString number = state.rsMain.text(fill.number);
        const QString name = state.rsMain.text(QStringLiteral("TName"));
        progress.step(prefix, number + QStringLiteral(" - ") + name);
        if (const auto kind = targetKind(state, number, name)) {
            state.rsMain.setValue(fill.written, *kind);
            state.rsMain.update();
        }
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

std::optional<QString> IsuzuKindFill::targetKind(RunState& state, const QString& number,
                                                 const QString& name)
{
    const QString from =
        QStringLiteral("From ") + QStringLiteral("Pta") + state.brandText() + QStringLiteral(" ");
    const QString byNumber =
        QStringLiteral("Where PartNO = ") + state.qt(number) + QStringLiteral(" ");
    const qint64 numberCount = kindCount(state, from + byNumber);
    state.openOnTarget(state.rsCheck,
                       QStringLiteral("Select ") + QStringLiteral("Kind ") + from + byNumber);
    // A number the target lacks is not looked up by name.
    if (state.rsCheck.eof()) {
        state.rsCheck.close();
        return std::nullopt;
    }
    if (numberCount == 1) {
        auto kind = firstKind(state);
        state.rsCheck.close();
        return kind;
    }
    state.rsCheck.close();
    const QString byName = QStringLiteral("Where PartNO = ") + state.qt(number) +
                           QStringLiteral(" And TName = ") + state.qt(name);
    const qint64 nameCount = kindCount(state, from + byName);
    state.openOnTarget(state.rsCheck,
                       QStringLiteral("Select ") + QStringLiteral("Kind ") + from + byName);
    std::optional<QString> kind;
    if (!state.rsCheck.eof() && nameCount == 1)
        kind = firstKind(state);
    state.rsCheck.close();
    return kind;
}

qint64 IsuzuKindFill::kindCount(RunState& state, const QString& fromWhere)
{
    state.openOnTarget(state.rsCheck, QStringLiteral("Select ") +
                                          QStringLiteral("Count(Kind) As Rec_Count ") + fromWhere);
    qint64 count = 0;
    if (!state.rsCheck.eof())
        count = SourceRow::int32(state.rsCheck, QStringLiteral("Rec_Count"));
    state.rsCheck.close();
    return count;
}

std::optional<QString> IsuzuKindFill::firstKind(RunState& state)
{
    for (; !state.rsCheck.eof(); state.rsCheck.moveNext()) {
        if (!state.rsCheck.isNull(QStringLiteral("Kind")))
            return state.rsCheck.text(QStringLiteral("Kind"));
    }
    return std::nullopt;
}

} // namespace lostrand
