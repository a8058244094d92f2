#include "window/StatusLine.h"

#include "common/BlankText.h"

#include <cmath>

namespace lostrand {

QString StatusLine::start(const QString& phase, const QString& brand)
{
    return phase + brand;
}

QString StatusLine::progress(const QString& phase, const QString& brand, const QString& tableMark,
                             qint64 done, qint64 total, const QString& gap)
{
    return phase + brand + tableMark + gap + QLatin1Char('(') + QString::number(total - done) +
           QStringLiteral(")  ") + QString::number(percent(done, total)) + QStringLiteral(" %");
}

QString StatusLine::end(const QString& phase, const QString& brand)
{
    return phase + brand + QStringLiteral("  100 %");
}

QString StatusLine::item(const QString& kind, const QString& partNo, const QString& label)
{
    const QString rest = partNo + QStringLiteral(" - ") + label;
    return BlankText::isBlank(kind) ? rest : kind + QLatin1Char('-') + rest;
}

QString StatusLine::itemLabel(const QString& eName, const QString& tName, const QString& models)
{
    const QString name =
        BlankText::isBlank(tName) ? BlankText::trim(eName) : BlankText::trim(tName);
    return name + QStringLiteral("   ") + models;
}

QString StatusLine::tableMark(qint64 tableNumber)
{
    return QLatin1Char('_') + QString::number(tableNumber);
}

QString StatusLine::allMark()
{
    return QStringLiteral("_All");
}

qint64 StatusLine::percent(qint64 done, qint64 total)
{
    if (total <= 0)
        return 0;
    return static_cast<qint64>(
        std::floor(static_cast<double>(done) * 100.0 / static_cast<double>(total)));
}

} // namespace lostrand
