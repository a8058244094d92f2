#include "newparts/NewPartRow.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "padded/PaddedKeys.h"
#include "window/RunState.h"
#include "window/VersionLabels.h"

#include <QStringList>

namespace lostrand {

namespace {

QString value(RunState& state, RowToken token, const NewPartValues& v, const NewPartNumber& part)
{
    const PriceItem& item = v.item;
    // An alternate's row leaves out the queued row's own first alternate and its texts.
    const QString none;
    switch (token) {
    case RowToken::Zero:
        return QStringLiteral("0");
    case RowToken::One:
        return QStringLiteral("1");
    case RowToken::True:
        return state.cnADO2().truth(true);
    case RowToken::False:
        return state.cnADO2().truth(false);
    case RowToken::Blank:
        return state.qt(QString());
    case RowToken::ID:
        return QString::number(part.id);
    case RowToken::K:
        return state.qt(part.kind);
    case RowToken::SK:
        return state.qt(part.searchKey);
    case RowToken::P:
        return state.qt(part.number);
    case RowToken::A1K:
        return state.qt(part.isMain ? item.AKind[0] : none);
    case RowToken::A1N:
        return state.qt(part.isMain ? item.AltNO[0] : none);
    case RowToken::E:
        return state.qt(item.EName);
    case RowToken::IT:
        return state.qt(v.sortKey);
    case RowToken::T:
        return state.qt(item.TName);
    case RowToken::D:
        return state.qt(part.isMain ? item.Description : none);
    case RowToken::I:
        return state.qt(part.isMain ? item.Import : none);
    case RowToken::M:
        return state.qt(v.models);
    case RowToken::Pr:
        return item.Price.toString();
    case RowToken::Sa:
        return item.Sale.toString();
    case RowToken::B:
        return state.brandText();
    case RowToken::DN:
        return state.qt(NewPartRow::displayNo(part.kind, part.number));
    case RowToken::DT:
        return QString::number(v.dateNum);
    case RowToken::F:
        return v.saleDiffers ? QStringLiteral("1") : QStringLiteral("0");
    case RowToken::MainOne:
        return part.isMain ? QStringLiteral("1") : QStringLiteral("0");
    case RowToken::DisPrice:
        return state.qt(item.DisPrice);
    case RowToken::DisSale:
        return state.qt(item.DisSale);
    case RowToken::EFind:
        return state.qt(v.eFind);
    case RowToken::TFind:
        return state.qt(v.tFind);
    case RowToken::SlotOne:
        return part.slot <= 1 ? QStringLiteral("0") : QStringLiteral("1");
    case RowToken::Dealer:
        return state.qt(QStringLiteral("แท้เบิกห้าง"));
    case RowToken::Genuine:
        return state.qt(QStringLiteral("แท้"));
    case RowToken::BN:
        return state.qt(state.BrandName);
    case RowToken::Key:
        return state.qt(PartKeys::NormalizePartNo(part.combo));
    case RowToken::Combo:
        return state.qt(part.combo);
    case RowToken::ENameID:
        return QString::number(v.names.ENameID);
    case RowToken::TNameID:
        return QString::number(v.names.TNameID);
    case RowToken::ChrE:
        return state.qt(v.names.ChrEName);
    case RowToken::ChrT:
        return state.qt(v.names.ChrTName);
    case RowToken::FE:
        return state.qt(PaddedKeys::NameFindForm(item.EName));
    case RowToken::FT:
        return state.qt(PaddedKeys::NameFindForm(item.TName));
    case RowToken::M1:
        return state.qt(item.Model[0]);
    case RowToken::DescEvery:
        return state.qt(item.Description);
    case RowToken::ImportEvery:
        return state.qt(item.Import);
    }
    return QStringLiteral("0");
}

// The padded tables carry the brand number in as many digits as the label gives.
QString paddedSuffix(const RunState& state)
{
    return TableNames::paddedSuffix(state.version(), state.BrandID);
}

QString insert(RunState& state, const QString& table, const std::vector<RowToken>& row,
               const NewPartValues& values, const NewPartNumber& part)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(row.size()));
    for (RowToken token : row)
        list.append(value(state, token, values, part));
    return QStringLiteral("Insert Into ") + table + QStringLiteral(" Values( ") +
           list.join(QStringLiteral(", ")) + QStringLiteral(" )");
}

} // namespace

QString NewPartRow::displayNo(const QString& kind, const QString& number)
{
    return BlankText::isBlank(kind) ? number : BlankText::trim(kind) + QLatin1Char('-') + number;
}

QString NewPartRow::partTable(const RunState& state, const NewPartLayout& layout)
{
    return layout.padded() ? QStringLiteral("Pta_") + paddedSuffix(state)
                           : QStringLiteral("Pta") + state.brandText();
}

QString NewPartRow::altTable(const RunState& state, const NewPartLayout& layout)
{
    return layout.padded() ? QStringLiteral("Pta_Alt_") + paddedSuffix(state)
                           : QStringLiteral("Alt") + state.brandText();
}

QString NewPartRow::groupTable(const RunState& state, const NewPartLayout& layout)
{
    return layout.padded() ? QStringLiteral("Pta_AltG_") + paddedSuffix(state)
                           : QStringLiteral("AltG") + state.brandText();
}

QString NewPartRow::partRow(RunState& state, const NewPartLayout& layout,
                            const NewPartValues& values, const NewPartNumber& part)
{
    return insert(state, partTable(state, layout), layout.partRow, values, part);
}

QString NewPartRow::altRow(RunState& state, const NewPartLayout& layout,
                           const NewPartValues& values, const NewPartNumber& part)
{
    return insert(state, altTable(state, layout), layout.altRowValues(), values, part);
}

} // namespace lostrand
