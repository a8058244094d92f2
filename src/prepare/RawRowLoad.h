#pragma once

#include "prepare/PrepareRecords.h"

#include <QString>
#include <QVariant>

namespace lostrand {

class Recordset;
struct RunState;

// The row load of the split-table build: every row of one raw table PriceNew_<n>, cleaned and
// laid out in the brand's way, into the working table PriceList.
class RawRowLoad
{
public:
    // Reads PriceNew_<n> on rsMain; each row whose FPartNew is not blank is inserted into the
    // working table and read back on rsCheck by its trimmed kind and part number.
    static void LoadPriceNewTable(RunState& state, qint16 n);

    // The current row of a raw table as the working table stores it: texts cleaned and capped,
    // part numbers laid out for the brand, PartNew and FPartNew derived, a missing sale price
    // filled from the price, the joined models for the item line.
    static PriceRecord cleanRow(const Recordset& rs, const QString& brand);
    // PartNO and each alternate number under the brand's treatment.
    static QString partNumber(const QString& brand, const QVariant& value);
    // The part number to publish, from the finished PartNO.
    static QString partNew(const QString& brand, const QString& partNo);
};

} // namespace lostrand
