#pragma once

#include <QString>
#include <QVariant>

namespace lostrand {

// Sort keys of Thai names, in which a leading vowel stands behind the consonant it precedes in
// writing. Both give "" for anything that is not a text (Null, a number, a date).
class ThaiSortKeys
{
public:
    // The trimmed text after one left-to-right pass in which each of เ แ โ ใ ไ that is not the
    // last character changes places with the next one; the pair is then passed over.
    static QString ThaiSortKey(const QVariant& value);
    // The padded layout's variant: untrimmed (a blank text gives ""), one such pass per vowel
    // in the order เ แ โ ใ ไ. Its callers keep the first character.
    static QString ThaiSortKeyByVowel(const QVariant& value);
};

} // namespace lostrand
