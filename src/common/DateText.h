#pragma once

#include <QDate>
#include <QString>

namespace lostrand {

// Dates as day/month/Buddhist-era-year texts ("1/4/2568") and as date numbers yyyymmdd
// (25680401).
class DateText
{
public:
    // Day, month and Gregorian year plus 543, without leading zeros.
    static QString ThaiDateText(QDate date);
    // The part before the first "/"; 0 when there is none or the text starts with it.
    static qint16 DayOfDateText(const QString& text);
    // The part between the first two "/"; 0 when either is missing or the part is empty.
    static qint16 MonthOfDateText(const QString& text);
    // All the text after the second "/"; 0 when there are fewer than two.
    static qint16 YearOfDateText(const QString& text);
    // The year, the two-digit month and the two-digit day read as one number. A non-numeric
    // part reads as 0; a numeric part out of 16-bit range, a negative part or a number past
    // 2147483647 throws RunStop.
    static qint32 DateNumOfText(const QString& text);
    // Today's date number, by the machine's local date.
    static qint32 DateNum();
};

} // namespace lostrand
