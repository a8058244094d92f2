#include "ServerSetup.h"
#include "demo/PriceListSchema.h"
#include "support/CommandPress.h"
#include "support/FakeWindow.h"
#include "support/TdsResponder.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace lostrand;
using lostrand::test::CommandPress;
using lostrand::test::FakeWindow;
using lostrand::test::pointAtServer;
using lostrand::test::TdsResponder;
using lostrand::test::TestDatabase;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The login gives up on a server that takes the connection and never answers, as it does at
// once on a port where nothing listens: the run ends on the error path instead of holding the
// window in the connect call, and the price list is as it was.
TEST(ServerLoginTest, ARunEndsOnTheErrorPathWhenTheServerDoesNotAnswerItsLogin)
{
    struct Case
    {
        const char* name;
        bool listening;
        qint64 atLeastMs;
        qint64 belowMs;
    };
    const Case cases[] = {
        {"a server that never answers", true, 14'500, 25'000},
        {"a port where nothing listens", false, 0, 2'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDatabase db;
        const QString priceList =
            db.create(QStringLiteral("PriceList_ZARAV.mdb"), PriceListSchema::createFile());
        const QByteArray before = bytesOf(priceList);
        std::optional<TdsResponder> hung;
        if (c.listening)
            hung.emplace(TdsResponder::Mode::Silent);
        FakeWindow window;
        pointAtServer(window, hung ? hung->port() : TdsResponder::closedPort());
        QElapsedTimer run;
        run.start();
        CommandPress::press(window, priceList, QString());
        const qint64 took = run.elapsed();
        EXPECT_GE(took, c.atLeastMs);
        EXPECT_LT(took, c.belowMs);
        EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{
                                       {QStringLiteral("ไม่สามรถบันทึกได้"), MessageStyle::Plain}}));
        EXPECT_EQ(bytesOf(priceList), before);
    }
}
