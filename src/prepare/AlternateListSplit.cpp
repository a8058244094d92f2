#include "prepare/AlternateListSplit.h"

#include "common/BlankText.h"
#include "prepare/PrepareSteps.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

const QChar Comma = QLatin1Char(',');

QStringList columns(const QString& prefix)
{
    QStringList names;
    for (int i = 1; i <= 5; ++i)
        names << prefix + QString::number(i);
    return names;
}

// The text before the rest's first comma becomes item; the rest keeps what follows it.
// The list puts a blank after each comma, and trimming takes it off; a list written without
// the blank keeps every character of its items.
QString takeItem(QString& rest, qsizetype comma)
{
    const QString item = BlankText::trim(rest.left(comma));
    rest = BlankText::trim(rest.mid(comma + 1));
    return item;
}

} // namespace

std::array<QString, 5> AlternateListSplit::SplitList(const QString& list)
{
    std::array<QString, 5> items;
    QString rest = list;
    for (QString& item : items) {
        const qsizetype comma = rest.indexOf(Comma);
        if (comma < 0)
            break;
        item = takeItem(rest, comma);
    }
    if (rest.isEmpty())
        return items;
    // More than five items: the sixth takes the last place, and no list text lands in it.
    const qsizetype comma = rest.indexOf(Comma);
    if (comma >= 0)
        rest = BlankText::trim(rest.left(comma));
    if (rest.isEmpty())
        return items;
    for (size_t i = 0; i + 1 < items.size(); ++i) {
        if (items[i].isEmpty()) {
            items[i] = rest;
            return items;
        }
    }
    items.back() = rest;
    return items;
}

void AlternateListSplit::SplitAltNOList(RunState& state)
{
    PrepareSteps::ForEachPriceNewTable(state, [&state](qint16 n) { splitTable(state, n); });
}

void AlternateListSplit::splitTable(RunState& state, qint16 n)
{
    const QString table = PrepareSteps::tableName(QStringLiteral("PriceNew_"), n);
    const QString start = QStringLiteral("Update ") + table;
    const QStringList numbers = columns(QStringLiteral("AltNO_"));
    PrepareSteps::runForColumns(state, start, QStringLiteral(" Set %1 = '' "),
                                columns(QStringLiteral("AKind_")));
    PrepareSteps::clearNulls(state, table, numbers);
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + QStringLiteral("ID, ") +
                                         numbers.join(QStringLiteral(", ")) +
                                         QStringLiteral(" From ") + table + QStringLiteral(" ") +
                                         QStringLiteral("Where AltNO_1 <> '' "));
    // The rows are read whole before the first one is written, as a keyset holds them.
    state.rsMain.recordCount();
    while (!state.rsMain.eof()) {
        const QString list = state.rsMain.text(QStringLiteral("AltNO_1"));
        if (list.contains(Comma)) {
            const auto items = SplitList(list);
            QStringList sets;
            for (size_t i = 0; i < items.size(); ++i)
                sets << numbers.at(static_cast<qsizetype>(i)) + QStringLiteral(" = ") +
                            state.qs(items[i]);
            state.executeSource(
                start + QStringLiteral(" Set ") + sets.join(QStringLiteral(", ")) +
                QStringLiteral(" Where ID = ") +
                QString::number(SourceRow::int32(state.rsMain, QStringLiteral("ID"))));
        }
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

} // namespace lostrand
