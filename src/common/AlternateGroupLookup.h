#pragma once

#include <QString>
#include <vector>

namespace lostrand {

struct RunState;

// What the target knows of one part's alternate group: its alternates and its factories, each
// as a count and as an open list on rsLookup over cnADO2.
class AlternateGroupLookup
{
public:
    // Standalone a failed look-up gives 0 with rsLookup closed and the run goes on. A rebuild
    // cannot tell that from "none" and would drop the group's links, so it asks for Raise: the
    // failure then ends its step and the step's transaction is rolled back.
    enum class OnFailure
    {
        GiveZero,
        Raise
    };

    // By the label: the padded member under the padded labels, else the numbered one.
    static qint32 CountPartAlternates(RunState& state, qint32 brandId, qint32 part,
                                      OnFailure failure = OnFailure::GiveZero);
    // 1 leaves rsLookup open on the first alternate (field PartID); 0 leaves it closed.
    static qint16 OpenPartAlternates(RunState& state, qint32 brandId, qint32 part,
                                     OnFailure failure = OnFailure::GiveZero);

    static qint32 CountPartAlternatesNumbered(RunState& state, qint32 brandId, qint32 part,
                                              OnFailure failure = OnFailure::GiveZero);
    static qint16 OpenPartAlternatesNumbered(RunState& state, qint32 brandId, qint32 part,
                                             OnFailure failure = OnFailure::GiveZero);
    // The table suffix comes from the state's label and BrandID.
    static qint32 CountPartAlternatesPadded(RunState& state, qint32 part,
                                            OnFailure failure = OnFailure::GiveZero);
    static qint16 OpenPartAlternatesPadded(RunState& state, qint32 part,
                                           OnFailure failure = OnFailure::GiveZero);

    // Numbered layout only; a factory counts when it exists in Fac.
    static qint32 CountPartFactories(RunState& state, qint32 brandId, qint32 part,
                                     OnFailure failure = OnFailure::GiveZero);
    // 1 leaves rsLookup open on the first factory (field FacID); 0 leaves it closed.
    static qint16 OpenPartFactories(RunState& state, qint32 brandId, qint32 part,
                                    OnFailure failure = OnFailure::GiveZero);

    // The count and then the open look-up, walked to its end with rsLookup closed afterwards,
    // as a rebuild asks them; a failure raises. The list, not the count, tells how many there
    // are: the two statements may disagree.
    static std::vector<qint32> ListPartAlternates(RunState& state, qint32 brandId, qint32 part);
    static std::vector<qint32> ListPartFactories(RunState& state, qint32 brandId, qint32 part);

private:
    static qint32 runCount(RunState& state, const QString& sql, OnFailure failure);
    static qint16 runOpen(RunState& state, const QString& sql, OnFailure failure);
    static std::vector<qint32> readOpenList(RunState& state, qint16 opened, const QString& field);
};

} // namespace lostrand
