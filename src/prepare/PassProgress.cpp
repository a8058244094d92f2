#include "prepare/PassProgress.h"

#include "common/BlankText.h"
#include "window/RunState.h"
#include "window/StatusLine.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {
const QString Txt = QStringLiteral("txtQTY");
const QString TxtPart = QStringLiteral("txtPartNO");
const QString TwoBlanks = QStringLiteral("  ");
} // namespace

PassProgress::PassProgress(RunState& state, qint64 total) : m_state(state), m_total(total) {}

void PassProgress::step(const QString& prefix, const QString& item)
{
    ++m_done;
    m_state.window.setText(Txt, line(prefix, m_done, m_total));
    m_state.window.setText(TxtPart, item);
    m_state.window.pumpEvents();
}

QString PassProgress::line(const QString& prefix, qint64 done, qint64 total)
{
    return prefix + QString::number(total - done) + QStringLiteral(")  ") +
           QString::number(StatusLine::percent(done, total)) + QStringLiteral(" %");
}

void PassProgress::showPhase(RunState& state, const QString& text)
{
    state.window.setText(Txt, text);
    state.window.pumpEvents();
}

QString PassProgress::kindPrefixed(const QString& kind, const QString& text)
{
    return BlankText::isBlank(kind) ? text : kind + QLatin1Char('-') + text;
}

QString PassProgress::itemLine(const QString& kind, const QString& partNo, const QString& tName,
                               const QString& models)
{
    return kindPrefixed(kind, partNo + TwoBlanks + tName + TwoBlanks + models);
}

} // namespace lostrand
