#include "common/AlternateGroupLookup.h"

#include "AlternateFixture.h"
#include "db/DbError.h"

#include <functional>

using lostrand::AlternateGroupLookup;
using lostrand::DbError;
using lostrand::RunState;
using lostrand::test::AlternateTarget;
using lostrand::test::FakeWindow;
using lostrand::test::GroupLayout;
using lostrand::test::TestDatabase;
using OnFailure = AlternateGroupLookup::OnFailure;

namespace {

// A target without any of the group tables: every look-up fails on its statement.
class EmptyTarget
{
public:
    EmptyTarget(const QString& label, qint32 brandId)
    {
        file = db.create(QStringLiteral("empty.mdb"),
                         {QStringLiteral("Create Table System (Ver Text(50))")});
        state.DBVersion = label;
        state.BrandID = brandId;
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(file));
        state.cnADO2().open();
    }
    TestDatabase db;
    QString file;
    FakeWindow window;
    RunState state{window};
};

using LookUp = std::function<qint32(RunState&, qint32 brand, qint32 part, OnFailure)>;

struct StatementCase
{
    const char* name;
    QString label;
    qint32 brandId;
    LookUp lookUp;
    QString statement;
};

const std::vector<StatementCase>& statementCases()
{
    static const std::vector<StatementCase> cases{
        {"CountNumbered", QStringLiteral("P.52"), 7, AlternateGroupLookup::CountPartAlternates,
         QStringLiteral("Select Count(Pta7.PartID) As Rec_Count From AltG7 Inner Join Pta7 On "
                        "AltG7.AltID = Pta7.PartID Where AltG7.PartID = 123")},
        {"OpenNumbered", QStringLiteral("V.31"), 7, AlternateGroupLookup::OpenPartAlternates,
         QStringLiteral("Select Pta7.PartID From AltG7 Inner Join Pta7 On AltG7.AltID = "
                        "Pta7.PartID Where AltG7.PartID = 123")},
        {"CountPadded3", QStringLiteral("P.68 (Bar)"), 7, AlternateGroupLookup::CountPartAlternates,
         QStringLiteral("Select Count(Pta_007.PartID) As Rec_Count From Pta_AltG_007 Inner Join "
                        "Pta_007 On Pta_AltG_007.AltID = Pta_007.PartID Where "
                        "Pta_AltG_007.PartID = 123")},
        {"OpenPadded2", QStringLiteral("P.66 (Bar)"), 7, AlternateGroupLookup::OpenPartAlternates,
         QStringLiteral("Select Pta_07.PartID From Pta_AltG_07 Inner Join Pta_07 On "
                        "Pta_AltG_07.AltID = Pta_07.PartID Where Pta_AltG_07.PartID = 123")},
        {"CountPaddedNoSuffix", QStringLiteral("P.66 (Bar)"), 100,
         AlternateGroupLookup::CountPartAlternates,
         QStringLiteral("Select Count(Pta_.PartID) As Rec_Count From Pta_AltG_ Inner Join Pta_ On "
                        "Pta_AltG_.AltID = Pta_.PartID Where Pta_AltG_.PartID = 123")},
        {"CountFactories", QStringLiteral("P.52"), 7, AlternateGroupLookup::CountPartFactories,
         QStringLiteral("Select Count(Fac.FacID) As Rec_Count From FacD7 Inner Join Fac On "
                        "FacD7.FacID = Fac.FacID Where PartID = 123")},
        {"OpenFactories", QStringLiteral("P.52"), 7, AlternateGroupLookup::OpenPartFactories,
         QStringLiteral("Select Fac.FacID From FacD7 Inner Join Fac On FacD7.FacID = Fac.FacID "
                        "Where PartID = 123")},
    };
    return cases;
}

