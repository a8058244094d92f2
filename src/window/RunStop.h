#pragma once

#include <QString>
#include <stdexcept>

namespace lostrand {

// A run stopped by a fault the run itself found (a counter that gave no identifier, a write
// that never showed, a brand number without table names): it ends on the command's error
// path, like a database error, so nothing is reported as done.
class RunStop : public std::runtime_error
{
public:
    explicit RunStop(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

} // namespace lostrand
