#include "PaddedFixture.h"

#include "common/DateText.h"
#include "transfer/Dispatch.h"
#include "window/RunStop.h"

using namespace lostrand;
using lostrand::test::labelName;
using lostrand::test::PaddedLabel;
using lostrand::test::PaddedLabels;
using lostrand::test::PaddedTarget;

namespace {

class PaddedNewPartsTest : public ::testing::TestWithParam<PaddedLabel>
{
protected:
    PaddedNewPartsTest() : t(GetParam().label) { setCounters(t); }

    bool threeDigits() const { return t.label == QLatin1String("P.68 (Bar)"); }

    static void setCounters(PaddedTarget& target)
    {
        target.setCounter(QStringLiteral("PartID"), 10);
        target.setCounter(QStringLiteral("ENameID"), 40);
        target.setCounter(QStringLiteral("TNameID"), 70);
        target.setCounter(QStringLiteral("ModelID"), 0);
    }

    void run() { Dispatch::ChooseAddNewParts(t.state, 3); }

    QString row(const char* prefix, const char* idColumn, int id) const
    {
        const QStringList all = t.joined(QStringLiteral("Select * From %1 Where %2 = %3")
                                             .arg(t.table(prefix), QLatin1String(idColumn))
                                             .arg(id));
        return all.value(0);
    }
    QStringList ids() const
    {
        return t.joined(
            QStringLiteral("Select PartID, FPartNO From %1 Order By PartID").arg(t.table("Pta_")));
    }
    QStringList group() const
    {
        return t.joined(QStringLiteral("Select PartID, AltID From %1 Order By PartID, AltID")
                            .arg(t.table("Pta_AltG_")));
    }

    PaddedTarget t;
};

// The rows of each label, value by value; ID, KEY and COMBO are the part's own.
const char* const P66PartRow =
    "1|0|0|0|0|7|0|0|0|0|ID|0|41|71|1|แท้เบิกห้าง|||KEY|COMBO|B|BOLTS|BOLT S|ก|เกียร์|เกียร์||ZARAV|||"
    "1250|1'000.-|1500.5|NEW DS|||0|0|0|0|0||0|0|0|0|DT";
const char* const P66AltRow = "ID|0|7|แท้เบิกห้าง||COMBO|1250|1500.5|0|0";
const char* const P68PartRow =
    "0|0|0|0|0|0|1|0|0|7|0|0|0|ID|0|41|71|0|ZARAV|แท้|||KEY|COMBO|B|BOLTS|BOLT S|ก|เกียร์|เกียร์|NEW "
    "D|||"
    "VIOS|NEW I|1|1250|1'000.-|0|1500.5|NEW DS|0|||0||0||0|0|0|0|0|0|0|0|0|0|DT";
const char* const P68AltRow = "ID|0|7|0|COMBO|COMBO|แท้|1250|1500.5|0|0";

QString filled(const char* pattern, int id, const char* key, const char* combo)
{
    return QString::fromUtf8(pattern)
        .replace(QStringLiteral("ID|"), QString::number(id) + QLatin1Char('|'))
        .replace(QStringLiteral("KEY"), QString::fromLatin1(key))
        .replace(QStringLiteral("COMBO"), QString::fromLatin1(combo))
        .replace(QStringLiteral("DT"), QString::number(DateText::DateNum()));
}

} // namespace

