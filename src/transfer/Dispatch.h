#pragma once

#include "transfer/PriceItem.h"

#include <QString>
#include <functional>
#include <vector>

namespace lostrand {

struct RunState;

// Which writer serves a label: the price writer of an item and the new-part writer of a
// table's queue. The tables are data; a writer that is not built yet ends the run instead of
// letting its items pass unwritten.
class Dispatch
{
public:
    using PriceWriter = std::function<void(RunState&, const PriceItem&)>;
    using NewPartWriter = std::function<void(RunState&, qint16)>;
    // How the brand's alternate row 0 is made again after a new-part writer.
    enum class Repair
    {
        FourValues,
        SixValues,
        None
    };

    struct PriceEntry
    {
        QString label; // empty: the default member, for every label without its own
        QString name;
        PriceWriter writer;
    };
    struct NewPartEntry
    {
        QString label;
        QString name;
        NewPartWriter writer;
        Repair repair;
    };

    // Hands the item to the price writer of the trimmed label.
    static void ApplyPriceRow(RunState& state, const PriceItem& item);
    // The second pass's own, shorter choice: under "P.61 (Bar)" its rows go to the default.
    static void ApplySecondPassRow(RunState& state, const PriceItem& item);
    // Runs the new-part writer of the trimmed label with the table number, then, in the
    // numbered layout, the repair of the alternate rows with identifier 0.
    static void ChooseAddNewParts(RunState& state, qint16 n);

    // The main pass's price writers in the order of comparison, the default one last.
    static std::vector<PriceEntry>& priceWriters();
    // The second pass's price writers, the default one last.
    static std::vector<PriceEntry>& secondPassWriters();
    // The new-part writers of the 28 labels, in the order of the known labels.
    static std::vector<NewPartEntry>& newPartWriters();
    // Runs an entry's writer, or stops the run when the writer is not built.
    static void run(const PriceEntry& entry, RunState& state, const PriceItem& item);
};

} // namespace lostrand
