#include "window/ConnectionStrings.h"

namespace lostrand {

const QString ConnectionStrings::SourcePassword = QStringLiteral("TQL384");
const QString ConnectionStrings::TargetPassword = QStringLiteral("RBN574612");
const QString ConnectionStrings::FallbackPassword = QStringLiteral("HWZ613870");

namespace {
QString credentials(const QString& password)
{
    return QStringLiteral(";UID=admin;PWD=") + password;
}
} // namespace

QString ConnectionStrings::accessPrefix(const QString& trimmedTargetPath)
{
    if (trimmedTargetPath.right(5) == QLatin1String("accdb"))
        return QStringLiteral("driver={Microsoft Access Driver (*.mdb, *.accdb)};dbq=");
    return QStringLiteral("driver={Microsoft Access Driver (*.mdb)};dbq=");
}

QString ConnectionStrings::source(const QString& trimmedTargetPath,
                                  const QString& trimmedSourcePath)
{
    return accessPrefix(trimmedTargetPath) + trimmedSourcePath + credentials(SourcePassword);
}

QString ConnectionStrings::targetAccess(const QString& trimmedTargetPath, const QString& password)
{
    return accessPrefix(trimmedTargetPath) + trimmedTargetPath + credentials(password);
}

QString ConnectionStrings::sqlServer(const QString& server, const QString& uid, const QString& pwd,
                                     const QString& database)
{
    return QStringLiteral("driver={SQL Server};server=") + server + QStringLiteral(";uid=") + uid +
           QStringLiteral(";pwd=") + pwd + QStringLiteral(";database=") + database +
           QLatin1Char(';');
}

} // namespace lostrand
