#include "NewPartsFixture.h"

#include "newparts/NewPartWriters.h"
#include "transfer/Dispatch.h"

#include <QDate>

using namespace lostrand;
using lostrand::test::NewPartsFixture;
using lostrand::test::TestDatabase;

namespace {

// The rows of each label as the system's row tables write them, token by token.
struct LabelRows
{
    const char* label;
    const char* mainRow;
    const char* altRow; // nullptr: the main row with '' for A1K, A1N, D and I
};

const LabelRows Rows[] = {
    {"Ver 3.1 SQL",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "1, 0, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     "0, ID, 'K', 'SK', 'P', '', '', '', 'E', 'IT', 'T', '', 'M', '', '', '', Pr, 0, Sa, 0, 1, 0, "
     "'', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0"},
    {"V.31",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"V.61",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"V.33",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "True, False, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"V.34",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "0, 0, 0, 1, F, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     "0, ID, 'K', 'SK', 'P', '', '', '', 'E', 'IT', 'T', '', 'M', '', '', '', Pr, 0, Sa, 0, 0, 0, "
     "0, "
     "0, F, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0"},
    {"V.42",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"V.43",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "0, 0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"V.45",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', '', 'M', 'D', '', 'I', '', Pr, 0, "
     "Sa, "
     "0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     "0, ID, 'K', 'SK', 'P', '', '', '', 'E', 'IT', 'T', '', 'M', '', '', '', '', Pr, 0, Sa, 0, "
     "True, "
     "False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0"},
    {"V.46 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "True, False, '', '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0, DT",
     nullptr},
    {"P.43",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, 0, 0, "
     "Sa, 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"P.44 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, 0, Sa, "
     "0, "
     "0, 0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     nullptr},
    {"P.45 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'P', 'E', 'IT', 'T', 'D', 'M', '', 'I', Pr, 0, 0, "
     "0, "
     "Sa, 0, 0, 0, 0, 0, 0, '', '', '', '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0",
     "0, ID, 'K', 'SK', 'P', '', '', '', 'P', 'E', 'IT', 'T', '', 'M', '', '', Pr, 0, 0, 0, Sa, 0, "
     "0, "
     "0, 0, 0, 0, '', '', '', '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0, 0"},
    {"P.46 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, "
     "'DisPrice', Sa, 'DisSale', 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, "
     "0, 0, 0, 0",
     nullptr},
    {"D.47 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, "
     "'DisPrice', Sa, 'DisSale', 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, "
     "0, 0, 0, 0",
     nullptr},
    {"P.61 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, "
     "'DisPrice', Sa, 'DisSale', 0, 0, 0, 1, 0, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, "
     "0, 0",
     nullptr},
    {"P.48 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, "
     "'DisPrice', Sa, 'DisSale', 0, 0, 0, True, False, '', 0, 0, 0, 0, 0, B, 0, 0, 'DN', 0, 0, 0, "
     "0, 0, 0, 0",
     nullptr},
    {"P.49 (Bar)",
     "0, ID, 'K', 'SK', 'P', 'P', 'A1K', 'A1N', '', 'E', 'IT', 'T', 'D', 'M', '', 'I', '', Pr, "
     "'DisPrice', Sa, 'DisSale', '', 1, 0, 0, 0, 0",
     nullptr},
    {"P.52",
     "0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', 'EFind', 'E', 'TFind', 'T', 'D', 'M', '', 'I', Pr, "
     "0, Sa, 0, 0, '', 0, 0, 0, 0, '', 0, B, 0, 0, 'DN', 0, 0, 0, 0, 0, 0",
     nullptr},
    {"P.64 (Bar)",
     "0, 0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', '', 'EFind', 'E', 'TFind', 'T', 'D', 'M', '', "
     "'I', Pr, 0, Sa, 0, 0, '', 0, 0, 0, 0, 0, '', '', 0, 0, 0, '', ''",
     nullptr},
    {"P.65 (Bar)",
     "0, 0, ID, 'K', 'SK', 'P', 'A1K', 'A1N', '', '', 'EFind', 'E', 'TFind', 'T', 'D', 'M', '', "
     "'I', Pr, 0, Sa, 0, 0, '', 0, 0, 0, 0, 0, '', '', 0, 0, 0, '', ''",
     nullptr},
};

// The labels whose search key is the cleaned number, and the one whose alternate rows have six
// values.
bool cleanedKey(const QString& label)
{
    return QStringList{"P.45 (Bar)", "P.48 (Bar)", "P.49 (Bar)",
                       "P.61 (Bar)", "P.64 (Bar)", "P.65 (Bar)"}
        .contains(label);
}

qint32 todaysDateNum()
{
    const QDate today = QDate::currentDate();
    return (today.year() + 543) * 10000 + today.month() * 100 + today.day();
}

// The values the row text's tokens stand for, as the engine hands them back.
QStringList expectedRow(QString text, const QHash<QString, QString>& values)
{
    QStringList out;
    for (QString token : text.split(QStringLiteral(", "))) {
        if (token.startsWith(QLatin1Char('\'')))
            token = token.mid(1, token.size() - 2);
        if (token == QLatin1String("True"))
            out << QStringLiteral("1");
        else if (token == QLatin1String("False"))
            out << QStringLiteral("0");
        else
            out << values.value(token, token);
    }
    return out;
}

QString withoutOwnTexts(const char* mainRow)
{
    QString row = QString::fromLatin1(mainRow);
    for (const char* own : {"'A1K'", "'A1N'", "'D'", "'I'"})
        row.replace(QString::fromLatin1(own), QStringLiteral("''"));
    return row;
}

QStringList storedRow(const QList<QVariantList>& rows)
{
    QStringList out;
    if (!rows.isEmpty()) {
        for (const QVariant& v : rows.first())
            out << v.toString();
    }
    return out;
}

using NewPartRowsTest = NewPartsFixture;

} // namespace

TEST_F(NewPartRowsTest, EachLabelWritesItsPartRowsByPosition)
{
    for (const LabelRows& expected : Rows) {
        const QString label = QString::fromUtf8(expected.label);
        SCOPED_TRACE(expected.label);
        makeTarget(label);
        PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1 2"));
        queued.AKind[0] = QStringLiteral("B");
        queued.AltNO[0] = QStringLiteral("ALT-1");
        queued.DisPrice = QStringLiteral("1,250.-");
        queued.DisSale = QStringLiteral("ds");
        queue(queued);
        Dispatch::ChooseAddNewParts(state, 3);

        const bool cleaned = cleanedKey(label);
        const bool sixValues = label == QLatin1String("P.49 (Bar)");
        QHash<QString, QString> values{{"DisPrice", "1,250.-"},
                                       {"DisSale", "ds"},
                                       {"EFind", "ENAME  BT-50, RANGER"},
                                       {"TFind", "เกียร์  BT-50, RANGER"},
                                       {"E", "ENAME"},
                                       {"IT", "กเียร์"},
                                       {"T", "เกียร์"},
                                       {"D", "DESC"},
                                       {"M", "BT-50, RANGER"},
                                       {"I", "IMP"},
                                       {"Pr", "12.5"},
                                       {"Sa", "10"},
                                       {"B", "7"},
                                       {"F", "1"},
                                       {"A1K", "B"},
                                       {"A1N", "ALT-1"},
                                       {"DT", QString::number(todaysDateNum())}};
        QHash<QString, QString> main = values;
        main.insert({{"ID", "1"},
                     {"K", "A"},
                     {"P", "P-1 2"},
                     {"SK", cleaned ? "P12" : ""},
                     {"DN", "A-P-1 2"}});
        QHash<QString, QString> alt = values;
        alt.insert({{"ID", "2"},
                    {"K", "B"},
                    {"P", "ALT-1"},
                    {"SK", cleaned ? "ALT1" : ""},
                    {"DN", "B-ALT-1"}});

        EXPECT_EQ(storedRow(rows("Select * From Pta7 Where PartID = 1")),
                  expectedRow(QString::fromLatin1(expected.mainRow), main));
        const QString altText = expected.altRow ? QString::fromLatin1(expected.altRow)
                                                : withoutOwnTexts(expected.mainRow);
        EXPECT_EQ(storedRow(rows("Select * From Pta7 Where PartID = 2")),
                  expectedRow(altText, alt));
        // The alternate's row carries the main row's price.
        const QStringList altMain = sixValues ? QStringList({"1", "1", "A", "P-1 2", "12.5", "10"})
                                              : QStringList({"1", "A", "P-1 2", "12.5"});
        const QStringList altAlternate = sixValues
                                             ? QStringList({"2", "1", "B", "ALT-1", "12.5", "10"})
                                             : QStringList({"2", "B", "ALT-1", "12.5"});
        EXPECT_EQ(storedRow(rows("Select * From Alt7 Where AltID = 1")), altMain);
        EXPECT_EQ(storedRow(rows("Select * From Alt7 Where AltID = 2")), altAlternate);
        EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 1 And AltID = 2"), 1);
        EXPECT_EQ(count("Select Count(*) From AltG7 Where PartID = 2 And AltID = 1"), 1);
        EXPECT_EQ(count("Select Count(*) From PriceList"), 0);
        EXPECT_EQ(count("Select LastID From LastID Where NameID = 'Pta7'"), 2);
    }
}

// Under "P.49 (Bar)" the first value belongs to the slot: 0 for the main part and the first
// alternate, 1 for the others, also when an earlier slot wrote no row.
TEST_F(NewPartRowsTest, P49StartsTheRowsOfLaterAlternatesWithOne)
{
    makeTarget(QStringLiteral("P.49 (Bar)"));
    db.create(target.section(QLatin1Char('/'), -1),
              {QStringLiteral("Insert Into Pta7 (PartID, Kind, FPartNO) Values (9, 'B', 'OLD1')"),
               QStringLiteral("Insert Into LastID Values ('Pta7', 9)")});
    PriceItem queued = item(QStringLiteral("A"), QStringLiteral("P-1"));
    queued.AltNO[0] = QStringLiteral("OLD-1");
    queued.AltNO[1] = QStringLiteral("NEW-2");
    queue(queued);
    Dispatch::ChooseAddNewParts(state, 1);
    EXPECT_EQ(TestDatabase::scalar(target, "Select AltSlot From Pta7 Where PartID = 10").toString(),
              QStringLiteral("0"));
    EXPECT_EQ(TestDatabase::scalar(target, "Select AltSlot From Pta7 Where PartID = 11").toString(),
              QStringLiteral("1"));
    EXPECT_EQ(TestDatabase::scalar(target, "Select Count(*) From Pta7").toInt(), 3);
}
