#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace lostrand {

// A text as the characters the helpers count and move: a surrogate pair is one character, so
// a cut or an exchange never splits it. Thai needs no pairs, every code point is one character.
class TextChars
{
public:
    // Views into text, one per character; text must outlive them.
    static QList<QStringView> split(const QString& text);
    static QString join(const QList<QStringView>& chars);
    // The first count characters, all of the text when it is shorter.
    static QString left(const QString& text, qsizetype count);
};

} // namespace lostrand
