#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace lostrand {

// An ODBC connection string as key=value pairs. Keys compare case-insensitively; a value may be
// wrapped in braces ("driver={Microsoft Access Driver (*.mdb)}"), which may hold ';'.
class ConnectionString
{
public:
    explicit ConnectionString(const QString& text);

    const QString& text() const { return m_text; }
    // The value of the first pair with that key, braces removed; empty when absent.
    QString value(const QString& key) const;
    bool contains(const QString& key) const;

    static bool isAccessDriver(const QString& driverName);

private:
    QString m_text;
    QList<QPair<QString, QString>> m_pairs;
};

} // namespace lostrand
