#pragma once

#include <QString>
#include <array>

namespace lostrand {

struct RunState;

// The links of padded-layout parts to the brand's vehicle models: Pta_ModelID holds the models
// under their ModelID, Pta_BrandCar a row per part and model, Pta_Model the parts that name no
// model. Every row carries the run's own brand. Nothing here opens a transaction: under a
// new-part writer the rows belong to the part's.
class ModelLinks
{
public:
    // Links the part to each non-blank model, in order, recording a model the brand does not
    // have yet under a new ModelID; a part with twelve blank models gets the link with ModelID 0
    // and its Pta_Model row instead, each unless it has one. Always gives 0; rsLookup is closed
    // on return. A counter that gives no ModelID stops the run: a link with 0 would read as "no
    // models".
    static qint16 LinkPartToModels(RunState& state, qint32 partId,
                                   const std::array<QString, 12>& models);
    // 1 with rsLookup open on the first model whose FBModel is NormalizePartNo of the key (the
    // caller reads ModelID and closes it); 0 with rsLookup closed.
    static qint16 FindModelID(RunState& state, const QString& modelKey);
    // 1 when Pta_BrandCar links the part to the model under the brand, else 0; rsLookup closed.
    static qint16 PartModelLinkExists(RunState& state, qint32 partId, qint32 brandId,
                                      qint32 modelId);

    // BrandName followed directly by the untrimmed model text.
    static QString ModelKey(const RunState& state, const QString& model);
};

} // namespace lostrand
