#pragma once

#include <QString>

namespace lostrand {

// The keys of the padded-table layout, shared by its writers and the change reports.
class PaddedKeys
{
public:
    // The cleaned part number followed directly by the cleaned kind (no kind when it is
    // blank), without blanks, "/" and "-": the FPartNO a padded part is stored and found by.
    static QString PaddedPartKey(const QString& partNo, const QString& kind);
};

} // namespace lostrand