TEST_P(PaddedNewPartsTest, WritesEachLabelsRowsByPosition)
{
    PriceItem item = lostrand::test::paddedItem(QStringLiteral("1"), QStringLiteral("12-34 /A"));
    item.AKind[0] = QStringLiteral("B");
    item.AltNO[0] = QStringLiteral("AL-1");
    // Names and models are cleaned; the display texts go as they are.
    item.EName = QStringLiteral("BOLT'S");
    item.Model[0] = QStringLiteral("VIOS*");
    item.DisPrice = QStringLiteral("1'000.-");
    t.queue(item);
    run();

    const char* partRow = threeDigits() ? P68PartRow : P66PartRow;
    const char* altRow = threeDigits() ? P68AltRow : P66AltRow;
    EXPECT_EQ(row("Pta_", "PartID", 11), filled(partRow, 11, "1234A1", "1234A-1"));
    EXPECT_EQ(row("Pta_", "PartID", 12), filled(partRow, 12, "AL1B", "AL1-B"));
    EXPECT_EQ(row("Pta_Alt_", "AltID", 11), filled(altRow, 11, "", "1234A-1"));
    EXPECT_EQ(row("Pta_Alt_", "AltID", 12), filled(altRow, 12, "", "AL1-B"));
    EXPECT_EQ(t.rows(QStringLiteral("Select * From %1").arg(t.table("Pta_"))).first().size(),
              threeDigits() ? 59 : 47);
    EXPECT_EQ(group(), QStringList({"11|12", "12|11"}));
    EXPECT_EQ(t.counter(QStringLiteral("PartID")), 12);
    EXPECT_EQ(t.counter(QStringLiteral("ENameID")), 41);
    EXPECT_EQ(t.counter(QStringLiteral("TNameID")), 71);
    EXPECT_EQ(t.count("Select Count(*) From PriceList"), 0);
    EXPECT_EQ(t.window.history("txtPartNO"),
              QStringList({QStringLiteral("1234A-1 - เกียร์   VIOS")}));
    EXPECT_EQ(t.window.history("txtQTY"), QStringList({"กำลังเพิ่มข้อมูลใหม่  ZARAV_3  (0)  100 %"}));

    // The three-digit label also gives the main part a bar code and links both to the models.
    if (threeDigits()) {
        EXPECT_EQ(t.joined("Select * From Pta_BarCode"), QStringList({"11|7|1234A-1"}));
        EXPECT_EQ(t.joined("Select PartID, ModelID, Model From Pta_BrandCar Order By rowid"),
                  QStringList({"11|1|VIOS", "11|2|YARIS", "12|1|VIOS", "12|2|YARIS"}));
    } else {
        EXPECT_EQ(t.count("Select Count(*) From Pta_BarCode"), 0);
        EXPECT_EQ(t.count("Select Count(*) From Pta_BrandCar"), 0);
    }
}

// Blank slots and the main part's own combo are no alternates; the same number under another
// kind is one, and a combo given twice is made once and found the second time.
TEST_P(PaddedNewPartsTest, UsesTheAlternatesWhoseCombosDiffer)
{
    PriceItem item = lostrand::test::paddedItem(QStringLiteral("1"), QStringLiteral("12-34 /A"));
    item.AKind = {QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("2"), QString(),
                  QString()};
    item.AltNO = {QStringLiteral(" / -"), QStringLiteral("12 34/A"), QStringLiteral("12-34 /A"),
                  QStringLiteral("NEW-9"), QStringLiteral("NEW 9")};
    t.queue(item);
    run();
    EXPECT_EQ(ids(), QStringList({"11|1234A1", "12|1234A2", "13|NEW9"}));
    EXPECT_EQ(group(), QStringList({"11|12", "11|13", "12|11", "12|13", "13|11", "13|12"}));
    EXPECT_EQ(t.counter(QStringLiteral("PartID")), 13);
}

TEST_P(PaddedNewPartsTest, NamesAreTakenOnceAtTheFirstNewIdentifier)
{
    struct Case
    {
        const char* name;
        QString eName;
        QString tName;
        const char* names; // ENameID, ChrEName, FEName, EName, TNameID, ChrTName, FTName, TName
        int eCounter;
        int tCounter;
    };
    const Case cases[] = {
        // The English name stands in for a blank Thai one.
        {"BlankThai", QStringLiteral("NUT 'M8'"), QStringLiteral("  "),
         "41|N|NUTM8|NUT  M8|71|N|NUTM8|NUT  M8", 41, 71},
        {"NoNames", QString(), QString(), "0||||0|||", 40, 70},
        // A find form a part row carries gives its identifier; the counter stays.
        {"KnownName", QStringLiteral("WASHER"), QStringLiteral("แหวน"),
         "5|W|WASHER|WASHER|71|ห|แหวน|แหวน", 40, 71},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PaddedTarget target(GetParam().label);
        setCounters(target);
        target.execute({QStringLiteral("Insert Into %1 (PartID, FPartNO, FEName, ENameID) Values "
                                       "(5, 'OLD5A', 'WASHER', 5)")
                            .arg(target.table("Pta_"))});
        PriceItem item = lostrand::test::paddedItem(QStringLiteral("A"), QStringLiteral("OLD5"));
        item.EName = c.eName;
        item.TName = c.tName;
        // The main part exists: the names are taken at the second alternate, the first new.
        item.AltNO[1] = QStringLiteral("NEW-2");
        item.AltNO[2] = QStringLiteral("NEW-3");
        target.queue(item);
        Dispatch::ChooseAddNewParts(target.state, 3);
        for (int id : {11, 12})
            EXPECT_EQ(target.joined(QStringLiteral("Select ENameID, ChrEName, FEName, EName, "
                                                   "TNameID, ChrTName, FTName, TName From %1 "
                                                   "Where PartID = %2")
                                        .arg(target.table("Pta_"))
                                        .arg(id)),
                      QStringList({QString::fromUtf8(c.names)}));
        EXPECT_EQ(target.counter(QStringLiteral("ENameID")), c.eCounter);
        EXPECT_EQ(target.counter(QStringLiteral("TNameID")), c.tCounter);
        EXPECT_EQ(target.count("Select Count(*) From Pta_BarCode"), 0);
    }
}

