#pragma once

#include "newparts/NewPartLayout.h"
#include "transfer/PriceItem.h"

#include <QString>
#include <array>

namespace lostrand {

struct RunState;

// The name identifiers and initials of one queued key in the padded layout, taken once, at
// the key's first new identifier; until then 0 and "".
struct NewPartNames
{
    qint32 ENameID = 0;
    qint32 TNameID = 0;
    QString ChrEName;
    QString ChrTName;
    bool taken = false;
};

// The values of one queued key as its part rows carry them.
struct NewPartValues
{
    PriceItem item;  // texts trimmed, TName already replaced by EName when blank
    QString sortKey; // ThaiSortKey of TName
    QString models;  // JoinModels of the twelve models
    QString eFind;   // EName, two blanks and the models, trimmed
    QString tFind;   // the same of TName
    qint32 dateNum = 0;
    bool saleDiffers = false;
    // The padded layout: the part-number combos of the main part (0) and of alternates 1 to 5,
    // and the name identifiers.
    std::array<QString, 6> combos;
    NewPartNames names;
};

// One number of the key that gets a new identifier: the main part or alternate k.
struct NewPartNumber
{
    qint32 id = 0;
    QString kind;
    QString number;
    QString searchKey;
    bool isMain = true;
    int slot = 0;  // 0 for the main part, k for alternate k
    QString combo; // the padded layout's part-number combo
};

// Builds the statements of the part and alternate rows of a layout.
class NewPartRow
{
public:
    static QString partRow(RunState& state, const NewPartLayout& layout,
                           const NewPartValues& values, const NewPartNumber& part);
    static QString altRow(RunState& state, const NewPartLayout& layout, const NewPartValues& values,
                          const NewPartNumber& part);
    // The layout's tables for the state's brand: the part table, the alternate-row table and
    // the alternate-group table.
    static QString partTable(const RunState& state, const NewPartLayout& layout);
    static QString altTable(const RunState& state, const NewPartLayout& layout);
    static QString groupTable(const RunState& state, const NewPartLayout& layout);
    // kind & "-" & number, or the number alone when the kind is blank.
    static QString displayNo(const QString& kind, const QString& number);
};

} // namespace lostrand
