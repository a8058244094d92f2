#pragma once

#include "db/StatementLog.h"
#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "window/RunState.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace lostrand::test {

// One layout of the alternate-group tables, for brand 7.
struct GroupLayout
{
    std::string name;
    QString label;
    bool padded;
    QString partTable;
    QString groupTable;
    QString workTable;
};

inline const std::vector<GroupLayout>& groupLayouts()
{
    static const std::vector<GroupLayout> layouts{
        {"Numbered", QStringLiteral("P.52"), false, QStringLiteral("Pta7"), QStringLiteral("AltG7"),
         QStringLiteral("AltGX")},
        {"Padded", QStringLiteral("P.68 (Bar)"), true, QStringLiteral("Pta_007"),
         QStringLiteral("Pta_AltG_007"), QStringLiteral("Pta_AltGX")},
    };
    return layouts;
}

inline void PrintTo(const GroupLayout& layout, std::ostream* out)
{
    *out << layout.name;
}

inline std::string layoutName(const ::testing::TestParamInfo<GroupLayout>& info)
{
    return info.param.name;
}

using Link = std::pair<qint32, qint32>;
using Links = std::vector<Link>;

// A target of one layout with its group tables and a part table, and a run state over it as a
// run leaves it: brand 7 and the layout's label, cnADO2 open.
class AlternateTarget
{
public:
    explicit AlternateTarget(const GroupLayout& l) : layout(l)
    {
        QStringList schema = layout.padded ? TargetSchema::paddedGroupTables(QStringLiteral("007"))
                                           : TargetSchema::numberedGroupTables(7);
        schema << TargetSchema::minimalPartTable(layout.partTable);
        file = db.create(QStringLiteral("target.mdb"), schema);
        state.DBVersion = layout.label + QLatin1Char(' ');
        state.BrandID = 7;
        state.BrandName = QStringLiteral("ZARAV");
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(file));
        state.cnADO2().open();
    }

    void run(const QString& sql) { state.cnADO2().execute(sql); }

    void addParts(std::initializer_list<qint32> ids)
    {
        for (qint32 id : ids)
            run(QStringLiteral("Insert Into %1 Values( %2 )").arg(layout.partTable).arg(id));
    }
    // One group row; the part as SQL text, so a test can write Null.
    void link(const QString& part, qint32 alt)
    {
        const QString start = layout.padded ? QString() : QStringLiteral("0, ");
        run(QStringLiteral("Insert Into %1 Values( %2%3, %4 )")
                .arg(layout.groupTable, start, part)
                .arg(alt));
    }
    void link(qint32 part, qint32 alt) { link(QString::number(part), alt); }
    void linkBothWays(qint32 a, qint32 b)
    {
        link(a, b);
        link(b, a);
    }
    void addFactory(qint32 facId)
    {
        run(QStringLiteral("Insert Into Fac Values( %1 )").arg(facId));
    }
    void giveFactory(qint32 part, qint32 facId)
    {
        run(QStringLiteral("Insert Into FacD7 Values( 0, %1, %2 )").arg(part).arg(facId));
    }

    // Rows with a Null in them are left out; sorted, repeats kept.
    Links pairs(const QString& sql) const
    {
        Links result;
        for (const QVariantList& row : TestDatabase::rows(file, sql)) {
            if (!row.at(0).isNull() && !row.at(1).isNull())
                result.emplace_back(row.at(0).toInt(), row.at(1).toInt());
        }
        std::sort(result.begin(), result.end());
        return result;
    }
    Links groupRows() const
    {
        return pairs(QStringLiteral("Select PartID, AltID From ") + layout.groupTable);
    }
    // The padded layout keeps no factories.
    Links factoryRows() const
    {
        return layout.padded ? Links() : pairs(QStringLiteral("Select PartID, FacID From FacD7"));
    }
    qint64 count(const QString& sql) const { return TestDatabase::scalar(file, sql).toLongLong(); }
    qint64 workRows() const
    {
        return count(QStringLiteral("Select Count(*) From ") + layout.workTable);
    }

    GroupLayout layout;
    TestDatabase db;
    QString file;
    FakeWindow window;
    RunState state{window};
};

// Records the statements the database layer sends while it lives.
class StatementRecorder
{
public:
    StatementRecorder()
    {
        StatementLog::install(
            [this](const QString&, StatementLog::Kind kind, const QString& sql, qint64) {
                if (kind != StatementLog::Kind::Fetched)
                    entries.emplace_back(kind, sql);
            });
    }
    ~StatementRecorder() { StatementLog::remove(); }
    StatementRecorder(const StatementRecorder&) = delete;
    StatementRecorder& operator=(const StatementRecorder&) = delete;

    QStringList of(StatementLog::Kind kind) const
    {
        QStringList result;
        for (const auto& [k, sql] : entries) {
            if (k == kind)
                result << sql;
        }
        return result;
    }
    QStringList executed() const { return of(StatementLog::Kind::Execute); }

    std::vector<std::pair<StatementLog::Kind, QString>> entries;
};

} // namespace lostrand::test
