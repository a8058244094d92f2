#include "window/TargetConnection.h"

#include "common/BlankText.h"
#include "window/ConnectionStrings.h"
#include "window/RunState.h"
#include "window/WindowPort.h"

#include <exception>

namespace lostrand {

namespace {
constexpr int AccessTimeout = 20;
constexpr int SqlServerTimeout = 100;

QString targetPath(const RunState& state)
{
    return BlankText::trim(state.window.text(QStringLiteral("txtDataValcorin")));
}

void openAccessTry(Connection& cn, const QString& text)
{
    cn.setConnectionString(text);
    cn.setCommandTimeout(AccessTimeout);
    cn.setCursorLocation(Connection::CursorLocation::Server);
    cn.open();
}
} // namespace

void TargetConnection::OpenSourceConnection(RunState& state)
{
    Connection& cn = state.cnPriceList();
    cn.setConnectionString(ConnectionStrings::source(
        targetPath(state), BlankText::trim(state.window.text(QStringLiteral("txtPriceList")))));
    cn.setCommandTimeout(AccessTimeout);
    cn.setCursorLocation(Connection::CursorLocation::Server);
    cn.open();
}

void TargetConnection::OpenTargetConnection(RunState& state)
{
    if (state.window.isOptionSet(QStringLiteral("optAccess"))) {
        OpenTargetAccess(state);
        return;
    }
    Connection& cn = state.cnADO2();
    const WindowPort& w = state.window;
    cn.setConnectionString(ConnectionStrings::sqlServer(
        w.text(QStringLiteral("txtServer")), w.text(QStringLiteral("txtuid")),
        w.text(QStringLiteral("txtpwd")), w.text(QStringLiteral("txtdbq"))));
    cn.setCommandTimeout(SqlServerTimeout);
    cn.setCursorLocation(Connection::CursorLocation::Server);
    cn.setMode(Connection::Mode::ReadWrite);
    cn.open();
}

void TargetConnection::OpenTargetAccess(RunState& state)
{
    Connection& cn = state.cnADO2();
    const QString path = targetPath(state);
    try {
        openAccessTry(cn, ConnectionStrings::targetAccess(path, ConnectionStrings::TargetPassword));
        return;
    } catch (const std::exception&) {
        // Any failure of the first try, not only a refused password, gets the fallback.
    }
    openAccessTry(cn, ConnectionStrings::targetAccess(path, ConnectionStrings::FallbackPassword));
}

void TargetConnection::Reconnect(RunState& state)
{
    state.window.paintNow();
    if (state.cnADO2().isOpen()) {
        state.cnADO2().close();
        state.releaseTarget();
    }
    OpenTargetConnection(state);
    // The run is under way: a table that has filled since the last open gets its statistics.
    state.cnADO2().analyzeNewTables();
}

} // namespace lostrand
