#include "window/RunState.h"

#include "common/BlankText.h"

namespace lostrand {

RunState::RunState(WindowPort& w) : window(w) {}

RunState::~RunState()
{
    // Recordsets go before the connections they were opened on.
    rsMain.close();
    rsLookup.close();
    rsCheck.close();
}

Connection& RunState::cnPriceList()
{
    if (!m_priceList)
        m_priceList = std::make_unique<Connection>();
    return *m_priceList;
}

Connection& RunState::cnADO2()
{
    if (!m_target)
        m_target = std::make_unique<Connection>();
    return *m_target;
}

void RunState::releaseTarget()
{
    m_target.reset();
}

QString RunState::version() const
{
    return BlankText::trim(DBVersion);
}

QString RunState::brandText() const
{
    return QString::number(BrandID);
}

qint64 RunState::executeTarget(const QString& sql)
{
    strSQL = sql;
    return cnADO2().execute(strSQL);
}

qint64 RunState::executeSource(const QString& sql)
{
    strSQL = sql;
    return cnPriceList().execute(strSQL);
}

void RunState::openOnTarget(Recordset& recordset, const QString& sql)
{
    strSQL = sql;
    recordset.open(strSQL, cnADO2());
}

bool RunState::removeFromTarget(const QString& table, const QString& where)
{
    const QString rows = table + QLatin1Char(' ') + where;
    const qint64 deleted = executeTarget(QStringLiteral("Delete From ") + rows);
    if (deleted >= 0)
        return deleted > 0;
    openOnTarget(rsCheck, QStringLiteral("Select * From ") + rows);
    const bool left = !rsCheck.eof();
    rsCheck.close();
    return !left;
}

void RunState::openOnSource(Recordset& recordset, const QString& sql)
{
    strSQL = sql;
    recordset.open(strSQL, cnPriceList());
}

void RunState::showMessage(const QString& text, MessageStyle style)
{
    commitPending();
    window.showMessage(text, style);
}

void RunState::commitPending()
{
    for (Connection* cn : {m_priceList.get(), m_target.get()}) {
        if (cn && cn->isOpen())
            cn->commitPending();
    }
}

void RunState::closeAtExit()
{
    for (Connection* cn : {m_priceList.get(), m_target.get()}) {
        if (cn)
            cn->closeAtExit();
    }
}

QString RunState::qt(const QString& text)
{
    return cnADO2().quote(text);
}

QString RunState::qs(const QString& text)
{
    return cnPriceList().quote(text);
}

} // namespace lostrand
