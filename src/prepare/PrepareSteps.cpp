#include "prepare/PrepareSteps.h"

#include "common/BlankText.h"
#include "db/Recordset.h"
#include "prepare/PriceListColumns.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"
#include "window/RunStop.h"

namespace lostrand {

namespace {

// Writes, then looks, at most WriteTries times.
void writeThenLook(RunState& state, Recordset& recordset, const QString& query,
                   const std::function<void()>& write)
{
    for (int attempt = 0; attempt < PrepareSteps::WriteTries; ++attempt) {
        write();
        if (PrepareSteps::hasRow(state, recordset, query))
            return;
    }
    // Writing again would only pile up rows that the read-back cannot see.
    throw RunStop(QStringLiteral("The row was written %1 times and never read back: %2")
                      .arg(PrepareSteps::WriteTries)
                      .arg(query));
}

} // namespace

bool PrepareSteps::ReadTableList(RunState& state, const QString& listTable,
                                 std::vector<qint16>& numbers, qint32& count)
{
    state.openOnSource(state.rsMain, QStringLiteral("Select Count From ") + listTable +
                                         QStringLiteral(" Order By Count"));
    if (state.rsMain.eof()) {
        state.rsMain.close();
        return false;
    }
    count = static_cast<qint32>(state.rsMain.recordCount());
    numbers.assign(static_cast<size_t>(count) + 1, 0);
    for (size_t i = 0; !state.rsMain.eof() && i < static_cast<size_t>(count); ++i) {
        numbers[i] = SourceRow::int16(state.rsMain, QStringLiteral("Count"));
        state.rsMain.moveNext();
    }
    state.rsMain.close();
    return true;
}

bool PrepareSteps::ReadPriceNewCount(RunState& state)
{
    return ReadTableList(state, QStringLiteral("PriceNew_Count"), state.PriceNewTableNo,
                         state.PriceNewTableCount);
}

bool PrepareSteps::ReadPriceListCount(RunState& state)
{
    return ReadTableList(state, QStringLiteral("PriceList_Count"), state.PriceListNo,
                         state.PriceListNoCount);
}

bool PrepareSteps::ReadPriceLastCount(RunState& state)
{
    return ReadTableList(state, QStringLiteral("PriceLast_Count"), state.PriceLastTableNo,
                         state.PriceLastTableCount);
}

QString PrepareSteps::tableName(const QString& prefix, qint64 n)
{
    return prefix + QString::number(n);
}

void PrepareSteps::runForColumns(RunState& state, const QString& statementStart,
                                 const QString& clause, const QStringList& columns)
{
    for (const QString& column : columns)
        state.executeSource(statementStart + QString(clause).replace(QStringLiteral("%1"), column));
}

void PrepareSteps::clearNulls(RunState& state, const QString& table, const QStringList& columns)
{
    const QString start = QStringLiteral("Update ") + table;
    for (const QString& column : columns) {
        const QString value =
            PriceListColumns::isAmount(column) ? QStringLiteral("0") : QStringLiteral("''");
        state.executeSource(start + QStringLiteral(" Set ") + column + QStringLiteral(" = ") +
                            value + QStringLiteral(" Where ") + column +
                            QStringLiteral(" Is Null"));
    }
}

QString PrepareSteps::keyWhere(RunState& state, const QString& kind, const QString& numberColumn,
                               const QString& number)
{
    const QString numberTerm = numberColumn + QStringLiteral(" = ") + state.qs(number);
    if (BlankText::isBlank(kind))
        return QStringLiteral("Where ") + numberTerm;
    return QStringLiteral("Where Kind = ") + state.qs(kind) + QStringLiteral(" And ") + numberTerm;
}

bool PrepareSteps::hasRow(RunState& state, Recordset& recordset, const QString& query)
{
    state.openOnSource(recordset, query);
    const bool found = !recordset.eof();
    recordset.close();
    return found;
}

void PrepareSteps::InsertWithReadBack(RunState& state, const QString& insert,
                                      const QString& readBack, Recordset& recordset)
{
    writeThenLook(state, recordset, readBack, [&] { state.executeSource(insert); });
}

void PrepareSteps::WriteUntilFound(RunState& state, Recordset& recordset, const QString& query,
                                   const std::function<void()>& write)
{
    if (hasRow(state, recordset, query))
        return;
    writeThenLook(state, recordset, query, write);
}

void PrepareSteps::ForEachPriceNewTable(RunState& state, const std::function<void(qint16)>& step)
{
    if (!ReadPriceNewCount(state))
        return;
    for (qint32 j = 0, last = state.PriceNewTableCount; j < last; ++j)
        step(state.PriceNewTableNo[static_cast<size_t>(j)]);
}

void PrepareSteps::ForEachPriceListTable(RunState& state, const std::function<void(qint16)>& step)
{
    if (!ReadPriceListCount(state))
        return;
    for (qint32 j = 0, last = state.PriceListNoCount; j < last; ++j)
        step(state.PriceListNo[static_cast<size_t>(j)]);
}

} // namespace lostrand
