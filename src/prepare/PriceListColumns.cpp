#include "prepare/PriceListColumns.h"

namespace lostrand {

namespace {
constexpr int AlternateCount = 5;
constexpr int ModelCount = 12;
} // namespace

QStringList PriceListColumns::item()
{
    QStringList names{QStringLiteral("Kind"), QStringLiteral("PartNO")};
    for (int i = 1; i <= AlternateCount; ++i)
        names << QStringLiteral("AKind_%1").arg(i) << QStringLiteral("AltNO_%1").arg(i);
    names << QStringLiteral("EName") << QStringLiteral("TName") << models();
    names << QStringLiteral("Description") << QStringLiteral("Import") << QStringLiteral("Price")
          << QStringLiteral("DisPrice") << QStringLiteral("Sale") << QStringLiteral("DisSale");
    return names;
}

QStringList PriceListColumns::row()
{
    QStringList names = item();
    names.insert(2, QStringLiteral("PartNew"));
    names.insert(3, QStringLiteral("FPartNew"));
    return names;
}

QStringList PriceListColumns::models()
{
    QStringList names;
    for (int i = 1; i <= ModelCount; ++i)
        names << QStringLiteral("Model_%1").arg(i);
    return names;
}

QStringList PriceListColumns::kinds()
{
    QStringList names{QStringLiteral("Kind")};
    for (int i = 1; i <= AlternateCount; ++i)
        names << QStringLiteral("AKind_%1").arg(i);
    return names;
}

QString PriceListColumns::selectList(const QStringList& columns)
{
    return columns.join(QStringLiteral(", ")) + QLatin1Char(' ');
}

bool PriceListColumns::isAmount(const QString& column)
{
    return column == QLatin1String("Price") || column == QLatin1String("Sale");
}

} // namespace lostrand
