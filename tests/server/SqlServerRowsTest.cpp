#include "ServerSetup.h"

#include "newparts/NewPartLayout.h"
#include "newparts/NewPartRow.h"
#include "support/FakeWindow.h"
#include "support/TdsResponder.h"
#include "support/TestDatabase.h"
#include "window/RunState.h"
#include "window/VersionLabels.h"

#include <gtest/gtest.h>

using namespace lostrand;
using lostrand::test::FakeWindow;
using lostrand::test::TdsResponder;
using lostrand::test::TestDatabase;

namespace {

// The values of a positional insert, in order; the test's values hold no ", ".
QStringList valuesOf(const QString& insert)
{
    const qsizetype from = insert.indexOf(QStringLiteral("Values( ")) + 8;
    return insert.mid(from, insert.size() - from - 2).split(QStringLiteral(", "));
}

NewPartValues queuedKey()
{
    NewPartValues v;
    v.item.Kind = QStringLiteral("A");
    v.item.PartNO = QStringLiteral("P1");
    v.item.EName = QStringLiteral("ENAME");
    v.item.TName = QStringLiteral("เกียร์");
    v.item.Price = Currency::fromInt(12);
    v.item.Sale = Currency::fromInt(10);
    v.sortKey = QStringLiteral("กเียร์");
    return v;
}

} // namespace

// T-SQL has no words True and False: a connection whose driver reports SQL Server gets 1 and 0
// where a label's new-part row has them, and every other value as before; a connection to any
// other database keeps the words. The labels whose rows carry them are exactly the eighteen.
TEST(SqlServerRowsTest, TheNewPartRowsWriteTrueAndFalseAsOneAndZeroOnSqlServerOnly)
{
    TdsResponder server(TdsResponder::Mode::LoginOnly);
    TestDatabase db;
    const QString file = db.create(QStringLiteral("Valcorin.accdb"), {"Create Table T (ID Long)"});
    FakeWindow window;
    RunState onServer(window);
    RunState onFile(window);
    onServer.cnADO2().setConnectionString(test::serverString(server.port()));
    onServer.cnADO2().open();
    onFile.cnADO2().setConnectionString(TestDatabase::accessTargetString(file));
    onFile.cnADO2().open();
    ASSERT_EQ(onServer.cnADO2().dialect(), SqlDialect::SqlServer);
    ASSERT_EQ(onFile.cnADO2().dialect(), SqlDialect::Sqlite);

    const NewPartValues values = queuedKey();
    NewPartNumber main;
    main.id = 1;
    main.kind = QStringLiteral("A");
    main.number = QStringLiteral("P1");
    NewPartNumber alternate = main;
    alternate.id = 2;
    alternate.number = QStringLiteral("ALT1");
    alternate.isMain = false;
    alternate.slot = 1;

    QStringList withWords;
    for (const QString& label : VersionLabels::known()) {
        const NewPartLayout* layout = NewPartLayout::forLabel(label);
        if (!layout || layout->padded())
            continue;
        SCOPED_TRACE(label.toStdString());
        for (RunState* state : {&onServer, &onFile}) {
            state->BrandID = 7;
            state->BrandName = QStringLiteral("ZARAV");
            state->DBVersion = label;
        }
        bool words = false;
        for (const NewPartNumber& part : {main, alternate}) {
            const QStringList t = valuesOf(NewPartRow::partRow(onServer, *layout, values, part));
            const QStringList f = valuesOf(NewPartRow::partRow(onFile, *layout, values, part));
            ASSERT_EQ(t.size(), qsizetype(layout->partRow.size()));
            ASSERT_EQ(f.size(), t.size());
            for (qsizetype i = 0; i < t.size(); ++i) {
                const RowToken token = layout->partRow.at(size_t(i));
                if (token == RowToken::True || token == RowToken::False) {
                    const bool isTrue = token == RowToken::True;
                    EXPECT_EQ(t.at(i), isTrue ? QStringLiteral("1") : QStringLiteral("0"));
                    EXPECT_EQ(f.at(i), isTrue ? QStringLiteral("True") : QStringLiteral("False"));
                    words = true;
                } else {
                    // Texts take SQL Server's N prefix, as every text on that connection does.
                    EXPECT_EQ(t.at(i),
                              f.at(i).startsWith(QLatin1Char('\'')) ? u'N' + f.at(i) : f.at(i))
                        << "position " << i + 1;
                }
            }
        }
        if (words)
            withWords << label;
    }
    EXPECT_EQ(withWords,
              (QStringList{"V.31", "V.32", "V.33", "V.41", "V.42", "V.43", "V.45", "V.46 (Bar)",
                           "V.51", "V.61", "P.42", "P.43", "P.44 (Bar)", "P.46 (Bar)",
                           "P.47001 (Bar)", "P.48 (Bar)", "P.62 (Bar)", "D.47 (Bar)"}));
}
