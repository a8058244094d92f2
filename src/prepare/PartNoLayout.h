#pragma once

#include <QString>
#include <QVariant>

namespace lostrand {

// The brands' layouts of a part number, from one raw field value (Null as an invalid QVariant).
class PartNoLayout
{
public:
    // Blanks removed, then a dash after the fifth character and a blank after the tenth:
    // ABCDE12FGHJ gives ABCDE-12FGH J. A number that has its dash in sixth place is only
    // split after its eleventh character; one with "." or "(" and one of up to five
    // characters stay as they are. "" for Null or blank.
    static QString LayoutPartNoDashed(const QVariant& value);
    // "V" in front of the dashed layout; still "" for Null or blank.
    static QString LayoutPartNoDashedV(const QVariant& value);
    // NormalizePartNo of the value without blanks; "" for Null.
    static QString NormalizePartNoField(const QVariant& value);
};

} // namespace lostrand
