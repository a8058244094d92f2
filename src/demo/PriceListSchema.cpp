#include "demo/PriceListSchema.h"

#include "db/SqlText.h"

namespace lostrand {

namespace {

QString q(const QString& text)
{
    return SqlText::quote(text, SqlDialect::Sqlite);
}

QString createRowTable(const QString& name)
{
    QStringList columns;
    for (const QString& column : PriceListSchema::columnNames()) {
        const bool money = column == QLatin1String("Price") || column == QLatin1String("Sale");
        columns.append(column +
                       (money ? QStringLiteral(" Currency") : QStringLiteral(" Text(255)")));
    }
    return QStringLiteral("Create Table %1 (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

} // namespace

QStringList PriceListSchema::columnNames()
{
    QStringList names{QStringLiteral("Kind"), QStringLiteral("PartNO"), QStringLiteral("PartNew"),
                      QStringLiteral("FPartNew")};
    for (int i = 1; i <= 5; ++i)
        names << QStringLiteral("AKind_%1").arg(i) << QStringLiteral("AltNO_%1").arg(i);
    names << QStringLiteral("EName") << QStringLiteral("TName");
    for (int i = 1; i <= 12; ++i)
        names << QStringLiteral("Model_%1").arg(i);
    names << QStringLiteral("Description") << QStringLiteral("Import") << QStringLiteral("Price")
          << QStringLiteral("DisPrice") << QStringLiteral("Sale") << QStringLiteral("DisSale");
    return names;
}

QStringList PriceListSchema::createFile()
{
    return {QStringLiteral("Create Table PriceList_Count (Count Integer)"),
            createRowTable(QStringLiteral("PriceListAll"))};
}

QStringList PriceListSchema::createTable(int n)
{
    return {createRowTable(QStringLiteral("PriceList_%1").arg(n)),
            QStringLiteral("Insert Into PriceList_Count (Count) Values (%1)").arg(n)};
}

QString PriceListSchema::insertRow(const QString& table, const PriceListRow& row)
{
    QStringList values{q(row.Kind), q(row.PartNO), q(row.PartNew), q(row.FPartNew)};
    for (int i = 0; i < 5; ++i)
        values << q(row.AKind[i]) << q(row.AltNO[i]);
    values << q(row.EName) << q(row.TName);
    for (const QString& model : row.Model)
        values << q(model);
    values << q(row.Description) << q(row.Import) << row.Price << q(row.DisPrice) << row.Sale
           << q(row.DisSale);
    return QStringLiteral("Insert Into %1 Values (%2)")
        .arg(table, values.join(QStringLiteral(", ")));
}

} // namespace lostrand
