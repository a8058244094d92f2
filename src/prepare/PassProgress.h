#pragma once

#include <QString>

namespace lostrand {

struct RunState;

// The progress of a preparation pass over the rows of one recordset (or one loaded array):
// every handled row shows the pass's prefix, the rows still to come and the whole percent done
// on txtQTY, the row's item text on txtPartNO, and then lets the window handle its events.
class PassProgress
{
public:
    // The counter starts at 0; total is the record count of what the pass walks.
    PassProgress(RunState& state, qint64 total);

    // Counts one handled row and shows it. The prefix ends in "  (" or " (".
    void step(const QString& prefix, const QString& item);
    qint64 done() const { return m_done; }
    qint64 total() const { return m_total; }

    // prefix, total - done, ")  ", the whole part of done * 100 / total, " %".
    static QString line(const QString& prefix, qint64 done, qint64 total);
    // A fixed text on txtQTY at the start of a pass, then one pump.
    static void showPhase(RunState& state, const QString& text);
    // The text behind "kind-" when the kind is not blank, else the text alone.
    static QString kindPrefixed(const QString& kind, const QString& text);
    // The item line of a price row: [Kind-]PartNO, two blanks, TName, two blanks, the models.
    static QString itemLine(const QString& kind, const QString& partNo, const QString& tName,
                            const QString& models);

private:
    RunState& m_state;
    qint64 m_total;
    qint64 m_done = 0;
};

} // namespace lostrand
