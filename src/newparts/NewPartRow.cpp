#include "newparts/NewPartRow.h"

#include "common/BlankText.h"
#include "window/RunState.h"

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
        return QStringLiteral("True");
    case RowToken::False:
        return QStringLiteral("False");
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
    }
    return QStringLiteral("0");
}

} // namespace

QString NewPartRow::displayNo(const QString& kind, const QString& number)
{
    return BlankText::isBlank(kind) ? number : BlankText::trim(kind) + QLatin1Char('-') + number;
}

QString NewPartRow::partRow(RunState& state, const NewPartLayout& layout,
                            const NewPartValues& values, const NewPartNumber& part)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(layout.partRow.size()));
    for (RowToken token : layout.partRow)
        list.append(value(state, token, values, part));
    return QStringLiteral("Insert Into Pta") + state.brandText() + QStringLiteral(" Values( ") +
           list.join(QStringLiteral(", ")) + QStringLiteral(" )");
}

QString NewPartRow::altRow(RunState& state, const NewPartLayout& layout,
                           const NewPartValues& values, const NewPartNumber& part)
{
    QStringList list{QString::number(part.id)};
    if (layout.altRow == AltRowForm::SixValues)
        list << QStringLiteral("1");
    list << state.qt(part.kind) << state.qt(part.number) << values.item.Price.toString();
    if (layout.altRow == AltRowForm::SixValues)
        list << values.item.Sale.toString();
    return QStringLiteral("Insert Into Alt") + state.brandText() + QStringLiteral(" Values( ") +
           list.join(QStringLiteral(", ")) + QStringLiteral(" )");
}

} // namespace lostrand
