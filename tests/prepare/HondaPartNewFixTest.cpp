#include "PrepareFixture.h"

#include "prepare/HondaPartNewFix.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

const QString Phase = QStringLiteral("กำลังแก้ไข PartNO (HONDA)");

class HondaPartNewFixTest : public PrepareFixture
{
protected:
    void SetUp() override
    {
        PrepareFixture::SetUp();
        state.BrandName = QStringLiteral("HONDA");
    }

    // Target parts as (PartNO, FPartNO) SQL literals.
    void openTargetWith(const QList<QPair<QString, QString>>& parts)
    {
        QStringList statements{"Create Table Pta7 (PartID Long, Kind Text(1), PartNO Text(40), "
                               "FPartNO Text(40), TName Text(60))"};
        int id = 0;
        for (const auto& [partNo, key] : parts)
            statements << QStringLiteral("Insert Into Pta7 Values (%1, '1', %2, %3, 'T')")
                              .arg(++id)
                              .arg(partNo, key);
        openTarget(statements);
    }

    // A raw row of the HONDA table with PartNew as an SQL literal (Null when not given).
    void addHondaRow(const QString& partNo, const QString& partNew = QStringLiteral("Null"),
                     const QString& fPartNo = QStringLiteral("Null"))
    {
        run({QStringLiteral("Insert Into PriceNew_1 (Kind, PartNO, PartNew, FPartNO) "
                            "Values ('1', %1, %2, %3)")
                 .arg(partNo, partNew, fPartNo)});
    }

    QStringList published() const
    {
        QStringList out;
        for (const auto& r : rows("Select PartNew, FPartNO From PriceNew_1 Order By ID"))
            out << (r[0].isNull() ? QStringLiteral("Null") : r[0].toString()) + QLatin1Char('|') +
                       r[1].toString();
        return out;
    }
};

} // namespace

TEST_F(HondaPartNewFixTest, RowsWithoutPartNewTakeTheTargetsNumberOrTheirOwn)
{
    openTargetWith({{"' AB-123C '", "'AB123C'"},
                    {"Null", "'NUL1'"},
                    {"'O''R 1'", "'O''R1'"},
                    {"'P 9'", "'P9'"}});
    addRawTable(1, {}, true);
    addHondaRow("'AB-12/3 C'");              // found: the target's number, trimmed
    addHondaRow("'ZZ-1'", "''");             // not found: its own number, separators kept
    addHondaRow("'P-9'", "'KEEP'", "'OLD'"); // already published: left alone
    addHondaRow("'NUL-1'");                  // the target part has no number to give
    addHondaRow("'O''R-1'");                 // apostrophes in key and number
    HondaPartNewFix::FixPartNewHonda(state);

    EXPECT_EQ(published(),
              QStringList({"AB-123C|AB123C", "ZZ-1|ZZ1", "KEEP|OLD", "NUL-1|NUL1", "O'R 1|O'R1"}));
    EXPECT_EQ(state.strSQL, "Update PriceNew_1 Set PartNew = PartNO Where PartNew = '' ");
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_FALSE(state.rsLookup.isOpen());
}

TEST_F(HondaPartNewFixTest, NullsBecomeEmptyAndOnlyRowsWithoutPartNewAreCounted)
{
    openTargetWith({{"'A-1'", "'A1'"}, {"'A 1'", "'A1'"}});
    addRawTable(1, {}, true);
    addHondaRow("'C'");
    addHondaRow("'X'", "'DONE'");
    addHondaRow("'A1'");
    addHondaRow("'B'", "''");
    run({"Update PriceNew_1 Set EName = Null, Price = Null, Sale = Null, Description = Null"});
    HondaPartNewFix::FixPartNewHonda(state);

    const QString p = Phase + QStringLiteral("  (");
    EXPECT_EQ(window.history("txtQTY"),
              QStringList({Phase, p + "2)  33 %", p + "1)  66 %", p + "0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"A1", "B", "C"}));
    // Two target parts share the cleaned number: either one's number is taken.
    const QString shared = column("Select PartNew From PriceNew_1 Where PartNO = 'A1'").value(0);
    EXPECT_TRUE(shared == "A-1" || shared == "A 1") << shared.toStdString();
    EXPECT_EQ(scalar("Select Count(*) From PriceNew_1 Where EName = '' And Price = 0 And Sale = 0 "
                     "And Description Is Null")
                  .toInt(),
              4);
}

TEST_F(HondaPartNewFixTest, WithoutListedTablesNothingIsLookedUp)
{
    openTargetWith({});
    addRawTable(1, {}, true);
    addHondaRow("'A-1'");
    run({"Delete From PriceNew_Count"});
    HondaPartNewFix::FixPartNewHonda(state);
    EXPECT_EQ(window.history("txtQTY"), QStringList{Phase});
    EXPECT_EQ(published(), QStringList{"Null|"});
}
