#pragma once

#include <QString>

namespace lostrand {

// Brand numbers as the padded table names carry them.
class ZeroPad
{
public:
    // Two digits; "" from 100 on. A negative number gets the prefix before its sign.
    static QString ZeroPad2(qint32 n);
    // Three digits; "" from 1000 on.
    static QString ZeroPad3(qint32 n);
};

} // namespace lostrand
