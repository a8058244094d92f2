#include "BenchData.h"

#include "demo/PriceListSchema.h"
#include "demo/SqliteFile.h"
#include "demo/TargetSchema.h"

namespace lostrand::bench {

namespace {

constexpr int TableRows = 10000;
constexpr int Brand = 7;

QString knownNumber(int i)
{
    return QStringLiteral("P%1-%2")
        .arg(i / 1000, 3, 10, QLatin1Char('0'))
        .arg(i % 1000, 3, 10, QLatin1Char('0'));
}

QStringList target(int parts)
{
    QStringList s = TargetSchema::common(QStringLiteral("V.61"), QStringLiteral("ZARAV"), Brand);
    s << TargetSchema::numberedLayout(QStringLiteral("V.61"), Brand);
    for (int id = 1; id <= parts; ++id) {
        const QString kind = id % 2 ? QStringLiteral("A") : QStringLiteral("B");
        const QString number = knownNumber(id);
        const int upRec = (id / 2) % 2;
        s << QStringLiteral("Insert Into Pta7 (UpRec, PartID, Kind, FPartNO, PartNO, lAtNO, EName, "
                            "IndTName, TName, Description, Model, Import, Price, Sale, BrandID, "
                            "DisplayNo) Values (%1, %2, '%3', '', '%4', '', 'PART %2', '', "
                            "'อะไหล่ %2', '', 'BT-50', '', %5, %5, 7, '%3-%4')")
                 .arg(upRec)
                 .arg(id)
                 .arg(kind, number)
                 .arg(100 + id % 900)
          << QStringLiteral("Insert Into Alt7 Values (%1, '%2', '%3', %4)")
                 .arg(id)
                 .arg(kind, number)
                 .arg(100 + id % 900)
          << QStringLiteral("Insert Into AltG7 Values (0, %1, 0)").arg(id)
          << QStringLiteral("Insert Into SPG Values (7, %1, 'PART %1', 'อะไหล่ %1', 'BT-50', %2)")
                 .arg(id)
                 .arg(100 + id % 900)
          << QStringLiteral(
                 "Insert Into MovementStock Values (%1, 7, 'PART %1', 'อะไหล่ %1', 'BT-50')")
                 .arg(id);
    }
    s << QStringLiteral("Insert Into LastID Values ('Pta7', %1)").arg(parts)
      << QStringLiteral("Insert Into Alt7 Values (0, '', '', 0)");
    return s;
}

PriceListRow priceRow(int i, int parts)
{
    PriceListRow r;
    const int kindOf = i % 10;
    r.EName = QStringLiteral("ITEM %1").arg(i);
    r.TName = QStringLiteral("รายการ %1").arg(i);
    r.Model[0] = QStringLiteral("BT-50");
    r.Model[1] = i % 3 ? QString() : QStringLiteral("RANGER");
    r.Price = QString::number(150 + i % 700) + QStringLiteral(".5");
    if (kindOf < 6) {
        const int id = 1 + (i * 7) % parts;
        r.Kind = id % 2 ? QStringLiteral("A") : QStringLiteral("B");
        r.PartNO = knownNumber(id);
    } else {
        r.Kind = QStringLiteral("C");
        r.PartNO = QStringLiteral("N%1").arg(i, 7, 10, QLatin1Char('0'));
        if (kindOf == 9) {
            r.AKind[0] = QStringLiteral("D");
            r.AltNO[0] = r.PartNO + QStringLiteral("-A");
            if (i % 20 == 9) {
                r.AKind[1] = QStringLiteral("D");
                r.AltNO[1] = r.PartNO + QStringLiteral("-B");
            }
        }
    }
    return r;
}

} // namespace

void BenchData::write(const QString& priceList, const QString& targetPath, int rows, int parts)
{
    SqliteFile::execute(targetPath, target(parts));
    QStringList s = PriceListSchema::createFile();
    for (int first = 0, table = 1; first < rows; first += TableRows, ++table) {
        s << PriceListSchema::createTable(table);
        const QString name = QStringLiteral("PriceList_%1").arg(table);
        for (int i = first; i < std::min(rows, first + TableRows); ++i)
            s << PriceListSchema::insertRow(name, priceRow(i, parts));
    }
    SqliteFile::execute(priceList, s);
}

} // namespace lostrand::bench
