#include "window/VersionLabels.h"

#include "common/ZeroPad.h"

namespace lostrand {

namespace {
const QString P66 = QStringLiteral("P.66 (Bar)");
const QString P68 = QStringLiteral("P.68 (Bar)");
} // namespace

const QStringList& VersionLabels::known()
{
    static const QStringList labels{
        QStringLiteral("Ver 3.1 SQL"),
        QStringLiteral("V.31"),
        QStringLiteral("V.32"),
        QStringLiteral("V.33"),
        QStringLiteral("V.34"),
        QStringLiteral("V.41"),
        QStringLiteral("V.42"),
        QStringLiteral("V.43"),
        QStringLiteral("V.45"),
        QStringLiteral("V.46 (Bar)"),
        QStringLiteral("V.51"),
        QStringLiteral("V.61"),
        QStringLiteral("P.42"),
        QStringLiteral("P.43"),
        QStringLiteral("P.44 (Bar)"),
        QStringLiteral("P.45 (Bar)"),
        QStringLiteral("P.46 (Bar)"),
        QStringLiteral("P.47001 (Bar)"),
        QStringLiteral("P.48 (Bar)"),
        QStringLiteral("P.49 (Bar)"),
        QStringLiteral("P.52"),
        QStringLiteral("P.61 (Bar)"),
        QStringLiteral("P.62 (Bar)"),
        QStringLiteral("P.64 (Bar)"),
        QStringLiteral("P.65 (Bar)"),
        P66,
        P68,
        QStringLiteral("D.47 (Bar)"),
    };
    return labels;
}

bool VersionLabels::isKnown(const QString& label)
{
    return known().contains(label);
}

bool VersionLabels::isPadded(const QString& label)
{
    return label == P66 || label == P68;
}

bool VersionLabels::isFPartNoKey(const QString& label)
{
    static const QStringList labels{QStringLiteral("P.45 (Bar)"), QStringLiteral("P.48 (Bar)"),
                                    QStringLiteral("P.49 (Bar)"), QStringLiteral("P.64 (Bar)"),
                                    QStringLiteral("P.65 (Bar)")};
    return labels.contains(label);
}

bool VersionLabels::isDisPrice(const QString& label)
{
    static const QStringList labels{QStringLiteral("P.46 (Bar)"), QStringLiteral("P.47001 (Bar)"),
                                    QStringLiteral("P.61 (Bar)"), QStringLiteral("P.62 (Bar)"),
                                    QStringLiteral("D.47 (Bar)")};
    return labels.contains(label);
}

QString TableNames::numbered(const QString& prefix, qint32 brandId)
{
    return prefix + QString::number(brandId);
}

QString TableNames::paddedSuffix(const QString& label, qint32 brandId)
{
    if (label == P66)
        return ZeroPad::ZeroPad2(brandId);
    if (label == P68)
        return ZeroPad::ZeroPad3(brandId);
    return {};
}

} // namespace lostrand
