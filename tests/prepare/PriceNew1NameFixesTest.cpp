#include "PrepareFixture.h"

#include "prepare/PriceNew1NameFixes.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

class PriceNew1NameFixesTest : public PrepareFixture
{
protected:
    void SetUp() override
    {
        PrepareFixture::SetUp();
        addRawTable(1);
        run({PriceListSchema::createPriceNewO()});
    }

    // Rows of PriceNew_1 as (ID or 0 for the next, PartNO, EName), SQL literals.
    void addNamed(const QList<std::tuple<int, QString, QString>>& named)
    {
        for (const auto& [id, partNo, eName] : named)
            run({id == 0 ? QStringLiteral("Insert Into PriceNew_1 (PartNO, EName, TName) "
                                          "Values (%1, %2, 'ไทย')")
                               .arg(partNo, eName)
                         : QStringLiteral("Insert Into PriceNew_1 (ID, PartNO, EName, TName) "
                                          "Values (%1, %2, %3, 'ไทย')")
                               .arg(id)
                               .arg(partNo, eName)});
    }

    // PartNO|EName|TName of every row, in ID order.
    QStringList names() const
    {
        QStringList out;
        for (const auto& r : rows("Select PartNO, EName, TName From PriceNew_1 Order By ID"))
            out << r[0].toString() + '|' + r[1].toString() + '|' + r[2].toString();
        return out;
    }
};

} // namespace

TEST_F(PriceNew1NameFixesTest, MisreadThaiNamesAreClearedAndEveryTNameTakesTheEName)
{
    addNamed({{-1, "'P1'", "'เธอ'"},
              {0, "'P0'", "'เธB'"},
              {5, "'P5'", "'เธอ'"},
              {6, "'P6'", "' เธอ'"},
              {7, "'P7'", "'   '"},
              {8, "'P8'", "Null"}});
    run({"Update PriceNew_1 Set ID = 0 Where PartNO = 'P0'"});
    PriceNew1NameFixes::FixENameCopyToTName(state);

    EXPECT_EQ(names(), QStringList({"P1|เธอ|เธอ", "P0|เธB|เธB", "P5||", "P6| เธอ| เธอ",
                                    "P7|   |   ", "P8||"}));
    // Five rows loaded; the rows with an identifier above 0 and a name are handled.
    const QStringList shown = window.history("txtQTY");
    ASSERT_EQ(shown.size(), 7);
    EXPECT_EQ(shown[0], "กำลังดึงข้อมูลมาแก้ไข (4)  20 %");
    EXPECT_EQ(shown.mid(5), QStringList({"กำลังแก้ไข (4)  20 %", "กำลังแก้ไข (3)  40 %"}));
    EXPECT_EQ(window.history("txtPartNO").mid(5), QStringList({"5 - เธอ", "6 -  เธอ"}));
}

TEST_F(PriceNew1NameFixesTest, AnEmptyTableGetsItsTwoStatementsAndShowsNothing)
{
    PriceNew1NameFixes::FixENameCopyToTName(state);
    EXPECT_EQ(state.strSQL, "Update PriceNew_1 Set TName = EName ");
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
    EXPECT_FALSE(state.rsMain.isOpen());
}

TEST_F(PriceNew1NameFixesTest, PadNamesFromTheNamesTableGoToEveryRowOfTheirNumber)
{
    addNamed({{0, "'X'", "'OLD'"},
              {0, "'X'", "'OLD 2'"},
              {0, "'Y'", "'OLD'"},
              {0, "'Z'", "'PAD Z'"},
              {0, "'Z'", "'OTHER'"},
              {0, "'W'", "'OLD'"},
              {0, "'Q''1'", "'OLD'"},
              {0, "'  '", "'OLD'"}});
    run({"Insert Into PriceNew_O (PartNO, EName) Values ('X', 'PAD RING  '), ('Y', 'PAD A'), "
         "('Y', 'PAD B'), ('Z', 'PAD Z'), ('W', 'Pad w'), ('MISSING', 'PAD M'), "
         "('Q''1', 'PAD O''R'), ('  ', 'PAD BLANK')"});
    PriceNew1NameFixes::CopyPadENameFromPriceNewO(state);

    EXPECT_EQ(names(),
              QStringList({"X|PAD RING|ไทย", "X|PAD RING|ไทย", "Y|PAD B|ไทย", "Z|PAD Z|ไทย",
                           "Z|OTHER|ไทย", "W|OLD|ไทย", "Q'1|PAD O'R|ไทย", "  |OLD|ไทย"}));
    EXPECT_FALSE(state.rsMain.isOpen());
    const QStringList shown = window.history("txtQTY");
    ASSERT_EQ(shown.size(), 16);
    EXPECT_EQ(shown.first(), "กำลังเตรียมรายการ EName นำมาแก้ไข  (7)  12 %");
    EXPECT_EQ(shown.last(), "กำลังแก้ไขรายการ EName (0)  100 %");
}

TEST_F(PriceNew1NameFixesTest, WithoutPadNamesNothingIsShown)
{
    addNamed({{0, "'X'", "'OLD'"}});
    run({"Insert Into PriceNew_O (PartNO, EName) Values ('X', 'RING')"});
    PriceNew1NameFixes::CopyPadENameFromPriceNewO(state);
    EXPECT_EQ(names(), QStringList{"X|OLD|ไทย"});
    EXPECT_TRUE(window.history("txtQTY").isEmpty());
}

TEST_F(PriceNew1NameFixesTest, OneTrailingStarComesOffPerRun)
{
    addNamed({{0, "'A'", "'RING*'"},
              {0, "'B'", "'RING**'"},
              {0, "'C'", "'RING *'"},
              {0, "'D'", "'*'"},
              {0, "'E'", "'RI*NG'"},
              {0, "'F'", "'FIRST*'"},
              {0, "'F'", "'SECOND*'"},
              {0, "'F'", "'PLAIN'"},
              {0, "'  '", "'STAR*'"},
              {0, "'G''1'", "'O''R*'"}});
    PriceNew1NameFixes::StripENameStar(state);
    EXPECT_EQ(names(), QStringList({"A|RING|ไทย", "B|RING*|ไทย", "C|RING|ไทย", "D||ไทย",
                                    "E|RI*NG|ไทย", "F|SECOND|ไทย", "F|SECOND|ไทย", "F|SECOND|ไทย",
                                    "  |STAR*|ไทย", "G'1|O'R|ไทย"}));
    PriceNew1NameFixes::StripENameStar(state);
    EXPECT_EQ(column("Select EName From PriceNew_1 Where PartNO = 'B'"), QStringList{"RING"});
}
