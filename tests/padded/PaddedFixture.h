#pragma once

#include "db/StatementLog.h"
#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "transfer/PriceItem.h"
#include "transfer/StagingQueue.h"
#include "window/RunState.h"
#include "window/VersionLabels.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace lostrand::test {

// The two labels of the padded layout and the suffix of brand 7 under each.
struct PaddedLabel
{
    const char* name;
    QString label;
    QString nn;
};

inline const PaddedLabel PaddedLabels[] = {
    {"P66", QStringLiteral("P.66 (Bar)"), QStringLiteral("07")},
    {"P68", QStringLiteral("P.68 (Bar)"), QStringLiteral("007")},
};

inline void PrintTo(const PaddedLabel& label, std::ostream* os)
{
    *os << label.name;
}

// The name of a case of a suite run under both labels.
inline std::string labelName(const ::testing::TestParamInfo<PaddedLabel>& param)
{
    return param.param.name;
}

// A padded-layout target of one label: the window's brand ZARAV as 7 with every table of the
// layout, and the brand tables of brands 12 and 31 that may share its parts; an open RunState
// over a FakeWindow pointing at it.
class PaddedTarget
{
public:
    static constexpr int Brand = 7;

    explicit PaddedTarget(const QString& versionLabel,
                          const QString& brandName = QStringLiteral("ZARAV"))
        : label(versionLabel), nn(TableNames::paddedSuffix(versionLabel, Brand)), state(window)
    {
        QStringList schema = TargetSchema::common(label, brandName, Brand);
        schema << TargetSchema::paddedLayout(label, Brand)
               << TargetSchema::paddedBrandTables(label, 12)
               << TargetSchema::paddedBrandTables(label, 31);
        path = db.create(QStringLiteral("Valcorin.accdb"), schema);
        window.setText(QStringLiteral("txtDataValcorin"), path);
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(path));
        state.cnADO2().open();
        state.BrandName = brandName;
        state.BrandID = Brand;
        state.DBVersion = label;
        state.UpdateTexts = 1;
    }

    ~PaddedTarget() { StatementLog::remove(); }

    QString table(const char* prefix, int brand = Brand) const
    {
        return QString::fromLatin1(prefix) + TableNames::paddedSuffix(label, brand);
    }

    // A part of brand table `brand` with old texts and prices, its alternate row and its
    // document row; the part row records `recorded` as its brand number.
    void addPart(int id, const QString& key, int upRec = 0, int brand = Brand, int recorded = -1)
    {
        const QString b = QString::number(recorded < 0 ? brand : recorded);
        execute(
            {QStringLiteral("Insert Into %1 (UpRec, PartID, BrandID, FPartNO, PartNO, EName, "
                            "ENameID, ChrEName, FEName, TName, TNameID, ChrTName, FTName, "
                            "Model, Description, Import, Price, DisPrice, Sale, DisSale) "
                            "Values (%2, %3, %4, '%5', 'OLD NO', 'OLD E', 1, 'O', 'OLDE', "
                            "'OLD T', 1, 'O', 'OLDT', 'OLD M', 'OLD D', 'OLD I', 100, "
                            "'OLD DP', 110, 'OLD DS')")
                 .arg(table("Pta_", brand))
                 .arg(upRec)
                 .arg(id)
                 .arg(b, key),
             QStringLiteral("Insert Into %1 (AltID, AltNO, APrice, ASale) Values (%2, 'OLD NO', "
                            "100, 110)")
                 .arg(table("Pta_Alt_", brand))
                 .arg(id)});
        if (brand == Brand)
            execute({QStringLiteral("Insert Into Pta_Doc Values (%1, 'OLD E', 'OLD T', 'OLD M', "
                                    "'OLD NO')")
                         .arg(id)});
    }

    void addGroupRow(int part, int alt)
    {
        execute({QStringLiteral("Insert Into %1 Values (%2, %3)")
                     .arg(table("Pta_AltG_"))
                     .arg(part)
                     .arg(alt)});
    }

    void setCounter(const QString& name, int value)
    {
        execute({QStringLiteral("Delete From LastID Where NameID = '%1'").arg(name),
                 QStringLiteral("Insert Into LastID Values ('%1', %2)").arg(name).arg(value)});
    }

    int counter(const QString& name) const
    {
        return scalar(QStringLiteral("Select LastID From LastID Where NameID = '%1'").arg(name))
            .toInt();
    }

    void queue(const PriceItem& item)
    {
        state.executeTarget(StagingQueue::insertStatement(state, item));
    }

    // Records every statement sent from now on.
    void logStatements()
    {
        StatementLog::install(
            [this](const QString&, StatementLog::Kind kind, const QString& sql, qint64) {
                if (kind == StatementLog::Kind::Execute || kind == StatementLog::Kind::Query)
                    log << sql;
            });
    }
    QStringList sent(const QString& start) const
    {
        QStringList out;
        for (const QString& sql : log) {
            if (sql.startsWith(start))
                out << sql;
        }
        return out;
    }

    void execute(const QStringList& sql) { db.create(QStringLiteral("Valcorin.accdb"), sql); }
    QVariant scalar(const QString& sql) const { return TestDatabase::scalar(path, sql); }
    int count(const QString& sql) const { return scalar(sql).toInt(); }
    QList<QVariantList> rows(const QString& sql) const { return TestDatabase::rows(path, sql); }
    // Every value of the rows, each row's values joined by "|".
    QStringList joined(const QString& sql) const
    {
        QStringList out;
        for (const QVariantList& row : rows(sql)) {
            QStringList values;
            for (const QVariant& v : row)
                values << v.toString();
            out << values.join(QLatin1Char('|'));
        }
        return out;
    }

    const QString label;
    const QString nn;
    TestDatabase db;
    QString path;
    FakeWindow window;
    RunState state;
    QStringList log;
};

// A price item with every text filled and both prices set.
inline PriceItem paddedItem(const QString& kind, const QString& partNo)
{
    PriceItem item;
    item.Kind = kind;
    item.PartNO = partNo;
    item.EName = QStringLiteral("BOLT");
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

} // namespace lostrand::test
