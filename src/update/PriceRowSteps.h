#pragma once

#include "db/Currency.h"

#include <QString>
#include <functional>

namespace lostrand {

struct PriceItem;
struct RunState;

// The steps every price writer takes the same way, whatever its layout: the match of an item,
// the list of matched parts, the queueing of an item that matches nothing, and the read-back
// that repeats a write until the target shows it.
class PriceRowSteps
{
public:
    // Writes that never show in the target are given up after this many tries.
    static constexpr int MaxTries = 3;

    // Whether "Select UpRec, PartID From <table> <where>" gives a row (rsLookup, closed again).
    static bool HasMatch(RunState& state, const QString& table, const QString& where);
    // MatchedParts and MatchedPartCount from the count and the rows of that select; false when
    // no row matches. The list holds the rows the select gives, whatever the count said: an
    // entry without a row behind it would write to part 0.
    static bool ListMatches(RunState& state, const QString& table, const QString& where);
    // Inserts the item into the staging queue and reads it back by its trimmed kind and part
    // number; a row that never shows stops the run.
    static void QueueItem(RunState& state, const PriceItem& item);
    // Runs write, then shown, until shown is true; after MaxTries the run stops with failure.
    static void RepeatUntilShown(const std::function<void()>& write,
                                 const std::function<bool()>& shown, const QString& failure);
    // Whether the part row of id in table holds the non-zero amounts as written (rsCheck). With
    // both amounts 0 there is nothing to read back.
    static bool PricesShow(RunState& state, const QString& table, const QString& id, Currency price,
                           Currency sale, const QString& priceColumn = QStringLiteral("Price"),
                           const QString& saleColumn = QStringLiteral("Sale"));
};

} // namespace lostrand
