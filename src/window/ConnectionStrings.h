#pragma once

#include <QString>

namespace lostrand {

// The connection strings exactly as the window builds them from its fields.
class ConnectionStrings
{
public:
    static const QString SourcePassword;
    static const QString TargetPassword;
    static const QString FallbackPassword;

    // The Access driver prefix chosen by the trimmed target path: the accdb driver when its
    // last five characters are "accdb", else the mdb one.
    static QString accessPrefix(const QString& trimmedTargetPath);
    // The price-list file: the prefix follows the target path, not the source path.
    static QString source(const QString& trimmedTargetPath, const QString& trimmedSourcePath);
    static QString targetAccess(const QString& trimmedTargetPath, const QString& password);
    // The four fields go in exactly as typed: not trimmed, quoted or escaped.
    static QString sqlServer(const QString& server, const QString& uid, const QString& pwd,
                             const QString& database);
};

} // namespace lostrand
