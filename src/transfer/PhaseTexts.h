#pragma once

#include <QString>

namespace lostrand {

// The phase texts of the status line that several passes show.
class PhaseTexts
{
public:
    static QString moving() { return QStringLiteral("กำลังย้ายข้อมูล  "); }
    static QString pricing() { return QStringLiteral("กำลังเปลี่ยนราคา  "); }
    static QString newParts() { return QStringLiteral("กำลังเพิ่มข้อมูลใหม่  "); }
};

} // namespace lostrand
