#pragma once

#include "window/WindowPort.h"

#include <QHash>

namespace lostrand {

// The window as a run sees it, without widgets: the fields hold the locations, the status
// lines only count their updates, the pump runs the event loop as the window's does.
class HeadlessWindow : public WindowPort
{
public:
    // An Access target: the file's path.
    HeadlessWindow(const QString& priceList, const QString& target);
    // A SQL Server target: the database field names it, the other server fields are filled.
    static HeadlessWindow sqlServer(const QString& priceList, const QString& database);

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    bool isOptionSet(const QString& control) const override;
    int checkValue(const QString& control) const override;
    void pumpEvents() override;
    void paintNow() override {}
    void showMessage(const QString& text, MessageStyle style) override;
    void setPointer(Pointer) override {}
    void setCommandEnabled(bool) override {}
    int gridRows() const override { return m_gridRows; }
    void setGridRows(int rows) override { m_gridRows = rows; }
    QString gridText(int, int) const override { return {}; }
    void setGridText(int, int, const QString&) override { ++gridCells; }
    void clearGridData() override {}

    qint64 statusUpdates = 0;
    qint64 gridCells = 0;
    QString lastMessage;

private:
    QHash<QString, QString> m_fields;
    bool m_sqlServer = false;
    int m_gridRows = 30;
};

} // namespace lostrand
