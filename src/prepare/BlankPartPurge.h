#pragma once

#include <QString>
#include <optional>

namespace lostrand {

struct RunState;

// Removes the brand's parts without a part number from a numbered-layout target and sets the
// brand's part counter after what is left. Works on cnADO2 as it finds it, with rsMain, and
// shows nothing.
class BlankPartPurge
{
public:
    // Every Pta<B> row whose PartNO is the empty text goes, with the Alt<B> and AltG<B> rows that
    // stand for it or link to it; then LastID "Pta<B>" is set to the highest identifier the
    // brand still uses. An empty part table leaves the counter as it is.
    static void PurgeBlankParts(RunState& state);

private:
    static void purgePart(RunState& state, qint32 partId);
    static std::optional<qint32> highestIdInUse(RunState& state);
    // The first row's identifier; nothing when the selection is empty.
    static std::optional<qint32> firstId(RunState& state, const QString& sql, const QString& field);
};

} // namespace lostrand
