#include "PrepareFixture.h"

#include "prepare/IsuzuKindFill.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

class IsuzuKindFillTest : public PrepareFixture
{
protected:
    void SetUp() override
    {
        PrepareFixture::SetUp();
        state.BrandName = QStringLiteral("ISUZU");
        QStringList target{"Create Table Pta7 (PartID Long, Kind Text(1), PartNO Text(40), "
                           "FPartNO Text(40), TName Text(60))"};
        // Number, kind (SQL literal), name.
        const QList<std::tuple<QString, QString, QString>> parts = {
            {"N1", "'1'", "T1"}, {"N2", "'0'", "TA"},   {"N2", "'1'", "TB"},
            {"N3", "'0'", "TD"}, {"N3", "'1'", "TD"},   {"N5", "Null", "T5"},
            {"N5", "'1'", "T5"}, {"O'R", "'1'", "T'X"}, {"N6", "Null", "T6"},
        };
        int id = 0;
        for (const auto& [number, kind, name] : parts)
            target << QStringLiteral("Insert Into Pta7 Values (%1, %2, %3, '', %4)")
                          .arg(++id)
                          .arg(kind, q(number), q(name));
        openTarget(target);
    }

    static QString q(const QString& text) { return "'" + QString(text).replace("'", "''") + "'"; }

    static PriceListRow isuzuRow(const QString& kind, const QString& partNo, const QString& tName,
                                 const QString& alternateKind = QStringLiteral("1"),
                                 const QString& alternate = QString())
    {
        PriceListRow r;
        r.Kind = kind;
        r.PartNO = partNo;
        r.TName = tName;
        r.AKind[0] = alternateKind;
        r.AltNO[0] = alternate;
        return r;
    }
};

} // namespace

TEST_F(IsuzuKindFillTest, EmptyKindsTakeTheKindThatTheTargetSettles)
{
    struct Case
    {
        QString partNo;
        QString tName;
        QString kind; // after the pass
        const char* why;
    };
    const std::vector<Case> cases = {
        {"N1", "any", "1", "held once"},
        {"N2", "TB", "1", "held twice, the name picks one"},
        {"N2", "TA", "0", "held twice, the name picks the other"},
        {"N2", "TC", "0", "held twice, no part has the name"},
        {"N3", "TD", "0", "held twice, both have the name"},
        {"N4", "T4", "0", "not held"},
        {"N5", "T5", "1", "held once with a kind, once without"},
        {"N6", "T6", "0", "held only without a kind"},
        {"O'R", "T'X", "1", "apostrophes in number and name"},
    };
    std::vector<PriceListRow> raw;
    for (const auto& c : cases)
        raw.push_back(isuzuRow("", c.partNo, c.tName));
    addRawTable(1, raw);
    IsuzuKindFill::FillIsuzuKindFromPta(state);

    const auto stored = rows("Select Kind From PriceNew_1 Order By ID");
    ASSERT_EQ(stored.size(), static_cast<qsizetype>(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(stored[static_cast<qsizetype>(i)][0].toString(), cases[i].kind) << cases[i].why;
    EXPECT_FALSE(state.rsMain.isOpen());
    EXPECT_FALSE(state.rsCheck.isOpen());
}

TEST_F(IsuzuKindFillTest, FlagsAreShortenedFirstAndOnlyTheFirstAlternateIsFilled)
{
    addRawTable(1, {isuzuRow("0.00", "N1", "T1", "", "N1"), isuzuRow("1.00", "N4", "T", "", ""),
                    isuzuRow("", "N9", "TB", "", "N2"), isuzuRow("", "N1", "T", "0.00", "X")});
    run({"Update PriceNew_1 Set Kind = Null Where PartNO = 'N9'",
         "Update PriceNew_1 Set AKind_2 = '1.00', AKind_3 = ''"});
    IsuzuKindFill::FillIsuzuKindFromPta(state);

    // Kind, AKind_1, AKind_2, AKind_3: a delivered flag is not looked up; a Null kind is; the
    // alternate is narrowed by the row's own name; the other alternates are only shortened.
    const auto stored = rows("Select Kind, AKind_1, AKind_2, AKind_3 From PriceNew_1 Order By ID");
    ASSERT_EQ(stored.size(), 4);
    const QStringList expected = {"0|1|1|", "1|0|1|", "0|1|1|", "1|0|1|"};
    for (qsizetype i = 0; i < stored.size(); ++i) {
        QStringList values;
        for (const QVariant& v : stored[i])
            values << v.toString();
        EXPECT_EQ(values.join('|'), expected[i]) << i;
    }
}

TEST_F(IsuzuKindFillTest, ProgressNamesTheTableAndCountsEachFill)
{
    addRawTable(3, {isuzuRow("", "N1", "T1", "", "N1"), isuzuRow("", "N4", "T4"),
                    isuzuRow("", "N5", "T5")});
    IsuzuKindFill::FillIsuzuKindFromPta(state);
    EXPECT_EQ(window.history("txtQTY"), QStringList({"กำลังแก้ไข Kind (ISUZU_ 3)  (2)  33 %",
                                                     "กำลังแก้ไข Kind (ISUZU_ 3)  (1)  66 %",
                                                     "กำลังแก้ไข Kind (ISUZU_ 3)  (0)  100 %",
                                                     "กำลังแก้ไข AKind (ISUZU_ 3)  (0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"),
              QStringList({"N1 - T1", "N4 - T4", "N5 - T5", "N1 - T1"}));
    EXPECT_EQ(window.pumps, 4);
}
