#include "demo/PriceListSchema.h"

#include "db/SqlText.h"

namespace lostrand {

namespace {

QString q(const QString& text)
{
    return SqlText::quote(text, SqlDialect::Sqlite);
}

QString createTableOf(const QString& name, const QStringList& names,
                      const QStringList& leading = {})
{
    QStringList columns = leading;
    for (const QString& column : names) {
        const bool money = column == QLatin1String("Price") || column == QLatin1String("Sale");
        columns.append(column +
                       (money ? QStringLiteral(" Currency") : QStringLiteral(" Text(255)")));
    }
    return QStringLiteral("Create Table %1 (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

QString createRowTable(const QString& name)
{
    return createTableOf(name, PriceListSchema::columnNames());
}

QStringList itemValues(const PriceListRow& row)
{
    QStringList values{q(row.Kind), q(row.PartNO)};
    for (int i = 0; i < 5; ++i)
        values << q(row.AKind[i]) << q(row.AltNO[i]);
    values << q(row.EName) << q(row.TName);
    for (const QString& model : row.Model)
        values << q(model);
    values << q(row.Description) << q(row.Import) << row.Price << q(row.DisPrice) << row.Sale
           << q(row.DisSale);
    return values;
}

const QString AutoNumber = QStringLiteral("ID Integer Primary Key Autoincrement");

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
    QStringList values = itemValues(row);
    values.insert(2, q(row.PartNew));
    values.insert(3, q(row.FPartNew));
    return QStringLiteral("Insert Into %1 Values (%2)")
        .arg(table, values.join(QStringLiteral(", ")));
}

QStringList PriceListSchema::itemColumnNames()
{
    QStringList names = columnNames();
    names.removeAt(3);
    names.removeAt(2);
    return names;
}

QString PriceListSchema::createPriceNewCount()
{
    return QStringLiteral("Create Table PriceNew_Count (Count Integer)");
}

QStringList PriceListSchema::createPriceNewTable(int n, bool hondaColumns)
{
    QStringList names = itemColumnNames();
    if (hondaColumns)
        names << QStringLiteral("FPartNO") << QStringLiteral("PartNew");
    return {createTableOf(QStringLiteral("PriceNew_%1").arg(n), names, {AutoNumber}),
            QStringLiteral("Insert Into PriceNew_Count (Count) Values (%1)").arg(n)};
}

QString PriceListSchema::createWorkingTable()
{
    return createRowTable(QStringLiteral("PriceList"));
}

QString PriceListSchema::createPriceListNew()
{
    return createRowTable(QStringLiteral("PriceList_New"));
}

QString PriceListSchema::createPriceLastCount()
{
    return QStringLiteral("Create Table PriceLast_Count (Count Integer)");
}

QStringList PriceListSchema::createPriceLastTable(int n)
{
    return {createTableOf(QStringLiteral("PriceLast_%1").arg(n), itemColumnNames(), {AutoNumber}),
            QStringLiteral("Insert Into PriceLast_Count (Count) Values (%1)").arg(n)};
}

QString PriceListSchema::createPriceNewO()
{
    return QStringLiteral("Create Table PriceNew_O (ID Integer Primary Key Autoincrement, "
                          "PartNO Text(255), EName Text(255))");
}

QString PriceListSchema::insertItemRow(const QString& table, const PriceListRow& row)
{
    return QStringLiteral("Insert Into %1 (%2) Values (%3)")
        .arg(table, itemColumnNames().join(QStringLiteral(", ")),
             itemValues(row).join(QStringLiteral(", ")));
}

} // namespace lostrand
