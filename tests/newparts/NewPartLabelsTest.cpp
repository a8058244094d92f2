#include "NewPartsFixture.h"

#include "transfer/Dispatch.h"

#include <QDate>

using namespace lostrand;
using lostrand::test::NewPartsFixture;
using lostrand::test::TestDatabase;

namespace {

using NewPartLabelsTest = NewPartsFixture;

QVariant at(const QList<QVariantList>& rows, int position)
{
    return rows.isEmpty() ? QVariant() : rows.first().value(position - 1);
}

} // namespace

TEST_F(NewPartLabelsTest, V34FlagsASaleThatDiffersFromThePrice)
{
    struct Case
    {
        const char* price;
        const char* sale;
        int flag;
    };
    const Case cases[] = {{"120", "0", 1}, {"0", "95.5", 1}, {"0", "0", 0}, {"100.5", "100.50", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        makeTarget(QStringLiteral("V.34"));
        PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
        queued.Price = *Currency::parse(QString::fromLatin1(c.price));
        queued.Sale = *Currency::parse(QString::fromLatin1(c.sale));
        queued.AltNO[0] = QStringLiteral("ALT-1");
        queue(queued);
        Dispatch::ChooseAddNewParts(state, 1);
        const auto mainRow = rows("Select * From Pta7 Where PartID = 1");
        const auto altRow = rows("Select * From Pta7 Where PartID = 2");
        EXPECT_EQ(at(mainRow, 24).toInt(), 1);
        EXPECT_EQ(at(altRow, 24).toInt(), 0);
        EXPECT_EQ(at(mainRow, 25).toInt(), c.flag);
        EXPECT_EQ(at(altRow, 25).toInt(), c.flag);
    }
}

TEST_F(NewPartLabelsTest, V34AlternatesOfAnExistingPartCarryItsFlag)
{
    makeTarget(QStringLiteral("V.34"));
    db.create(target.section(QLatin1Char('/'), -1),
              {QStringLiteral("Insert Into Pta7 (PartID, Kind, PartNO) Values (9, 'A', 'P-1')"),
               QStringLiteral("Insert Into LastID Values ('Pta7', 9)")});
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
    queued.AltNO[1] = QStringLiteral("ALT-2");
    queue(queued);
    Dispatch::ChooseAddNewParts(state, 1);
    EXPECT_EQ(count("Select Count(*) From Pta7"), 2);
    const auto altRow = rows("Select * From Pta7 Where PartID = 10");
    EXPECT_EQ(at(altRow, 24).toInt(), 0);
    EXPECT_EQ(at(altRow, 25).toInt(), 1);
}

TEST_F(NewPartLabelsTest, V45MovesTheDescriptionBehindTheModels)
{
    makeTarget(QStringLiteral("V.45"));
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
    queued.AKind[4] = QStringLiteral("A");
    queued.AltNO[4] = QStringLiteral("12-345");
    queue(queued);
    Dispatch::ChooseAddNewParts(state, 1);
    const auto mainRow = rows("Select * From Pta7 Where PartID = 1");
    EXPECT_EQ(at(mainRow, 13).toString(), QStringLiteral("BT-50, RANGER"));
    EXPECT_EQ(at(mainRow, 14).toString(), QStringLiteral("DESC"));
    EXPECT_EQ(at(mainRow, 16).toString(), QStringLiteral("IMP"));
    const auto altRow = rows("Select * From Pta7 Where PartID = 2");
    EXPECT_EQ(at(altRow, 13).toString(), QStringLiteral("BT-50, RANGER"));
    for (int position : {14, 15, 16, 17})
        EXPECT_EQ(at(altRow, position).toString(), QString()) << position;
    EXPECT_EQ(at(altRow, 33).toString(), QStringLiteral("A-12-345"));
}

TEST_F(NewPartLabelsTest, V46StampsEveryPartRowOfTheCallWithTodaysDateNumber)
{
    makeTarget(QStringLiteral("V.46 (Bar)"));
    db.create(target.section(QLatin1Char('/'), -1),
              {QStringLiteral("Insert Into Pta7 (PartID, Kind, PartNO) Values (9, 'A', 'P-1')"),
               QStringLiteral("Insert Into LastID Values ('Pta7', 9)")});
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
    queued.AltNO[0] = QStringLiteral("ALT-1");
    queue(queued);
    queue(item(QStringLiteral("B"), QStringLiteral("Q-2")));
    Dispatch::ChooseAddNewParts(state, 1);
    const QDate today = QDate::currentDate();
    const int expected = (today.year() + 543) * 10000 + today.month() * 100 + today.day();
    for (int id : {10, 11})
        EXPECT_EQ(
            at(rows(QStringLiteral("Select * From Pta7 Where PartID = %1").arg(id)), 41).toInt(),
            expected);
}

TEST_F(NewPartLabelsTest, P45FindsPartsByTheCleanedNumber)
{
    makeTarget(QStringLiteral("P.45 (Bar)"));
    db.create(
        target.section(QLatin1Char('/'), -1),
        {QStringLiteral("Insert Into Pta7 (PartID, Kind, FPartNO, PartNO) Values (5, 'A', "
                        "'AB1234', 'AB1234')"),
         QStringLiteral(
             "Insert Into Pta7 (PartID, Kind, FPartNO, PartNO) Values (6, 'X', 'ZZ9', 'ZZ-9')"),
         QStringLiteral("Insert Into LastID Values ('Pta7', 6)")});
    PriceItem found = item(QStringLiteral("A"), QStringLiteral("AB-12 34"));
    // Found under another kind: the alternate's kind takes no part in its look-up.
    found.AKind[0] = QStringLiteral("B");
    found.AltNO[0] = QStringLiteral("ZZ/9");
    // Equal to the part number only once cleaned: still an alternate of its own.
    found.AltNO[1] = QStringLiteral("AB1234-");
    queue(found);
    Dispatch::ChooseAddNewParts(state, 1);
    EXPECT_EQ(count("Select Count(*) From Pta7"), 2)
        << "nothing is created for numbers found cleaned";
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 5 And AltID = 6"), 1);
    EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 5 And AltID = 5"), 0);

    // Two queued numbers that differ only by separators take two iterations; both find part 5.
    queue(item(QStringLiteral("A"), QStringLiteral("AB12-34")));
    queue(item(QStringLiteral("A"), QStringLiteral("AB 1234")));
    const qsizetype before = window.history("txtQTY").size();
    Dispatch::ChooseAddNewParts(state, 1);
    EXPECT_EQ(window.history("txtQTY").size() - before, 2);
    EXPECT_EQ(count("Select Count(*) From Pta7"), 2);
}

// "P.52" rows carry find texts, and the label's price update writes the Thai sort key: the part
// table takes both, the key in a column that every new row leaves ''.
TEST_F(NewPartLabelsTest, P52PartsTakeThePriceUpdateWithItsSortKey)
{
    makeTarget(QStringLiteral("P.52"));
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
    queued.AltNO[0] = QStringLiteral("ALT-1");
    queue(queued);
    Dispatch::ChooseAddNewParts(state, 1);
    for (int id : {1, 2})
        EXPECT_EQ(at(rows(QStringLiteral("Select * From Pta7 Where PartID = %1").arg(id)), 8),
                  QString())
            << id;

    for (const QString& number : {QStringLiteral("P-1"), QStringLiteral("ALT-1")}) {
        PriceItem priced =
            item(number == QLatin1String("P-1") ? QStringLiteral("A") : QString(), number);
        priced.TName = QStringLiteral("แหวน");
        priced.Price = Currency::fromInt(20);
        Dispatch::ApplyPriceRow(state, priced);
    }
    EXPECT_EQ(rows("Select PartID, IndTName, TName, Price From Pta7 Order By PartID"),
              (QList<QVariantList>{{1, QStringLiteral("หแวน"), QStringLiteral("แหวน"), 20},
                                   {2, QStringLiteral("หแวน"), QStringLiteral("แหวน"), 20}}));
    EXPECT_EQ(count("Select Count(*) From PriceList"), 0);
}
