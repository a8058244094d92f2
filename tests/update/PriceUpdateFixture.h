#pragma once

#include "db/Currency.h"
#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "transfer/PriceItem.h"
#include "window/RunState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <string>

namespace lostrand::test {

// A numbered-layout target of brand 7 with every table and column the price writers touch,
// open on cnADO2 of a run state over a recording window.
class PriceTarget
{
public:
    static constexpr int Brand = 7;
    // Companion rows of this brand share the part numbers and must never change.
    static constexpr int OtherBrand = 8;

    using Writer = void (*)(RunState&, const PriceItem&);

    explicit PriceTarget(const QString& label = QStringLiteral("V.51")) : state(window)
    {
        QStringList statements = TargetSchema::stagingTable();
        statements << QStringLiteral(
                          "Create Table Pta7 (PartID Long, UpRec Integer, Kind Text(1), "
                          "PartNO Text(40), FPartNO Text(40), lAtNO Text(40), EName Text(40), "
                          "TName Text(60), IndTName Text(60), EFind Text(80), TFind Text(100), "
                          "Model Text(30), Description Text(60), Import Text(20), "
                          "Price Currency, Sale Currency, Price1 Currency, Sale1 Currency, "
                          "DisPrice Text(30), DisSale Text(30))")
                   << QStringLiteral("Create Table Alt7 (AltID Long, AKind Text(1), "
                                     "APartNO Text(40), APrice Currency)")
                   << QStringLiteral("Create Table MovementStock (PartID Long, BrandID Long, "
                                     "EName Text(40), TName Text(60), Model Text(30))")
                   << QStringLiteral("Create Table SPG (BrandID Long, PartID Long, EName Text(40), "
                                     "TName Text(60), Model Text(30), Price Currency)")
                   << QStringLiteral("Create Table Price (PartID Long, BrandID Long, "
                                     "TName Text(60), Model Text(30))")
                   << QStringLiteral("Create Table Sale (PartID Long, BrandID Long, "
                                     "TName Text(60), Model Text(30))");
        path = db.create(QStringLiteral("target.mdb"), statements);
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(path));
        state.cnADO2().open();
        state.BrandID = Brand;
        state.DBVersion = label;
        state.UpdateTexts = 1;
    }

    // A part with "OLD" texts and old prices, its alternate row and its companion rows under
    // this brand and another one.
    void addPart(int id, int upRec, const QString& kind, const QString& partNo,
                 const QString& fPartNo = {})
    {
        const QString key = QString::number(id);
        execute({QStringLiteral("Insert Into Pta7 Values (%1, %2, %3, %4, %5, 'OLD ALT', 'OLD E', "
                                "'OLD T', 'OLD K', 'OLD EF', 'OLD TF', 'OLD M', 'OLD D', "
                                "'OLD I', 100, 110, 200, 210, 'OLD DP', 'OLD DS')")
                     .arg(key, QString::number(upRec), quote(kind), quote(partNo), quote(fPartNo)),
                 QStringLiteral("Insert Into Alt7 Values (%1, %2, %3, 100)")
                     .arg(key, quote(kind), quote(partNo))});
        for (const int brand : {Brand, OtherBrand}) {
            const QString b = QString::number(brand);
            execute(
                {QStringLiteral("Insert Into MovementStock Values (%1, %2, 'OLD E', 'OLD T', "
                                "'OLD M')")
                     .arg(key, b),
                 QStringLiteral("Insert Into SPG Values (%1, %2, 'OLD E', 'OLD T', 'OLD M', "
                                "100)")
                     .arg(b, key),
                 QStringLiteral("Insert Into Price Values (%1, %2, 'OLD T', 'OLD M')").arg(key, b),
                 QStringLiteral("Insert Into Sale Values (%1, %2, 'OLD T', 'OLD M')").arg(key, b)});
        }
    }

    // An item with every text filled and both prices set.
    static PriceItem item(const QString& kind, const QString& partNo)
    {
        PriceItem item;
        item.Kind = kind;
        item.PartNO = partNo;
        for (int i = 0; i < 5; ++i) {
            item.AKind[static_cast<size_t>(i)] = QStringLiteral("%1").arg(QChar(u'A' + i));
            item.AltNO[static_cast<size_t>(i)] = QStringLiteral("ALT-%1").arg(i + 1);
        }
        item.EName = QStringLiteral("NEW E");
        item.TName = QStringLiteral("เกียร์");
        item.Model[0] = QStringLiteral("VIOS");
        item.Model[2] = QStringLiteral("YARIS");
        item.Description = QStringLiteral("NEW D");
        item.Import = QStringLiteral("NEW I");
        item.Price = Currency::fromInt(1250);
        item.DisPrice = QStringLiteral("NEW DP");
        item.Sale = Currency::fromUnits(15005000);
        item.DisSale = QStringLiteral("NEW DS");
        return item;
    }

    void run(Writer writer, const PriceItem& item) { writer(state, item); }

    void execute(const QStringList& statements)
    {
        db.create(QStringLiteral("target.mdb"), statements);
    }

    QVariant value(const QString& sql) const { return TestDatabase::scalar(path, sql); }
    QString part(int id, const QString& column) const
    {
        return value(QStringLiteral("Select %1 From Pta7 Where PartID = %2").arg(column).arg(id))
            .toString();
    }
    // A price column as its plain decimal text.
    QString partMoney(int id, const QString& column) const
    {
        return money(
            value(QStringLiteral("Select %1 From Pta7 Where PartID = %2").arg(column).arg(id)));
    }
    QString companion(const QString& table, int id, const QString& column, int brand = Brand) const
    {
        const QVariant v = value(QStringLiteral("Select %1 From %2 Where PartID = %3 And "
                                                "BrandID = %4")
                                     .arg(column, table)
                                     .arg(id)
                                     .arg(brand));
        return column == QStringLiteral("Price") ? money(v) : v.toString();
    }
    QString altPrice(int id) const
    {
        return money(value(QStringLiteral("Select APrice From Alt7 Where AltID = %1").arg(id)));
    }
    QList<QVariantList> queued() const
    {
        return TestDatabase::rows(path, QStringLiteral("Select * From PriceList Order By rowid"));
    }
    // Every table the writers touch, for comparing two targets.
    QList<QVariantList> dump() const
    {
        QList<QVariantList> all;
        for (const char* table :
             {"Pta7", "Alt7", "MovementStock", "SPG", "Price", "Sale", "PriceList"})
            all << TestDatabase::rows(
                path, QStringLiteral("Select * From %1 Order By rowid").arg(QLatin1String(table)));
        return all;
    }

    static QString money(const QVariant& v)
    {
        const auto amount = Currency::fromVariant(v);
        return amount ? amount->toString() : QStringLiteral("(null)");
    }
    static QString quote(const QString& text)
    {
        QString doubled = text;
        doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
        return QLatin1Char('\'') + doubled + QLatin1Char('\'');
    }

    TestDatabase db;
    QString path;
    FakeWindow window;
    RunState state;
};

// Failure messages name a case by its name rather than its bytes.
template <class Case> void printCase(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// The name of a parameterized case whose parameter carries a name.
template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& param)
{
    return param.param.name;
}

} // namespace lostrand::test
