#pragma once

#include "newparts/NewPartLayout.h"

namespace lostrand {

struct RunState;

// The new-part writers of the numbered layout: one loop, and each writer (AddNewPartsV31 and
// the others, NewPartLayout::name) its layout. Each empties the brand's staging queue into new
// parts, one transaction per queued key.
class NewPartWriters
{
public:
    static void AddNewParts(RunState& state, qint16 n, const NewPartLayout& layout);
};

} // namespace lostrand
