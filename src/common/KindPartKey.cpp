#include "common/KindPartKey.h"

#include "common/BlankText.h"
#include "db/Connection.h"

namespace lostrand {

QString KindPartKey::terms(const Connection& cn, const QString& kind, const QString& number,
                           const QString& numberColumn)
{
    const QString numberTerm = numberColumn + QStringLiteral(" = ") + cn.quote(number);
    const QString k = BlankText::trim(kind);
    if (k.isEmpty())
        return numberTerm;
    return QStringLiteral("Kind = ") + cn.quote(k) + QStringLiteral(" And ") + numberTerm;
}

QString KindPartKey::where(const Connection& cn, const QString& kind, const QString& number,
                           const QString& numberColumn)
{
    return QStringLiteral("Where ") + terms(cn, kind, number, numberColumn);
}

} // namespace lostrand
