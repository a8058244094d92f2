#pragma once

#include "window/WindowPort.h"

#include <QString>
#include <functional>

class QWidget;

namespace lostrand {

// The window's modal message boxes. A test installs a capture, so no test waits on a box.
class MessageBox
{
public:
    using Capture = std::function<void(const QString& text, MessageStyle style)>;
    static void setCapture(Capture capture);

    // An OK box with the platform's default caption and the style's icon.
    static void show(QWidget* parent, const QString& text, MessageStyle style);
};

} // namespace lostrand
