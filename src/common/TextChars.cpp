#include "common/TextChars.h"

namespace lostrand {

namespace {
// The length of the character that starts at index: 2 for a whole surrogate pair, else 1.
qsizetype charLength(const QString& text, qsizetype index)
{
    if (text.at(index).isHighSurrogate() && index + 1 < text.size() &&
        text.at(index + 1).isLowSurrogate())
        return 2;
    return 1;
}
} // namespace

QList<QStringView> TextChars::split(const QString& text)
{
    QList<QStringView> chars;
    chars.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = charLength(text, i);
        chars.append(QStringView(text).mid(i, length));
        i += length;
    }
    return chars;
}

QString TextChars::join(const QList<QStringView>& chars)
{
    QString text;
    for (const QStringView ch : chars)
        text.append(ch);
    return text;
}

QString TextChars::left(const QString& text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count && end < text.size(); ++taken)
        end += charLength(text, end);
    return text.left(end);
}

} // namespace lostrand
