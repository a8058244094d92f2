#include "BenchWindow.h"

#include <QCoreApplication>

namespace lostrand::bench {

BenchWindow::BenchWindow(const QString& priceList, const QString& target)
{
    m_fields.insert(QStringLiteral("txtPriceList"), priceList);
    m_fields.insert(QStringLiteral("txtDataValcorin"), target);
}

QString BenchWindow::text(const QString& control) const
{
    return m_fields.value(control);
}

void BenchWindow::setText(const QString& control, const QString& text)
{
    if (control == QLatin1String("txtQTY") || control == QLatin1String("txtPartNO"))
        ++statusUpdates;
    else
        m_fields.insert(control, text);
}

BenchWindow BenchWindow::sqlServer(const QString& priceList, const QString& database)
{
    BenchWindow window(priceList, QString());
    window.m_sqlServer = true;
    window.m_fields.insert(QStringLiteral("txtServer"), QStringLiteral("localhost"));
    window.m_fields.insert(QStringLiteral("txtdbq"), database);
    window.m_fields.insert(QStringLiteral("txtuid"), QStringLiteral("sa"));
    window.m_fields.insert(QStringLiteral("txtpwd"), QStringLiteral("Kel5093"));
    return window;
}

bool BenchWindow::isOptionSet(const QString& control) const
{
    return control == QLatin1String(m_sqlServer ? "optSQL" : "optAccess");
}

int BenchWindow::checkValue(const QString&) const
{
    return 0;
}

void BenchWindow::pumpEvents()
{
    QCoreApplication::processEvents();
}

void BenchWindow::showMessage(const QString& text, MessageStyle)
{
    lastMessage = text;
}

} // namespace lostrand::bench
