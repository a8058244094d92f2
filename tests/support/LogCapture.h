#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace lostrand::test {

// What the program writes to its log (Qt's messages) while one of these lives.
class LogCapture
{
public:
    LogCapture() : m_previous(qInstallMessageHandler(&LogCapture::keep)) { lines().clear(); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QString text() const { return lines().join(QLatin1Char('\n')); }

private:
    static QStringList& lines()
    {
        static QStringList kept;
        return kept;
    }
    static void keep(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        lines().append(message);
    }

    QtMessageHandler m_previous;
};

} // namespace lostrand::test