TEST_P(PaddedNewPartsTest, AKnownPartGetsItsSingleGroupRowAgainAndTheKeyLeavesTheQueue)
{
    t.execute(
        {QStringLiteral("Insert Into %1 (PartID, FPartNO) Values (5, 'P9')").arg(t.table("Pta_")),
         QStringLiteral("Insert Into %1 Values (5, 0)").arg(t.table("Pta_AltG_"))});
    t.logStatements();
    t.queue(lostrand::test::paddedItem(QString(), QStringLiteral("P-9")));
    t.queue(lostrand::test::paddedItem(QString(), QStringLiteral("P-9")));
    run();
    EXPECT_EQ(ids(), QStringList({"5|P9"}));
    EXPECT_EQ(group(), QStringList({"5|0", "5|0"}));
    EXPECT_EQ(t.sent(QStringLiteral("Delete From PriceList")),
              QStringList({"Delete From PriceList Where BrandID = 7 And PartNO = 'P-9'"}));
    EXPECT_EQ(t.count("Select Count(*) From PriceList"), 0);
    EXPECT_EQ(t.count("Select Count(*) From Pta_BarCode"), 0);
}

// A counter that gives no identifier above 0 ends the run with the key's transaction rolled
// back: no part, name or group row is written with such an identifier and the key stays queued.
TEST_P(PaddedNewPartsTest, ACounterThatGivesNothingLeavesTheKeyQueued)
{
    for (const char* counter : {"PartID", "ENameID", "TNameID"})
        for (const char* stored : {"Null", "-5"}) {
            SCOPED_TRACE(std::string(counter) + " at " + stored);
            PaddedTarget target(GetParam().label);
            setCounters(target);
            target.execute({QStringLiteral("Update LastID Set LastID = %1 Where NameID = '%2'")
                                .arg(QLatin1String(stored), QLatin1String(counter))});
            PriceItem item =
                lostrand::test::paddedItem(QStringLiteral("A"), QStringLiteral("ZZ-2"));
            item.AltNO[0] = QStringLiteral("ZZ-ALT");
            target.queue(item);
            EXPECT_THROW(Dispatch::ChooseAddNewParts(target.state, 1), RunStop);
            target.state.cnADO2().rollbackTrans();
            target.state.rsLookup.close();
            for (const char* table : {"Pta_", "Pta_Alt_", "Pta_AltG_"})
                EXPECT_EQ(target.count(
                              QStringLiteral("Select Count(*) From %1").arg(target.table(table))),
                          0);
            EXPECT_EQ(target.count("Select Count(*) From Pta_BarCode"), 0);
            EXPECT_EQ(target.count("Select Count(*) From PriceList"), 1);
        }
}

