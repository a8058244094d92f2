#include "prepare/RawRowLoad.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "common/TextChars.h"
#include "db/Recordset.h"
#include "prepare/FieldText.h"
#include "prepare/PartNoLayout.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceListColumns.h"
#include "prepare/PriceRecordRow.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

constexpr qsizetype ENameCap = 40;
constexpr qsizetype TNameCap = 60;
constexpr qsizetype ModelCap = 30;
constexpr qsizetype DescriptionCap = 60;
constexpr qsizetype ImportCap = 20;

QString cleaned(const Recordset& rs, const QString& column, qsizetype cap = -1)
{
    const QString text = FieldText::CleanTextField(rs.value(column));
    return cap < 0 ? text : TextChars::left(text, cap);
}

} // namespace

QString RawRowLoad::partNumber(const QString& brand, const QVariant& value)
{
    if (brand == QLatin1String("FORD"))
        return PartKeys::StripSeparators(FieldText::valueText(value));
    const QString text = FieldText::CleanTextField(value);
    if (brand == QLatin1String("NISSAN") || brand == QLatin1String("TOYOTA") ||
        brand == QLatin1String("UD"))
        return PartNoLayout::LayoutPartNoDashed(text);
    if (brand == QLatin1String("UD_VOLVO"))
        return PartNoLayout::LayoutPartNoDashedV(text);
    if (brand == QStringLiteral("ISUZU (ใหม่)"))
        return PartNoLayout::NormalizePartNoField(text);
    return text;
}

QString RawRowLoad::partNew(const QString& brand, const QString& partNo)
{
    if (brand == QLatin1String("BENZ"))
        return FieldText::TrimToFirstDigit(partNo);
    return BlankText::trim(partNo);
}

PriceRecord RawRowLoad::cleanRow(const Recordset& rs, const QString& brand)
{
    PriceRecord r;
    r.Kind = cleaned(rs, QStringLiteral("Kind"));
    r.PartNO = partNumber(brand, rs.value(QStringLiteral("PartNO")));
    for (size_t i = 0; i < r.AltNO.size(); ++i)
        r.AltNO[i] = partNumber(brand, rs.value(QStringLiteral("AltNO_%1").arg(i + 1)));
    r.PartNew = partNew(brand, r.PartNO);
    r.FPartNew = PartKeys::StripSeparators(r.PartNew);
    for (size_t i = 0; i < r.AKind.size(); ++i)
        r.AKind[i] = cleaned(rs, QStringLiteral("AKind_%1").arg(i + 1));
    r.EName = cleaned(rs, QStringLiteral("EName"), ENameCap);
    r.TName = cleaned(rs, QStringLiteral("TName"), TNameCap);
    for (size_t i = 0; i < r.Model.size(); ++i)
        r.Model[i] = cleaned(rs, QStringLiteral("Model_%1").arg(i + 1), ModelCap);
    r.Description = cleaned(rs, QStringLiteral("Description"), DescriptionCap);
    r.Import = cleaned(rs, QStringLiteral("Import"), ImportCap);
    r.Price = SourceRow::currency(rs, QStringLiteral("Price"));
    r.DisPrice = cleaned(rs, QStringLiteral("DisPrice"));
    r.Sale = SourceRow::currency(rs, QStringLiteral("Sale"));
    r.DisSale = cleaned(rs, QStringLiteral("DisSale"));
    SourceRow::applySaleRule(r);
    r.Models = PartKeys::JoinModels(r.Model);
    return r;
}

void RawRowLoad::LoadPriceNewTable(RunState& state, qint16 n)
{
    state.openOnSource(state.rsMain, QStringLiteral("Select ") +
                                         PriceListColumns::selectList(PriceListColumns::item()) +
                                         QStringLiteral("From ") +
                                         PrepareSteps::tableName(QStringLiteral("PriceNew_"), n));
    PassProgress progress(state, state.rsMain.recordCount());
    const QString prefix = QStringLiteral("กำลังสร้าง FPartNew  ") + state.BrandName +
                           QLatin1Char('_') + QString::number(n) + QStringLiteral("  (");
    while (!state.rsMain.eof()) {
        const PriceRecord r = cleanRow(state.rsMain, state.BrandName);
        progress.step(prefix, PassProgress::itemLine(r.Kind, r.PartNO, r.TName, r.Models));
        if (!BlankText::isBlank(r.FPartNew)) {
            PrepareSteps::InsertWithReadBack(
                state, PriceRecordRow::insertRow(state, QStringLiteral("PriceList"), r),
                QStringLiteral("Select PartNO From PriceList ") +
                    PrepareSteps::keyWhere(state, BlankText::trim(r.Kind), QStringLiteral("PartNO"),
                                           BlankText::trim(r.PartNO)),
                state.rsCheck);
        }
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

} // namespace lostrand
