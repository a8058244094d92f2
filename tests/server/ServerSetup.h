#pragma once

#include "support/FakeWindow.h"
#include "window/ConnectionStrings.h"

#include <QString>

namespace lostrand::test {

// A server on 127.0.0.1 as a new user types it into the window's server field: the address
// with the port and the protocol version, which the window passes on unchanged.
inline QString serverField(quint16 port)
{
    return QStringLiteral("127.0.0.1;Port=%1;TDS_Version=7.4").arg(port);
}

// The SQL Server string the window builds for that server.
inline QString serverString(quint16 port, const QString& database = QStringLiteral("Valcorin"))
{
    return ConnectionStrings::sqlServer(serverField(port), QStringLiteral("sa"),
                                        QStringLiteral("Kel5093"), database);
}

inline void pointAtServer(FakeWindow& window, quint16 port,
                          const QString& database = QStringLiteral("Valcorin"))
{
    window.setOption(QStringLiteral("optSQL"), true);
    window.setText(QStringLiteral("txtServer"), serverField(port));
    window.setText(QStringLiteral("txtuid"), QStringLiteral("sa"));
    window.setText(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
    window.setText(QStringLiteral("txtdbq"), database);
}

} // namespace lostrand::test
