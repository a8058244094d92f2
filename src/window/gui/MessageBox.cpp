#include "window/gui/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lostrand {

namespace {
MessageBox::Capture& capture()
{
    static MessageBox::Capture instance;
    return instance;
}

QMessageBox::Icon iconOf(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageStyle::Question:
        return QMessageBox::Question;
    case MessageStyle::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void MessageBox::setCapture(Capture c)
{
    capture() = std::move(c);
}

void MessageBox::show(QWidget* parent, const QString& text, MessageStyle style)
{
    if (capture()) {
        capture()(text, style);
        return;
    }
    QMessageBox box(iconOf(style), QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace lostrand
