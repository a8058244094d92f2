#include "demo/TargetSchema.h"

#include "db/SqlText.h"
#include "newparts/NewPartLayout.h"
#include "window/VersionLabels.h"

#include <algorithm>
#include <stdexcept>

namespace lostrand {

namespace {
QString q(const QString& text)
{
    return SqlText::quote(text, SqlDialect::Sqlite);
}
} // namespace

QStringList TargetSchema::common(const QString& label, const QString& brandName, int brandId)
{
    QStringList statements{
        QStringLiteral("Create Table System (Ver Text(50))"),
        QStringLiteral("Insert Into System (Ver) Values (%1)").arg(q(label)),
        QStringLiteral("Create Table Brand (BrandID Long, BrandName Text(50))"),
        QStringLiteral("Insert Into Brand Values (%1, %2)").arg(brandId).arg(q(brandName)),
        QStringLiteral("Create Table Pta_BrandID (BrandID Long, BrandCar Text(50))"),
        QStringLiteral("Insert Into Pta_BrandID Values (%1, %2)").arg(brandId).arg(q(brandName)),
        QStringLiteral("Create Table LastID (NameID Text(50), LastID Long)"),
    };
    statements << stagingTable();
    return statements;
}

QStringList TargetSchema::stagingTable()
{
    QString create =
        QStringLiteral("Create Table PriceList (BrandID Long, PartNO Text(40), Kind Text(1), ");
    for (int i = 1; i <= 5; ++i)
        create += QStringLiteral("AltNO_%1 Text(40), AKind_%1 Text(1), ").arg(i);
    create += QStringLiteral("EName Text(40), TName Text(60), ");
    for (int i = 1; i <= 12; ++i)
        create += QStringLiteral("Model_%1 Text(30), ").arg(i);
    create += QStringLiteral("Description Text(60), Import Text(20), Price Currency, "
                             "DisPrice Text(30), Sale Currency, DisSale Text(30))");
    return {create, QStringLiteral("CREATE INDEX PriceList_BrandID ON PriceList (BrandID)"),
            QStringLiteral("CREATE INDEX PriceList_PartNO ON PriceList (PartNO)"),
            QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind)")};
}

QStringList TargetSchema::numberedGroupTables(int brandId)
{
    // The first column of AltG and FacD is always written as 0 and never read.
    return {QStringLiteral("Create Table AltG%1 (Flag Long, PartID Long, AltID Long)").arg(brandId),
            QStringLiteral("Create Table FacD%1 (Flag Long, PartID Long, FacID Long)").arg(brandId),
            QStringLiteral("Create Table Fac (FacID Long)"),
            QStringLiteral("Create Table AltGX (PartID Long)")};
}

QStringList TargetSchema::paddedGroupTables(const QString& nn)
{
    return {QStringLiteral("Create Table Pta_AltG_%1 (PartID Long, AltID Long)").arg(nn),
            QStringLiteral("Create Table Pta_AltGX (PartID Long)")};
}

QStringList TargetSchema::minimalPartTable(const QString& name)
{
    return {QStringLiteral("Create Table %1 (PartID Long)").arg(name)};
}

namespace {

QString columnType(RowToken token)
{
    switch (token) {
    case RowToken::Pr:
    case RowToken::Sa:
        return QStringLiteral("Currency");
    case RowToken::True:
    case RowToken::False:
        return QStringLiteral("Bit");
    case RowToken::Zero:
    case RowToken::One:
    case RowToken::ID:
    case RowToken::B:
    case RowToken::DT:
    case RowToken::F:
    case RowToken::MainOne:
    case RowToken::ENameID:
    case RowToken::TNameID:
        return QStringLiteral("Long");
    default:
        return QStringLiteral("Text(255)");
    }
}

QString partTable(const NewPartLayout& layout, const QString& name)
{
    QStringList columns;
    for (size_t i = 0; i < layout.partRow.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        columns << layout.columnName(position) + QLatin1Char(' ') + columnType(layout.partRow[i]);
    }
    return QStringLiteral("Create Table %1 (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

// The alternate row's columns where the price update names them, by the value they hold.
QString altColumnName(const std::vector<RowToken>& row, size_t index)
{
    const RowToken token = row[index];
    const bool first = std::find(row.begin(), row.end(), token) - row.begin() ==
                       static_cast<std::ptrdiff_t>(index);
    QString name;
    if (token == RowToken::ID)
        name = QStringLiteral("AltID");
    else if (token == RowToken::B)
        name = QStringLiteral("BrandID");
    else if (token == RowToken::Combo)
        name = QStringLiteral("AltNO");
    else if (token == RowToken::Pr)
        name = QStringLiteral("APrice");
    else if (token == RowToken::Sa)
        name = QStringLiteral("ASale");
    return name.isEmpty() || !first ? QStringLiteral("Col%1").arg(index + 1) : name;
}

QString altTable(const NewPartLayout& layout, const QString& name)
{
    const std::vector<RowToken> row = layout.altRowValues();
    QStringList columns;
    for (size_t i = 0; i < row.size(); ++i)
        columns << altColumnName(row, i) + QLatin1Char(' ') + columnType(row[i]);
    return QStringLiteral("Create Table %1 (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

const NewPartLayout& paddedRows(const QString& label)
{
    const NewPartLayout* layout = NewPartLayout::forLabel(label);
    if (!layout || !layout->padded())
        throw std::invalid_argument("no padded new-part layout for this label");
    return *layout;
}

} // namespace

QStringList TargetSchema::paddedBrandTables(const QString& label, int brandId)
{
    const NewPartLayout& layout = paddedRows(label);
    const QString nn = TableNames::paddedSuffix(label, brandId);
    const QString pta = QStringLiteral("Pta_") + nn;
    const QString alt = QStringLiteral("Pta_Alt_") + nn;
    const QString group = QStringLiteral("Pta_AltG_") + nn;
    return {partTable(layout, pta),
            QStringLiteral("Create Index %1_PartID On %1 (PartID)").arg(pta),
            QStringLiteral("Create Index %1_FPartNO On %1 (FPartNO)").arg(pta),
            QStringLiteral("Create Index %1_FEName On %1 (FEName)").arg(pta),
            QStringLiteral("Create Index %1_FTName On %1 (FTName)").arg(pta),
            altTable(layout, alt),
            QStringLiteral("Create Index %1_AltID On %1 (AltID)").arg(alt),
            QStringLiteral("Create Table %1 (PartID Long, AltID Long)").arg(group),
            QStringLiteral("Create Index %1_PartID On %1 (PartID)").arg(group)};
}

QStringList TargetSchema::paddedLayout(const QString& label, int brandId)
{
    QStringList statements = paddedBrandTables(label, brandId);
    statements << QStringList{
        QStringLiteral("Create Table Pta_AltGX (PartID Long)"),
        QStringLiteral("Create Table Pta_Doc (PartID Long, EName Text(40), TName Text(60), "
                       "Model Text(30), PartNO Text(40))"),
        QStringLiteral("Create Table DetailSaleRem (PartID Long, Discount Currency, "
                       "Price Currency)"),
        QStringLiteral("Create Table Pta_BarCode (PartID Long, BrandID Long, PartNO Text(40))"),
        QStringLiteral("Create Table Pta_ModelID (Flag Long, BrandID Long, ModelID Long, "
                       "FBModel Text(80), FModel Text(30), Model Text(30), Flag2 Long)"),
        QStringLiteral("Create Table Pta_BrandCar (PartID Long, BrandID Long, ModelID Long, "
                       "BrandCar Text(50), Model Text(30))"),
        QStringLiteral("Create Table Pta_Model (PartID Long, Flag Long)"),
        QStringLiteral("Create Index Pta_Doc_PartID On Pta_Doc (PartID)"),
        QStringLiteral("Create Index Pta_ModelID_FBModel On Pta_ModelID (FBModel)"),
        QStringLiteral("Create Index Pta_BrandCar_PartID On Pta_BrandCar (PartID)"),
    };
    return statements;
}

QStringList TargetSchema::numberedLayout(const QString& label, int brandId)
{
    const NewPartLayout* layout = NewPartLayout::forLabel(label);
    if (!layout || layout->padded())
        throw std::invalid_argument("no numbered new-part layout for this label");
    const QString b = QString::number(brandId);
    const QString pta = QStringLiteral("Pta") + b;
    const QString alt = layout->altRow == AltRowForm::SixValues
                            ? QStringLiteral("(AltID Long, AltNo Long, AKind Text(1), APartNO "
                                             "Text(40), APrice Currency, ASale Currency)")
                            : QStringLiteral("(AltID Long, AKind Text(1), APartNO Text(40), "
                                             "APrice Currency)");
    QStringList statements{
        partTable(*layout, pta),
        QStringLiteral("Create Index %1_PartID On %1 (PartID)").arg(pta),
        QStringLiteral("Create Index %1_PartNO On %1 (PartNO)").arg(pta),
        QStringLiteral("Create Index %1_Kind On %1 (Kind)").arg(pta),
        QStringLiteral("Create Index %1_FPartNO On %1 (FPartNO)").arg(pta),
        QStringLiteral("Create Table Alt%1 %2").arg(b, alt),
        QStringLiteral("Create Index Alt%1_AltID On Alt%1 (AltID)").arg(b),
    };
    statements << numberedGroupTables(brandId);
    statements << QStringList{
        QStringLiteral("Create Index AltG%1_PartID On AltG%1 (PartID)").arg(b),
        QStringLiteral("Create Index FacD%1_PartID On FacD%1 (PartID)").arg(b),
        QStringLiteral("Create Table MovementStock (PartID Long, BrandID Long, EName Text(40), "
                       "TName Text(60), Model Text(30))"),
        QStringLiteral("Create Table SPG (BrandID Long, PartID Long, EName Text(40), TName "
                       "Text(60), Model Text(30), Price Currency)"),
        QStringLiteral(
            "Create Table Price (PartID Long, BrandID Long, TName Text(60), Model Text(30))"),
        QStringLiteral(
            "Create Table Sale (PartID Long, BrandID Long, TName Text(60), Model Text(30))"),
    };
    // The companion tables are updated by part, as a real target indexes them.
    for (const char* table : {"MovementStock", "SPG", "Price", "Sale"})
        statements
            << QStringLiteral("Create Index %1_PartID On %1 (PartID)").arg(QLatin1String(table));
    return statements;
}

} // namespace lostrand
