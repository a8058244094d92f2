#include "window/VersionLabels.h"

#include <gtest/gtest.h>

using lostrand::TableNames;
using lostrand::VersionLabels;

namespace {

TEST(VersionLabels, TheKnownLabelsInTheirOrderWithTheirGroups)
{
    struct Label
    {
        const char* text;
        bool padded;
        bool fPartNoKey;
        bool disPrice;
    };
    const Label labels[] = {
        {"Ver 3.1 SQL", false, false, false}, {"V.31", false, false, false},
        {"V.32", false, false, false},        {"V.33", false, false, false},
        {"V.34", false, false, false},        {"V.41", false, false, false},
        {"V.42", false, false, false},        {"V.43", false, false, false},
        {"V.45", false, false, false},        {"V.46 (Bar)", false, false, false},
        {"V.51", false, false, false},        {"V.61", false, false, false},
        {"P.42", false, false, false},        {"P.43", false, false, false},
        {"P.44 (Bar)", false, false, false},  {"P.45 (Bar)", false, true, false},
        {"P.46 (Bar)", false, false, true},   {"P.47001 (Bar)", false, false, true},
        {"P.48 (Bar)", false, true, false},   {"P.49 (Bar)", false, true, false},
        {"P.52", false, false, false},        {"P.61 (Bar)", false, false, true},
        {"P.62 (Bar)", false, false, true},   {"P.64 (Bar)", false, true, false},
        {"P.65 (Bar)", false, true, false},   {"P.66 (Bar)", true, false, false},
        {"P.68 (Bar)", true, false, false},   {"D.47 (Bar)", false, false, true},
    };
    QStringList expected;
    for (const Label& l : labels) {
        const QString text = QString::fromLatin1(l.text);
        expected.append(text);
        EXPECT_TRUE(VersionLabels::isKnown(text)) << l.text;
        EXPECT_EQ(VersionLabels::isPadded(text), l.padded) << l.text;
        EXPECT_EQ(VersionLabels::isFPartNoKey(text), l.fPartNoKey) << l.text;
        EXPECT_EQ(VersionLabels::isDisPrice(text), l.disPrice) << l.text;
    }
    EXPECT_EQ(VersionLabels::known(), expected);
}

TEST(VersionLabels, ComparisonsAreExact)
{
    for (const char* text : {"p.45 (bar)", " P.45 (Bar)", "P.45 (Bar) ", "P.45(Bar)", "V.3", ""}) {
        const QString label = QString::fromLatin1(text);
        EXPECT_FALSE(VersionLabels::isKnown(label)) << text;
        EXPECT_FALSE(VersionLabels::isFPartNoKey(label)) << text;
    }
    EXPECT_FALSE(VersionLabels::isPadded(QStringLiteral("p.66 (bar)")));
}

TEST(TableNames, NumberedAndPaddedNames)
{
    EXPECT_EQ(TableNames::numbered(QStringLiteral("Pta"), 7), QStringLiteral("Pta7"));
    EXPECT_EQ(TableNames::numbered(QStringLiteral("AltG"), 1234), QStringLiteral("AltG1234"));
    EXPECT_EQ(TableNames::numbered(QStringLiteral("FacD"), 0), QStringLiteral("FacD0"));

    struct Case
    {
        const char* label;
        qint32 brand;
        const char* suffix;
    };
    const Case cases[] = {
        {"P.66 (Bar)", 0, "00"},    {"P.66 (Bar)", 7, "07"},  {"P.66 (Bar)", 99, "99"},
        {"P.66 (Bar)", 100, ""},    {"P.68 (Bar)", 7, "007"}, {"P.68 (Bar)", 42, "042"},
        {"P.68 (Bar)", 999, "999"}, {"P.68 (Bar)", 1000, ""}, {"V.31", 7, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TableNames::paddedSuffix(QString::fromLatin1(c.label), c.brand),
                  QString::fromLatin1(c.suffix))
            << c.label << " " << c.brand;
}

} // namespace
