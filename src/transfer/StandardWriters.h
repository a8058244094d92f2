#pragma once

#include "transfer/Dispatch.h"

#include <vector>

namespace lostrand {

// The writers every label dispatches to in this build.
class StandardWriters
{
public:
    static std::vector<Dispatch::PriceEntry> priceWriters();
    static std::vector<Dispatch::PriceEntry> secondPassWriters();
    static std::vector<Dispatch::NewPartEntry> newPartWriters();
};

} // namespace lostrand
