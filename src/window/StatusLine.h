#pragma once

#include <QString>

namespace lostrand {

// The common layout of the two status lines; each phase brings its own phase text.
class StatusLine
{
public:
    // At the start of a phase: the phase text and the brand.
    static QString start(const QString& phase, const QString& brand);
    // For one item: phase, brand, table mark ("_" and n, or "_All"), the gap before "(" (two
    // blanks in most phases), the items still to come, and the whole percent done, where done
    // counts the current item.
    static QString progress(const QString& phase, const QString& brand, const QString& tableMark,
                            qint64 done, qint64 total, const QString& gap = QStringLiteral("  "));
    // At the end of a phase.
    static QString end(const QString& phase, const QString& brand);
    // The item line: kind, "-", part number, " - ", label; without the kind when it is blank.
    static QString item(const QString& kind, const QString& partNo, const QString& label);
    // The label of an item: its Thai name, or its English name when the Thai one is blank,
    // then three blanks and the models.
    static QString itemLabel(const QString& eName, const QString& tName, const QString& models);
    static QString tableMark(qint64 tableNumber);
    static QString allMark();
    static qint64 percent(qint64 done, qint64 total);
};

} // namespace lostrand
