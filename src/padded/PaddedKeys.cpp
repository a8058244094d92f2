#include "padded/PaddedKeys.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"

namespace lostrand {

QString PaddedKeys::PaddedPartKey(const QString& partNo, const QString& kind)
{
    const QString cleaned = PartKeys::CleanText(partNo);
    if (BlankText::isBlank(kind))
        return PartKeys::NormalizePartNo(cleaned);
    return PartKeys::NormalizePartNo(cleaned + PartKeys::CleanText(kind));
}

} // namespace lostrand