void PrintTo(const StatementCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string caseName(const ::testing::TestParamInfo<StatementCase>& param)
{
    return param.param.name;
}

class LookupStatementTest : public ::testing::TestWithParam<StatementCase>
{
};

// Standalone, a look-up against missing tables gives 0 quietly with rsLookup closed; asked to
// raise, it raises and still leaves rsLookup closed.
TEST_P(LookupStatementTest, MissingTablesGiveZeroOrRaise)
{
    const StatementCase& c = GetParam();
    EmptyTarget target(c.label, c.brandId);
    EXPECT_EQ(c.lookUp(target.state, c.brandId, 123, OnFailure::GiveZero), 0);
    EXPECT_EQ(target.state.strSQL.toStdString(), c.statement.toStdString());
    EXPECT_FALSE(target.state.rsLookup.isOpen());
    EXPECT_TRUE(target.window.messages.isEmpty());

    EXPECT_THROW(c.lookUp(target.state, c.brandId, 123, OnFailure::Raise), DbError);
    EXPECT_FALSE(target.state.rsLookup.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Statements, LookupStatementTest, ::testing::ValuesIn(statementCases()),
                         caseName);

class LookupLayoutTest : public ::testing::TestWithParam<GroupLayout>
{
};

std::vector<qint32> readOpen(RunState& state, const QString& field)
{
    std::vector<qint32> ids;
    for (; !state.rsLookup.eof(); state.rsLookup.moveNext())
        ids.push_back(state.rsLookup.value(field).toInt());
    state.rsLookup.close();
    return ids;
}

TEST_P(LookupLayoutTest, AlternatesAreOwnRowsNamingExistingParts)
{
    AlternateTarget t(GetParam());
    t.addParts({1, 2, 3, 4, 5});
    t.link(1, 2);
    t.link(1, 3);
    t.link(1, 99); // names no part
    t.link(1, 4);
    t.link(5, 0);
    t.link(2, 1); // names 1 as partner, which makes 2 no alternate of 1
    RunState& s = t.state;

    EXPECT_EQ(AlternateGroupLookup::CountPartAlternates(s, 7, 1), 3);
    ASSERT_EQ(AlternateGroupLookup::OpenPartAlternates(s, 7, 1), 1);
    EXPECT_EQ(readOpen(s, QStringLiteral("PartID")), (std::vector<qint32>{2, 3, 4}));

    EXPECT_EQ(AlternateGroupLookup::CountPartAlternates(s, 7, 5), 0);
    EXPECT_EQ(AlternateGroupLookup::OpenPartAlternates(s, 7, 5), 0);
    EXPECT_FALSE(s.rsLookup.isOpen());

    EXPECT_EQ(AlternateGroupLookup::ListPartAlternates(s, 7, 1), (std::vector<qint32>{2, 3, 4}));
    EXPECT_TRUE(AlternateGroupLookup::ListPartAlternates(s, 7, 5).empty());
    EXPECT_FALSE(s.rsLookup.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Layouts, LookupLayoutTest,
                         ::testing::ValuesIn(lostrand::test::groupLayouts()),
                         lostrand::test::layoutName);

TEST(LookupFactoriesTest, OnlyFactoriesListedInFacCount)
{
    AlternateTarget t(lostrand::test::groupLayouts().front());
    t.addFactory(5);
    t.addFactory(6);
    t.giveFactory(1, 5);
    t.giveFactory(1, 9); // missing from Fac
    t.giveFactory(1, 6);
    t.giveFactory(2, 9);
    RunState& s = t.state;

    EXPECT_EQ(AlternateGroupLookup::CountPartFactories(s, 7, 1), 2);
    ASSERT_EQ(AlternateGroupLookup::OpenPartFactories(s, 7, 1), 1);
    EXPECT_EQ(readOpen(s, QStringLiteral("FacID")), (std::vector<qint32>{5, 6}));
    EXPECT_EQ(AlternateGroupLookup::CountPartFactories(s, 7, 2), 0);
    EXPECT_EQ(AlternateGroupLookup::OpenPartFactories(s, 7, 2), 0);
    EXPECT_FALSE(s.rsLookup.isOpen());
}

// With brand number 0 the open look-ups run no statement; the counts still run theirs.
TEST(LookupBrandZeroTest, OpenLookUpsRunNoStatement)
{
    EmptyTarget target(QStringLiteral("P.52"), 0);
    RunState& s = target.state;
    const QString before = QStringLiteral("earlier statement");
    for (const auto& open :
         {AlternateGroupLookup::OpenPartAlternates, AlternateGroupLookup::OpenPartFactories}) {
        s.strSQL = before;
        EXPECT_EQ(open(s, 0, 1, OnFailure::Raise), 0);
        EXPECT_EQ(s.strSQL, before);
    }
    EXPECT_EQ(AlternateGroupLookup::CountPartAlternates(s, 0, 1), 0);
    EXPECT_TRUE(s.strSQL.startsWith(QStringLiteral("Select Count(Pta0.PartID)")));
}

} // namespace
