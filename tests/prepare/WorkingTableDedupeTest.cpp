#include "PrepareFixture.h"

#include "prepare/WorkingTableDedupe.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

using WorkingTableDedupeTest = PrepareFixture;

// A working-table row as (kind, cleaned part number, price).
struct Row
{
    QString kind;
    QString fPartNew;
    QString price;
};

} // namespace

TEST_F(WorkingTableDedupeTest, KeepsEachGroupsRowsAtItsTopPrice)
{
    struct Case
    {
        const char* what;
        std::vector<Row> rows;
        QStringList kept; // "kind/f/price", sorted
    };
    const std::vector<Case> cases = {
        {"cheaper row goes", {{"A", "F", "100"}, {"A", "F", "90"}}, {"A/F/100"}},
        {"ties stay",
         {{"A", "F", "100"}, {"A", "F", "100"}, {"A", "F", "90"}},
         {"A/F/100", "A/F/100"}},
        {"one delete takes both",
         {{"A", "F", "100"}, {"A", "F", "90"}, {"A", "F", "90"}},
         {"A/F/100"}},
        {"kinds are separate groups", {{"A", "F", "100"}, {"B", "F", "50"}}, {"A/F/100", "B/F/50"}},
        {"a blank kind spans every kind",
         {{"A", "F", "100"}, {"B", "F", "50"}, {"", "F", "70"}},
         {"A/F/100"}},
        {"blank numbers survive",
         {{"A", "", "100"}, {"A", "", "90"}, {"", " ", "10"}},
         {"/ /10", "A//100", "A//90"}},
        {"amounts compare exactly", {{"A", "F", "12.5"}, {"A", "F", "12.25"}}, {"A/F/12.5"}},
        // An apostrophe in a number no longer breaks the group's statements.
        {"quoted numbers", {{"A", "O'R", "10"}, {"A", "O'R", "5"}}, {"A/O'R/10"}},
    };
    for (const auto& c : cases) {
        run({"Delete From PriceList"});
        std::vector<PriceListRow> rowsIn;
        for (const auto& r : c.rows) {
            PriceListRow p = row(r.kind, QStringLiteral("P"));
            p.FPartNew = r.fPartNew;
            p.Price = r.price;
            rowsIn.push_back(p);
        }
        addRows("PriceList", rowsIn);
        WorkingTableDedupe::DedupeWorkingTable(state);
        QStringList kept;
        for (const auto& r : rows("Select Kind, FPartNew, Price From PriceList"))
            kept << r[0].toString() + "/" + r[1].toString() + "/" + r[2].toString();
        kept.sort();
        EXPECT_EQ(kept, c.kept) << c.what;
        EXPECT_FALSE(state.rsMain.isOpen());
        EXPECT_FALSE(state.rsCheck.isOpen());
    }
}

TEST_F(WorkingTableDedupeTest, ShowsEveryKeyAndNothingForAnEmptyTable)
{
    WorkingTableDedupe::DedupeWorkingTable(state);
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_EQ(window.pumps, 0);

    PriceListRow a = row("A", "P1");
    a.FPartNew = "F1";
    PriceListRow blank = row("", "P2");
    blank.FPartNew = "F2";
    PriceListRow cheaper = a;
    cheaper.Price = "5";
    addRows("PriceList", {a, blank, cheaper, a});
    PriceListRow third = row("B", "P3");
    third.FPartNew = "F3";
    addRows("PriceList", {third});
    WorkingTableDedupe::DedupeWorkingTable(state);
    EXPECT_EQ(window.history("txtQTY"), QStringList({"กำลังหา PartNO ซ้ำ  ZARAV  (2)  33 %",
                                                     "กำลังหา PartNO ซ้ำ  ZARAV  (1)  66 %",
                                                     "กำลังหา PartNO ซ้ำ  ZARAV  (0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"A-F1", "F2", "B-F3"}));
    EXPECT_EQ(window.pumps, 3);
    EXPECT_EQ(state.DupKeyCount, 3);
    ASSERT_EQ(state.DupKeys.size(), 4u);
    EXPECT_EQ(state.DupKeys[0], (DupKey{"A", "F1"}));
    EXPECT_EQ(state.DupKeys[3], DupKey());
    // DupRows keeps the last group of more than one row: F1 after its first row.
    EXPECT_EQ(state.DupRowCount, 2);
    ASSERT_EQ(state.DupRows.size(), 3u);
    EXPECT_EQ(state.DupRows[1], (DupRow{"A", "F1", Currency::fromInt(5)}));
    EXPECT_EQ(scalar("Select Count(*) From PriceList").toInt(), 4);
}
