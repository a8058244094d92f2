#include "window/TargetChecks.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "window/RunState.h"
#include "window/RunStop.h"

#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::FakeWindow;
using lostrand::test::TestDatabase;

namespace {

QString q(const QString& text)
{
    return SqlText::quote(text, SqlDialect::Sqlite);
}

struct Row
{
    int id;
    QString name;
};

class TargetChecksTest : public ::testing::Test
{
protected:
    // A target with the System rows given and, when given, a brand table of that name.
    void makeTarget(const QStringList& versions, const QString& brandTable = {},
                    const QList<Row>& brands = {})
    {
        QStringList sql{QStringLiteral("Create Table System (Ver Text(50))")};
        for (const QString& v : versions)
            sql << QStringLiteral("Insert Into System Values (%1)")
                       .arg(v.isNull() ? QStringLiteral("Null") : q(v));
        const QString column = brandTable == QLatin1String("Brand") ? QStringLiteral("BrandName")
                                                                    : QStringLiteral("BrandCar");
        if (!brandTable.isEmpty())
            sql << QStringLiteral("Create Table %1 (BrandID Long, %2 Text(50))")
                       .arg(brandTable, column);
        for (const Row& r : brands)
            sql << QStringLiteral("Insert Into %1 Values (%2, %3)")
                       .arg(brandTable)
                       .arg(r.id)
                       .arg(q(r.name));
        const QString file = db.create(QStringLiteral("target%1.accdb").arg(++targets), sql);
        state.cnADO2().close();
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(file));
        state.cnADO2().open();
    }

    TestDatabase db;
    int targets = 0;
    FakeWindow window;
    RunState state{window};
};

TEST_F(TargetChecksTest, TheLabelOfTheFirstSystemRowIsTrimmedAndComparedExactly)
{
    struct Case
    {
        QStringList versions;
        qint16 result;
        QString label;
    };
    const Case cases[] = {
        {{QStringLiteral("  P.45 (Bar)  ")}, 1, QStringLiteral("P.45 (Bar)")},
        {{QStringLiteral("p.45 (bar)")}, 0, QStringLiteral("p.45 (bar)")},
        {{QStringLiteral("V.99")}, 0, QStringLiteral("V.99")},
        {{QStringLiteral("D.47 (Bar)"), QStringLiteral("V.99")}, 1, QStringLiteral("D.47 (Bar)")},
        {{QStringLiteral("V.99"), QStringLiteral("D.47 (Bar)")}, 0, QStringLiteral("V.99")},
        // No row: not accepted, and the label of an earlier run stays.
        {{}, 0, QStringLiteral("earlier")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.versions.join(QLatin1Char('|')).toStdString());
        makeTarget(c.versions);
        state.DBVersion = QStringLiteral("earlier");
        EXPECT_EQ(TargetChecks::CheckDatabaseVersion(state), c.result);
        EXPECT_EQ(state.DBVersion, c.label);
        EXPECT_EQ(state.strSQL, QStringLiteral("Select Ver From System "));
        EXPECT_FALSE(state.rsLookup.isOpen());
    }
}

TEST_F(TargetChecksTest, ANullLabelOrAMissingTableEndsTheRun)
{
    makeTarget({QString()});
    EXPECT_THROW(TargetChecks::CheckDatabaseVersion(state), DbError);
    state.rsLookup.close();
    makeTarget({QStringLiteral("V.31")});
    state.cnADO2().execute(QStringLiteral("Drop Table System"));
    EXPECT_THROW(TargetChecks::CheckDatabaseVersion(state), DbError);
}

