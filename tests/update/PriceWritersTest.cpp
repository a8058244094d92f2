#include "PriceUpdateFixture.h"

#include "db/DbError.h"
#include "update/PriceWriters.h"
#include "window/RunStop.h"

#include <gtest/gtest.h>

using lostrand::Currency;
using lostrand::PriceItem;
using lostrand::PriceWriters;
using lostrand::RunStop;
using lostrand::test::caseName;
using lostrand::test::PriceTarget;

namespace {

const auto Default = &PriceWriters::ApplyPriceRowDefault;

QStringList partTexts(const PriceTarget& t, int id)
{
    QStringList texts;
    for (const char* column :
         {"lAtNO", "EName", "TName", "IndTName", "Model", "Description", "Import"})
        texts << t.part(id, QLatin1String(column));
    return texts;
}

QStringList companionTexts(const PriceTarget& t, int id, int brand)
{
    return {t.companion(QStringLiteral("MovementStock"), id, QStringLiteral("EName"), brand),
            t.companion(QStringLiteral("MovementStock"), id, QStringLiteral("TName"), brand),
            t.companion(QStringLiteral("MovementStock"), id, QStringLiteral("Model"), brand),
            t.companion(QStringLiteral("SPG"), id, QStringLiteral("EName"), brand),
            t.companion(QStringLiteral("SPG"), id, QStringLiteral("TName"), brand),
            t.companion(QStringLiteral("SPG"), id, QStringLiteral("Model"), brand),
            t.companion(QStringLiteral("Price"), id, QStringLiteral("TName"), brand),
            t.companion(QStringLiteral("Price"), id, QStringLiteral("Model"), brand),
            t.companion(QStringLiteral("Sale"), id, QStringLiteral("TName"), brand),
            t.companion(QStringLiteral("Sale"), id, QStringLiteral("Model"), brand)};
}

const QStringList OldPartTexts{"OLD ALT", "OLD E", "OLD T", "OLD K", "OLD M", "OLD D", "OLD I"};
const QStringList OldCompanions{"OLD E", "OLD T", "OLD M", "OLD E", "OLD T",
                                "OLD M", "OLD T", "OLD M", "OLD T", "OLD M"};
// The item's texts as the part and its companions get them; the sort key brings the leading
// vowel behind its consonant.
const QStringList NewPartTexts{"ALT-1", "NEW E", "เกียร์", "กเียร์", "VIOS, YARIS", "NEW D", "NEW I"};
const QStringList NewCompanions{"NEW E",       "เกียร์", "VIOS, YARIS", "NEW E", "เกียร์",
                                "VIOS, YARIS", "เกียร์", "VIOS, YARIS", "เกียร์",  "VIOS, YARIS"};

struct TextCase
{
    const char* name;
    int upRec;
    int updateTexts;
    QStringList partTexts;
    QStringList companions;
};

using TextsByStamp = ::testing::TestWithParam<TextCase>;

} // namespace

