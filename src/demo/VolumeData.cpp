#include "demo/VolumeData.h"

#include "demo/HeadlessWindow.h"

#include "demo/PriceListSchema.h"
#include "demo/SqliteFile.h"
#include "demo/TargetSchema.h"
#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/UpdateCommand.h"
#include "window/VersionLabels.h"

#include <QFile>
#include <functional>
#include <stdexcept>

namespace lostrand {

namespace {

constexpr int TableRows = 10000;
constexpr int Brand = 7;
constexpr int SharingBrand = 12;

QString knownNumber(int i)
{
    return QStringLiteral("P%1-%2")
        .arg(i / 1000, 3, 10, QLatin1Char('0'))
        .arg(i % 1000, 3, 10, QLatin1Char('0'));
}

QString knownKind(int id)
{
    return id % 2 ? QStringLiteral("A") : QStringLiteral("B");
}

QStringList v61Target(int parts)
{
    QStringList s = TargetSchema::common(QStringLiteral("V.61"), VolumeData::brandName(), Brand);
    s << TargetSchema::numberedLayout(QStringLiteral("V.61"), Brand);
    for (int id = 1; id <= parts; ++id) {
        const QString kind = knownKind(id);
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

// A price-list file of `rows` rows made by `rowOf`, in tables of at most 10,000 rows, with a
// last table of `extra` rows made by `extraOf` when there are any.
void writePriceList(const QString& path, int rows, const std::function<PriceListRow(int)>& rowOf,
                    int extra = 0, const std::function<PriceListRow(int)>& extraOf = {})
{
    QStringList s = PriceListSchema::createFile();
    int table = 1;
    for (int first = 0; first < rows; first += TableRows, ++table) {
        s << PriceListSchema::createTable(table);
        const QString name = QStringLiteral("PriceList_%1").arg(table);
        for (int i = first; i < std::min(rows, first + TableRows); ++i)
            s << PriceListSchema::insertRow(name, rowOf(i));
    }
    if (extra > 0) {
        s << PriceListSchema::createTable(table);
        const QString name = QStringLiteral("PriceList_%1").arg(table);
        for (int i = 0; i < extra; ++i)
            s << PriceListSchema::insertRow(name, extraOf(i));
    }
    SqliteFile::execute(path, s);
}

// Known part `id` with names of the given stem, on the model the target gives every part.
PriceListRow knownRow(int id, const QString& eStem, const QString& tStem, const QString& price)
{
    PriceListRow r;
    r.Kind = knownKind(id);
    r.PartNO = knownNumber(id);
    r.EName = eStem + QString::number(id);
    r.TName = tStem + QString::number(id);
    r.Model[0] = QStringLiteral("BT-50");
    r.Price = price;
    return r;
}

// The target's known parts as a price list of new parts; every tenth has an alternate of its
// own, and under a sharing layout every twentieth an alternate the second brand shares.
PriceListRow seedRow(int i)
{
    const int id = i + 1;
    PriceListRow r = knownRow(id, QStringLiteral("PART "), QStringLiteral("อะไหล่ "),
                              QString::number(100 + id % 900));
    if (id % 10 == 0) {
        r.AKind[0] = QStringLiteral("D");
        r.AltNO[0] = r.PartNO + (id % 20 == 0 ? QStringLiteral("-SHR") : QStringLiteral("-ALT"));
    }
    return r;
}

void runProgram(const QString& priceList, const QString& target)
{
    HeadlessWindow window(priceList, target);
    RunState state(window);
    state.BrandName = VolumeData::brandName();
    state.UpdateTexts = 1;
    UpdateCommand::cmdUpDate_Click(state, standardTransferPhases());
    if (window.lastMessage != QStringLiteral("เสร็จแล้วจ้า"))
        throw std::runtime_error("the seed run did not finish: " +
                                 window.lastMessage.toStdString());
}

// The second brand's tables hold every member of the groups with a shared alternate, and the
// shared alternates record that brand: a price update of such a group's part then writes both
// brands' tables.
QStringList shareWithSecondBrand(const QString& label)
{
    const QString nn = TableNames::paddedSuffix(label, Brand);
    const QString other = TableNames::paddedSuffix(label, SharingBrand);
    const QString members =
        QStringLiteral("Select AltID From Pta_AltG_%1 Where PartID In (Select PartID From "
                       "Pta_AltG_%1 Where AltID In (Select PartID From Pta_%1 Where PartNO Like "
                       "'%-SHR'))")
            .arg(nn);
    QStringList s = TargetSchema::paddedBrandTables(label, SharingBrand);
    s << QStringLiteral("Insert Into Brand Values (%1, 'SHARED')").arg(SharingBrand)
      << QStringLiteral("Insert Into Pta_%1 Select * From Pta_%2 Where PartID In (%3)")
             .arg(other, nn, members)
      << QStringLiteral("Insert Into Pta_Alt_%1 Select * From Pta_Alt_%2 Where AltID In (%3)")
             .arg(other, nn, members)
      << QStringLiteral("Update Pta_%1 Set BrandID = %2 Where PartNO Like '%-SHR'")
             .arg(nn)
             .arg(SharingBrand);
    return s;
}

// A target of `parts` known parts made by the program itself from an empty one.
void seededTarget(const QString& targetPath, const QString& label, int parts)
{
    const bool padded = VersionLabels::isPadded(label);
    QStringList s = TargetSchema::common(label, VolumeData::brandName(), Brand);
    s << (padded ? TargetSchema::paddedLayout(label, Brand)
                 : TargetSchema::numberedLayout(label, Brand));
    SqliteFile::execute(targetPath, s);

    const QString seed = targetPath + QStringLiteral(".seed.mdb");
    writePriceList(seed, parts, seedRow);
    runProgram(seed, targetPath);
    QFile::remove(seed);

    const QString pta = padded ? QStringLiteral("Pta_") + TableNames::paddedSuffix(label, Brand)
                               : QStringLiteral("Pta%1").arg(Brand);
    QStringList after{QStringLiteral("Update %1 Set UpRec = 1 Where PartID % 4 >= 2").arg(pta)};
    if (padded)
        after << shareWithSecondBrand(label);
    SqliteFile::execute(targetPath, after);
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
        r.Kind = knownKind(id);
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

// Known parts at a price no earlier table gives them.
PriceListRow repricedRow(int i, int parts)
{
    return knownRow(1 + (i * 13) % parts, QStringLiteral("ITEM "), QStringLiteral("รายการ "),
                    QString::number(2000 + i % 500) + QStringLiteral(".25"));
}

} // namespace

QString VolumeData::brandName()
{
    return QStringLiteral("ZARAV");
}

void VolumeData::write(const QString& priceList, const QString& targetPath, const QString& label,
                       int rows, int parts)
{
    if (label == QLatin1String("V.61"))
        SqliteFile::execute(targetPath, v61Target(parts));
    else
        seededTarget(targetPath, label, parts);
    writePriceList(
        priceList, rows, [parts](int i) { return priceRow(i, parts); }, rows / 10,
        [parts](int i) { return repricedRow(i, parts); });
}

} // namespace lostrand
