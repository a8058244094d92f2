#include "prepare/PriceRecordRow.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"
#include "transfer/ItemValues.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

QString* numberedMember(PriceRecord& record, const QString& column)
{
    const auto number = [&](const QString& prefix) {
        bool ok = false;
        const int n = column.mid(prefix.size()).toInt(&ok);
        return ok ? n : 0;
    };
    const QString alternateKind = QStringLiteral("AKind_");
    const QString alternateNumber = QStringLiteral("AltNO_");
    const QString model = QStringLiteral("Model_");
    if (column.startsWith(alternateKind)) {
        const int n = number(alternateKind);
        return n >= 1 && n <= 5 ? &record.AKind[static_cast<size_t>(n - 1)] : nullptr;
    }
    if (column.startsWith(alternateNumber)) {
        const int n = number(alternateNumber);
        return n >= 1 && n <= 5 ? &record.AltNO[static_cast<size_t>(n - 1)] : nullptr;
    }
    if (column.startsWith(model)) {
        const int n = number(model);
        return n >= 1 && n <= 12 ? &record.Model[static_cast<size_t>(n - 1)] : nullptr;
    }
    return nullptr;
}

} // namespace

QString* PriceRecordRow::textMember(PriceRecord& record, const QString& column)
{
    const std::pair<const char*, QString*> named[] = {
        {"Kind", &record.Kind},       {"PartNO", &record.PartNO},
        {"PartNew", &record.PartNew}, {"FPartNew", &record.FPartNew},
        {"EName", &record.EName},     {"TName", &record.TName},
        {"Models", &record.Models},   {"Description", &record.Description},
        {"Import", &record.Import},   {"DisPrice", &record.DisPrice},
        {"DisSale", &record.DisSale},
    };
    for (const auto& [name, member] : named) {
        if (column == QLatin1String(name))
            return member;
    }
    return numberedMember(record, column);
}

const QString* PriceRecordRow::textMember(const PriceRecord& record, const QString& column)
{
    return textMember(const_cast<PriceRecord&>(record), column);
}

void PriceRecordRow::read(const Recordset& rs, const QStringList& columns, PriceRecord& record)
{
    for (const QString& column : columns) {
        if (column == QLatin1String("Price"))
            record.Price = SourceRow::currency(rs, column);
        else if (column == QLatin1String("Sale"))
            record.Sale = SourceRow::currency(rs, column);
        else if (column == QLatin1String("ID"))
            record.ID = SourceRow::int32(rs, column);
        else if (QString* member = textMember(record, column))
            *member = rs.text(column);
        else
            throw DbError({}, QStringLiteral("A price record has no member %1").arg(column));
    }
}

void PriceRecordRow::load(RunState& state, Recordset& rs, const QStringList& columns,
                          const RowSeen& onRow)
{
    state.PriceRecordCount = static_cast<qint32>(rs.recordCount());
    state.PriceRecords.assign(static_cast<size_t>(state.PriceRecordCount) + 1, PriceRecord());
    for (qint32 i = 0; !rs.eof() && i < state.PriceRecordCount; ++i) {
        PriceRecord& record = state.PriceRecords[static_cast<size_t>(i)];
        read(rs, columns, record);
        if (onRow)
            onRow(i, record);
        rs.moveNext();
    }
}

QString PriceRecordRow::rowValues(const Connection& cn, const PriceRecord& record)
{
    QStringList values = itemValues(cn, record);
    values.insert(2, cn.quote(record.PartNew));
    values.insert(3, cn.quote(record.FPartNew));
    return values.join(QStringLiteral(", "));
}

QStringList PriceRecordRow::itemValues(const Connection& cn, const PriceItem& item)
{
    QStringList values{cn.quote(item.Kind), cn.quote(item.PartNO)};
    values << ItemValues::alternates(cn, item, ItemValues::PairOrder::KindFirst)
           << ItemValues::details(cn, item);
    return values;
}

QString PriceRecordRow::insertRow(RunState& state, const QString& table, const PriceRecord& record)
{
    return QStringLiteral("Insert Into ") + table + QStringLiteral(" Values( ") +
           rowValues(state.cnPriceList(), record) + QStringLiteral(" )");
}

} // namespace lostrand
