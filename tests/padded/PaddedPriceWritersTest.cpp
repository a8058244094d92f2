#include "PaddedFixture.h"

#include "db/DbError.h"
#include "padded/PaddedPriceWriters.h"
#include "transfer/Dispatch.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::labelName;
using lostrand::test::paddedItem;
using lostrand::test::PaddedLabel;
using lostrand::test::PaddedLabels;
using lostrand::test::PaddedTarget;

namespace {

class PaddedPriceTest : public ::testing::TestWithParam<PaddedLabel>
{
protected:
    PaddedPriceTest() : t(GetParam().label) {}

    // Through the dispatch, which picks the writer of the target's label.
    void apply(const PriceItem& item)
    {
        Dispatch::ApplyPriceRow(t.state, item);
        EXPECT_FALSE(t.state.rsLookup.isOpen());
        EXPECT_FALSE(t.state.rsCheck.isOpen());
    }

    // A part's texts, amounts and companion rows in brand table `brand`.
    QStringList part(int id, int brand = PaddedTarget::Brand) const
    {
        QStringList out = t.joined(
            QStringLiteral("Select EName, ENameID, ChrEName, FEName, TName, TNameID, ChrTName, "
                           "FTName, Model, Description, Import, Price, DisPrice, Sale, DisSale, "
                           "PartNO From %1 Where PartID = %2")
                .arg(t.table("Pta_", brand))
                .arg(id));
        out << t.joined(QStringLiteral("Select AltNO, APrice, ASale From %1 Where AltID = %2")
                            .arg(t.table("Pta_Alt_", brand))
                            .arg(id));
        return out;
    }
    QStringList doc(int id) const
    {
        return t.joined(QStringLiteral("Select EName, TName, Model, PartNO From Pta_Doc Where "
                                       "PartID = %1")
                            .arg(id));
    }
    // The tables of the price statements, in the order they were sent.
    QStringList pricedTables() const
    {
        QStringList out;
        for (const QString& sql : t.sent(QStringLiteral("Update Pta_")))
            if (sql.contains(QLatin1String(" Set Price = ")))
                out << sql.section(QLatin1Char(' '), 1, 1);
        return out;
    }

    PaddedTarget t;
};

const QString OldPart =
    QStringLiteral("OLD E|1|O|OLDE|OLD T|1|O|OLDT|OLD M|OLD D|OLD I|100|OLD DP|110|OLD DS|OLD NO");
const QString OldAlt = QStringLiteral("OLD NO|100|110");

} // namespace

TEST_P(PaddedPriceTest, AnItemThatMatchesNothingIsQueuedOnce)
{
    t.addPart(1, QStringLiteral("12345A"));
    struct Case
    {
        QString kind;
        QString number;
        QString readBack;
    };
    const Case cases[] = {
        {QStringLiteral("B"), QStringLiteral("12-345"),
         QStringLiteral("Select PartNO From PriceList Where BrandID = 7 And Kind = 'B' And "
                        "PartNO = '12-345'")},
        // No kind term for a blank kind, and a number with an apostrophe reads back.
        {QString(), QStringLiteral("O'NEIL-1"),
         QStringLiteral("Select PartNO From PriceList Where BrandID = 7 And PartNO = 'O''NEIL-1'")},
    };
    t.logStatements();
    for (const Case& c : cases) {
        PriceItem item = paddedItem(c.kind, c.number);
        item.AltNO[1] = QStringLiteral("ALT-2");
        apply(item);
        EXPECT_EQ(t.sent(QStringLiteral("Select PartNO From PriceList")).last(), c.readBack);
    }
    EXPECT_EQ(
        t.joined("Select BrandID, PartNO, Kind, AltNO_2, EName, Price, Sale From PriceList "
                 "Order By rowid"),
        QStringList({"7|12-345|B|ALT-2|BOLT|1250|1500.5", "7|O'NEIL-1||ALT-2|BOLT|1250|1500.5"}));
    EXPECT_EQ(part(1), QStringList({OldPart, OldAlt}));
    EXPECT_EQ(t.count("Select Count(*) From Pta_BrandCar"), 0);
}

