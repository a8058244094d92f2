#include "TransferFixture.h"

#include "transfer/StandardWriters.h"
#include "window/RunStop.h"
#include "window/VersionLabels.h"

using namespace lostrand;
using lostrand::test::TestDatabase;
using lostrand::test::TransferFixture;

namespace {

using DispatchTest = TransferFixture;

struct Expected
{
    const char* label;
    const char* priceWriter;
    const char* newPartWriter;
    int repairValues; // 0: no repair
};

const Expected Labels[] = {
    {"Ver 3.1 SQL", "ApplyPriceRowDefault", "AddNewPartsVer31Sql", 4},
    {"V.31", "ApplyPriceRowDefault", "AddNewPartsV31", 4},
    {"V.32", "ApplyPriceRowDefault", "AddNewPartsV31", 4},
    {"V.33", "ApplyPriceRowDefault", "AddNewPartsV33", 4},
    {"V.34", "ApplyPriceRowDefault", "AddNewPartsV34", 4},
    {"V.41", "ApplyPriceRowDefault", "AddNewPartsV31", 4},
    {"V.42", "ApplyPriceRowDefault", "AddNewPartsV42", 4},
    {"V.43", "ApplyPriceRowDefault", "AddNewPartsV43", 4},
    {"V.45", "ApplyPriceRowDefault", "AddNewPartsV45", 4},
    {"V.46 (Bar)", "ApplyPriceRowDefault", "AddNewPartsV46Bar", 4},
    {"V.51", "ApplyPriceRowDefault", "AddNewPartsV31", 4},
    {"V.61", "ApplyPriceRowDefault", "AddNewPartsV31", 4},
    {"P.42", "ApplyPriceRowDefault", "AddNewPartsV31", 4},
    {"P.43", "ApplyPriceRowDefault", "AddNewPartsP43", 4},
    {"P.44 (Bar)", "ApplyPriceRowDefault", "AddNewPartsP44Bar", 4},
    {"P.45 (Bar)", "ApplyPriceRowP45", "AddNewPartsP45Bar", 4},
    {"P.46 (Bar)", "ApplyPriceRowDefault", "AddNewPartsP46Bar", 4},
    {"P.47001 (Bar)", "ApplyPriceRowDefault", "AddNewPartsP46Bar", 4},
    {"P.48 (Bar)", "ApplyPriceRowP48", "AddNewPartsP48Bar", 4},
    {"P.49 (Bar)", "ApplyPriceRowP49", "AddNewPartsP49Bar", 6},
    {"P.52", "ApplyPriceRowDefault", "AddNewPartsP52", 4},
    {"P.61 (Bar)", "ApplyPriceRowP61", "AddNewPartsP61Bar", 4},
    {"P.62 (Bar)", "ApplyPriceRowDefault", "AddNewPartsP46Bar", 4},
    {"P.64 (Bar)", "ApplyPriceRowP64", "AddNewPartsP64Bar", 4},
    {"P.65 (Bar)", "ApplyPriceRowP65", "AddNewPartsP64Bar", 4},
    {"P.66 (Bar)", "ApplyPriceRowP66", "AddNewPartsP66Bar", 0},
    {"P.68 (Bar)", "ApplyPriceRowP68", "AddNewPartsP68Bar", 0},
    {"D.47 (Bar)", "ApplyPriceRowDefault", "AddNewPartsP46Bar", 4},
};

} // namespace

