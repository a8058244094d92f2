#include "db/DbError.h"

namespace lostrand {

namespace {
std::string describe(const QString& statement, const QString& driverMessage)
{
    if (statement.isEmpty())
        return driverMessage.toStdString();
    return QString(driverMessage + QStringLiteral(" [") + statement + QStringLiteral("]"))
        .toStdString();
}
} // namespace

DbError::DbError(const QString& statement, const QString& driverMessage)
    : std::runtime_error(describe(statement, driverMessage)), m_statement(statement),
      m_driverMessage(driverMessage)
{
}

} // namespace lostrand
