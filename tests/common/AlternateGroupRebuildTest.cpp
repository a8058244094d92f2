#include "common/AlternateGroupRebuild.h"

#include "AlternateFixture.h"
#include "db/DbError.h"

using lostrand::AlternateGroupRebuild;
using lostrand::DbError;
using lostrand::test::AlternateTarget;
using lostrand::test::GroupLayout;
using lostrand::test::Links;
using lostrand::test::StatementRecorder;

namespace {

std::string lines(const QStringList& list)
{
    return list.join(QLatin1Char('\n')).toStdString();
}

class RebuildTest : public ::testing::TestWithParam<GroupLayout>
{
protected:
    RebuildTest() : t(GetParam()) {}
    bool numbered() const { return !GetParam().padded; }
    AlternateTarget t;
};

// The part with id 10 has the alternates 11 and 12 and factory 5; the call adds 13. Every member
// ends linked to the other three, in slot order 10, 13, 11, 12, and carries factory 5.
TEST_P(RebuildTest, GroupOfPartTenWithAddedAlternate)
{
    t.addParts({10, 11, 12, 13});
    t.link(10, 11);
    t.link(10, 12);
    t.link(11, 77); // a former link outside the group goes
    t.link(40, 10); // a row of a part outside the group stays
    if (numbered()) {
        t.addFactory(5);
        t.giveFactory(10, 5);
        t.giveFactory(11, 6);
    }
    StatementRecorder log;
    EXPECT_EQ(AlternateGroupRebuild::RebuildAlternateGroup(t.state, 10, 13, 0, 0, 0, 0), 0);

    EXPECT_EQ(t.groupRows(), (Links{{10, 11},
                                    {10, 12},
                                    {10, 13},
                                    {11, 10},
                                    {11, 12},
                                    {11, 13},
                                    {12, 10},
                                    {12, 11},
                                    {12, 13},
                                    {13, 10},
                                    {13, 11},
                                    {13, 12},
                                    {40, 10}}));
    const QString g = GetParam().groupTable;
    QStringList firstMember{QStringLiteral("Delete From %1 Where PartID = 10").arg(g)};
    if (numbered()) {
        firstMember << QStringLiteral("Delete From FacD7 Where PartID = 10")
                    << QStringLiteral("Insert Into AltG7 Values( 0, 10, 13 )")
                    << QStringLiteral("Insert Into AltG7 Values( 0, 10, 11 )")
                    << QStringLiteral("Insert Into AltG7 Values( 0, 10, 12 )")
                    << QStringLiteral("Insert Into FacD7 Values( 0, 10, 5 )");
        EXPECT_EQ(t.factoryRows(), (Links{{10, 5}, {11, 5}, {12, 5}, {13, 5}}));
    } else {
        firstMember << QStringLiteral("Insert Into Pta_AltG_007 Values( 10, 13 )")
                    << QStringLiteral("Insert Into Pta_AltG_007 Values( 10, 11 )")
                    << QStringLiteral("Insert Into Pta_AltG_007 Values( 10, 12 )");
    }
    const QStringList executed = log.executed();
    EXPECT_EQ(lines(executed.mid(0, firstMember.size())), lines(firstMember));
    EXPECT_EQ(lines(executed.filter(QStringLiteral("Delete From ") + g)),
              lines({QStringLiteral("Delete From %1 Where PartID = 10").arg(g),
                     QStringLiteral("Delete From %1 Where PartID = 13").arg(g),
                     QStringLiteral("Delete From %1 Where PartID = 11").arg(g),
                     QStringLiteral("Delete From %1 Where PartID = 12").arg(g)}));
    EXPECT_EQ(t.state.strSQL, executed.last());
    EXPECT_FALSE(t.state.rsLookup.isOpen());
}

TEST_P(RebuildTest, PartWithoutAlternatesKeepsItsSingleRow)
{
    t.addParts({20, 21});
    t.link(20, 0);
    t.link(21, 20);
    if (numbered()) {
        t.addFactory(5);
        t.giveFactory(20, 5);
        t.giveFactory(20, 9); // not in Fac
    }
    AlternateGroupRebuild::RebuildAlternateGroup(t.state, 20, 0, 0, 0, 0, 0);
    EXPECT_EQ(t.groupRows(), (Links{{20, 0}, {21, 20}}));
    if (numbered()) {
        EXPECT_EQ(t.factoryRows(), (Links{{20, 5}}));
    }
}

// The part given as its own alternate, an alternate given twice and one that is already a
// current alternate (stored twice) are each one member: one row per pair, none to itself.
TEST_P(RebuildTest, RepeatedAndSelfAlternatesGiveOneRowPerPair)
{
    t.addParts({10, 11, 12});
    t.link(10, 11);
    t.link(10, 11);
    t.link(10, 12);
    AlternateGroupRebuild::RebuildAlternateGroup(t.state, 10, 10, 12, 11, 12, 0);
    EXPECT_EQ(t.groupRows(), (Links{{10, 11}, {10, 12}, {11, 10}, {11, 12}, {12, 10}, {12, 11}}));
}

// Identifiers of 0 or below are empty slots: nothing of them is deleted or written.
TEST_P(RebuildTest, IdentifiersNotAboveZeroIssueNoStatement)
{
    t.addParts({10});
    t.link(-3, 10);
    t.link(-5, 99);
    t.link(0, 10);
    {
        StatementRecorder log;
        AlternateGroupRebuild::RebuildAlternateGroup(t.state, -5, -1, 0, 0, 0, 0);
        EXPECT_TRUE(log.executed().isEmpty()) << lines(log.executed());
    }
    StatementRecorder log;
    AlternateGroupRebuild::RebuildAlternateGroup(t.state, 10, -3, 0, -3, 0, 0);
    for (const QString& sql : log.executed()) {
        EXPECT_FALSE(sql.contains(QLatin1String("-3"))) << sql.toStdString();
        EXPECT_FALSE(sql.contains(QLatin1String("PartID = 0"))) << sql.toStdString();
    }
    EXPECT_EQ(t.groupRows(), (Links{{-5, 99}, {-3, 10}, {0, 10}, {10, 0}}));
}

// A look-up that fails is not "no alternates": the rebuild raises before it rewrites anything,
// and the caller's transaction rolls back to the rows as they were.
TEST_P(RebuildTest, FailedLookUpRaisesAndLeavesTheGroup)
{
    t.addParts({10, 11, 12});
    t.linkBothWays(10, 11);
    t.linkBothWays(10, 12);
    t.linkBothWays(11, 12);
    if (numbered()) {
        t.addFactory(5);
        t.giveFactory(10, 5);
        t.giveFactory(11, 5);
    }
    const Links before = t.groupRows();
    const Links factoriesBefore = t.factoryRows();
    // The numbered rebuild fails on its factories, after reading the alternates; the padded
    // one on its part table.
    t.run(numbered() ? QStringLiteral("Drop Table Fac") : QStringLiteral("Drop Table Pta_007"));

    t.state.cnADO2().beginTrans();
    EXPECT_THROW(AlternateGroupRebuild::RebuildAlternateGroup(t.state, 10, 13, 0, 0, 0, 0),
                 DbError);
    EXPECT_FALSE(t.state.rsLookup.isOpen());
    t.state.cnADO2().rollbackTrans();
    EXPECT_EQ(t.groupRows(), before);
    EXPECT_EQ(t.factoryRows(), factoriesBefore);
}

INSTANTIATE_TEST_SUITE_P(Layouts, RebuildTest, ::testing::ValuesIn(lostrand::test::groupLayouts()),
                         lostrand::test::layoutName);

} // namespace