TEST_F(DispatchTest, EveryKnownLabelReachesItsWritersAndRepair)
{
    ASSERT_EQ(std::size(Labels), static_cast<size_t>(VersionLabels::known().size()));
    int i = 0;
    for (const auto& expected : Labels) {
        SCOPED_TRACE(expected.label);
        EXPECT_EQ(VersionLabels::known().at(i++), QString::fromUtf8(expected.label));
        // Blanks around the stored label do not change the choice.
        state.DBVersion =
            QStringLiteral("  ") + QString::fromUtf8(expected.label) + QStringLiteral(" ");
        pricedBy.clear();
        newPartsBy.clear();
        // Under the six-value label the brand's alternate table has six columns.
        const QString altColumns =
            expected.repairValues == 6
                ? QStringLiteral("AltID Long, No Long, AKind Text(1), "
                                 "APartNO Text(40), APrice Currency, ASale Currency")
                : QStringLiteral("AltID Long, AKind Text(1), APartNO Text(40), "
                                 "APrice Currency");
        db.create(QStringLiteral("Valcorin.accdb"),
                  {QStringLiteral("Drop Table Alt7"),
                   QStringLiteral("Create Table Alt7 (%1)").arg(altColumns),
                   QStringLiteral("Insert Into Alt7 (AltID) Values (0)"),
                   QStringLiteral("Insert Into Alt7 (AltID) Values (0)"),
                   QStringLiteral("Delete From AltG7"),
                   QStringLiteral("Insert Into AltG7 Values (0, 0, 5)")});
        Dispatch::ApplyPriceRow(state, PriceItem{});
        Dispatch::ChooseAddNewParts(state, 4);
        EXPECT_EQ(pricedBy, QStringList({QString::fromUtf8(expected.priceWriter)}));
        EXPECT_EQ(newPartsBy, QStringList({QString::fromUtf8(expected.newPartWriter)}));
        EXPECT_EQ(newPartsCalls.last(), 4);
        const auto altRows = TestDatabase::rows(targetPath, "Select * From Alt7");
        const auto groupZero =
            TestDatabase::scalar(targetPath, "Select Count(*) From AltG7 Where PartID = 0");
        if (expected.repairValues == 0) {
            EXPECT_EQ(altRows.size(), 2);
            EXPECT_EQ(groupZero.toInt(), 1);
        } else {
            EXPECT_EQ(groupZero.toInt(), 0);
            ASSERT_EQ(altRows.size(), 1);
            EXPECT_EQ(altRows[0][0].toInt(), 0);
            if (expected.repairValues == 6)
                EXPECT_EQ(altRows[0][2].toString(), QString()); // third of six is the kind
            else
                EXPECT_EQ(altRows[0][1].toString(), QString());
        }
    }
}

TEST_F(DispatchTest, TheRepairLeavesOneAlternateRowZero)
{
    Dispatch::ChooseAddNewParts(state, 1);
    Dispatch::ChooseAddNewParts(state, 2);
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Alt7 Where AltID = 0").toInt(),
              1);
    const auto rowZero =
        TestDatabase::rows(targetPath, "Select AltID, AKind, APartNO, APrice From Alt7");
    ASSERT_EQ(rowZero.size(), 1);
    EXPECT_EQ(rowZero[0][1].toString(), QString());
    EXPECT_EQ(rowZero[0][3].toInt(), 0);
}

TEST_F(DispatchTest, AWriterThatIsNotBuiltEndsTheRun)
{
    for (auto& entry : Dispatch::priceWriters())
        entry.writer = nullptr;
    for (auto& entry : Dispatch::newPartWriters())
        entry.writer = nullptr;
    EXPECT_THROW(Dispatch::ApplyPriceRow(state, PriceItem{}), RunStop);
    EXPECT_THROW(Dispatch::ChooseAddNewParts(state, 1), RunStop);
    // The repair belongs to a writer that ran: it does not run after a stop.
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Alt7").toInt(), 0);
}

TEST_F(DispatchTest, AnUnknownLabelGetsTheDefaultWriterAndTheRepairOnly)
{
    state.DBVersion = QStringLiteral("v.61");
    Dispatch::ApplyPriceRow(state, PriceItem{});
    Dispatch::ChooseAddNewParts(state, 1);
    EXPECT_EQ(pricedBy, QStringList({"ApplyPriceRowDefault"}));
    EXPECT_TRUE(newPartsBy.isEmpty());
    EXPECT_EQ(TestDatabase::scalar(targetPath, "Select Count(*) From Alt7").toInt(), 1);
}
