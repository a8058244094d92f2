#pragma once

#include "db/Currency.h"

#include <QString>
#include <array>

namespace lostrand {

// The 32 values of one price-list item as the price writers receive them, in this order:
// Kind, PartNO, five (AKind, AltNO) pairs, EName, TName, Model_1..Model_12, Description, Import,
// Price, DisPrice, Sale, DisSale. Writers only read it.
struct PriceItem
{
    QString Kind;
    QString PartNO;
    std::array<QString, 5> AKind;
    std::array<QString, 5> AltNO;
    QString EName;
    QString TName;
    std::array<QString, 12> Model;
    QString Description;
    QString Import;
    Currency Price;
    QString DisPrice;
    Currency Sale;
    QString DisSale;

    friend bool operator==(const PriceItem&, const PriceItem&) = default;
};

} // namespace lostrand
