#include "common/ZeroPad.h"

namespace lostrand {

QString ZeroPad::ZeroPad2(qint32 n)
{
    if (n < 10)
        return QLatin1Char('0') + QString::number(n);
    if (n < 100)
        return QString::number(n);
    return {};
}

QString ZeroPad::ZeroPad3(qint32 n)
{
    if (n < 10)
        return QStringLiteral("00") + QString::number(n);
    if (n < 100)
        return QLatin1Char('0') + QString::number(n);
    if (n < 1000)
        return QString::number(n);
    return {};
}

} // namespace lostrand
