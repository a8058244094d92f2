#pragma once

#include <QString>
#include <QVariant>
#include <array>

namespace lostrand {

// Part-number keys and text clean-up: pure functions of their arguments. Lengths and positions
// count characters, never bytes.
class PartKeys
{
public:
    // The search key a new part stores: under the FPartNoKey labels (compared trimmed) the
    // cleaned part number whatever the brand; otherwise by the exact, untrimmed brand, "" for
    // a brand without a key.
    static QString MakeSearchKey(const QString& dbVersion, const QString& brand,
                                 const QString& partNo);
    // Nine characters: those after the first "-" when the second character is one (or the
    // number is just "-"), else the number's own first nine.
    static QString IsuzuSearchKey(const QString& partNo);
    // The first nine characters when the sixth is "-", else the number unchanged.
    static QString NissanSearchKey(const QString& partNo);
    // The trimmed text without any blank, "/" or "-" (the cleaned part number FPartNO).
    static QString StripSeparators(const QString& text);
    // The window's twin of StripSeparators, used by MakeSearchKey; the same operation.
    static QString StripPartNoSeparators(const QString& text);
    // Control characters (U+0000-U+0014, U+007F) and "*" removed, "'" and "," made blanks,
    // then trimmed; a blank text gives "".
    static QString CleanText(const QString& text);
    // StripSeparators of CleanText; a blank text gives "".
    static QString NormalizePartNo(const QString& text);
    // A number, or a plain decimal text with optional sign and surrounding blanks, rounded
    // half to even; anything else (Null, "", "1x", "1/4") gives 0. A numeric value outside
    // -32768..32767 is a conversion error: it throws RunStop and so ends the run.
    static qint16 IntOrZero(const QVariant& value);
    // Model_1 trimmed (also when blank), then ", " and each further non-blank trimmed model,
    // cut to 30 characters.
    static QString JoinModels(const std::array<QString, 12>& models);
    // A name's find text: the trimmed name, two blanks and the trimmed models, trimmed again.
    static QString FindText(const QString& name, const QString& models);
};

} // namespace lostrand
