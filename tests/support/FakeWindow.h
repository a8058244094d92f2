#pragma once

#include "support/QtPrinters.h"
#include "window/WindowPort.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace lostrand::test {

// A window for the passes that records what they showed: every status text in order, the
// messages, the pumps, the pointer and the grid.
class FakeWindow : public WindowPort
{
public:
    FakeWindow();

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    bool isOptionSet(const QString& control) const override;
    int checkValue(const QString& control) const override;
    void pumpEvents() override;
    void paintNow() override {} // the texts are what it shows
    void showMessage(const QString& text, MessageStyle style) override;
    void setPointer(Pointer pointer) override;
    void setCommandEnabled(bool enabled) override;
    int gridRows() const override;
    void setGridRows(int rows) override;
    QString gridText(int row, int column) const override;
    void setGridText(int row, int column, const QString& text) override;
    void clearGridData() override;

    // Set-up of the fields a run reads.
    void setOption(const QString& control, bool set);
    void setCheck(const QString& control, int value);

    // What the run showed.
    QStringList history(const QString& control) const { return m_history.value(control); }
    QList<QPair<QString, MessageStyle>> messages;
    int pumps = 0;
    Pointer pointer = Pointer::Arrow;
    bool commandEnabled = true;
    // Called at every pump, so a test can change a field in the middle of a run.
    std::function<void()> onPump;

private:
    QHash<QString, QString> m_texts;
    QHash<QString, QStringList> m_history;
    QHash<QString, bool> m_options;
    QHash<QString, int> m_checks;
    std::vector<std::vector<QString>> m_grid;
};

} // namespace lostrand::test