namespace {

struct StampCase
{
    const char* name;
    int upRec;
    int updateTexts;
    qint64 price; // whole units; 0 leaves the price alone
    qint64 sale;
    const char* disPrice;
    QStringList part;
    QStringList doc;
    int saleRemarksLeft;
};

// The item's names are new to the brand's table: each takes the next counter value.
const QString NewTexts =
    QStringLiteral("DRIVER'S SEAT|41|D|DRIVERSSEAT|เกียร์|71|ก|เกียร์|VIOS, YARIS|L'ARGE|NEW I");
const QString OldTexts = QStringLiteral("OLD E|1|O|OLDE|OLD T|1|O|OLDT|OLD M|OLD D|OLD I");
const QStringList NewDoc{"DRIVER'S SEAT|เกียร์|VIOS, YARIS|OLD NO"};
const QStringList OldDoc{"OLD E|OLD T|OLD M|OLD NO"};

// clang-format off
const StampCase StampCases[] = {
    {"Fresh", 0, 1, 1250, 1500, "1'000.-",
     {NewTexts + "|1250|1'000.-|1500|NEW DS|OLD NO", "OLD NO|1250|1500"}, NewDoc, 1},
    {"Stamped", 3, 1, 1250, 1500, "1'000.-",
     {OldTexts + "|1250|1'000.-|1500|NEW DS|OLD NO", "OLD NO|1250|1500"}, OldDoc, 1},
    {"TextsOff", 0, 0, 1250, 1500, "1'000.-",
     {OldTexts + "|1250|1'000.-|1500|NEW DS|OLD NO", "OLD NO|1250|1500"}, OldDoc, 1},
    {"SaleOnly", 0, 1, 0, 1500, "",
     {NewTexts + "|100|OLD DP|1500|NEW DS|OLD NO", "OLD NO|100|1500"}, NewDoc, 1},
    {"NoAmounts", 0, 1, 0, 0, "",
     {NewTexts + "|100|OLD DP|110|NEW DS|OLD NO", "OLD NO|100|110"}, NewDoc, 2},
};
// clang-format on

class PaddedStampTest : public ::testing::TestWithParam<std::tuple<PaddedLabel, StampCase>>
{
};

} // namespace

