#include "RunFixture.h"

#include "db/DbError.h"
#include "demo/SqliteFile.h"
#include "window/TransferDriver.h"

#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::RunFixture;
using lostrand::test::TestDatabase;

namespace {

const QString Process = QStringLiteral("ProcessPriceListTables");
const QString Collect = QStringLiteral("CollectChangedParts");
const QString HasRows = QStringLiteral("PriceListAllHasRows");
const QString All = QStringLiteral("ProcessPriceListAll");
const QString List = QStringLiteral("ListPriceDifferences");
const QString Regroup = QStringLiteral("RegroupAlternates");

// The 33 columns of the staging table in their order, with the types of both dialects.
struct Column
{
    QString name;
    QString access;
    QString sqlServer;
};

QList<Column> stagingColumns()
{
    QList<Column> columns{{"BrandID", "Long", "int"},
                          {"PartNO", "Text(40)", "nvarchar(40)"},
                          {"Kind", "Text(1)", "nvarchar(1)"}};
    for (int i = 1; i <= 5; ++i) {
        columns.append({QStringLiteral("AltNO_%1").arg(i), "Text(40)", "nvarchar(40)"});
        columns.append({QStringLiteral("AKind_%1").arg(i), "Text(1)", "nvarchar(1)"});
    }
    columns.append({"EName", "Text(40)", "nvarchar(40)"});
    columns.append({"TName", "Text(60)", "nvarchar(60)"});
    for (int i = 1; i <= 12; ++i)
        columns.append({QStringLiteral("Model_%1").arg(i), "Text(30)", "nvarchar(30)"});
    columns.append({"Description", "Text(60)", "nvarchar(60)"});
    columns.append({"Import", "Text(20)", "nvarchar(20)"});
    columns.append({"Price", "Currency", "money"});
    columns.append({"DisPrice", "Text(30)", "nvarchar(30)"});
    columns.append({"Sale", "Currency", "money"});
    columns.append({"DisSale", "Text(30)", "nvarchar(30)"});
    return columns;
}

class TransferDriverTest : public ::testing::Test, public RunFixture
{
protected:
    void exec(const QString& sql) const { SqliteFile::execute(target, {sql}); }
    void queue(int brandId, const QString& partNo)
    {
        QStringList values{QString::number(brandId),
                           QLatin1Char('\'') + partNo + QLatin1Char('\'')};
        for (int i = 2; i < 33; ++i)
            values << (i == 29 || i == 31 ? QStringLiteral("0") : QStringLiteral("''"));
        exec(QStringLiteral("Insert Into PriceList Values (%1)")
                 .arg(values.join(QStringLiteral(", "))));
    }
    qint64 queued(int brandId) const
    {
        return count(
            target,
            QStringLiteral("Select Count(*) From PriceList Where BrandID = %1").arg(brandId));
    }
    void expectStagingTable(bool sqlServer) const
    {
        const auto info =
            TestDatabase::rows(target, QStringLiteral("PRAGMA table_info(PriceList)"));
        const QList<Column> columns = stagingColumns();
        ASSERT_EQ(info.size(), columns.size());
        for (int i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(info[i][1].toString(), columns[i].name);
            // The ODBC driver writes some type names in capitals; types compare without case.
            const QString type = sqlServer ? columns[i].sqlServer : columns[i].access;
            EXPECT_EQ(info[i][2].toString().compare(type, Qt::CaseInsensitive), 0)
                << columns[i].name.toStdString() << " " << info[i][2].toString().toStdString();
        }
        QMap<QString, QString> indexes;
        for (const auto& row :
             TestDatabase::rows(target, QStringLiteral("PRAGMA index_list(PriceList)"))) {
            const QString name = row[1].toString();
            const auto on =
                TestDatabase::rows(target, QStringLiteral("PRAGMA index_info(%1)").arg(name));
            indexes.insert(name, on.value(0).value(2).toString());
        }
        EXPECT_EQ(indexes, (QMap<QString, QString>{{"PriceList_BrandID", "BrandID"},
                                                   {"PriceList_PartNO", "PartNO"},
                                                   {"PriceList_Kind", "Kind"}}));
    }
};

TEST_F(TransferDriverTest, ThePhasesRunInOrderAsTheRowsAndTheRegroupBoxSay)
{
    struct Case
    {
        qint16 hasRows;
        int likelAt;
        QStringList calls;
    };
    const Case cases[] = {
        {1, 1, {Process, Collect, HasRows, All, List, Regroup}},
        {1, 0, {Process, Collect, HasRows, All, List}},
        {0, 1, {Process, Collect, HasRows, Regroup}},
        {0, 0, {Process, Collect, HasRows}},
    };
    openBoth(QStringLiteral("V.31"), 7);
    for (const Case& c : cases) {
        recorded.calls.clear();
        recorded.hasRows = c.hasRows;
        window.setCheck(QStringLiteral("chkLikelAt"), c.likelAt);
        TransferDriver::RunTransfer(state, recorded.phases());
        EXPECT_EQ(recorded.calls, c.calls);
    }
}

TEST_F(TransferDriverTest, TheRegroupBoxIsReadAfterThePasses)
{
    openBoth(QStringLiteral("V.31"), 7);
    recorded.actions.insert(
        Collect, [this](RunState&) { window.setCheck(QStringLiteral("chkLikelAt"), 1); });
    TransferDriver::RunTransfer(state, recorded.phases());
    EXPECT_EQ(recorded.calls.last(), Regroup);
}

TEST_F(TransferDriverTest, WithoutTheCreateBoxOnlyTheBrandsQueueIsEmptied)
{
    queue(7, QStringLiteral("A1"));
    queue(7, QStringLiteral("A2"));
    queue(8, QStringLiteral("B1"));
    openBoth(QStringLiteral("V.31"), 7);
    // The queue is empty by the time the first pass starts.
    recorded.actions.insert(Process, [this](RunState&) { EXPECT_EQ(queued(7), 0); });
    TransferDriver::RunTransfer(state, recorded.phases());
    EXPECT_EQ(queued(7), 0);
    EXPECT_EQ(queued(8), 1);
    EXPECT_EQ(recorded.calls.first(), Process);
}

TEST_F(TransferDriverTest, TheCreateBoxMakesTheTableAnewInTheAccessDialect)
{
    queue(7, QStringLiteral("A1"));
    queue(8, QStringLiteral("B1"));
    // An old table with another layout is replaced, not kept.
    exec(QStringLiteral("Drop Table PriceList"));
    exec(QStringLiteral("Create Table PriceList (BrandID Long, Extra Text(5))"));
    window.setCheck(QStringLiteral("chkCreateTable"), 1);
    openBoth(QStringLiteral("P.45 (Bar)"), 7);
    TransferDriver::RunTransfer(state, recorded.phases());
    expectStagingTable(false);
    EXPECT_EQ(count(target, QStringLiteral("Select Count(*) From PriceList")), 0);
    EXPECT_EQ(recorded.calls.size(), 3);
}

TEST_F(TransferDriverTest, TheCreateBoxMakesAMissingTable)
{
    exec(QStringLiteral("Drop Table PriceList"));
    window.setCheck(QStringLiteral("chkCreateTable"), 1);
    openBoth(QStringLiteral("V.31"), 7);
    TransferDriver::RunTransfer(state, recorded.phases());
    expectStagingTable(false);
    EXPECT_EQ(state.strSQL, QStringLiteral("CREATE INDEX PriceList_Kind ON PriceList (Kind) "));
}

TEST_F(TransferDriverTest, TheSqlServerTargetGetsTheSqlServerTypes)
{
    queue(8, QStringLiteral("B1"));
    window.setCheck(QStringLiteral("chkCreateTable"), 1);
    window.setOption(QStringLiteral("optSQL"), true);
    state.cnPriceList().setConnectionString(TestDatabase::accessSourceString(source));
    state.cnPriceList().open();
    state.cnADO2().setConnectionString(TestDatabase::sqlServerString(target));
    state.cnADO2().open();
    state.DBVersion = QStringLiteral("V.31"); // the dialect follows the option, not the label
    state.BrandID = 7;
    TransferDriver::RunTransfer(state, recorded.phases());
    state.cnADO2().close();
    expectStagingTable(true);
    EXPECT_EQ(count(target, QStringLiteral("Select Count(*) From PriceList")), 0);
}

TEST_F(TransferDriverTest, TheCreationStatementOfEachDialect)
{
    openBoth(QStringLiteral("V.31"), 7);
    auto created = [&] {
        return TestDatabase::scalar(target, QStringLiteral("Select sql From sqlite_master Where "
                                                           "name = 'PriceList'"))
            .toString();
    };
    TransferDriver::CreatePriceListTableAccess(state);
    EXPECT_EQ(created(),
              QStringLiteral(
                  "CREATE TABLE PriceList (BrandID Long, PartNO Text(40), Kind Text(1), AltNO_1 "
                  "Text(40), AKind_1 Text(1), AltNO_2 Text(40), AKind_2 Text(1), AltNO_3 Text(40), "
                  "AKind_3 Text(1), AltNO_4 Text(40), AKind_4 Text(1), AltNO_5 Text(40), AKind_5 "
                  "Text(1), EName Text(40), TName Text(60), Model_1 Text(30), Model_2 Text(30), "
                  "Model_3 Text(30), Model_4 Text(30), Model_5 Text(30), Model_6 Text(30), Model_7 "
                  "Text(30), Model_8 Text(30), Model_9 Text(30), Model_10 Text(30), Model_11 "
                  "Text(30), Model_12 Text(30), Description Text(60), Import Text(20), Price "
                  "Currency, DisPrice Text(30), Sale Currency, DisSale Text(30))"));
    TransferDriver::CreatePriceListTableSql(state);
    EXPECT_TRUE(created().startsWith(
        QStringLiteral("CREATE TABLE PriceList (BrandID int, PartNO nvarchar(40), Kind "
                       "nvarchar(1), AltNO_1 nvarchar(40), AKind_1 nvarchar(1), ")));
    EXPECT_TRUE(created().endsWith(QStringLiteral(
        "Model_12 nvarchar(30), Description nvarchar(60), Import nvarchar(20), Price money, "
        "DisPrice nvarchar(30), Sale money, DisSale nvarchar(30))")));
}

TEST_F(TransferDriverTest, EmptyingATargetWithoutTheTableFailsBeforeAnyPass)
{
    exec(QStringLiteral("Drop Table PriceList"));
    openBoth(QStringLiteral("V.31"), 7);
    EXPECT_THROW(TransferDriver::RunTransfer(state, recorded.phases()), DbError);
    EXPECT_TRUE(recorded.calls.isEmpty());
}

} // namespace
