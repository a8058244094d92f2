#include "PaddedFixture.h"

#include "common/PartKeys.h"
#include "db/DbError.h"
#include "padded/PaddedKeys.h"
#include "padded/PaddedNames.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::PaddedTarget;

TEST(PaddedKeys, KeysAndCombosCleanNumberAndKindAlike)
{
    struct Case
    {
        const char* number;
        const char* kind;
        const char* key;
        const char* combo;
        const char* keptCombo; // the separators kept
    };
    const Case cases[] = {
        {"12-34 56/7", "K", "1234567K", "1234567-K", "12-34 56/7-K"},
        {"12-34 56/7", " ", "1234567", "1234567", "12-34 56/7"},
        {"AB 12/34-5", "X", "AB12345X", "AB12345-X", "AB 12/34-5-X"},
        {"12-34 /A", "1", "1234A1", "1234A-1", "12-34 /A-1"},
        {"KA 12-34", "1", "KA12341", "KA1234-1", "KA 12-34-1"},
        {"KA 12-34", "", "KA1234", "KA1234", "KA 12-34"},
        // An apostrophe or a comma becomes a blank and goes; a control character goes at once.
        {"O'NE,IL\x01", "A'", "ONEILA", "ONEIL-A", "O NE IL-A"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        const QString number = QString::fromLatin1(c.number);
        const QString kind = QString::fromLatin1(c.kind);
        SCOPED_TRACE(c.number);
        EXPECT_EQ(PaddedKeys::PaddedPartKey(number, kind), QString::fromLatin1(c.key));
        EXPECT_EQ(PaddedKeys::PartNoCombo(number, kind, false), QString::fromLatin1(c.combo));
        EXPECT_EQ(PaddedKeys::PartNoCombo(number, kind, true), QString::fromLatin1(c.keptCombo));
        // A part created under either combo is found by the price writers' key.
        EXPECT_EQ(PartKeys::NormalizePartNo(PaddedKeys::PartNoCombo(number, kind, true)),
                  QString::fromLatin1(c.key));
        EXPECT_EQ(PartKeys::StripSeparators(PaddedKeys::PartNoCombo(number, kind, false)),
                  QString::fromLatin1(c.key));
    }
}

TEST(PaddedKeys, NameInitialsAndFindForms)
{
    struct Case
    {
        QString name;
        QString initial;
        QString find;
    };
    const Case cases[] = {
        {QStringLiteral("  เกียร์"), QStringLiteral("ก"), QStringLiteral("เกียร์")},
        {QStringLiteral("BOLT"), QStringLiteral("B"), QStringLiteral("BOLT")},
        {QStringLiteral("ไฟหน้า"), QStringLiteral("ฟ"), QStringLiteral("ไฟหน้า")},
        {QStringLiteral("DRIVER'S SEAT-L"), QStringLiteral("D"), QStringLiteral("DRIVERSSEATL")},
        {QStringLiteral("   "), QString(), QString()},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PaddedKeys::NameInitial(c.name), c.initial) << c.name.toStdString();
        EXPECT_EQ(PaddedKeys::NameFindForm(c.name), c.find) << c.name.toStdString();
    }
}

namespace {

using NameIdTest = ::testing::TestWithParam<lostrand::test::PaddedLabel>;

} // namespace

TEST_P(NameIdTest, AKnownFindFormGivesItsRowsIdentifierAndANewOneTheCounter)
{
    PaddedTarget t(GetParam().label);
    t.setCounter(QStringLiteral("ENameID"), 40);
    t.setCounter(QStringLiteral("TNameID"), 70);
    t.execute({QStringLiteral("Insert Into %1 (PartID, FEName, ENameID, FTName, TNameID) Values "
                              "(1, 'DRIVERSSEAT', 12, 'เกียร์', 34)")
                   .arg(t.table("Pta_"))});
    using W = PaddedNames::Which;
    struct Case
    {
        W which;
        QString name;
        qint32 id;
    };
    const Case cases[] = {
        // Found by its find form: the row's identifier, also for an apostrophe in the name.
        {W::English, QStringLiteral("DRIVER'S SEAT"), 12},
        {W::Thai, QStringLiteral(" เกียร์ "), 34},
        // Not carried by any row: the next counter value, at every call.
        {W::English, QStringLiteral("NUT"), 41},
        {W::English, QStringLiteral("NUT"), 42},
        // The English find form is not looked for among the Thai ones.
        {W::English, QStringLiteral("เกียร์"), 43},
        {W::Thai, QStringLiteral("DRIVERSSEAT"), 71},
    };
    t.logStatements();
    for (const Case& c : cases)
        EXPECT_EQ(PaddedNames::GetNameID(t.state, c.which, c.name, t.nn), c.id)
            << c.name.toStdString();
    EXPECT_EQ(t.counter(QStringLiteral("ENameID")), 43);
    EXPECT_EQ(t.counter(QStringLiteral("TNameID")), 71);
    EXPECT_FALSE(t.state.rsLookup.isOpen());
    EXPECT_EQ(t.log.first(),
              QStringLiteral("Select ENameID From Pta_%1 Where FEName = 'DRIVERSSEAT' ").arg(t.nn));
    EXPECT_EQ(t.log.at(1),
              QStringLiteral("Select TNameID From Pta_%1 Where FTName = 'เกียร์' ").arg(t.nn));
}

TEST_P(NameIdTest, NoIdentifierIsMadeUpWhenTheRowOrTheCounterFails)
{
    PaddedTarget t(GetParam().label);
    t.execute({QStringLiteral("Insert Into %1 (PartID, FEName, ENameID) Values (1, 'NULLID', Null)")
                   .arg(t.table("Pta_"))});
    EXPECT_THROW(PaddedNames::GetNameID(t.state, PaddedNames::Which::English,
                                        QStringLiteral("NULL ID"), t.nn),
                 DbError);
    t.state.rsLookup.close();
    t.execute({QStringLiteral("Insert Into LastID Values ('ENameID', Null)"),
               QStringLiteral("Insert Into LastID Values ('TNameID', -5)")});
    EXPECT_THROW(
        PaddedNames::GetNameID(t.state, PaddedNames::Which::English, QStringLiteral("NEW"), t.nn),
        RunStop);
    EXPECT_THROW(
        PaddedNames::GetNameID(t.state, PaddedNames::Which::Thai, QStringLiteral("ใหม่"), t.nn),
        RunStop);
}

INSTANTIATE_TEST_SUITE_P(Labels, NameIdTest, ::testing::ValuesIn(lostrand::test::PaddedLabels),
                         lostrand::test::labelName);
