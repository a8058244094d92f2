#include "transfer/ChangeCheck.h"

#include "common/KindPartKey.h"
#include "common/PartKeys.h"
#include "db/Recordset.h"
#include "padded/PaddedKeys.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"
#include "window/StatusLine.h"
#include "window/VersionLabels.h"

namespace lostrand {

QString ChangeCheck::rowColumns()
{
    return QStringLiteral(
        "Kind, PartNO, PartNew, FPartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, "
        "AKind_4, AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, "
        "Model_5, Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, "
        "Import, Price, DisPrice, Sale, DisSale ");
}

CheckedRow ChangeCheck::readRow(const Recordset& rs)
{
    CheckedRow row;
    row.item.Kind = SourceRow::text(rs, QStringLiteral("Kind"));
    row.item.PartNO = SourceRow::text(rs, QStringLiteral("PartNO"));
    row.PartNew = SourceRow::text(rs, QStringLiteral("PartNew"));
    row.FPartNew = SourceRow::text(rs, QStringLiteral("FPartNew"));
    SourceRow::readCommon(rs, row.item);
    row.models = PartKeys::JoinModels(row.item.Model);
    row.label = StatusLine::itemLabel(row.item.EName, row.item.TName, row.models);
    return row;
}

QString ChangeCheck::lookupStatement(RunState& state, const CheckedRow& row, const Layout& layout)
{
    const Connection& cn = state.cnADO2();
    const QString label = state.version();
    const PriceItem& item = row.item;
    if (layout.padded) {
        return QStringLiteral("Select Price, Sale From Pta_") + layout.suffix +
               QStringLiteral(" Where FPartNO = ") +
               cn.quote(PaddedKeys::PaddedPartKey(item.PartNO, item.Kind));
    }
    const QString columns = label == QLatin1String("P.45 (Bar)") ? QStringLiteral("Price1, Sale1 ")
                                                                 : QStringLiteral("Price, Sale ");
    const QString key =
        VersionLabels::isFPartNoKey(label)
            ? KindPartKey::where(cn, item.Kind, PartKeys::StripSeparators(item.PartNO),
                                 QStringLiteral("FPartNO"))
            : KindPartKey::where(cn, item.Kind, item.PartNO);
    return QStringLiteral("Select ") + columns + QStringLiteral("From Pta") + state.brandText() +
           QLatin1Char(' ') + key;
}

CheckResult ChangeCheck::classify(RunState& state, const CheckedRow& row, const Layout& layout)
{
    const PriceItem& item = row.item;
    CheckResult result;
    if (item.Price.isZero() && item.Sale.isZero())
        return result;
    state.openOnTarget(state.rsLookup, lookupStatement(state, row, layout));
    if (state.rsLookup.eof()) {
        state.rsLookup.close();
        result.difference = Difference::NewItem;
        return result;
    }
    const bool p45 = !layout.padded && state.version() == QLatin1String("P.45 (Bar)");
    result.storedPrice = SourceRow::currency(state.rsLookup, p45 ? QStringLiteral("Price1")
                                                                 : QStringLiteral("Price"));
    result.storedSale =
        SourceRow::currency(state.rsLookup, p45 ? QStringLiteral("Sale1") : QStringLiteral("Sale"));
    state.rsLookup.close();
    if (item.Price != result.storedPrice) {
        if (!item.Price.isZero())
            result.difference = Difference::ChangedPrice;
    } else if (item.Sale != result.storedSale && !item.Sale.isZero()) {
        result.difference = Difference::ChangedSale;
    }
    return result;
}

} // namespace lostrand
