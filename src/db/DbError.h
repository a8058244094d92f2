#pragma once

#include <QString>
#include <stdexcept>

namespace lostrand {

// Every failure of the database layer: it carries the statement that failed (empty when the
// failure was not a statement, e.g. an open) and what the driver said about it.
class DbError : public std::runtime_error
{
public:
    DbError(const QString& statement, const QString& driverMessage);

    const QString& statement() const { return m_statement; }
    const QString& driverMessage() const { return m_driverMessage; }

private:
    QString m_statement;
    QString m_driverMessage;
};

} // namespace lostrand
