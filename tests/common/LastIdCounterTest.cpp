#include "common/LastIdCounter.h"
#include "support/FakeWindow.h"
#include "support/LogCapture.h"
#include "support/OtherWriter.h"
#include "support/TestDatabase.h"
#include "window/RunState.h"
#include "window/RunStop.h"

#include <chrono>
#include <gtest/gtest.h>

using lostrand::LastIdCounter;
using lostrand::RunState;
using lostrand::RunStop;
using lostrand::test::FakeWindow;
using lostrand::test::LogCapture;
using lostrand::test::OtherWriter;
using lostrand::test::TestDatabase;

namespace {

const QString LastIdTable = QStringLiteral("Create Table LastID (NameID Text(50), LastID Long)");

enum class Member
{
    Access, // optAccess set, an Access target
    Sql     // optSQL set, a SQL Server target through ODBC
};

class LastIdCounterTest : public ::testing::TestWithParam<Member>
{
protected:
    // A target with the statements; the option and the connection string follow the member.
    // A lock of another program is waited for up to timeoutSeconds: the command time-out on
    // the embedded engine, the ODBC driver's own through its connection string.
    void openTarget(const QStringList& statements,
                    const QString& fileName = QStringLiteral("target.mdb"), int timeoutSeconds = 20)
    {
        if (state.cnADO2().isOpen())
            state.cnADO2().close();
        file = db.create(fileName, statements);
        const bool access = GetParam() == Member::Access;
        window.setOption(QStringLiteral("optAccess"), access);
        window.setOption(QStringLiteral("optSQL"), !access);
        state.cnADO2().setConnectionString(
            access ? TestDatabase::accessTargetString(file)
                   : TestDatabase::sqlServerString(file) +
                         QStringLiteral("Timeout=%1;").arg(timeoutSeconds * 1000));
        state.cnADO2().open();
        state.cnADO2().setCommandTimeout(timeoutSeconds);
    }

    // Every counter row as name=value, Null written as Null.
    QStringList stored() const
    {
        QStringList result;
        for (const QVariantList& row : TestDatabase::rows(
                 file, QStringLiteral("Select NameID, LastID From LastID Order By NameID"))) {
            const QVariant& value = row.at(1);
            result.append(row.at(0).toString() + QLatin1Char('=') +
                          (value.isNull() ? QStringLiteral("Null") : value.toString()));
        }
        return result;
    }

    qint32 next(const QString& name)
    {
        const qint32 value = LastIdCounter::GetNextLastID(state, name);
        EXPECT_FALSE(state.rsLookup.isOpen()) << name.toStdString();
        return value;
    }

    TestDatabase db;
    QString file;
    FakeWindow window;
    RunState state{window};
};

std::string memberName(const ::testing::TestParamInfo<Member>& info)
{
    return info.param == Member::Access ? "Recordset" : "Statements";
}

} // namespace

TEST_P(LastIdCounterTest, ANewCounterStartsAtOneAndAdvances)
{
    openTarget({LastIdTable});
    EXPECT_EQ(next(QStringLiteral("Pta7")), 1);
    EXPECT_EQ(stored(), QStringList{QStringLiteral("Pta7=1")});
    EXPECT_EQ(next(QStringLiteral("Pta7")), 2);
    EXPECT_EQ(stored(), QStringList{QStringLiteral("Pta7=2")});
}

TEST_P(LastIdCounterTest, AStoredCounterAdvancesAlone)
{
    openTarget({LastIdTable, QStringLiteral("Insert Into LastID Values ('PartID', 41)"),
                QStringLiteral("Insert Into LastID Values ('ModelID', 5)")});
    EXPECT_EQ(next(QStringLiteral("PartID")), 42);
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("ModelID=5"), QStringLiteral("PartID=42")}));
}

TEST_P(LastIdCounterTest, ANameWithAnApostropheIsACounterLikeAnyOther)
{
    openTarget({LastIdTable});
    EXPECT_EQ(next(QStringLiteral("O'Neil")), 1);
    EXPECT_EQ(next(QStringLiteral("O'Neil")), 2);
    EXPECT_EQ(stored(), QStringList{QStringLiteral("O'Neil=2")});
}

TEST_P(LastIdCounterTest, FailuresGiveZeroWithNothingShownAndNothingWritten)
{
    struct Case
    {
        QStringList statements;
        QString name;
        QStringList storedAfter;
    };
    const std::vector<Case> cases{
        {{QStringLiteral("Create Table Other (ID Long)")}, QStringLiteral("Pta7"), {}},
        {{LastIdTable, QStringLiteral("Insert Into LastID Values ('Pta7', Null)")},
         QStringLiteral("Pta7"),
         {QStringLiteral("Pta7=Null")}},
        {{LastIdTable, QStringLiteral("Insert Into LastID Values ('Pta7', 2147483647)")},
         QStringLiteral("Pta7"),
         {QStringLiteral("Pta7=2147483647")}},
        {{QStringLiteral("Create Table LastID (NameID Text(50), Counter Long)")},
         QStringLiteral("Pta7"),
         {}},
    };
    int number = 0;
    for (const Case& c : cases) {
        openTarget(c.statements, QStringLiteral("target%1.mdb").arg(++number));
        EXPECT_EQ(next(c.name), 0) << c.statements.join(QLatin1Char(';')).toStdString();
        EXPECT_THROW(LastIdCounter::RequireNextLastID(state, c.name), RunStop);
        EXPECT_FALSE(state.rsLookup.isOpen());
        if (!c.storedAfter.isEmpty()) {
            EXPECT_EQ(stored(), c.storedAfter);
        }
    }
    EXPECT_TRUE(window.messages.isEmpty());
}

