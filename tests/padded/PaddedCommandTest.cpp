#include "PaddedFixture.h"

#include "demo/PriceListSchema.h"
#include "support/CommandPress.h"

using namespace lostrand;
using lostrand::test::labelName;
using lostrand::test::PaddedLabel;
using lostrand::test::PaddedLabels;
using lostrand::test::PaddedTarget;
using lostrand::test::TestDatabase;

namespace {

const QPair<QString, MessageStyle> Finished{QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain};

// A padded target of brand ZARAV (7) with two known parts, X-1 shared with brand 12 through its
// group, and a price list whose first table prices them and brings new parts with alternates,
// and whose second table renames one of the parts the first one created.
class PaddedCommandTest : public ::testing::TestWithParam<PaddedLabel>
{
protected:
    static constexpr int newParts = 6;

    PaddedCommandTest() : t(GetParam().label)
    {
        t.addPart(1, QStringLiteral("X1A"), 0);
        t.addPart(1, QStringLiteral("X1A"), 0, 12);
        t.addPart(2, QStringLiteral("X2A"), 3, PaddedTarget::Brand, 12);
        t.addGroupRow(1, 2);
        t.addGroupRow(2, 1);
        t.setCounter(QStringLiteral("PartID"), 2);
        // The window opens its own connection; the fixture's one stays out of the way.
        t.state.cnADO2().close();

        QStringList source = PriceListSchema::createFile();
        source << PriceListSchema::createTable(1) << PriceListSchema::createTable(2);
        const QString first = QStringLiteral("PriceList_1");
        for (int i = 1; i <= newParts; ++i) {
            PriceListRow r =
                row("B", QStringLiteral("N-%1").arg(i, 2, 10, QLatin1Char('0')), "99", "NEW PART");
            r.AKind[0] = QStringLiteral("B");
            r.AltNO[0] = QStringLiteral("N-%1-ALT").arg(i, 2, 10, QLatin1Char('0'));
            if (i % 3 == 0) {
                r.AKind[1] = QStringLiteral("A");
                r.AltNO[1] = QStringLiteral("X-1");
            }
            source << PriceListSchema::insertRow(first, r);
        }
        source << PriceListSchema::insertRow(first, row("A", "X-1", "150", "NEW NAME"))
               << PriceListSchema::insertRow(first, row("A", "X-2", "250", "OTHER NAME"))
               << PriceListSchema::insertRow(QStringLiteral("PriceList_2"),
                                             row("B", "N-01", "99", "SECOND NAME"));
        sourcePath = t.db.create(QStringLiteral("PriceList_ZARAV.mdb"), source);
    }

    static PriceListRow row(const char* kind, const QString& number, const char* price,
                            const char* name)
    {
        PriceListRow r;
        r.Kind = QString::fromLatin1(kind);
        r.PartNO = number;
        r.EName = QString::fromLatin1(name);
        r.TName = QStringLiteral("ชื่อใหม่");
        r.Model[0] = QStringLiteral("VIOS");
        r.Price = QString::fromLatin1(price);
        return r;
    }

    void press() { lostrand::test::CommandPress::press(t.window, sourcePath, t.path); }

    QString part(int brand, const QString& key, const char* columns) const
    {
        return t
            .joined(QStringLiteral("Select %1 From %2 Where FPartNO = '%3'")
                        .arg(QLatin1String(columns), t.table("Pta_", brand), key))
            .join(QLatin1Char(';'));
    }

    PaddedTarget t;
    QString sourcePath;
};

} // namespace

TEST_P(PaddedCommandTest, ARunPricesKnownPartsEverywhereAndCreatesTheOthers)
{
    press();
    ASSERT_EQ(t.window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));

    // X-1 may have its texts refreshed, in its own table and in brand 12's; X-2 only its price.
    EXPECT_EQ(part(PaddedTarget::Brand, "X1A", "PartID, EName, Price, Sale"),
              QStringLiteral("1|NEW NAME|150|150"));
    EXPECT_EQ(part(12, "X1A", "PartID, EName, Price, Sale"), QStringLiteral("1|NEW NAME|150|150"));
    EXPECT_EQ(part(PaddedTarget::Brand, "X2A", "PartID, EName, Price"),
              QStringLiteral("2|OLD E|250"));

    // Every new number is a part of its own, once, and the second table's item found the part
    // the first table made and refreshed its texts.
    EXPECT_EQ(t.count(QStringLiteral("Select Count(*) From %1").arg(t.table("Pta_"))),
              2 + 2 * newParts);
    EXPECT_EQ(
        t.count(QStringLiteral("Select Count(Distinct FPartNO) From %1").arg(t.table("Pta_"))),
        2 + 2 * newParts);
    EXPECT_EQ(part(PaddedTarget::Brand, "N01B", "PartNO, EName, Price"),
              QStringLiteral("N01-B|SECOND NAME|99"));
    EXPECT_EQ(t.counter(QStringLiteral("PartID")), 2 + 2 * newParts);
    EXPECT_EQ(t.count("Select Count(*) From PriceList"), 0);

    // N-03 is grouped with its new alternate and with the known X-1.
    const int n03 = part(PaddedTarget::Brand, "N03B", "PartID").toInt();
    EXPECT_EQ(t.count(QStringLiteral("Select Count(*) From %1 Where PartID = %2 And AltID In "
                                     "(1, %3)")
                          .arg(t.table("Pta_AltG_"))
                          .arg(n03)
                          .arg(n03 + 1)),
              2);

    // The priced parts are linked to their model; under three digits the new ones too.
    const int links =
        t.count("Select Count(Distinct PartID) From Pta_BrandCar Where Model = 'VIOS'");
    EXPECT_EQ(links, t.label == QLatin1String("P.68 (Bar)") ? 2 + 2 * newParts : 3);
    EXPECT_EQ(t.count("Select Count(*) From Pta_ModelID"), 1);
    EXPECT_EQ(t.count("Select Count(*) From Pta_BarCode"),
              t.label == QLatin1String("P.68 (Bar)") ? newParts : 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, PaddedCommandTest, ::testing::ValuesIn(PaddedLabels), labelName);
