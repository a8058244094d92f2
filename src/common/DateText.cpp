#include "common/DateText.h"

#include "common/PartKeys.h"
#include "window/RunStop.h"

#include <limits>

namespace lostrand {

namespace {
constexpr int BuddhistEraOffset = 543;
const QChar Slash = QLatin1Char('/');

QString twoDigits(qint16 part)
{
    const QString digits = QString::number(part);
    return digits.size() == 1 ? QLatin1Char('0') + digits : digits;
}
} // namespace

QString DateText::ThaiDateText(QDate date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.day())
        .arg(date.month())
        .arg(date.year() + BuddhistEraOffset);
}

qint16 DateText::DayOfDateText(const QString& text)
{
    const qsizetype slash = text.indexOf(Slash);
    if (slash <= 0)
        return 0;
    return PartKeys::IntOrZero(text.left(slash));
}

qint16 DateText::MonthOfDateText(const QString& text)
{
    const qsizetype first = text.indexOf(Slash);
    if (first <= 0)
        return 0;
    const QString rest = text.mid(first + 1);
    const qsizetype second = rest.indexOf(Slash);
    if (second <= 0)
        return 0;
    return PartKeys::IntOrZero(rest.left(second));
}

qint16 DateText::YearOfDateText(const QString& text)
{
    const qsizetype first = text.indexOf(Slash);
    if (first < 0)
        return 0;
    const QString rest = text.mid(first + 1);
    const qsizetype second = rest.indexOf(Slash);
    if (second < 0)
        return 0;
    return PartKeys::IntOrZero(rest.mid(second + 1));
}

qint32 DateText::DateNumOfText(const QString& text)
{
    const qint16 day = DayOfDateText(text);
    const qint16 month = MonthOfDateText(text);
    const qint16 year = YearOfDateText(text);
    const QString joined = QString::number(year) + twoDigits(month) + twoDigits(day);
    if (day < 0 || month < 0 || year < 0)
        throw RunStop(QStringLiteral("Type mismatch: %1 is no date number").arg(joined));
    // Three parts of at most five digits each fit 64 bits.
    const qint64 number = joined.toLongLong();
    if (number > std::numeric_limits<qint32>::max())
        throw RunStop(QStringLiteral("Overflow: %1 is no 32-bit date number").arg(joined));
    return static_cast<qint32>(number);
}

qint32 DateText::DateNum()
{
    return DateNumOfText(ThaiDateText(QDate::currentDate()));
}

} // namespace lostrand