// A counter below 1 still hands out its successor, but no caller that needs an identifier may
// take it: parts -4, -3, ... would be written and reported as done.
TEST_P(LastIdCounterTest, ACounterBelowOneGivesNoRequiredIdentifier)
{
    openTarget({LastIdTable, QStringLiteral("Insert Into LastID Values ('Pta7', -5)"),
                QStringLiteral("Insert Into LastID Values ('Pta8', -2)")});
    EXPECT_EQ(next(QStringLiteral("Pta7")), -4);
    EXPECT_EQ(next(QStringLiteral("Pta8")), -1);
    // Their successors, -3 and 0, are refused.
    for (const char* name : {"Pta7", "Pta8"})
        EXPECT_THROW(LastIdCounter::RequireNextLastID(state, QString::fromLatin1(name)), RunStop)
            << name;
    EXPECT_FALSE(state.rsLookup.isOpen());
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("Pta7=-3"), QStringLiteral("Pta8=0")}));
    EXPECT_EQ(LastIdCounter::RequireNextLastID(state, QStringLiteral("Pta8")), 1)
        << "a counter past 0 is usable again";
}

TEST_P(LastIdCounterTest, ACounterDrawnInATransactionThatIsRolledBackIsNotAdvanced)
{
    openTarget({LastIdTable, QStringLiteral("Insert Into LastID Values ('Pta7', 41)")});
    state.cnADO2().beginTrans();
    EXPECT_EQ(next(QStringLiteral("Pta7")), 42);
    EXPECT_EQ(next(QStringLiteral("Pta8")), 1);
    state.cnADO2().rollbackTrans();
    EXPECT_EQ(stored(), QStringList{QStringLiteral("Pta7=41")});
    state.cnADO2().beginTrans();
    EXPECT_EQ(LastIdCounter::RequireNextLastID(state, QStringLiteral("Pta7")), 42);
    state.cnADO2().commitTrans();
    EXPECT_EQ(stored(), QStringList{QStringLiteral("Pta7=42")});
}

// Outside any transaction, as the padded price writers draw name and model identifiers.
TEST_P(LastIdCounterTest, AnotherProgramsBriefLockIsWaitedOut)
{
    openTarget({LastIdTable, QStringLiteral("Insert Into LastID Values ('Pta7', 41)")});
    for (const QString& name : {QStringLiteral("Pta7"), QStringLiteral("ModelID")}) {
        OtherWriter other(file);
        ASSERT_TRUE(other.hold(std::chrono::seconds(1)));
        EXPECT_GT(next(name), 0) << name.toStdString();
        EXPECT_TRUE(other.committed()) << other.error().toStdString();
        // The connection idles now; the program writes out what it ran before it waits.
        state.cnADO2().commitPending();
    }
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("ModelID=1"), QStringLiteral("Pta7=42")}));
}

TEST_P(LastIdCounterTest, ALockHeldPastTheTimeoutGivesZeroAndTheLockReachesTheLog)
{
    openTarget({LastIdTable, QStringLiteral("Insert Into LastID Values ('Pta7', 41)")},
               QStringLiteral("locked.mdb"), 1);
    const LogCapture log;
    OtherWriter other(file);
    ASSERT_TRUE(other.hold(std::chrono::seconds(20)));
    EXPECT_EQ(next(QStringLiteral("Pta7")), 0);
    EXPECT_TRUE(log.text().contains(QStringLiteral("Pta7"))) << log.text().toStdString();
    EXPECT_TRUE(log.text().contains(QStringLiteral("locked"))) << log.text().toStdString();
    try {
        LastIdCounter::RequireNextLastID(state, QStringLiteral("Pta7"));
        ADD_FAILURE() << "no stop without an identifier";
    } catch (const RunStop& stop) {
        EXPECT_TRUE(QString::fromUtf8(stop.what()).contains(QStringLiteral("locked")))
            << stop.what();
    }
    EXPECT_FALSE(state.rsLookup.isOpen());
    other.release();
    EXPECT_TRUE(other.committed()) << other.error().toStdString();
    EXPECT_EQ(stored(), QStringList{QStringLiteral("Pta7=41")});
    EXPECT_TRUE(window.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothMembers, LastIdCounterTest,
                         ::testing::Values(Member::Access, Member::Sql), memberName);

TEST(LastIdCounterOptionTest, TheOptionIsReadAtEveryCall)
{
    TestDatabase db;
    const QString file = db.create(QStringLiteral("target.mdb"), {LastIdTable});
    FakeWindow window;
    RunState state(window);
    state.cnADO2().setConnectionString(TestDatabase::accessTargetString(file));
    state.cnADO2().open();
    const QString name = QStringLiteral("Pta7");
    // The statement member leaves its last statement in strSQL; the recordset member's last
    // statement is the select, its writes go through the recordset.
    const QString select =
        QStringLiteral("Select NameID, LastID From LastID Where NameID = 'Pta7'");
    struct Step
    {
        bool optAccess;
        qint32 value;
        QString strSQL;
    };
    const std::vector<Step> steps{
        {false, 1, QStringLiteral("Insert Into LastID Values( 'Pta7', 1 )")},
        {true, 2, select},
        {false, 3, QStringLiteral("Update LastID Set LastID = 3 Where NameID = 'Pta7'")},
        {true, 4, select},
    };
    for (const Step& step : steps) {
        window.setOption(QStringLiteral("optAccess"), step.optAccess);
        EXPECT_EQ(LastIdCounter::GetNextLastID(state, name), step.value);
        EXPECT_EQ(state.strSQL, step.strSQL);
    }
    EXPECT_EQ(TestDatabase::scalar(file, QStringLiteral("Select LastID From LastID")).toInt(), 4);
}
