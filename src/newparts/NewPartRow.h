#pragma once

#include "newparts/NewPartLayout.h"
#include "transfer/PriceItem.h"

#include <QString>

namespace lostrand {

struct RunState;

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
};

// One number of the key that gets a new identifier: the main part or alternate k.
struct NewPartNumber
{
    qint32 id = 0;
    QString kind;
    QString number;
    QString searchKey;
    bool isMain = true;
    int slot = 0; // 0 for the main part, k for alternate k
};

// Builds the statements of the part and alternate rows of a layout.
class NewPartRow
{
public:
    static QString partRow(RunState& state, const NewPartLayout& layout,
                           const NewPartValues& values, const NewPartNumber& part);
    static QString altRow(RunState& state, const NewPartLayout& layout, const NewPartValues& values,
                          const NewPartNumber& part);
    // kind & "-" & number, or the number alone when the kind is blank.
    static QString displayNo(const QString& kind, const QString& number);
};

} // namespace lostrand
