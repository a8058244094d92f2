#include "db/SqlText.h"

namespace lostrand {

QString SqlText::quote(const QString& text, SqlDialect dialect)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    const QString quoted = QLatin1Char('\'') + escaped + QLatin1Char('\'');
    return dialect == SqlDialect::SqlServer ? QLatin1Char('N') + quoted : quoted;
}

} // namespace lostrand
