#pragma once

#include <QString>

namespace lostrand {

struct RunState;

// Rewrites the alternate group of one part from scratch: every member gets one row for each
// other member (one level only), and in the numbered layout the factories of the part. It runs
// inside the caller's transaction and opens none of its own.
class AlternateGroupRebuild
{
public:
    // By the label; the alternates a1 to a5 are those the caller adds (0 or less for none).
    // Always gives 0. A failed look-up or statement raises, so the caller's transaction is
    // rolled back instead of the group being rewritten from a partial view.
    static qint16 RebuildAlternateGroup(RunState& state, qint32 part, qint32 a1, qint32 a2,
                                        qint32 a3, qint32 a4, qint32 a5);
    static qint16 RebuildAlternateGroupNumbered(RunState& state, qint32 part, qint32 a1, qint32 a2,
                                                qint32 a3, qint32 a4, qint32 a5);
    static qint16 RebuildAlternateGroupPadded(RunState& state, qint32 part, qint32 a1, qint32 a2,
                                              qint32 a3, qint32 a4, qint32 a5);

    // Later copies of an identifier among the used slots become empty (0).
    static void DedupeGroupParts(RunState& state);
    static void DedupeGroupFactories(RunState& state);

private:
    struct GroupTables;
    static void collectGroupParts(RunState& state, qint32 part, qint32 a1, qint32 a2, qint32 a3,
                                  qint32 a4, qint32 a5);
    static void writeGroup(RunState& state, const GroupTables& tables);
};

} // namespace lostrand
