#include "PriceUpdateFixture.h"

#include "db/DbError.h"
#include "update/PriceRowWriter.h"
#include "update/PriceWriters.h"
#include "window/RunStop.h"

#include <gtest/gtest.h>

using lostrand::Currency;
using lostrand::DbError;
using lostrand::MessageStyle;
using lostrand::PriceItem;
using lostrand::PriceRowWriter;
using lostrand::PriceWriters;
using lostrand::RunStop;
using lostrand::test::caseName;
using lostrand::test::PriceTarget;

namespace {

struct Member
{
    const char* name;
    PriceTarget::Writer writer;
    const char* label;
};

const Member P45{"P45", &PriceWriters::ApplyPriceRowP45, "P.45 (Bar)"};
const Member P64{"P64", &PriceWriters::ApplyPriceRowP64, "P.64 (Bar)"};
const Member P65{"P65", &PriceWriters::ApplyPriceRowP65, "P.65 (Bar)"};
const Member P48{"P48", &PriceWriters::ApplyPriceRowP48, "P.48 (Bar)"};
const Member P49{"P49", &PriceWriters::ApplyPriceRowP49, "P.49 (Bar)"};
const Member P61{"P61", &PriceWriters::ApplyPriceRowP61, "P.61 (Bar)"};
const Member Default{"Default", &PriceWriters::ApplyPriceRowDefault, "P.61 (Bar)"};

// The suites that run one test over several members.
using CleanedNumberMembers = ::testing::TestWithParam<Member>;
using DisplayTextMembers = ::testing::TestWithParam<Member>;
using ApostropheMembers = ::testing::TestWithParam<Member>;

} // namespace

// The members keyed by FPartNO find a part whose cleaned number equals the item's number
// without blanks, "/" and "-"; a blank kind matches it whatever its kind. A miss queues the
// number as it came.
TEST_P(CleanedNumberMembers, MatchOnTheCleanedNumber)
{
    const Member& m = GetParam();
    PriceTarget t(QLatin1String(m.label));
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("something else"), QStringLiteral("AB12"));
    t.addPart(2, 0, QStringLiteral("B"), QStringLiteral("AB-1/2"), QStringLiteral("AB12"));
    t.addPart(3, 0, QStringLiteral("A"), QStringLiteral("AB-1/2"), QStringLiteral("AB-1/2"));

    t.run(m.writer, PriceTarget::item(QStringLiteral("A"), QStringLiteral("AB-1/ 2")));
    EXPECT_EQ(t.part(1, QStringLiteral("EName")), QStringLiteral("NEW E"));
    EXPECT_EQ(t.part(2, QStringLiteral("EName")), QStringLiteral("OLD E"));
    EXPECT_EQ(t.part(3, QStringLiteral("EName")), QStringLiteral("OLD E"));

    t.run(m.writer, PriceTarget::item(QStringLiteral(" "), QStringLiteral("AB 12")));
    EXPECT_EQ(t.state.MatchedPartCount, 2);
    EXPECT_EQ(t.part(2, QStringLiteral("EName")), QStringLiteral("NEW E"));
    EXPECT_TRUE(t.queued().isEmpty());

    t.run(m.writer, PriceTarget::item(QStringLiteral("C"), QStringLiteral("AB-1/2")));
    const QList<QVariantList> rows = t.queued();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][1].toString(), QStringLiteral("AB-1/2"));
    EXPECT_EQ(rows[0][30].toString(), QStringLiteral("NEW DP"));
    EXPECT_EQ(rows[0][32].toString(), QStringLiteral("NEW DS"));
}

INSTANTIATE_TEST_SUITE_P(PriceWriters, CleanedNumberMembers,
                         ::testing::Values(P45, P64, P65, P48, P49), caseName<Member>);

namespace {

struct FindCase
{
    const char* name;
    Member member;
    const char* priceColumn;
    const char* saleColumn;
    const char* otherPrice;
    const char* otherSale;
    // The untouched pair as the part was made.
    const char* oldOtherPrice;
    const char* oldOtherSale;
};

using FindTextMembers = ::testing::TestWithParam<FindCase>;

} // namespace

