#include "support/ImportChecks.h"

#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace lostrand::test {

QStringList ImportChecks::contents(const QString& target)
{
    QStringList out;
    for (const char* sql :
         {"Select PartID, Kind, PartNO, EName, Price, Sale From Pta7 Order By PartID",
          "Select AltID, AKind, APartNO, APrice From Alt7 Order By AltID",
          "Select PartID, AltID From AltG7 Order By PartID, AltID",
          "Select NameID, LastID From LastID Order By NameID"}) {
        for (const auto& r : TestDatabase::rows(target, QString::fromLatin1(sql))) {
            QStringList values;
            for (const QVariant& v : r)
                values << v.toString();
            out << values.join(QLatin1Char('|'));
        }
    }
    return out;
}

void ImportChecks::expectWholeParts(const QString& target)
{
    const auto count = [&target](const char* sql) {
        return TestDatabase::scalar(target, QString::fromLatin1(sql)).toInt();
    };
    EXPECT_EQ(TestDatabase::scalar(target, QStringLiteral("PRAGMA integrity_check")).toString(),
              QStringLiteral("ok"));
    EXPECT_EQ(count("Select Count(*) From Pta7 Where PartID Not In (Select AltID From Alt7)"), 0);
    EXPECT_EQ(count("Select Count(*) From Pta7 Where PartID Not In (Select PartID From AltG7)"), 0);
    EXPECT_EQ(count("Select LastID From LastID Where NameID = 'Pta7'"),
              count("Select Max(PartID) From Pta7"));
}

} // namespace lostrand::test
