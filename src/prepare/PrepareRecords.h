#pragma once

#include "db/Currency.h"
#include "transfer/PriceItem.h"

#include <QString>

namespace lostrand {

// One row of a price-list table held in memory by a preparation pass: the 32 values of an item
// with the raw row's ID, the part number to publish and its cleaned form, and the joined models
// that only the item line shows. Texts are kept as read, untrimmed; a pass fills only the
// members it needs and the others stay empty.
struct PriceRecord : PriceItem
{
    qint32 ID = 0;
    QString PartNew;
    QString FPartNew;
    QString Models;

    friend bool operator==(const PriceRecord&, const PriceRecord&) = default;
};

// One distinct (Kind, FPartNew) pair of the working table.
struct DupKey
{
    QString Kind;
    QString FPartNew;

    friend bool operator==(const DupKey&, const DupKey&) = default;
};

// One row of a group of working-table rows that share a pair, after the group's first row.
struct DupRow
{
    QString Kind;
    QString FPartNew;
    Currency Price;

    friend bool operator==(const DupRow&, const DupRow&) = default;
};

} // namespace lostrand
