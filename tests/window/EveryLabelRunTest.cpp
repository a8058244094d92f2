#include "demo/PriceListSchema.h"
#include "demo/SqliteFile.h"
#include "demo/TargetSchema.h"
#include "support/CommandPress.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "window/VersionLabels.h"

#include <gtest/gtest.h>
#include <string>

using namespace lostrand;
using lostrand::test::CommandPress;
using lostrand::test::FakeWindow;
using lostrand::test::TestDatabase;

namespace {

const QPair<QString, MessageStyle> Finished{QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain};
constexpr int Brand = 7;

// An empty target of brand ZARAV (7) under one label, and a price list of three parts: one with
// an alternate, one with models, one with a blank kind. The first run makes four parts; the
// second, with the same list, finds all of them.
class EveryLabelRunTest : public ::testing::TestWithParam<QString>
{
protected:
    EveryLabelRunTest() : label(GetParam()), padded(VersionLabels::isPadded(label))
    {
        QStringList target = TargetSchema::common(label, QStringLiteral("ZARAV"), Brand);
        target << (padded ? TargetSchema::paddedLayout(label, Brand)
                          : TargetSchema::numberedLayout(label, Brand));
        targetPath = db.create(QStringLiteral("Valcorin.accdb"), target);

        QStringList source = PriceListSchema::createFile();
        source << PriceListSchema::createTable(1);
        PriceListRow withAlternate = row("A", "N-01", "99.5", "BOLT");
        withAlternate.AKind[0] = QStringLiteral("B");
        withAlternate.AltNO[0] = QStringLiteral("N-01-ALT");
        PriceListRow withModels = row("B", "N-02", "120", "NUT");
        withModels.Model[0] = QStringLiteral("VIOS");
        withModels.Model[1] = QStringLiteral("YARIS");
        for (const PriceListRow& r : {withAlternate, withModels, row("", "N-03", "7", "CLIP")})
            source << PriceListSchema::insertRow(QStringLiteral("PriceList_1"), r);
        sourcePath = db.create(QStringLiteral("PriceList_ZARAV.mdb"), source);
    }

    static PriceListRow row(const char* kind, const char* number, const char* price,
                            const char* name)
    {
        PriceListRow r;
        r.Kind = QString::fromLatin1(kind);
        r.PartNO = QString::fromLatin1(number);
        r.EName = QString::fromLatin1(name);
        r.TName = QStringLiteral("เกียร์");
        r.Price = QString::fromLatin1(price);
        r.Sale = r.Price;
        return r;
    }

    QList<QPair<QString, MessageStyle>> press()
    {
        window.messages.clear();
        CommandPress::press(window, sourcePath, targetPath);
        return window.messages;
    }

    QString table(const char* numbered, const char* paddedPrefix) const
    {
        return padded ? QString::fromLatin1(paddedPrefix) + TableNames::paddedSuffix(label, Brand)
                      : TableNames::numbered(QString::fromLatin1(numbered), Brand);
    }
    QString parts() const { return table("Pta", "Pta_"); }
    // The label that keeps its prices in other columns.
    QString priceColumn() const
    {
        return label == QLatin1String("P.45 (Bar)") ? QStringLiteral("Price1")
                                                    : QStringLiteral("Price");
    }

    // How many rows each table the new parts fill holds, and the counters of parts and names.
    // Model identifiers are left out: under "P.66 (Bar)" a part is linked to its models when
    // its price is updated, so the second run links what the first one created.
    QStringList made() const
    {
        QStringList out;
        for (const QString& t :
             {parts(), table("Alt", "Pta_Alt_"), table("AltG", "Pta_AltG_"), QString("PriceList")})
            out << t + QLatin1Char('=') +
                       TestDatabase::scalar(targetPath, "Select Count(*) From " + t).toString();
        for (const QVariantList& r :
             TestDatabase::rows(targetPath, "Select NameID, LastID From LastID Where NameID <> "
                                            "'ModelID' Order By NameID"))
            out << r.value(0).toString() + QLatin1Char('=') + r.value(1).toString();
        return out;
    }
    // What the price update writes to a part whose stamp lets its texts be refreshed.
    QStringList priced() const
    {
        QStringList out;
        for (const QVariantList& r : TestDatabase::rows(
                 targetPath, QStringLiteral("Select PartID, %1, EName From %2 Order By PartID")
                                 .arg(priceColumn(), parts())))
            out << r.value(0).toString() + QLatin1Char('|') + r.value(1).toString() +
                       QLatin1Char('|') + r.value(2).toString();
        return out;
    }

    const QString label;
    const bool padded;
    TestDatabase db;
    QString targetPath;
    QString sourcePath;
    FakeWindow window;
};

std::string labelName(const ::testing::TestParamInfo<QString>& info)
{
    std::string name;
    for (const QChar c : info.param)
        name += c.isLetterOrNumber() ? static_cast<char>(c.toLatin1()) : '_';
    return name;
}

} // namespace

TEST_P(EveryLabelRunTest, TheSecondRunWithTheSameListOnlyUpdates)
{
    ASSERT_EQ(press(), (QList<QPair<QString, MessageStyle>>{Finished}));
    const QStringList afterFirst = made();
    EXPECT_EQ(
        TestDatabase::scalar(targetPath, "Select Count(*) From " + parts() + " Where PartID > 0")
            .toInt(),
        4);
    const QStringList pricedFirst = priced();
    ASSERT_EQ(pricedFirst.size(), 4);

    // Prices and names changed behind the tool's back come back from the list.
    SqliteFile::execute(
        targetPath,
        {QStringLiteral("Update %1 Set %2 = 1, EName = 'X'").arg(parts(), priceColumn())});
    ASSERT_EQ(press(), (QList<QPair<QString, MessageStyle>>{Finished}));
    EXPECT_EQ(made(), afterFirst) << "the second run creates nothing";
    EXPECT_EQ(priced(), pricedFirst);
}

INSTANTIATE_TEST_SUITE_P(Labels, EveryLabelRunTest, ::testing::ValuesIn(VersionLabels::known()),
                         labelName);
