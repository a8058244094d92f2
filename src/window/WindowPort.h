#pragma once

#include <QString>

namespace lostrand {

// Icon styles of the message boxes, by the platform's codes.
enum class MessageStyle
{
    Plain = 0,
    Question = 32,
    Exclamation = 48
};
// Mouse pointers, by the platform's codes: the arrow, and the arrow with hourglass of a run.
enum class Pointer
{
    Arrow = 1,
    ArrowHourglass = 13
};

// What the passes see of the window: its fields by control name, the two status lines, the
// event pump, message boxes, the pointer, the command button and the difference grid. The
// window implements it; tests drive the passes through a recording fake.
class WindowPort
{
public:
    virtual ~WindowPort() = default;

    // Text boxes (txtPriceList, txtDataValcorin, txtServer, txtdbq, txtuid, txtpwd, txtQTY,
    // txtPartNO), read live.
    virtual QString text(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    // Option buttons (optAccess, optSQL).
    virtual bool isOptionSet(const QString& control) const = 0;
    // Check boxes (chkCreateTable, chkLikelAt): 1 when set, else 0.
    virtual int checkValue(const QString& control) const = 0;

    // The pump may keep the screen to its own pace, so a text set just before it can wait
    // there for a later pump.
    virtual void pumpEvents() = 0;
    // The next step may block (a file opening on a slow shared drive or behind another
    // program's lock): what the status lines and the grid hold goes on the screen now, so the
    // operator sees what the run waits for. Handles no other event.
    virtual void paintNow() = 0;
    // A modal box with an OK button only; returns when the operator closed it.
    virtual void showMessage(const QString& text, MessageStyle style) = 0;
    virtual void setPointer(Pointer pointer) = 0;
    virtual void setCommandEnabled(bool enabled) = 0;

    // The grid msgDetail: row 0 holds the headings.
    virtual int gridRows() const = 0;
    virtual void setGridRows(int rows) = 0;
    virtual QString gridText(int row, int column) const = 0;
    virtual void setGridText(int row, int column, const QString& text) = 0;
    // Blanks every cell below the headings; headings, widths and the row count stay.
    virtual void clearGridData() = 0;
};

} // namespace lostrand
