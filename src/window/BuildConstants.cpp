#include "window/BuildConstants.h"

namespace lostrand {

BuildConstants BuildConstants::current()
{
    return {QStringLiteral("ZARAV"), QString(), QStringLiteral("1/4/2568"),
            QStringLiteral("Lostrand ")};
}

} // namespace lostrand
