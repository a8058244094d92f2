#pragma once

#include <QString>
#include <array>

namespace lostrand {

// Part-number keys and text clean-up: pure functions of their arguments.
class PartKeys
{
public:
    // The trimmed text without any blank, "/" or "-" (the cleaned part number FPartNO).
    static QString StripSeparators(const QString& text);
    // The window's twin of StripSeparators, used by MakeSearchKey; the same operation.
    static QString StripPartNoSeparators(const QString& text);
    // Control characters (U+0000-U+0014, U+007F) and "*" removed, "'" and "," made blanks,
    // then trimmed; a blank text gives "".
    static QString CleanText(const QString& text);
    // StripSeparators of CleanText; a blank text gives "".
    static QString NormalizePartNo(const QString& text);
    // Model_1 trimmed (also when blank), then ", " and each further non-blank trimmed model,
    // cut to 30 characters.
    static QString JoinModels(const std::array<QString, 12>& models);
};

} // namespace lostrand
