#include "transfer/ItemValues.h"

#include "db/Connection.h"

namespace lostrand {

QStringList ItemValues::alternates(const Connection& cn, const PriceItem& item, PairOrder order)
{
    QStringList values;
    for (size_t i = 0; i < item.AltNO.size(); ++i) {
        if (order == PairOrder::KindFirst)
            values << cn.quote(item.AKind[i]) << cn.quote(item.AltNO[i]);
        else
            values << cn.quote(item.AltNO[i]) << cn.quote(item.AKind[i]);
    }
    return values;
}

QStringList ItemValues::details(const Connection& cn, const PriceItem& item)
{
    QStringList values{cn.quote(item.EName), cn.quote(item.TName)};
    for (const QString& model : item.Model)
        values << cn.quote(model);
    values << cn.quote(item.Description) << cn.quote(item.Import) << item.Price.toString()
           << cn.quote(item.DisPrice) << item.Sale.toString() << cn.quote(item.DisSale);
    return values;
}

} // namespace lostrand
