#include "PrepareFixture.h"

#include "prepare/FordPartNoStrip.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using FordPartNoStripTest = PrepareFixture;

const QString Phase = QStringLiteral("กำลังแก้ไข PartNO (FORD)");
} // namespace

TEST_F(FordPartNoStripTest, NumbersLoseBlanksSlashesAndDashesAndNothingElseChanges)
{
    state.BrandName = QStringLiteral("FORD");
    struct Case
    {
        QString stored; // SQL literal of PartNO and of AltNO_3
        QString cleaned;
    };
    const std::vector<Case> cases = {
        {"' AB-12/3 '", "AB123"}, {"Null", ""},         {"'   '", ""}, {"'O''RING-1'", "O'RING1"},
        {"'A - B // C'", "ABC"},  {"'AB123'", "AB123"},
    };
    addRawTable(1);
    for (const auto& c : cases)
        run({QStringLiteral("Insert Into PriceNew_1 (Kind, PartNO, AltNO_1, AltNO_3, EName, "
                            "Model_1, Price) Values ('1', %1, ' X-1 ', %1, 'E-1 / A', ' M-1 ', 5)")
                 .arg(c.stored)});
    FordPartNoStrip::StripPartNumbersFord(state);

    const auto stored = rows("Select PartNO, AltNO_1, AltNO_2, AltNO_3, Kind, EName, Model_1, "
                             "Price From PriceNew_1 Order By ID");
    ASSERT_EQ(stored.size(), static_cast<qsizetype>(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& r = stored[static_cast<qsizetype>(i)];
        const std::string shown = cases[i].stored.toStdString();
        EXPECT_EQ(r[0].toString(), cases[i].cleaned) << shown;
        EXPECT_EQ(r[1].toString(), "X1") << shown;
        EXPECT_EQ(r[2].toString(), "") << shown;
        EXPECT_EQ(r[3].toString(), cases[i].cleaned) << shown;
        EXPECT_EQ(r[4].toString(), "1");
        EXPECT_EQ(r[5].toString(), "E-1 / A");
        EXPECT_EQ(r[6].toString(), " M-1 ");
        EXPECT_EQ(r[7].toInt(), 5);
    }
    // The item line shows the number as it was read, in part-number order.
    EXPECT_TRUE(window.history("txtPartNO").contains(" AB-12/3 "));
    EXPECT_FALSE(state.rsMain.isOpen());
}

TEST_F(FordPartNoStripTest, RowsThatHoldTheSameNumbersAreEachWritten)
{
    state.BrandName = QStringLiteral("FORD");
    addRawTable(1, {row("0", "AB-1"), row("1", "AB-1"), row("1", "AB-1")});
    FordPartNoStrip::StripPartNumbersFord(state);
    EXPECT_EQ(column("Select PartNO From PriceNew_1"), QStringList({"AB1", "AB1", "AB1"}));
}

TEST_F(FordPartNoStripTest, ProgressStartsAgainForEveryTable)
{
    state.BrandName = QStringLiteral("FORD");
    addRawTable(2, {row("1", "D"), row("1", "C"), row("1", "B"), row("1", "A")});
    addRawTable(1, {row("1", "E")});
    FordPartNoStrip::StripPartNumbersFord(state);
    const QString p = Phase + QStringLiteral("  (");
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({Phase, p + "0)  100 %", p + "3)  25 %", p + "2)  50 %", p + "1)  75 %",
                           p + "0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"E", "A", "B", "C", "D"}));
    EXPECT_EQ(window.pumps, 5);
}

TEST_F(FordPartNoStripTest, AnEmptyTableListChangesNothing)
{
    state.BrandName = QStringLiteral("FORD");
    addRawTable(1, {row("1", "A-1")});
    run({"Delete From PriceNew_Count"});
    FordPartNoStrip::StripPartNumbersFord(state);
    EXPECT_EQ(window.history("txtQTY"), QStringList{Phase});
    EXPECT_EQ(column("Select PartNO From PriceNew_1"), QStringList{"A-1"});
}
