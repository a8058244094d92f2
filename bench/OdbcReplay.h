#pragma once

#include "ReplayDatabase.h"

#include <QString>
#include <memory>

namespace lostrand::bench {

// An ODBC database for a replay, sent the statements the way the database layer's driver
// sends them: wide-character text, a statement handle each, every column of every row read as
// text, transactions by the connection's autocommit.
class OdbcReplay : public ReplayDatabase
{
public:
    explicit OdbcReplay(const QString& connectionString);
    ~OdbcReplay() override;
    OdbcReplay(const OdbcReplay&) = delete;
    OdbcReplay& operator=(const OdbcReplay&) = delete;

    void run(const LoggedStatements::Entry& entry) override;

private:
    class Connection;
    std::unique_ptr<Connection> m_connection;
};

} // namespace lostrand::bench
