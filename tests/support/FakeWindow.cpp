#include "support/FakeWindow.h"

namespace lostrand::test {

namespace {
constexpr int GridColumns = 8;
constexpr int GridStartRows = 30;
} // namespace

FakeWindow::FakeWindow() : m_grid(GridStartRows, std::vector<QString>(GridColumns))
{
    m_options.insert(QStringLiteral("optAccess"), true);
    m_options.insert(QStringLiteral("optSQL"), false);
}

QString FakeWindow::text(const QString& control) const
{
    return m_texts.value(control);
}

void FakeWindow::setText(const QString& control, const QString& text)
{
    m_texts.insert(control, text);
    m_history[control].append(text);
}

bool FakeWindow::isOptionSet(const QString& control) const
{
    return m_options.value(control, false);
}

int FakeWindow::checkValue(const QString& control) const
{
    return m_checks.value(control, 0);
}

void FakeWindow::pumpEvents()
{
    ++pumps;
    if (onPump)
        onPump();
}

void FakeWindow::showMessage(const QString& text, MessageStyle style)
{
    messages.append({text, style});
}

void FakeWindow::setPointer(Pointer p)
{
    pointer = p;
}

void FakeWindow::setCommandEnabled(bool enabled)
{
    commandEnabled = enabled;
}

int FakeWindow::gridRows() const
{
    return static_cast<int>(m_grid.size());
}

void FakeWindow::setGridRows(int rows)
{
    m_grid.resize(static_cast<size_t>(rows), std::vector<QString>(GridColumns));
}

QString FakeWindow::gridText(int row, int column) const
{
    return m_grid.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
}

void FakeWindow::setGridText(int row, int column, const QString& text)
{
    m_grid.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
}

void FakeWindow::clearGridData()
{
    for (size_t row = 1; row < m_grid.size(); ++row) {
        for (auto& cell : m_grid[row])
            cell.clear();
    }
}

void FakeWindow::setOption(const QString& control, bool set)
{
    // The two options form one group: setting one clears the other.
    const bool access = control == QLatin1String("optAccess");
    m_options.insert(QStringLiteral("optAccess"), access ? set : !set);
    m_options.insert(QStringLiteral("optSQL"), access ? !set : set);
}

void FakeWindow::setCheck(const QString& control, int value)
{
    m_checks.insert(control, value);
}

} // namespace lostrand::test
