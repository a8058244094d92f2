#pragma once

#include "transfer/PriceItem.h"

#include <QString>

namespace lostrand {

class Recordset;
struct RunState;

// The brand's queue in the target's staging table PriceList: what the price writers park there
// and how the new-part writers take it back.
class StagingQueue
{
public:
    // The brand's queued rows with a part number; 0 when the count gives nothing. Uses rsMain,
    // which must be closed and is closed again.
    static qint32 CountPriceListRows(RunState& state);
    // 1 with rsMain left open on the brand's queued row with the lowest PartNO, 0 (rsMain closed)
    // when the brand's queue is empty.
    static qint16 OpenPriceListRows(RunState& state);

    // The row rsMain stands on, read by the 32 names in item order: texts trimmed, Price and
    // Sale as currency. A Null or a price that is no number ends the run.
    static PriceItem readItem(const Recordset& rs);

    // The insert of an item behind the brand number, by position in the table's column order:
    // the part number before the kind and each alternate number before its kind.
    static QString insertStatement(RunState& state, const PriceItem& item);
    // Finds that row again by the trimmed kind and part number.
    static QString readBackStatement(RunState& state, const QString& kind, const QString& partNo);

    // The 32 columns of an item in item order, as the readers select them.
    static QString itemColumns();
};

} // namespace lostrand
