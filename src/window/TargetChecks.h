#pragma once

#include <QtGlobal>

namespace lostrand {

struct RunState;

// What a run learns from the target before it writes: its schema-version label and the
// brand's number, and whether the brand's tables can be named. Every statement runs on
// rsLookup over cnADO2, closed before the next one.
class TargetChecks
{
public:
    // 1 when System's first row carries one of the known labels, else 0. Sets DBVersion
    // (trimmed) when System has a row.
    static qint16 CheckDatabaseVersion(RunState& state);
    // Sets BrandID afresh: the brand's number, or 0 when the target does not list the brand.
    static void FindBrandID(RunState& state);
    // In Brand: the brand name, then the name followed by _U, then for UD_VOLVO the name UD.
    static void FindBrandIDByName(RunState& state);
    // In Pta_BrandID by BrandCar, for the padded-table layout; one try.
    static void FindBrandIDByCar(RunState& state);
    // The padded layout names a brand's tables by two or three digits; a larger BrandID would
    // leave the bare prefixes, and every write would land in another brand's tables. Stops the
    // run (RunStop) then; needs DBVersion and BrandID set.
    static void RequireBrandTableNames(const RunState& state);
};

} // namespace lostrand
