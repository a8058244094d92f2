#include "demo/DemoData.h"

#include "db/SqlText.h"
#include "demo/PriceListSchema.h"
#include "demo/SqliteFile.h"
#include "demo/TargetSchema.h"

#include <QDir>
#include <QFile>

namespace lostrand {

namespace {

QString q(const QString& text)
{
    return SqlText::quote(text, SqlDialect::Sqlite);
}

struct KnownPart
{
    int id;
    const char* kind;
    const char* partNo;
    const char* eName;
    const char* tName;
    const char* price;
    int upRec;
};

const KnownPart Known[] = {
    {1, "A", "UC2A-34-400", "OIL FILTER", "ไส้กรองน้ำมันเครื่อง", "250", 0},
    {2, "A", "UC2A-23-603", "AIR FILTER", "ไส้กรองอากาศ", "480", 1},
    {3, "B", "UH71-33-28Z", "BRAKE PAD SET", "ผ้าเบรกหน้า", "1850", 0},
    {4, "A", "WL01-15-200", "WATER PUMP", "ปั๊มน้ำ", "3200", 0},
};

QStringList knownPartRows()
{
    QStringList statements;
    for (const KnownPart& part : Known) {
        const QString kind = QString::fromUtf8(part.kind);
        const QString number = QString::fromUtf8(part.partNo);
        statements << QStringLiteral(
                          "Insert Into Pta7 (UpRec, PartID, Kind, FPartNO, PartNO, lAtNO, "
                          "EName, IndTName, TName, Description, Model, Import, Price, Sale, "
                          "BrandID, DisplayNo) Values (%1, %2, %3, '', %4, '', %5, '', %6, "
                          "'', '', '', %7, %7, 7, %8)")
                          .arg(part.upRec)
                          .arg(part.id)
                          .arg(q(kind), q(number), q(QString::fromUtf8(part.eName)),
                               q(QString::fromUtf8(part.tName)), QString::fromLatin1(part.price),
                               q(kind + QLatin1Char('-') + number))
                   << QStringLiteral("Insert Into Alt7 Values (%1, %2, %3, %4)")
                          .arg(part.id)
                          .arg(q(kind), q(number), QString::fromLatin1(part.price))
                   << QStringLiteral("Insert Into AltG7 Values (0, %1, 0)").arg(part.id)
                   << QStringLiteral("Insert Into SPG Values (7, %1, %2, %3, '', %4)")
                          .arg(part.id)
                          .arg(q(QString::fromUtf8(part.eName)), q(QString::fromUtf8(part.tName)),
                               QString::fromLatin1(part.price));
    }
    statements << QStringLiteral("Insert Into LastID Values ('Pta7', 4)")
               << QStringLiteral("Insert Into Alt7 Values (0, '', '', 0)");
    return statements;
}

PriceListRow row(const char* kind, const char* partNo, const char* eName, const char* tName,
                 const char* model, const char* price)
{
    PriceListRow r;
    r.Kind = QString::fromUtf8(kind);
    r.PartNO = QString::fromUtf8(partNo);
    r.EName = QString::fromUtf8(eName);
    r.TName = QString::fromUtf8(tName);
    r.Model[0] = QString::fromUtf8(model);
    r.Price = QString::fromLatin1(price);
    return r;
}

QStringList priceList()
{
    QStringList statements = PriceListSchema::createFile();
    statements << PriceListSchema::createTable(1) << PriceListSchema::createTable(2);
    PriceListRow withAlternates =
        row("A", "UC3B-14-302", "FUEL FILTER", "ไส้กรองน้ำมันเชื้อเพลิง", "BT-50", "690");
    withAlternates.AKind[0] = QStringLiteral("A");
    withAlternates.AltNO[0] = QStringLiteral("UC3B-14-302A");
    withAlternates.AKind[1] = QStringLiteral("A");
    withAlternates.AltNO[1] = QStringLiteral("UC2A-34-400");
    const PriceListRow table1[] = {
        row("A", "UC2A-34-400", "OIL FILTER ELEMENT", "ไส้กรองน้ำมันเครื่อง (แท้)", "BT-50", "275"),
        row("A", "UC2A-23-603", "AIR FILTER", "ไส้กรองอากาศ", "BT-50", "495"),
        withAlternates,
        row("", "DRIVER'S SEAT-L", "DRIVER'S SEAT, L/H", "เบาะคนขับ ซ้าย", "RANGER", "8900"),
    };
    const PriceListRow table2[] = {
        row("B", "UH71-33-28Z", "BRAKE PAD SET", "ผ้าเบรกหน้า", "RANGER", "1990"),
        row("A", "WL01-15-200", "WATER PUMP", "ปั๊มน้ำ", "FIGHTER", "3200"),
        // Listed twice at two prices: one of the two still differs at the end, and the grid
        // shows it.
        row("A", "WL01-15-200", "WATER PUMP", "ปั๊มน้ำ", "FIGHTER", "3350"),
        row("C", "S47P-18-110", "SPARK PLUG", "หัวเทียน", "MAGNUM", "120"),
    };
    for (const auto& r : table1)
        statements << PriceListSchema::insertRow(QStringLiteral("PriceList_1"), r);
    for (const auto& r : table2)
        statements << PriceListSchema::insertRow(QStringLiteral("PriceList_2"), r);
    return statements;
}

} // namespace

DemoData::Paths DemoData::write(const QString& folder)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    Paths paths{dir.filePath(QStringLiteral("PriceList_ZARAV.mdb")),
                dir.filePath(QStringLiteral("Valcorin.accdb"))};
    for (const QString& file : {paths.priceList, paths.target}) {
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(file + suffix);
    }
    SqliteFile::execute(paths.priceList, priceList());
    QStringList target =
        TargetSchema::common(QStringLiteral("V.61"), QStringLiteral("ZARAV"), BrandId);
    target << TargetSchema::numberedLayout(QStringLiteral("V.61"), BrandId) << knownPartRows();
    SqliteFile::execute(paths.target, target);
    return paths;
}

} // namespace lostrand
