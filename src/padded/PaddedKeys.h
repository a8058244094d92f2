#pragma once

#include <QString>

namespace lostrand {

// The keys of the padded-table layout, shared by its writers and the change reports. The
// table-name suffix is TableNames::paddedSuffix.
class PaddedKeys
{
public:
    // The cleaned part number followed directly by the cleaned kind (no kind when it is
    // blank), without blanks, "/" and "-": the FPartNO a padded part is stored and found by.
    static QString PaddedPartKey(const QString& partNo, const QString& kind);
    // The part-number text a new padded part stores: the cleaned number, "-" and the cleaned
    // kind, or the cleaned number alone when the kind is blank. Cleaned is NormalizePartNo of
    // CleanText, or CleanText alone when the separators are kept. NormalizePartNo of a combo is
    // the PaddedPartKey of its number and kind either way.
    static QString PartNoCombo(const QString& number, const QString& kind, bool keepSeparators);
    // The find form FEName / FTName of a name: NormalizePartNo, "" for a blank name.
    static QString NameFindForm(const QString& name);
    // ChrEName / ChrTName: the first character of ThaiSortKeyByVowel of the trimmed name, so a
    // leading Thai vowel gives way to the consonant after it; "" for a blank name.
    static QString NameInitial(const QString& name);
};

} // namespace lostrand
