#include "common/BlankText.h"

namespace lostrand {

QString BlankText::trim(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

bool BlankText::isBlank(const QString& text)
{
    for (const QChar ch : text) {
        if (ch != QLatin1Char(' '))
            return false;
    }
    return true;
}

} // namespace lostrand
