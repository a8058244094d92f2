#include "demo/HeadlessWindow.h"

#include <QCoreApplication>

namespace lostrand {

HeadlessWindow::HeadlessWindow(const QString& priceList, const QString& target)
{
    m_fields.insert(QStringLiteral("txtPriceList"), priceList);
    m_fields.insert(QStringLiteral("txtDataValcorin"), target);
}

QString HeadlessWindow::text(const QString& control) const
{
    return m_fields.value(control);
}

void HeadlessWindow::setText(const QString& control, const QString& text)
{
    if (control == QLatin1String("txtQTY") || control == QLatin1String("txtPartNO"))
        ++statusUpdates;
    else
        m_fields.insert(control, text);
}

HeadlessWindow HeadlessWindow::sqlServer(const QString& priceList, const QString& database)
{
    HeadlessWindow window(priceList, QString());
    window.m_sqlServer = true;
    window.m_fields.insert(QStringLiteral("txtServer"), QStringLiteral("localhost"));
    window.m_fields.insert(QStringLiteral("txtdbq"), database);
    window.m_fields.insert(QStringLiteral("txtuid"), QStringLiteral("sa"));
    window.m_fields.insert(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
    return window;
}

bool HeadlessWindow::isOptionSet(const QString& control) const
{
    return control == QLatin1String(m_sqlServer ? "optSQL" : "optAccess");
}

int HeadlessWindow::checkValue(const QString&) const
{
    return 0;
}

void HeadlessWindow::pumpEvents()
{
    QCoreApplication::processEvents();
}

void HeadlessWindow::showMessage(const QString& text, MessageStyle)
{
    lastMessage = text;
}

} // namespace lostrand
