#include "demo/TargetSchema.h"

#include "db/SqlText.h"

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

} // namespace lostrand