// The find texts follow the names, no sort key or display text is written, and each member
// writes its own pair of price columns, reading back the same pair.
TEST_P(FindTextMembers, WriteFindTextsAndTheirPriceColumns)
{
    const FindCase& c = GetParam();
    PriceTarget t(QLatin1String(c.member.label));
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"), QStringLiteral("X1"));
    t.addPart(2, 0, QStringLiteral("A"), QStringLiteral("X2"), QStringLiteral("X2"));
    t.addPart(3, 1, QStringLiteral("A"), QStringLiteral("X3"), QStringLiteral("X3"));
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"));
    item.EName = QStringLiteral(" NEW E ");
    t.run(c.member.writer, item);

    EXPECT_EQ(t.part(1, QStringLiteral("EFind")), QStringLiteral("NEW E  VIOS, YARIS"));
    EXPECT_EQ(t.part(1, QStringLiteral("EName")), QStringLiteral(" NEW E "));
    EXPECT_EQ(t.part(1, QStringLiteral("TFind")), QStringLiteral("เกียร์  VIOS, YARIS"));
    EXPECT_EQ(t.part(1, QStringLiteral("TName")), QStringLiteral("เกียร์"));
    EXPECT_EQ(t.part(1, QStringLiteral("IndTName")), QStringLiteral("OLD K"));
    EXPECT_EQ(t.part(1, QStringLiteral("DisPrice")), QStringLiteral("OLD DP"));
    EXPECT_EQ(t.part(1, QStringLiteral("DisSale")), QStringLiteral("OLD DS"));
    EXPECT_EQ(t.partMoney(1, QLatin1String(c.priceColumn)), QStringLiteral("1250"));
    EXPECT_EQ(t.partMoney(1, QLatin1String(c.saleColumn)), QStringLiteral("1500.5"));
    EXPECT_EQ(t.partMoney(1, QLatin1String(c.otherPrice)), QLatin1String(c.oldOtherPrice));
    EXPECT_EQ(t.partMoney(1, QLatin1String(c.otherSale)), QLatin1String(c.oldOtherSale));
    EXPECT_EQ(t.altPrice(1), QStringLiteral("1250"));
    EXPECT_EQ(t.companion(QStringLiteral("SPG"), 1, QStringLiteral("Price")),
              QStringLiteral("1250"));
    EXPECT_EQ(t.companion(QStringLiteral("Sale"), 1, QStringLiteral("TName")),
              QStringLiteral("เกียร์"));

    // Without models the find text is the trimmed name; a blank name leaves both untouched.
    item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X2"));
    item.Model = {};
    item.TName = QStringLiteral("  ");
    t.run(c.member.writer, item);
    EXPECT_EQ(t.part(2, QStringLiteral("EFind")), QStringLiteral("NEW E"));
    EXPECT_EQ(t.part(2, QStringLiteral("TFind")), QStringLiteral("OLD TF"));
    EXPECT_EQ(t.part(2, QStringLiteral("TName")), QStringLiteral("OLD T"));

    // A stamped part gets the prices alone.
    t.run(c.member.writer, PriceTarget::item(QStringLiteral("A"), QStringLiteral("X3")));
    EXPECT_EQ(t.part(3, QStringLiteral("EFind")), QStringLiteral("OLD EF"));
    EXPECT_EQ(t.partMoney(3, QLatin1String(c.priceColumn)), QStringLiteral("1250"));
}

INSTANTIATE_TEST_SUITE_P(
    PriceWriters, FindTextMembers,
    ::testing::Values(FindCase{"P45", P45, "Price1", "Sale1", "Price", "Sale", "100", "110"},
                      FindCase{"P64", P64, "Price", "Sale", "Price1", "Sale1", "200", "210"},
                      FindCase{"P65", P65, "Price", "Sale", "Price1", "Sale1", "200", "210"}),
    caseName<FindCase>);

// These members copy the display texts to every match whatever the label and the stamp, as
// handed in, and a text of blanks writes nothing.
TEST_P(DisplayTextMembers, WriteDisplayTextsWithoutLabelTest)
{
    const Member& m = GetParam();
    PriceTarget t(QStringLiteral("V.51"));
    t.addPart(1, 2, QStringLiteral("A"), QStringLiteral("X1"), QStringLiteral("X1"));
    t.addPart(2, 0, QStringLiteral("A"), QStringLiteral("X2"), QStringLiteral("X2"));
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("X1"));
    item.Price = Currency();
    item.Sale = Currency();
    item.DisPrice = QStringLiteral(" 1,250.- ");
    item.DisSale = QStringLiteral("   ");
    t.run(m.writer, item);

    EXPECT_EQ(t.part(1, QStringLiteral("DisPrice")), QStringLiteral(" 1,250.- "));
    EXPECT_EQ(t.part(1, QStringLiteral("DisSale")), QStringLiteral("OLD DS"));
    EXPECT_EQ(t.part(1, QStringLiteral("EName")), QStringLiteral("OLD E"));
    EXPECT_EQ(t.part(1, QStringLiteral("lAtNO")), QStringLiteral("OLD ALT"));
    EXPECT_EQ(t.partMoney(1, QStringLiteral("Price")), QStringLiteral("100"));

    // A fresh part gets its names with the sort key, as the default member writes them.
    t.run(m.writer, PriceTarget::item(QStringLiteral("A"), QStringLiteral("X2")));
    EXPECT_EQ(t.part(2, QStringLiteral("IndTName")), QStringLiteral("กเียร์"));
    EXPECT_EQ(t.part(2, QStringLiteral("EFind")), QStringLiteral("OLD EF"));
    EXPECT_EQ(t.part(2, QStringLiteral("DisSale")), QStringLiteral("NEW DS"));
}

