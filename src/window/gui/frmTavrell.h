#pragma once

#include "window/BuildConstants.h"
#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/WindowPort.h"

#include <QElapsedTimer>
#include <QHash>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lostrand {

class FlexGrid;

// The program's one window. It owns the run state and its one command, cmdUpDate; its fields
// hold what a run reads, live, while the run pumps events. Closing it ends the program at once.
class frmTavrell : public QWidget, public WindowPort
{
    Q_OBJECT

public:
    explicit frmTavrell(const BuildConstants& build = BuildConstants::current(),
                        TransferPhases phases = standardTransferPhases(),
                        QWidget* parent = nullptr);
    ~frmTavrell() override;

    // How the program ends when the window closes; by default (and after an empty hook) at
    // once, with nothing committed.
    using ExitHook = std::function<void(int code)>;
    static void setExitHook(ExitHook hook);

    RunState& state() { return m_state; }

    // The press of cmdUpDate.
    void cmdUpDate_Click();

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    bool isOptionSet(const QString& control) const override;
    int checkValue(const QString& control) const override;
    void pumpEvents() override;
    void paintNow() override;
    void showMessage(const QString& text, MessageStyle style) override;
    void setPointer(Pointer pointer) override;
    void setCommandEnabled(bool enabled) override;
    int gridRows() const override;
    void setGridRows(int rows) override;
    QString gridText(int row, int column) const override;
    void setGridText(int row, int column, const QString& text) override;
    void clearGridData() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Form_Unload();
    void SetUpDetailGrid();
    QLineEdit* textBox(const QString& control) const;
    // Puts the latest status texts and grid rows on the screen.
    void refreshDisplay();

    BuildConstants m_build;
    TransferPhases m_phases;
    RunState m_state;
    QHash<QString, QLineEdit*> m_textBoxes;
    QHash<QString, QRadioButton*> m_options;
    QHash<QString, QCheckBox*> m_checks;
    QPushButton* m_command = nullptr;
    FlexGrid* m_grid = nullptr;
    // The status lines change for every row, many thousand times a second; what the screen
    // has not shown yet waits here, and the pump shows it once a frame.
    QHash<QString, QString> m_statusPending;
    QElapsedTimer m_sinceRefresh;
};

} // namespace lostrand
