#include "PrepareFixture.h"

#include "prepare/PriceNew1Cleanup.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {
using PriceNew1CleanupTest = PrepareFixture;

using Pass = void (*)(RunState&);

// Question marks written out, so no run of them reads as a trigraph.
QString marks(int count)
{
    return QString(count, QLatin1Char('?'));
}
QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
} // namespace

TEST_F(PriceNew1CleanupTest, EachStatementPassChangesOnlyWhatItNames)
{
    struct Case
    {
        Pass pass;
        QString column;
        QString stored; // SQL literal
        QString after;  // "Null" for a Null
    };
    const Pass lost = PriceNew1Cleanup::ClearLostTName;
    const Pass dots = PriceNew1Cleanup::ClearDotModels;
    const Pass flags = PriceNew1Cleanup::NormalizeKindFlags;
    const Pass nonThai = PriceNew1Cleanup::ClearNonThaiTName;
    const std::vector<Case> cases = {
        {lost, "TName", quoted(marks(4)), ""},
        {lost, "TName", quoted(marks(3)), marks(3)},
        {lost, "TName", quoted(marks(5)), marks(5)},
        {dots, "Model_1", "'.'", ""},
        {dots, "Model_12", "'.'", ""},
        {dots, "Model_7", "'..'", ".."},
        {dots, "Model_7", "'A.'", "A."},
        {flags, "Kind", "Null", "0"},
        {flags, "AKind_5", "Null", "0"},
        {flags, "AKind_3", "'0.00'", "0"},
        {flags, "Kind", "'1.00'", "1"},
        {flags, "Kind", "'2.00'", "2.00"},
        {flags, "AKind_1", "'0.0'", "0.0"},
        {nonThai, "TName", "'2018 X'", ""},
        {nonThai, "TName", "'ABC'", ""},
        {nonThai, "TName", "'Y'", ""},
        {nonThai, "TName", "'Q1'", "Q1"},
        {nonThai, "TName", "'X1'", "X1"},
        {nonThai, "TName", "'Z1'", "Z1"},
        {nonThai, "TName", "'ไทย'", "ไทย"},
        {nonThai, "TName", "' A'", " A"},
        {nonThai, "TName", "'2019'", "2019"},
    };
    addRawTable(1);
    for (const auto& c : cases) {
        run({"Delete From PriceNew_1",
             QStringLiteral("Insert Into PriceNew_1 (PartNO, EName, %1) Values ('P', 'E', %2)")
                 .arg(c.column, c.stored)});
        c.pass(state);
        const QVariant value = scalar(QStringLiteral("Select %1 From PriceNew_1").arg(c.column));
        EXPECT_EQ(value.isNull() ? QStringLiteral("Null") : value.toString(), c.after)
            << c.column.toStdString() << " " << c.stored.toStdString();
        EXPECT_EQ(scalar("Select PartNO || EName From PriceNew_1").toString(), "PE");
    }
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_EQ(window.pumps, 0);
}

TEST_F(PriceNew1CleanupTest, FinalizingDeletesOnlyRowsWithoutNumberAndName)
{
    addRawTable(1);
    run({"Insert Into PriceNew_1 (PartNO, EName, TName) Values (Null, Null, Null)",
         "Insert Into PriceNew_1 (PartNO, EName, TName) Values ('', 'ENGLISH', '')",
         "Insert Into PriceNew_1 (PartNO, EName, TName) Values ('P1', Null, Null)",
         "Insert Into PriceNew_1 (PartNO, EName, TName) Values (Null, '', 'ไทย')"});
    PriceNew1Cleanup::FinalizePriceNew1(state);
    QStringList left;
    for (const auto& r : rows("Select PartNO, EName, TName From PriceNew_1 Order By ID"))
        left << r[0].toString() + '|' + r[1].toString() + '|' + r[2].toString();
    EXPECT_EQ(left, QStringList({"|ENGLISH|ENGLISH", "P1||", "||ไทย"}));
}
