#pragma once

#include "update/PriceWriterVariant.h"

#include <QString>

namespace lostrand {

struct MatchedPart;
struct PriceItem;
struct RunState;

// Applies one price item to the matching part rows of the numbered layout: match, queue when
// nothing matches, the matched list, the writes to each match and their read-back, and for the
// member that has it a second match by the normalized part number. The variant says what the
// member does differently; the state's connection, recordsets and statement text carry the work.
class PriceRowWriter
{
public:
    PriceRowWriter(RunState& state, const PriceItem& item, const PriceWriterVariant& variant);

    void run();

    // The statement of the Thai name under the connection check: the notice when cnADO2 is not
    // open, then the statement whatever the state.
    static void executeAfterConnectionCheck(RunState& state, const QString& sql);

private:
    // "Kind = 'K' And <column> = '<number>'", or the number term alone for a blank kind.
    QString kindAndNumber(const QString& column, const QString& number) const;
    QString firstKey() const;
    QString secondKey() const;

    bool hasMatch(const QString& key);
    void queue();
    void applyToMatches(const QString& key);

    void writeUntilShown(const MatchedPart& match);
    void writeEntry(const MatchedPart& match);
    void writeTexts(const QString& id);
    void writeName(const QString& id, bool thai);
    void writeCompanions(const QString& column, const QString& value, const QString& id,
                         int tableCount);
    void writePrice(const QString& id);
    void writeSale(const QString& id);
    void writeDisplayText(const QString& column, const QString& text, const QString& id);

    QString partUpdate(const QString& assignments, const QString& id) const;
    void updatePart(const QString& assignments, const QString& id);
    QString assign(const QString& column, const QString& text);
    bool displayTextsApply() const;

    RunState& m_state;
    const PriceItem& m_item;
    const PriceWriterVariant& m_variant;
    const QString m_brand;
    const QString m_partTable;
    const QString m_kind;
    const QString m_partNo;
    QString m_models;
};

} // namespace lostrand
