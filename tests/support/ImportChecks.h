#pragma once

#include <QString>
#include <QStringList>

namespace lostrand::test {

// What an import made of a "V.61" target of brand 7, read as another program reads the file.
class ImportChecks
{
public:
    // The parts, alternates, groups and counters, in a form two runs can be compared by.
    static QStringList contents(const QString& target);
    // Every part is whole: its alternate row, its group row, and the counter at the last one.
    static void expectWholeParts(const QString& target);
};

} // namespace lostrand::test
