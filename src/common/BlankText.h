#pragma once

#include <QString>

namespace lostrand {

// Only U+0020 counts as a blank: tabs and other white space are part of a text here.
class BlankText
{
public:
    static QString trim(const QString& text);
    static bool isBlank(const QString& text);
};

} // namespace lostrand
