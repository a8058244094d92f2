#include "PrepareFixture.h"

#include "prepare/IsuzuShortPartPurge.h"

using namespace lostrand;
using lostrand::test::PrepareFixture;

namespace {

const QString Phase = QStringLiteral("กำลัง PartNO ที่จำนวนเพียง 9 ตัวอักษร ของ ISUZU");

class IsuzuShortPartPurgeTest : public PrepareFixture
{
protected:
    void SetUp() override
    {
        PrepareFixture::SetUp();
        state.BrandName = QStringLiteral("ISUZU");
    }

    static PriceListRow isuzuRow(const QString& kind, const QString& partNo,
                                 const QStringList& alternates = {})
    {
        PriceListRow r;
        r.Kind = kind;
        r.PartNO = partNo;
        r.EName = partNo;
        for (qsizetype i = 0; i < alternates.size(); ++i) {
            r.AKind[static_cast<size_t>(i)] = QStringLiteral("1");
            r.AltNO[static_cast<size_t>(i)] = alternates[i];
        }
        return r;
    }

    // Every row left: Kind, PartNO and the five pairs AKind:AltNO, in ID order.
    QStringList left() const
    {
        QStringList out;
        for (const auto& r :
             rows("Select Kind, PartNO, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
                  "AKind_4, AltNO_4, AKind_5, AltNO_5 From PriceNew_1 Order By ID")) {
            QStringList values{r[0].toString(), r[1].toString()};
            for (int i = 2; i < 12; i += 2)
                values << r[i].toString() + ':' + r[i + 1].toString();
            out << values.join('|');
        }
        return out;
    }
};

} // namespace

TEST_F(IsuzuShortPartPurgeTest, ShortPartsGoAndShortAlternatesAreCleared)
{
    const QString full = QStringLiteral("ALT4567890");
    addRawTable(1, {
                       isuzuRow("1", "ABCDEFGHI"),                     // 9: goes
                       isuzuRow("1", "ABCDEFGHI", {full}),             // same key: goes too
                       isuzuRow("0", "PART567890", {full, "SHORT12"}), // 10: stays
                       isuzuRow("0", "PART567890", {full, full}),      // keeps its full AltNO_2
                       isuzuRow("1", "PART56789 ", {"   ", "X"}),      // 10 with the blank
                       isuzuRow("1", "   ", {"SHORT"}),                // blank: not purged
                       isuzuRow("1.00", "O'RING-123", {"A'B"}),
                       isuzuRow("1", "O'R"),
                   });
    run({"Insert Into PriceNew_1 (Kind, PartNO) Values ('1', Null)"});
    IsuzuShortPartPurge::PurgeIsuzuShortPartNO(state);

    EXPECT_EQ(left(), QStringList({
                          "0|PART567890|1:ALT4567890|:|:|:|:",
                          "0|PART567890|1:ALT4567890|1:ALT4567890|:|:|:",
                          "1|PART56789 |1:   |:|:|:|:",
                          "1|   |1:SHORT|:|:|:|:",
                          "1|O'RING-123|:|:|:|:|:",
                      }));
    EXPECT_FALSE(state.rsMain.isOpen());
    // The records are those loaded before the purge, in kind and number order.
    EXPECT_EQ(state.PriceRecordCount, 8);
    EXPECT_EQ(state.PriceRecords[0].PartNO, "PART567890");
}

TEST_F(IsuzuShortPartPurgeTest, ProgressCountsEveryLoadedRecord)
{
    addRawTable(2, {isuzuRow("1", "B"), isuzuRow("", "A"), isuzuRow("1", "C234567890"),
                    isuzuRow("2", "D")});
    addRawTable(1);
    IsuzuShortPartPurge::PurgeIsuzuShortPartNO(state);
    const QString p = Phase + QStringLiteral(" (");
    EXPECT_EQ(window.history("txtQTY"), QStringList({Phase, p + "3)  25 %", p + "2)  50 %",
                                                     p + "1)  75 %", p + "0)  100 %"}));
    EXPECT_EQ(window.history("txtPartNO"), QStringList({"", "A", "1-B", "1-C234567890", "2-D"}));
    EXPECT_EQ(window.pumps, 5);
    EXPECT_EQ(column("Select PartNO From PriceNew_2"), QStringList{"C234567890"});
}