// Texts follow the stamp and the flag, amounts and display texts go whatever the stamp, and a
// zero amount or a blank display text leaves the stored one.
TEST_P(PaddedStampTest, WritesWhatTheStampAllows)
{
    const auto& [label, c] = GetParam();
    PaddedTarget t(label.label);
    t.setCounter(QStringLiteral("ENameID"), 40);
    t.setCounter(QStringLiteral("TNameID"), 70);
    t.state.UpdateTexts = static_cast<qint16>(c.updateTexts);
    t.addPart(1, QStringLiteral("12345A"), c.upRec);
    // A remark with a discount stays; the one without goes when a sale price is written.
    t.execute({QStringLiteral("Insert Into DetailSaleRem Values (1, 0, 90)"),
               QStringLiteral("Insert Into DetailSaleRem Values (1, 5, 90)")});
    PriceItem item = paddedItem(QStringLiteral("A"), QStringLiteral("12-345"));
    item.EName = QStringLiteral("DRIVER'S SEAT");
    item.Description = QStringLiteral("L'ARGE");
    item.Price = Currency::fromInt(c.price);
    item.Sale = Currency::fromInt(c.sale);
    item.DisPrice = QString::fromUtf8(c.disPrice);
    Dispatch::ApplyPriceRow(t.state, item);

    const QStringList stored =
        t.joined(QStringLiteral("Select EName, ENameID, ChrEName, FEName, TName, TNameID, "
                                "ChrTName, FTName, Model, Description, Import, Price, DisPrice, "
                                "Sale, DisSale, PartNO From %1")
                     .arg(t.table("Pta_")))
        << t.joined(QStringLiteral("Select AltNO, APrice, ASale From %1").arg(t.table("Pta_Alt_")));
    EXPECT_EQ(stored, c.part);
    EXPECT_EQ(t.joined("Select EName, TName, Model, PartNO From Pta_Doc"), c.doc);
    EXPECT_EQ(t.count("Select Count(*) From DetailSaleRem"), c.saleRemarksLeft);
    EXPECT_TRUE(t.rows("Select * From PriceList").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedStampTest,
                         ::testing::Combine(::testing::ValuesIn(PaddedLabels),
                                            ::testing::ValuesIn(StampCases)),
                         [](const auto& param) {
                             return std::string(std::get<0>(param.param).name) + "_" +
                                    std::get<1>(param.param).name;
                         });

TEST_P(PaddedPriceTest, EveryRowWithTheKeyIsWrittenUnderItsOwnStampAndLinked)
{
    t.setCounter(QStringLiteral("ENameID"), 40);
    t.setCounter(QStringLiteral("TNameID"), 70);
    t.addPart(1, QStringLiteral("12345A"), 0);
    t.addPart(2, QStringLiteral("12345A"), 5);
    t.addPart(3, QStringLiteral("12345B"), 0);
    // A blank kind keys the item by its number alone.
    t.addPart(4, QStringLiteral("12345"), 0);
    apply(paddedItem(QStringLiteral("A"), QStringLiteral("12-345")));
    EXPECT_EQ(t.state.MatchedPartCount, 2);
    EXPECT_EQ(part(1).first().section(QLatin1Char('|'), 0, 1), QStringLiteral("BOLT|41"));
    EXPECT_EQ(part(2).first().section(QLatin1Char('|'), 0, 1), QStringLiteral("OLD E|1"));
    for (int id : {1, 2})
        EXPECT_EQ(part(id).first().section(QLatin1Char('|'), 11, 11), QStringLiteral("1250"));
    EXPECT_EQ(part(3), QStringList({OldPart, OldAlt}));
    // Both matched parts are linked to the item's models; one new model row each.
    EXPECT_EQ(t.joined("Select PartID, ModelID, Model From Pta_BrandCar Order By rowid"),
              QStringList({"1|1|VIOS", "1|2|YARIS", "2|1|VIOS", "2|2|YARIS"}));
    // The name identifiers are taken once for the item.
    EXPECT_EQ(t.counter(QStringLiteral("ENameID")), 41);

    apply(paddedItem(QString(), QStringLiteral("12 345")));
    EXPECT_EQ(part(4).first().section(QLatin1Char('|'), 11, 11), QStringLiteral("1250"));
    EXPECT_TRUE(t.rows("Select * From PriceList").isEmpty());
}

// Part 1 is grouped with parts whose rows carry brands 12, 31, 12 again and 0: its update goes
// to the tables of brand 7, then 12, then 31, by the same identifier, with one name identifier.
TEST_P(PaddedPriceTest, AnUpdateReachesEveryBrandThatSharesThePart)
{
    t.setCounter(QStringLiteral("ENameID"), 40);
    t.addPart(1, QStringLiteral("12345A"));
    t.addPart(1, QStringLiteral("12345A"), 0, 12);
    t.addPart(1, QStringLiteral("12345A"), 0, 31);
    int member = 2;
    for (int recorded : {12, 31, 12, 0}) {
        t.addPart(member, QStringLiteral("OTHER%1").arg(member), 0, PaddedTarget::Brand, recorded);
        t.addGroupRow(1, member++);
    }
    // A part outside the group, and a group row naming no part, add no brand.
    t.addPart(9, QStringLiteral("OTHER9"), 0, PaddedTarget::Brand, 44);
    t.addGroupRow(1, 77);
    t.logStatements();
    apply(paddedItem(QStringLiteral("A"), QStringLiteral("12-345")));

    EXPECT_EQ(pricedTables(),
              QStringList({t.table("Pta_"), t.table("Pta_", 12), t.table("Pta_", 31)}));
    EXPECT_EQ(t.state.BrandTableCount, 6);
    for (int brand : {PaddedTarget::Brand, 12, 31}) {
        SCOPED_TRACE(brand);
        const QStringList stored = part(1, brand);
        EXPECT_EQ(stored.first().section(QLatin1Char('|'), 0, 1), QStringLiteral("BOLT|41"));
        EXPECT_EQ(stored.first().section(QLatin1Char('|'), 11, 11), QStringLiteral("1250"));
        EXPECT_EQ(stored.last(), QStringLiteral("OLD NO|1250|1500.5"));
    }
    EXPECT_EQ(t.counter(QStringLiteral("ENameID")), 41);
    // The shared document row is written once per brand table.
    EXPECT_EQ(t.sent(QStringLiteral("Update Pta_Doc Set EName")).size(), 3);
    EXPECT_EQ(doc(1), QStringList({"BOLT|เกียร์|VIOS, YARIS|OLD NO"}));

    // A member of another part's group is no brand of this one.
    t.log.clear();
    apply(paddedItem(QStringLiteral(""), QStringLiteral("OTHER9")));
    EXPECT_EQ(pricedTables(), QStringList({t.table("Pta_")}));
    EXPECT_EQ(t.state.BrandTableCount, 1);
}

// A price update renames part 3 in its own table and in brand 12's. New parts made afterwards
// find the new name's identifier by the new find form and never by the old one: the old name
// is new again and takes the next counter values.
TEST_P(PaddedPriceTest, ARenameCarriesTheFindFormsWithTheNewIdentifiers)
{
    t.setCounter(QStringLiteral("ENameID"), 40);
    t.setCounter(QStringLiteral("TNameID"), 70);
    t.addPart(3, QStringLiteral("ORINGA"));
    t.addPart(3, QStringLiteral("ORINGA"), 0, 12);
    t.addPart(4, QStringLiteral("OTHER4"), 0, PaddedTarget::Brand, 12);
    t.addGroupRow(3, 4);
    for (int brand : {PaddedTarget::Brand, 12})
        t.execute({QStringLiteral("Update %1 Set EName = 'OLD ORING', ENameID = 5, FEName = "
                                  "'OLDORING', TName = 'เก่า', TNameID = 6, FTName = 'เก่า' "
                                  "Where PartID = 3")
                       .arg(t.table("Pta_", brand))});
    PriceItem rename = paddedItem(QStringLiteral("A"), QStringLiteral("O-RING"));
    rename.EName = QStringLiteral("O'RING");
    rename.TName = QStringLiteral("เกียร์");
    apply(rename);
    for (int brand : {PaddedTarget::Brand, 12})
        EXPECT_EQ(t.joined(QStringLiteral("Select EName, ENameID, FEName, TName, TNameID, FTName "
                                          "From %1 Where PartID = 3")
                               .arg(t.table("Pta_", brand))),
                  QStringList({"O'RING|41|ORING|เกียร์|71|เกียร์"}))
            << brand;

    PriceItem oldNames = paddedItem(QStringLiteral("B"), QStringLiteral("NEW-1"));
    oldNames.EName = QStringLiteral("OLD ORING");
    oldNames.TName = QStringLiteral("เก่า");
    PriceItem newNames = paddedItem(QStringLiteral("B"), QStringLiteral("NEW-2"));
    newNames.EName = QStringLiteral("O'RING");
    newNames.TName = QStringLiteral("เกียร์");
    t.queue(oldNames);
    t.queue(newNames);
    Dispatch::ChooseAddNewParts(t.state, 1);
    EXPECT_EQ(t.joined(QStringLiteral("Select FPartNO, EName, ENameID, TName, TNameID From %1 "
                                      "Where FPartNO Like 'NEW%' Order By FPartNO")
                           .arg(t.table("Pta_"))),
              QStringList({"NEW1B|OLD ORING|42|เก่า|72", "NEW2B|O RING|41|เกียร์|71"}));
    EXPECT_EQ(t.counter(QStringLiteral("ENameID")), 42);
    EXPECT_EQ(t.counter(QStringLiteral("TNameID")), 72);
}

// A listed brand table that lacks the part never shows the price: after three tries the run
// stops, with the tables before it written.
TEST_P(PaddedPriceTest, APriceThatNeverShowsStopsTheRunAfterThreeTries)
{
    t.addPart(1, QStringLiteral("12345A"));
    t.addPart(2, QStringLiteral("OTHER2"), 0, PaddedTarget::Brand, 12);
    t.addGroupRow(1, 2);
    t.logStatements();
    EXPECT_THROW(apply(paddedItem(QStringLiteral("A"), QStringLiteral("12-345"))), RunStop);
    t.state.rsCheck.close();
    EXPECT_EQ(t.sent(QStringLiteral("Select PartID From ") + t.table("Pta_", 12)).size(), 3);
    EXPECT_EQ(pricedTables(), QStringList({t.table("Pta_"), t.table("Pta_", 12),
                                           t.table("Pta_", 12), t.table("Pta_", 12)}));
    EXPECT_EQ(part(1).last(), QStringLiteral("OLD NO|1250|1500.5"));
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedPriceTest, ::testing::ValuesIn(PaddedLabels), labelName);

// Under "P.66 (Bar)" brand 100 has no two-digit tables; its share of the update would land in
// the bare Pta_ tables.
TEST(PaddedPriceFanOut, ABrandWithoutTableNamesStopsTheRun)
{
    PaddedTarget t(QStringLiteral("P.66 (Bar)"));
    t.addPart(1, QStringLiteral("12345A"));
    t.addPart(2, QStringLiteral("OTHER2"), 0, PaddedTarget::Brand, 100);
    t.addGroupRow(1, 2);
    t.execute(TargetSchema::paddedBrandTables(QStringLiteral("P.66 (Bar)"), 100));
    t.addPart(1, QStringLiteral("12345A"), 0, 100);
    EXPECT_THROW(PaddedPriceWriters::ApplyPriceRowP66(
                     t.state, paddedItem(QStringLiteral("A"), QStringLiteral("12-345"))),
                 RunStop);
    EXPECT_EQ(t.joined("Select Price From Pta_ Where PartID = 1"), QStringList({"100"}));
}

namespace {

struct SuzukiCase
{
    const char* name;
    const char* label;
    const char* brand;
    int upRec;
    bool rewrites;
};

const SuzukiCase SuzukiCases[] = {
    {"Suzuki", "P.68 (Bar)", "SUZUKI", 0, true},
    {"SuzukiStamped", "P.68 (Bar)", "SUZUKI", 4, true},
    {"OtherCase", "P.68 (Bar)", "Suzuki", 0, false},
    {"Zarav", "P.68 (Bar)", "ZARAV", 0, false},
    {"TwoDigitLabel", "P.66 (Bar)", "SUZUKI", 0, false},
};

using SuzukiTest = ::testing::TestWithParam<SuzukiCase>;

} // namespace

// Under "P.68 (Bar)" and the brand SUZUKI, each brand table's step starts by rewriting the
// part's numbers to the item's number as given, whatever the stamp.
TEST_P(SuzukiTest, RewritesThePartNumberInEveryBrandTable)
{
    const SuzukiCase& c = GetParam();
    PaddedTarget t(QString::fromLatin1(c.label), QString::fromLatin1(c.brand));
    for (int brand : {PaddedTarget::Brand, 12, 31})
        t.addPart(1, QStringLiteral("12345A"), c.upRec, brand);
    t.addPart(2, QStringLiteral("OTHER2"), 0, PaddedTarget::Brand, 12);
    t.addPart(3, QStringLiteral("OTHER3"), 0, PaddedTarget::Brand, 31);
    t.addGroupRow(1, 2);
    t.addGroupRow(1, 3);
    t.logStatements();
    Dispatch::ApplyPriceRow(t.state, paddedItem(QStringLiteral("A"), QStringLiteral("12-345")));

    const QString number = c.rewrites ? QStringLiteral("12-345") : QStringLiteral("OLD NO");
    for (int brand : {PaddedTarget::Brand, 12, 31}) {
        EXPECT_EQ(t.joined(QStringLiteral("Select PartNO, FPartNO From %1 Where PartID = 1")
                               .arg(t.table("Pta_", brand))),
                  QStringList({number + "|12345A"}));
        EXPECT_EQ(t.joined(QStringLiteral("Select AltNO From %1 Where AltID = 1")
                               .arg(t.table("Pta_Alt_", brand))),
                  QStringList({number}));
    }
    EXPECT_EQ(t.joined("Select PartNO From Pta_Doc Where PartID = 1"), QStringList({number}));
    if (!c.rewrites) {
        EXPECT_TRUE(t.sent(QStringLiteral("Update Pta_Doc Set PartNO")).isEmpty());
        return;
    }
    // Three statements per table, each group before the table's other updates.
    const QStringList updates = t.sent(QStringLiteral("Update Pta"));
    EXPECT_EQ(t.sent(QStringLiteral("Update Pta_Doc Set PartNO")).size(), 3);
    for (int brand : {PaddedTarget::Brand, 12, 31}) {
        const QString nn = TableNames::paddedSuffix(t.label, brand);
        const qsizetype at =
            updates.indexOf("Update Pta_" + nn + " Set PartNO = '12-345' Where PartID = 1");
        ASSERT_GE(at, 0) << brand;
        EXPECT_EQ(updates.mid(at + 1, 2),
                  QStringList({"Update Pta_Alt_" + nn + " Set AltNO = '12-345' Where AltID = 1",
                               "Update Pta_Doc Set PartNO = '12-345' Where PartID = 1"}));
        for (qsizetype i = 0; i < at; ++i)
            EXPECT_FALSE(updates[i].startsWith("Update Pta_" + nn + " "))
                << updates[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Brands, SuzukiTest, ::testing::ValuesIn(SuzukiCases),
                         [](const auto& param) { return std::string(param.param.name); });