INSTANTIATE_TEST_SUITE_P(PriceWriters, DisplayTextMembers, ::testing::Values(P48, P49, P61),
                         caseName<Member>);

TEST(PriceWriters, ConnectionCheckShowsTheNoticeAndStillRunsTheStatement)
{
    PriceTarget t;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
    const QString sql = QStringLiteral("Update Pta7 Set TName = 'T' Where PartID = 1");

    PriceRowWriter::executeAfterConnectionCheck(t.state, sql);
    EXPECT_TRUE(t.window.messages.isEmpty());
    EXPECT_EQ(t.part(1, QStringLiteral("TName")), QStringLiteral("T"));

    t.state.cnADO2().close();
    EXPECT_THROW(PriceRowWriter::executeAfterConnectionCheck(t.state, sql), DbError);
    ASSERT_EQ(t.window.messages.size(), 1);
    EXPECT_EQ(t.window.messages[0].first, QStringLiteral("cnADO2 ไม่เปิด"));
    EXPECT_EQ(t.window.messages[0].second, MessageStyle::Plain);
    EXPECT_EQ(t.state.strSQL, sql);
}

// With the target open the notice member writes exactly what its twin writes and shows nothing.
TEST(PriceWriters, NoticeMemberOnAnOpenTargetActsAsItsTwin)
{
    PriceTarget p48(QLatin1String(P48.label));
    PriceTarget p49(QLatin1String(P49.label));
    for (PriceTarget* t : {&p48, &p49}) {
        t->addPart(1, 0, QStringLiteral("A"), QStringLiteral("X-1"), QStringLiteral("X1"));
        t->addPart(2, 0, QStringLiteral("B"), QStringLiteral("X1"), QStringLiteral("X1"));
    }
    for (const QString& kind : {QStringLiteral(" "), QStringLiteral("C")}) {
        p48.run(P48.writer, PriceTarget::item(kind, QStringLiteral("X 1")));
        p49.run(P49.writer, PriceTarget::item(kind, QStringLiteral("X 1")));
    }
    EXPECT_EQ(p48.dump(), p49.dump());
    EXPECT_TRUE(p48.window.messages.isEmpty());
    EXPECT_EQ(p48.part(2, QStringLiteral("TName")), QStringLiteral("เกียร์"));
    EXPECT_EQ(p48.queued().size(), 1);
}

// While the flag is off the member with the second match writes what the default member writes
// under its label.
TEST(PriceWriters, SecondMatchMemberWithoutTheFlagActsAsDefault)
{
    PriceTarget p61(QLatin1String(P61.label));
    PriceTarget reference(QLatin1String(Default.label));
    for (PriceTarget* t : {&p61, &reference}) {
        t->addPart(1, 0, QStringLiteral("A"), QStringLiteral("X1"));
        t->addPart(2, 3, QStringLiteral("B"), QStringLiteral("X1"));
        t->addPart(3, 0, QStringLiteral("A"), QStringLiteral("X2"));
    }
    for (const char* partNo : {"X1", "X-2", "X9"}) {
        p61.run(P61.writer, PriceTarget::item(QStringLiteral(" "), QLatin1String(partNo)));
        reference.run(Default.writer,
                      PriceTarget::item(QStringLiteral(" "), QLatin1String(partNo)));
    }
    EXPECT_EQ(p61.dump(), reference.dump());
    EXPECT_EQ(p61.queued().size(), 2);
}

namespace {

struct SecondMatchCase
{
    const char* name;
    qint16 retry;
    const char* kind;
    const char* partNo;
    // Part 1 carries the number without separators, part 2 (when there) the item's own.
    bool withSecondPart;
    // Price writes each part gets, and staging rows left.
    QList<int> writes;
    int queued;
};

using SecondMatch = ::testing::TestWithParam<SecondMatchCase>;

} // namespace

