#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

// Readable failure messages for Qt values in test expectations.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list.at(i).toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QVariant& value, std::ostream* os)
{
    if (!value.isValid() || value.isNull())
        *os << "Null";
    else
        *os << value.typeName() << ' ' << value.toString().toStdString();
}
