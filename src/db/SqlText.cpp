#include "db/SqlText.h"

namespace lostrand {

QString SqlText::quote(const QString& text, SqlDialect dialect)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    const QString quoted = QLatin1Char('\'') + escaped + QLatin1Char('\'');
    return dialect == SqlDialect::SqlServer ? QLatin1Char('N') + quoted : quoted;
}

QString SqlText::truth(bool value, SqlDialect dialect)
{
    if (dialect == SqlDialect::SqlServer)
        return value ? QStringLiteral("1") : QStringLiteral("0");
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace lostrand