TEST_F(TargetChecksTest, TheBrandNumberByLabelAndName)
{
    struct Case
    {
        const char* why;
        QString label;
        QString brand;
        QString table; // the only brand table the target has
        QList<Row> rows;
        qint32 expected;
    };
    const QString brand = QStringLiteral("Brand");
    const QString car = QStringLiteral("Pta_BrandID");
    const Case cases[] = {
        {"by name", "V.31", "ZARAV", brand, {{4, "OTHER"}, {7, "ZARAV"}}, 7},
        {"the name first", "V.31", "ZARAV", brand, {{9, "ZARAV_U"}, {7, "ZARAV"}}, 7},
        {"then the name with _U", "P.45 (Bar)", "ZARAV", brand, {{9, "ZARAV_U"}}, 9},
        {"not found", "V.31", "ZARAV", brand, {{3, "UD"}}, 0},
        {"the name is not trimmed", "V.31", "ZARAV ", brand, {{7, "ZARAV"}}, 0},
        {"UD_VOLVO falls back to UD", "V.31", "UD_VOLVO", brand, {{3, "UD"}}, 3},
        {"UD_VOLVO trimmed for its third try", "V.31", "UD_VOLVO ", brand, {{3, "UD"}}, 3},
        {"UD_VOLVO by its own name first",
         "V.31",
         "UD_VOLVO",
         brand,
         {{3, "UD"}, {5, "UD_VOLVO_U"}},
         5},
        {"an apostrophe is a character of the name", "V.31", "O'KEEFE", brand, {{6, "O'KEEFE"}}, 6},
        {"padded layout reads Pta_BrandID", "P.66 (Bar)", "ZARAV", car, {{12, "ZARAV"}}, 12},
        {"padded layout has one try", "P.68 (Bar)", "ZARAV", car, {{12, "ZARAV_U"}}, 0},
        {"padded layout, apostrophe", "P.68 (Bar)", "O'KEEFE", car, {{8, "O'KEEFE"}}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        makeTarget({c.label}, c.table, c.rows);
        state.BrandName = c.brand;
        ASSERT_EQ(TargetChecks::CheckDatabaseVersion(state), 1);
        state.BrandID = 99; // an earlier run's number never carries over
        TargetChecks::FindBrandID(state);
        EXPECT_EQ(state.BrandID, c.expected);
        EXPECT_FALSE(state.rsLookup.isOpen());
    }
}

TEST_F(TargetChecksTest, TheStatementsOfTheLookUp)
{
    makeTarget({QStringLiteral("V.31")}, QStringLiteral("Brand"), {{7, QStringLiteral("ZARAV")}});
    state.BrandName = QStringLiteral("ZARAV");
    TargetChecks::CheckDatabaseVersion(state);
    TargetChecks::FindBrandID(state);
    EXPECT_EQ(state.strSQL, QStringLiteral("Select BrandID From Brand Where BrandName = 'ZARAV'"));
    state.BrandName = QStringLiteral("NOPE");
    TargetChecks::FindBrandID(state);
    EXPECT_EQ(state.strSQL, QStringLiteral("Select BrandID From Brand Where BrandName = 'NOPE_U'"));

    makeTarget({QStringLiteral("P.66 (Bar)")}, QStringLiteral("Pta_BrandID"));
    TargetChecks::CheckDatabaseVersion(state);
    TargetChecks::FindBrandID(state);
    EXPECT_EQ(state.strSQL,
              QStringLiteral("Select BrandID From Pta_BrandID Where BrandCar = 'NOPE'"));
}

TEST_F(TargetChecksTest, AMissingTableOrANullNumberEndsTheRun)
{
    // A numbered label needs Brand even when Pta_BrandID is there.
    makeTarget({QStringLiteral("V.31")}, QStringLiteral("Pta_BrandID"),
               {{7, QStringLiteral("ZARAV")}});
    state.BrandName = QStringLiteral("ZARAV");
    TargetChecks::CheckDatabaseVersion(state);
    EXPECT_THROW(TargetChecks::FindBrandID(state), DbError);
    state.rsLookup.close();

    makeTarget({QStringLiteral("V.31")}, QStringLiteral("Brand"));
    state.cnADO2().execute(QStringLiteral("Insert Into Brand Values (Null, 'ZARAV')"));
    TargetChecks::CheckDatabaseVersion(state);
    EXPECT_THROW(TargetChecks::FindBrandID(state), DbError);
    EXPECT_FALSE(state.rsLookup.isOpen());
}

// Two digits under "P.66 (Bar)", three under "P.68 (Bar)"; the numbered layout has no bound.
TEST_F(TargetChecksTest, APaddedBrandNumberWithoutTableNamesStopsTheRun)
{
    struct Case
    {
        QString label;
        int brand;
        bool named;
    };
    const Case cases[] = {
        {"P.66 (Bar)", 99, true},  {"P.66 (Bar)", 100, false},  {"P.68 (Bar)", 100, true},
        {"P.68 (Bar)", 999, true}, {"P.68 (Bar)", 1000, false}, {"V.31", 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.label + QLatin1Char(' ') + QString::number(c.brand)).toStdString());
        state.DBVersion = c.label;
        state.BrandID = c.brand;
        if (c.named)
            EXPECT_NO_THROW(TargetChecks::RequireBrandTableNames(state));
        else
            EXPECT_THROW(TargetChecks::RequireBrandTableNames(state), RunStop);
    }
}

} // namespace
