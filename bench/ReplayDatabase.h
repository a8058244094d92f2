#pragma once

#include "LoggedStatements.h"

namespace lostrand::bench {

// One database a replay sends the logged statements to, through its engine's own C API.
class ReplayDatabase
{
public:
    virtual ~ReplayDatabase() = default;
    // Runs one statement (a select stepped as deep as the run read it, every value of every
    // row read taken), or begins, commits or rolls back a transaction.
    virtual void run(const LoggedStatements::Entry& entry) = 0;
    // The end of the log: what is still open is committed.
    virtual void finish() {}
};

} // namespace lostrand::bench
