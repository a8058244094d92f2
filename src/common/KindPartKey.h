#pragma once

#include <QString>

namespace lostrand {

class Connection;

// The key of every look-up by kind and part number: the kind term is left out when the kind
// is blank, so such an item matches the part number under every kind.
class KindPartKey
{
public:
    // "Kind = 'K' And PartNO = 'P'", or "PartNO = 'P'"; the kind is trimmed, the number is
    // taken as given (callers pass it trimmed or cleaned), both quoted for the connection.
    static QString terms(const Connection& cn, const QString& kind, const QString& number,
                         const QString& numberColumn = QStringLiteral("PartNO"));
    static QString where(const Connection& cn, const QString& kind, const QString& number,
                         const QString& numberColumn = QStringLiteral("PartNO"));
};

} // namespace lostrand