TEST_P(PaddedNewPartsTest, TheFirstModelIsCutToThirtyCharacters)
{
    PriceItem item = lostrand::test::paddedItem(QStringLiteral("A"), QStringLiteral("M-1"));
    const QString longModel = QStringLiteral("ABCDEFGHIJ-KLMNOPQRST-UVWXYZ0123-4567");
    item.Model = {};
    item.Model[0] = longModel;
    t.queue(item);
    run();
    const QString cut = longModel.left(30);
    EXPECT_EQ(t.window.history("txtPartNO"), QStringList({"M1-A - เกียร์   " + cut}));
    const QString stored =
        t.joined(QStringLiteral("Select Model From %1").arg(t.table("Pta_"))).value(0);
    EXPECT_EQ(stored, threeDigits() ? cut : QString());
    if (threeDigits()) {
        EXPECT_EQ(t.joined("Select Model From Pta_BrandCar"), QStringList({cut}));
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedNewPartsTest, ::testing::ValuesIn(PaddedLabels), labelName);

// Under "P.68 (Bar)" every new part, main or alternate, is linked to the models; only the main
// part gets a bar code.
TEST(PaddedNewPartsP68, EveryNewPartIsLinkedAndTheMainOneBarCoded)
{
    PaddedTarget t(QStringLiteral("P.68 (Bar)"));
    PriceItem item = lostrand::test::paddedItem(QStringLiteral("A"), QStringLiteral("MAIN"));
    item.Model = {};
    for (size_t k = 0; k < 5; ++k)
        item.AltNO[k] = QStringLiteral("ALT-%1").arg(k + 1);
    t.queue(item);
    Dispatch::ChooseAddNewParts(t.state, 1);
    EXPECT_EQ(t.joined("Select * From Pta_BarCode"), QStringList({"1|7|MAIN-A"}));
    EXPECT_EQ(t.count("Select Count(*) From Pta_007"), 6);
    EXPECT_EQ(t.count("Select Count(*) From Pta_Alt_007"), 6);
    // Without models each part has its mark link and its Pta_Model row.
    EXPECT_EQ(t.joined("Select * From Pta_BrandCar Order By rowid"),
              QStringList({"1|7|0|ZARAV|", "2|7|0|ZARAV|", "3|7|0|ZARAV|", "4|7|0|ZARAV|",
                           "5|7|0|ZARAV|", "6|7|0|ZARAV|"}));
    EXPECT_EQ(t.count("Select Count(*) From Pta_Model"), 6);
    EXPECT_EQ(t.count("Select Count(*) From Pta_007 Where Model <> ''"), 0);
}

// Under "P.68 (Bar)" and the brand SUZUKI the combos keep the number's separators; the key by
// which the part is found stays the same.
TEST(PaddedNewPartsP68, SuzukiCombosKeepTheirSeparators)
{
    struct Case
    {
        const char* label;
        const char* brand;
        const char* kind;
        const char* combo;
        const char* key;
    };
    const Case cases[] = {
        {"P.68 (Bar)", "ZARAV", "1", "KA1234-1", "KA12341"},
        {"P.68 (Bar)", "SUZUKI", "1", "KA 12-34-1", "KA12341"},
        {"P.68 (Bar)", "SUZUKI", "", "KA 12-34", "KA1234"},
        {"P.68 (Bar)", "Suzuki", "1", "KA1234-1", "KA12341"},
        {"P.66 (Bar)", "SUZUKI", "1", "KA1234-1", "KA12341"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " " + c.brand + " " + c.kind);
        PaddedTarget t(QString::fromLatin1(c.label), QString::fromLatin1(c.brand));
        PriceItem item =
            lostrand::test::paddedItem(QString::fromLatin1(c.kind), QStringLiteral("KA 12-34"));
        // The same number without its blank is the main part's combo only without separators.
        item.AKind[0] = item.Kind;
        item.AltNO[0] = QStringLiteral("KA12-34");
        t.queue(item);
        Dispatch::ChooseAddNewParts(t.state, 1);
        const QString combo = QString::fromLatin1(c.combo);
        const QString pta = t.table("Pta_");
        EXPECT_EQ(t.joined(QStringLiteral("Select FPartNO, PartNO From %1").arg(pta)),
                  QStringList({QString::fromLatin1(c.key) + "|" + combo}));
        EXPECT_EQ(t.window.history("txtPartNO").value(0).section(QStringLiteral(" - "), 0, 0),
                  combo);
        if (t.label == QLatin1String("P.68 (Bar)")) {
            EXPECT_EQ(t.joined("Select PartNO From Pta_BarCode"), QStringList({combo}));
        }
        // Where the kept separators make the combos differ, the slot is used and finds the
        // main part itself; either way the part is nobody's partner but stands alone.
        EXPECT_EQ(
            t.joined(QStringLiteral("Select PartID, AltID From %1").arg(t.table("Pta_AltG_"))),
            QStringList({"1|0"}));
    }
}