TEST_P(SecondMatch, AppliesTheItemByTheNormalizedNumber)
{
    const SecondMatchCase& c = GetParam();
    PriceTarget t(QLatin1String(P61.label));
    t.state.RetryCleanPartNo = c.retry;
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("AB12"));
    if (c.withSecondPart)
        t.addPart(2, 0, QStringLiteral("A"), QLatin1String(c.partNo));
    t.execute({QStringLiteral("Create Table Writes (PartID Long)"),
               QStringLiteral("Create Trigger CountWrites After Update Of Price On Pta7 Begin "
                              "Insert Into Writes Values (new.PartID); End")});
    t.run(P61.writer, PriceTarget::item(QLatin1String(c.kind), QLatin1String(c.partNo)));

    for (qsizetype i = 0; i < c.writes.size(); ++i)
        EXPECT_EQ(
            t.value(QStringLiteral("Select Count(*) From Writes Where PartID = %1").arg(i + 1))
                .toInt(),
            c.writes[i])
            << "part " << i + 1;
    EXPECT_EQ(t.queued().size(), c.queued);
    if (c.writes.value(0) > 0) {
        EXPECT_EQ(t.part(1, QStringLiteral("DisSale")), QStringLiteral("NEW DS"));
        EXPECT_EQ(t.part(1, QStringLiteral("TName")), QStringLiteral("เกียร์"));
        // The list holds the matches of the last match that found any.
        EXPECT_EQ(t.state.MatchedPartCount, 1);
        EXPECT_EQ(t.state.MatchedParts[0].PartID, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PriceWriters, SecondMatch,
    ::testing::Values(SecondMatchCase{"FlagOff", 0, "A", "AB-1 2", false, {0}, 1},
                      SecondMatchCase{"FindsTheCleanedPart", 1, "A", "AB-1 2", false, {1}, 1},
                      SecondMatchCase{"BlankKind", 1, " ", "AB/12", false, {1}, 1},
                      SecondMatchCase{"OtherKindMissed", 1, "B", "AB-12", false, {0}, 1},
                      SecondMatchCase{"ApostropheRemoved", 1, "A", "A'B-12", false, {1}, 1},
                      SecondMatchCase{
                          "BothKeysFindDifferentParts", 1, "A", "AB-12", true, {1, 1}, 0},
                      SecondMatchCase{"SameKeyAppliesTwice", 1, "A", "AB12", false, {2}, 0},
                      SecondMatchCase{"SameKeyQueuesOnce", 1, "A", "ZZ9", false, {0}, 1}),
    caseName<SecondMatchCase>);

// A quote in the number, the names, the models and the display texts reaches every column
// exactly, also through the cleaned-number key and the find texts.
TEST_P(ApostropheMembers, TextsWithApostrophesRoundTrip)
{
    const Member& m = GetParam();
    PriceTarget t(QLatin1String(m.label));
    t.addPart(1, 0, QStringLiteral("A"), QStringLiteral("O'NEIL-1"), QStringLiteral("O'NEIL1"));
    PriceItem item = PriceTarget::item(QStringLiteral("A"), QStringLiteral("O'NEIL-1"));
    item.EName = QStringLiteral("DRIVER'S SEAT");
    item.TName = QStringLiteral("เบาะ'");
    item.Model[0] = QStringLiteral("CAB'");
    item.DisPrice = QStringLiteral("1'250");
    t.run(m.writer, item);

    EXPECT_EQ(t.part(1, QStringLiteral("EName")), QStringLiteral("DRIVER'S SEAT"));
    EXPECT_EQ(t.part(1, QStringLiteral("TName")), QStringLiteral("เบาะ'"));
    EXPECT_EQ(t.part(1, QStringLiteral("Model")), QStringLiteral("CAB', YARIS"));
    EXPECT_EQ(t.companion(QStringLiteral("SPG"), 1, QStringLiteral("EName")),
              QStringLiteral("DRIVER'S SEAT"));
    EXPECT_TRUE(t.queued().isEmpty());
    if (m.writer == P45.writer) {
        EXPECT_EQ(t.part(1, QStringLiteral("EFind")), QStringLiteral("DRIVER'S SEAT  CAB', YARIS"));
    } else {
        EXPECT_EQ(t.part(1, QStringLiteral("IndTName")), QStringLiteral("บเาะ'"));
        EXPECT_EQ(t.part(1, QStringLiteral("DisPrice")), QStringLiteral("1'250"));
    }
}

INSTANTIATE_TEST_SUITE_P(PriceWriters, ApostropheMembers, ::testing::Values(P45, P48, P61),
                         caseName<Member>);
