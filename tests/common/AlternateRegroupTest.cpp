#include "common/AlternateRegroup.h"

#include "AlternateFixture.h"
#include "db/DbError.h"
#include "window/RunStop.h"

using lostrand::AlternateRegroup;
using lostrand::DbError;
using lostrand::RunStop;
using lostrand::StatementLog;
using lostrand::test::AlternateTarget;
using lostrand::test::GroupLayout;
using lostrand::test::Links;
using lostrand::test::StatementRecorder;

namespace {

const QString Phase = QStringLiteral("จัดระเบียบเบอร์แทนใหม่  ZARAV");

class RegroupTest : public ::testing::TestWithParam<GroupLayout>
{
protected:
    RegroupTest() : t(GetParam())
    {
        // A walk that never ends would hang the suite; stop it after far more steps than any
        // case here needs.
        t.window.onPump = [this] {
            if (t.window.pumps > 50)
                throw RunStop(QStringLiteral("the regroup does not end"));
        };
    }
    QString group() const { return GetParam().groupTable; }
    QString work() const { return GetParam().workTable; }
    AlternateTarget t;
};

TEST_P(RegroupTest, BrandWithoutGroupRowsEndsWithoutTransaction)
{
    StatementRecorder log;
    AlternateRegroup::RegroupAlternates(t.state);
    EXPECT_EQ(
        log.executed(),
        (QStringList{QStringLiteral("Delete From ") + work(),
                     QStringLiteral("Delete From ") + group() + QStringLiteral(" Where PartID = 0"),
                     QStringLiteral("Insert Into ") + work() +
                         QStringLiteral("(PartID) Select PartID From ") + group()}));
    EXPECT_TRUE(log.of(StatementLog::Kind::Begin).isEmpty());
    EXPECT_EQ(t.window.history(QStringLiteral("txtQTY")), QStringList{Phase});
    EXPECT_EQ(t.window.pumps, 1);
    EXPECT_FALSE(t.state.rsMain.isOpen());
}

// Three parts that name one another both ways are one step; a part alone is a step of its own
// and keeps its single row; the rows of part 0 go before the walk.
TEST_P(RegroupTest, GroupsAreRebuiltOneStepEach)
{
    t.addParts({1, 2, 3, 4});
    t.linkBothWays(1, 2);
    t.linkBothWays(1, 3);
    t.linkBothWays(2, 3);
    t.link(4, 0);
    t.link(0, 1);
    t.run(QStringLiteral("Insert Into %1 Values( 99 )").arg(work())); // left by an earlier run
    StatementRecorder log;
    AlternateRegroup::RegroupAlternates(t.state);

    EXPECT_EQ(t.groupRows(), (Links{{1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 1}, {3, 2}, {4, 0}}));
    EXPECT_EQ(t.workRows(), 0);
    EXPECT_EQ(log.of(StatementLog::Kind::Begin).size(), 2);
    EXPECT_EQ(log.of(StatementLog::Kind::Commit).size(), 2);
    EXPECT_FALSE(t.state.cnADO2().inTransaction());
    EXPECT_EQ(t.window.history(QStringLiteral("txtQTY")), QStringList{Phase});
    EXPECT_EQ(t.window.history(QStringLiteral("txtPartNO")),
              (QStringList{QStringLiteral("1"), QStringLiteral("4")}));
    EXPECT_EQ(t.window.pumps, 3);
    EXPECT_FALSE(t.state.rsMain.isOpen());
    EXPECT_FALSE(t.state.rsLookup.isOpen());
}

// A negative or Null part in the group table is taken once and leaves the work table; its own
// rows are not touched. The step of -4 rebuilds its alternate 5 and takes it out of the walk.
TEST_P(RegroupTest, WalkEndsOnPartsNotAboveZero)
{
    t.addParts({5});
    t.link(-4, 5);
    t.link(QStringLiteral("Null"), 5);
    t.link(5, 0);
    AlternateRegroup::RegroupAlternates(t.state);
    EXPECT_EQ(t.workRows(), 0);
    EXPECT_EQ(t.groupRows(), (Links{{-4, 5}, {5, 0}}));
    EXPECT_EQ(t.count(QStringLiteral("Select Count(*) From %1 Where PartID Is Null").arg(group())),
              1);
    EXPECT_EQ(t.window.history(QStringLiteral("txtPartNO")),
              (QStringList{QStringLiteral("-4"), QString()}));
}

// A look-up that fails inside a step ends the regroup with the step's transaction open for the
// error path; rolled back, the group keeps its links instead of being split part by part.
TEST_P(RegroupTest, FailedLookUpEndsTheStep)
{
    t.addParts({1, 2, 3});
    t.linkBothWays(1, 2);
    t.linkBothWays(1, 3);
    const Links before = t.groupRows();
    t.run(QStringLiteral("Drop Table ") + GetParam().partTable);

    EXPECT_THROW(AlternateRegroup::RegroupAlternates(t.state), DbError);
    ASSERT_TRUE(t.state.cnADO2().inTransaction());
    t.state.cnADO2().rollbackTrans();
    EXPECT_EQ(t.groupRows(), before);
}

INSTANTIATE_TEST_SUITE_P(Layouts, RegroupTest, ::testing::ValuesIn(lostrand::test::groupLayouts()),
                         lostrand::test::layoutName);

} // namespace
