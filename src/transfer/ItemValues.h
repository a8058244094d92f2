#pragma once

#include "transfer/PriceItem.h"

#include <QStringList>

namespace lostrand {

class Connection;

// The values of an item as a positional insert writes them: texts quoted for the connection,
// amounts in plain decimal form.
class ItemValues
{
public:
    enum class PairOrder { KindFirst, NumberFirst };

    // The five alternate pairs.
    static QStringList alternates(const Connection& cn, const PriceItem& item, PairOrder order);
    // EName, TName, the twelve models, Description, Import, Price, DisPrice, Sale, DisSale.
    static QStringList details(const Connection& cn, const PriceItem& item);
};

} // namespace lostrand