// Texts follow the stamp and the flag; prices go to every match, and the other brand's
// companion rows never change.
TEST_P(TextsByStamp, WritesTextsOnlyWhereAllowed)
{
    const TextCase& c = GetParam();
    PriceTarget t;
    t.state.UpdateTexts = static_cast<qint16>(c.updateTexts);
    t.addPart(1, c.upRec, QStringLiteral("A"), QStringLiteral("90915-10004"));
    t.run(Default, PriceTarget::item(QStringLiteral("A"), QStringLiteral("90915-10004")));

    EXPECT_EQ(partTexts(t, 1), c.partTexts);
    EXPECT_EQ(companionTexts(t, 1, PriceTarget::Brand), c.companions);
    EXPECT_EQ(companionTexts(t, 1, PriceTarget::OtherBrand), OldCompanions);
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Price")), QStringLiteral("1250"));
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Sale")), QStringLiteral("1500.5"));
    EXPECT_TRUE(t.queued().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(DefaultWriter, TextsByStamp,
                         ::testing::Values(TextCase{"FreshPart", 0, 1, NewPartTexts, NewCompanions},
                                           TextCase{"StampedPart", 3, 1, OldPartTexts,
                                                    OldCompanions},
                                           TextCase{"TextsOff", 0, 0,
                                                    QStringList{"ALT-1", "OLD E", "OLD T", "OLD K",
                                                                "OLD M", "OLD D", "OLD I"},
                                                    OldCompanions}),
                         caseName<TextCase>);

TEST(DefaultWriter, BlankTextsNeverOverwrite)
{
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"));
    item.AltNO[0] = QStringLiteral("  ");
    item.EName = QString();
    item.TName = QStringLiteral("   ");
    item.Model = {};
    item.Model[5] = QStringLiteral("  ");
    item.Description = QStringLiteral(" ");
    item.Import = QString();
    t.run(Default, item);

    EXPECT_EQ(partTexts(t, 1), OldPartTexts);
    EXPECT_EQ(companionTexts(t, 1, PriceTarget::Brand), OldCompanions);
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Price")), QStringLiteral("1250"));
}

namespace {

struct PriceCase
{
    const char* name;
    qint64 price;
    qint64 sale;
    const char* partPrice;
    const char* partSale;
    const char* altPrice;
    const char* spgPrice;
};

using PricesByAmount = ::testing::TestWithParam<PriceCase>;

} // namespace

// An amount of 0 never overwrites, and the sale price reaches the part row alone.
TEST_P(PricesByAmount, WritesOnlyAmountsThatAreSet)
{
    const PriceCase& c = GetParam();
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"));
    item.Price = Currency::fromUnits(c.price);
    item.Sale = Currency::fromUnits(c.sale);
    t.run(Default, item);

    EXPECT_EQ(t.partMoney(1, QStringLiteral("Price")), QLatin1String(c.partPrice));
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Sale")), QLatin1String(c.partSale));
    EXPECT_EQ(t.altPrice(1), QLatin1String(c.altPrice));
    EXPECT_EQ(t.companion(QStringLiteral("SPG"), 1, QStringLiteral("Price")),
              QLatin1String(c.spgPrice));
    EXPECT_EQ(
        t.companion(QStringLiteral("SPG"), 1, QStringLiteral("Price"), PriceTarget::OtherBrand),
        QStringLiteral("100"));
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Price1")), QStringLiteral("200"));
    // The texts are written whatever the amounts.
    EXPECT_EQ(t.part(1, QStringLiteral("EName")), QStringLiteral("NEW E"));
}

INSTANTIATE_TEST_SUITE_P(
    DefaultWriter, PricesByAmount,
    ::testing::Values(PriceCase{"Both", 12500000, 15005000, "1250", "1500.5", "1250", "1250"},
                      PriceCase{"SaleOnly", 0, 15005000, "100", "1500.5", "100", "100"},
                      PriceCase{"PriceOnly", 9990001, 0, "999.0001", "110", "999.0001", "999.0001"},
                      PriceCase{"Neither", 0, 0, "100", "110", "100", "100"}),
    caseName<PriceCase>);

namespace {

struct LabelCase
{
    const char* label;
    bool written;
};

void PrintTo(const LabelCase& c, std::ostream* os)
{
    *os << c.label;
}

using DisplayTextsByLabel = ::testing::TestWithParam<LabelCase>;

} // namespace

// The default writer copies the display texts under its labels only, also to a stamped part
// and for an item without prices.
TEST_P(DisplayTextsByLabel, FollowsTheLabelGroup)
{
    const LabelCase& c = GetParam();
    PriceTarget t(QLatin1String(c.label));
    t.addPart(1, 4, QStringLiteral("A"), QStringLiteral("X1"));
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"));
    item.Price = Currency();
    item.Sale = Currency();
    t.run(Default, item);

    EXPECT_EQ(t.part(1, QStringLiteral("DisPrice")),
              c.written ? QStringLiteral("NEW DP") : QStringLiteral("OLD DP"));
    EXPECT_EQ(t.part(1, QStringLiteral("DisSale")),
              c.written ? QStringLiteral("NEW DS") : QStringLiteral("OLD DS"));
}

INSTANTIATE_TEST_SUITE_P(DefaultWriter, DisplayTextsByLabel,
                         ::testing::Values(LabelCase{"P.46 (Bar)", true},
                                           LabelCase{" D.47 (Bar) ", true},
                                           LabelCase{"P.62 (Bar)", true}, LabelCase{"V.51", false},
                                           LabelCase{"P.43", false},
                                           LabelCase{"P.48 (Bar)", false}));

namespace {

struct MatchCase
{
    const char* name;
    const char* kind;
    QList<int> updated;
};

using MatchesByKind = ::testing::TestWithParam<MatchCase>;

} // namespace

// Every part with the kind and number gets the writes, a blank kind matches every kind, and
// the matched list holds exactly the parts found with one empty entry on top.
TEST_P(MatchesByKind, UpdatesEveryMatchingPart)
{
    const MatchCase& c = GetParam();
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    t.addPart(2, 5, QStringLiteral("A"), QStringLiteral("X1"));
    t.addPart(3, 0, QStringLiteral("B"), QStringLiteral("X1"));
    t.addPart(4, 0, QStringLiteral("A"), QStringLiteral("X2"));
    t.addPart(5, 0, QStringLiteral("A"), QStringLiteral("X1 "));
    t.run(Default, PriceTarget::item(QLatin1String(c.kind), QStringLiteral(" X1")));

    for (int id = 1; id <= 5; ++id)
        EXPECT_EQ(t.partMoney(id, QStringLiteral("Price")),
                  c.updated.contains(id) ? QStringLiteral("1250") : QStringLiteral("100"))
            << "part " << id;
    ASSERT_EQ(t.state.MatchedPartCount, c.updated.size());
    ASSERT_EQ(t.state.MatchedParts.size(), static_cast<size_t>(c.updated.size() + 1));
    for (qsizetype i = 0; i < c.updated.size(); ++i)
        EXPECT_EQ(t.state.MatchedParts[static_cast<size_t>(i)].PartID, c.updated[i]);
    EXPECT_EQ(t.state.MatchedParts[1].UpRec, 5);
    EXPECT_EQ(t.state.MatchedParts.back().PartID, 0);
    EXPECT_TRUE(t.queued().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(DefaultWriter, MatchesByKind,
                         ::testing::Values(MatchCase{"SameKind", "A", {1, 2}},
                                           MatchCase{"BlankKind", " ", {1, 2, 3}}),
                         caseName<MatchCase>);

TEST(DefaultWriter, QueuesAnUnknownItemOnceInStagingOrder)
{
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("B"), QStringLiteral("X1"));
    t.state.MatchedPartCount = 9;
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"));
    item.Model[11] = QStringLiteral("M12 ");
    t.run(Default, item);

    const QList<QVariantList> rows = t.queued();
    ASSERT_EQ(rows.size(), 1);
    QStringList values;
    for (const QVariant& v : rows.front())
        values << v.toString();
    EXPECT_EQ(values, (QStringList{"7",     "X1",   "A",      "ALT-1",  "A",     "ALT-2", "B",
                                   "ALT-3", "C",    "ALT-4",  "D",      "ALT-5", "E",     "NEW E",
                                   "เกียร์",  "VIOS", "",       "YARIS",  "",      "",      "",
                                   "",      "",     "",       "",       "",      "M12 ",  "NEW D",
                                   "NEW I", "1250", "NEW DP", "1500.5", "NEW DS"}));
    EXPECT_EQ(t.part(1, QStringLiteral("Price")).toInt(), 100);
    EXPECT_EQ(t.state.MatchedPartCount, 9);
}

TEST(DefaultWriter, QueuesABlankKindAndFindsItAgain)
{
    PriceTarget t;
    t.run(Default, PriceTarget::item(QStringLiteral(" "), QStringLiteral("X9")));
    t.run(Default, PriceTarget::item(QStringLiteral(" "), QStringLiteral("X9")));

    const QList<QVariantList> rows = t.queued();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][2].toString(), QStringLiteral(" "));
}

TEST(DefaultWriter, ApostrophesRoundTripInEveryText)
{
    PriceTarget t(QStringLiteral("P.46 (Bar)"));
    t.addPart(1, 0, QStringLiteral("'"), QStringLiteral("X1'"));
    // Every kind an apostrophe, every other text with one at its end.
    PriceItem item = PriceTarget::item(QStringLiteral("'"), QStringLiteral("X1'"));
    for (QString* text : {&item.EName, &item.TName, &item.Description, &item.Import, &item.DisPrice,
                          &item.DisSale, &item.Model[0], &item.Model[2]})
        *text += QLatin1Char('\'');
    for (size_t i = 0; i < item.AltNO.size(); ++i) {
        item.AKind[i] = QStringLiteral("'");
        item.AltNO[i] += QLatin1Char('\'');
    }
    t.run(Default, item);

    EXPECT_EQ(partTexts(t, 1), (QStringList{"ALT-1'", "NEW E'", "เกียร์'", "กเียร์'", "VIOS', YARIS'",
                                            "NEW D'", "NEW I'"}));
    EXPECT_EQ(t.part(1, QStringLiteral("DisPrice")), QStringLiteral("NEW DP'"));
    EXPECT_EQ(t.part(1, QStringLiteral("DisSale")), QStringLiteral("NEW DS'"));
    EXPECT_EQ(t.companion(QStringLiteral("Sale"), 1, QStringLiteral("Model")),
              QStringLiteral("VIOS', YARIS'"));

    // The same item for a part the target does not have is queued exactly and found again.
    item.PartNO = QStringLiteral("D'ARC");
    for (QString& model : item.Model)
        model = QStringLiteral("M'");
    t.run(Default, item);
    const QList<QVariantList> rows = t.queued();
    ASSERT_EQ(rows.size(), 1);
    QStringList values;
    for (const QVariant& v : rows.front())
        values << v.toString();
    EXPECT_EQ(values.mid(1, 15),
              (QStringList{"D'ARC", "'", "ALT-1'", "'", "ALT-2'", "'", "ALT-3'", "'", "ALT-4'", "'",
                           "ALT-5'", "'", "NEW E'", "เกียร์'", "M'"}));
    EXPECT_EQ(values.mid(26),
              (QStringList{"M'", "NEW D'", "NEW I'", "1250", "NEW DP'", "1500.5", "NEW DS'"}));
}

namespace {

struct LossCase
{
    const char* name;
    bool known;
    const char* trigger;
};

using WritesNeverKept = ::testing::TestWithParam<LossCase>;

} // namespace

// A target that never keeps what is written ends the run after three tries instead of
// writing or queueing for ever.
TEST_P(WritesNeverKept, StopAfterThreeTries)
{
    const LossCase& c = GetParam();
    PriceTarget t;
    if (c.known)
        t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    t.execute({QStringLiteral("Create Table Tries (N Long)"), QLatin1String(c.trigger)});

    EXPECT_THROW(t.run(Default, PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"))),
                 RunStop);
    EXPECT_EQ(t.value(QStringLiteral("Select Count(*) From Tries")).toInt(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultWriter, WritesNeverKept,
    ::testing::Values(LossCase{"PriceReset", true,
                               "Create Trigger ResetPrice After Update Of Price On Pta7 Begin "
                               "Insert Into Tries Values (1); "
                               "Update Pta7 Set Price = 0 Where PartID = new.PartID; End"},
                      LossCase{"QueuedRowDropped", false,
                               "Create Trigger DropQueued After Insert On PriceList Begin "
                               "Insert Into Tries Values (1); "
                               "Delete From PriceList Where rowid = new.rowid; End"}),
    caseName<LossCase>);

TEST(DefaultWriter, NullPartIdStopsBeforeAnyWrite)
{
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    t.execute({QStringLiteral("Insert Into Pta7 (PartID, UpRec, Kind, PartNO) "
                              "Values (Null, 0, 'A', 'X1')")});

    EXPECT_THROW(t.run(Default, PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"))),
                 RunStop);
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Price")), QStringLiteral("100"));
}

TEST(DefaultWriter, MissingCompanionTableEndsOnTheErrorPath)
{
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    t.execute({QStringLiteral("Drop Table MovementStock")});

    EXPECT_THROW(t.run(Default, PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"))),
                 lostrand::DbError);
    // What ran before the failing statement stays.
    EXPECT_EQ(t.part(1, QStringLiteral("EName")), QStringLiteral("NEW E"));
}
