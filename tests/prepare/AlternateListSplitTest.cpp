#include "PrepareFixture.h"

#include "prepare/AlternateListSplit.h"
#include "prepare/IsuzuKindFlags.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using AlternateListSplitTest = PrepareFixture;
using IsuzuKindFlagsTest = PrepareFixture;

QString joined(const std::array<QString, 5>& items)
{
    QStringList out;
    for (const QString& item : items)
        out << item;
    return out.join('|');
}
} // namespace

TEST(AlternateListSplit, ListsSpreadOverTheFivePlaces)
{
    struct Case
    {
        QString list;
        QString items;
    };
    const std::vector<Case> cases = {
        {"A, B", "A|B|||"},
        {"A, B, C, D, E", "A|B|C|D|E"},
        {"A, B, C, D, E, F", "A|B|C|D|F"},    // six: the fifth gives way to the last
        {"A, B, C, D, E, F, G", "A|B|C|D|F"}, // more: no list text in the last place
        {"A, , C, D", "A|D|C||"},             // an empty item's place goes to the last item
        {", A, B", "B|A|||"},
        {"A,BC", "A|BC|||"}, // no blank after the comma: nothing is lost
        {"A,B", "A|B|||"},
        {" A ,  B , ", "A|B|||"}, // a closing comma adds nothing
        {"O'R, X-1", "O'R|X-1|||"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(joined(AlternateListSplit::SplitList(c.list)), c.items) << c.list.toStdString();
}

TEST_F(AlternateListSplitTest, RowsWithAListAreSplitAndEveryRowLosesItsAlternateKinds)
{
    PriceListRow listed = row("1", "P1");
    listed.AltNO = {"O'R, B, C", "OLD2", "OLD3", "", ""};
    PriceListRow single = row("1", "P2");
    single.AltNO = {"S1", "S2", "", "", ""};
    for (auto* r : {&listed, &single})
        r->AKind = {"1", "1", "0", "1", "1"};
    addRawTable(1, {listed, single, row("1", "P3")});
    run({"Update PriceNew_1 Set AltNO_4 = Null, AltNO_1 = Null Where PartNO = 'P3'"});
    AlternateListSplit::SplitAltNOList(state);

    const auto stored =
        rows("Select AltNO_1, AltNO_2, AltNO_3, AltNO_4, AltNO_5, AKind_1 || "
             "AKind_2 || AKind_3 || AKind_4 || AKind_5 From PriceNew_1 Order By ID");
    QStringList out;
    for (const auto& r : stored) {
        QStringList values;
        for (const QVariant& v : r)
            values << v.toString();
        out << values.join('|');
    }
    EXPECT_EQ(out, QStringList({"O'R|B|C|||", "S1|S2||||", "|||||"}));
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_EQ(window.pumps, 0);
    EXPECT_FALSE(state.rsMain.isOpen());
}

TEST_F(IsuzuKindFlagsTest, OnlyTheTwoDeliveredFlagsAreShortened)
{
    state.BrandName = QStringLiteral("ISUZU");
    const QStringList kinds = {"0.00", "1.00", "0.0", "1", "2.00", ""};
    std::vector<PriceListRow> raw;
    for (const QString& kind : kinds) {
        PriceListRow r = row(kind, "P");
        r.AKind = {kind, kind, kind, kind, kind};
        raw.push_back(r);
    }
    addRawTable(1, raw);
    run({"Insert Into PriceNew_1 (Kind, AKind_5) Values (Null, Null)"});
    IsuzuKindFlags::NormalizeIsuzuKindFlags(state);

    const QStringList expected = {"0", "1", "0.0", "1", "2.00", "", "Null"};
    const auto stored = rows("Select Kind, AKind_1, AKind_5 From PriceNew_1 Order By ID");
    ASSERT_EQ(stored.size(), expected.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        for (const QVariant& v : stored[i])
            EXPECT_EQ(v.isNull() ? QStringLiteral("Null") : v.toString(), expected[i]) << i;
    }
    EXPECT_EQ(window.history("txtQTY"), QStringList{"กำลังแก้ไข Kind ของ ISUZU"});
    EXPECT_EQ(window.history("txtPartNO"), QStringList{""});
    EXPECT_EQ(window.pumps, 1);
}
