#include "demo/OtherProgram.h"
#include "demo/VolumeData.h"
#include "support/CommandPress.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::FakeWindow;
using lostrand::test::TestDatabase;

namespace {

const QPair<QString, MessageStyle> Finished{QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain};

// A whole run on files in a journal mode of their own, on the disk the tests run on, while
// other programs may work on them.
class SharedFileTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        priceList = db.path(QStringLiteral("PriceList_ZARAV.mdb"));
        target = db.path(QStringLiteral("Valcorin.accdb"));
    }

    // N price rows against M parts of a "V.61" target, with every phase of a run.
    void makeFiles(int rows, int parts)
    {
        VolumeData::write(priceList, target, QStringLiteral("V.61"), rows, parts);
        for (const QString& file : {priceList, target})
            ASSERT_EQ(TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode=") +
                                                     QLatin1String(GetParam()))
                          .toString(),
                      QLatin1String(GetParam()));
        window.setCheck(QStringLiteral("chkLikelAt"), 1);
    }

    void press() { lostrand::test::CommandPress::press(window, priceList, target); }

    TestDatabase db;
    QString priceList;
    QString target;
    FakeWindow window;
};

std::string modeName(const ::testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

} // namespace

// The shop's program writes a short transaction every 0.3 seconds and gives up after waiting
// two seconds for the lock; none of its writes gives up while a run imports.
TEST_P(SharedFileTest, AProgramThatWritesNowAndThenNeverGivesUp)
{
    makeFiles(6000, 6000);
    OtherProgram other(target);
    other.start();
    press();
    other.stop();
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
    EXPECT_EQ(other.failures(), 0) << other.errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_GE(other.writes(), 10);
}

INSTANTIATE_TEST_SUITE_P(JournalModes, SharedFileTest, ::testing::Values("delete", "wal"),
                         modeName);
