#include "db/ConnectionString.h"

namespace lostrand {

namespace {

QString unbrace(const QString& value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('{')) && value.endsWith(QLatin1Char('}')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

ConnectionString::ConnectionString(const QString& text) : m_text(text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype eq = text.indexOf(QLatin1Char('='), pos);
        if (eq < 0)
            break;
        const QString key = text.mid(pos, eq - pos).trimmed();
        qsizetype end = eq + 1;
        if (end < text.size() && text.at(end) == QLatin1Char('{')) {
            const qsizetype close = text.indexOf(QLatin1Char('}'), end);
            end = close < 0 ? text.size() : close + 1;
        }
        const qsizetype semi = text.indexOf(QLatin1Char(';'), end);
        const qsizetype stop = semi < 0 ? text.size() : semi;
        m_pairs.append({key, unbrace(text.mid(eq + 1, stop - eq - 1))});
        pos = stop + 1;
    }
}

QString ConnectionString::value(const QString& key) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return {};
}

bool ConnectionString::contains(const QString& key) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool ConnectionString::isAccessDriver(const QString& driverName)
{
    return driverName.compare(QStringLiteral("Microsoft Access Driver (*.mdb)"),
                              Qt::CaseInsensitive) == 0 ||
           driverName.compare(QStringLiteral("Microsoft Access Driver (*.mdb, *.accdb)"),
                              Qt::CaseInsensitive) == 0;
}

} // namespace lostrand
