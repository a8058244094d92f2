#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace lostrand {

struct RunState;

// Fills the empty kinds of an ISUZU list's raw tables from the parts the target already holds.
class IsuzuKindFill
{
public:
    // In every PriceNew_<n> listed in PriceNew_Count: Null kinds, numbers and TName become
    // empty and the flags 0.00 and 1.00 become 0 and 1; then each empty Kind takes the kind of
    // the one target part in Pta<BrandID> with the row's PartNO (or, when the number is held
    // more than once, with the row's PartNO and TName), and each empty AKind_1 the same for
    // AltNO_1. What the target does not settle becomes 0. Needs cnPriceList and cnADO2 open and
    // BrandID set.
    static void FillIsuzuKindFromPta(RunState& state);

    // Which kind column a walk fills, from which number, under which status text.
    struct Fill
    {
        QString written;
        QString number;
        QString status;
    };

private:
    static void fillTable(RunState& state, qint16 n);
    static void walk(RunState& state, const QString& table, qint16 n, const Fill& fill);
    // The kind for the row's number and name; nothing when the target does not settle it.
    static std::optional<QString> targetKind(RunState& state, const QString& number,
                                             const QString& name);
    static qint64 kindCount(RunState& state, const QString& fromWhere);
    // The first row of rsCheck that has a kind: a count of one counts only such rows.
    static std::optional<QString> firstKind(RunState& state);
};

} // namespace lostrand
