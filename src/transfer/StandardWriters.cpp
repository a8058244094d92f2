#include "transfer/StandardWriters.h"

namespace lostrand {

namespace {
using Repair = Dispatch::Repair;
} // namespace

std::vector<Dispatch::PriceEntry> StandardWriters::priceWriters()
{
    return {
        {QStringLiteral("P.45 (Bar)"), QStringLiteral("ApplyPriceRowP45"), nullptr},
        {QStringLiteral("P.48 (Bar)"), QStringLiteral("ApplyPriceRowP48"), nullptr},
        {QStringLiteral("P.49 (Bar)"), QStringLiteral("ApplyPriceRowP49"), nullptr},
        {QStringLiteral("P.61 (Bar)"), QStringLiteral("ApplyPriceRowP61"), nullptr},
        {QStringLiteral("P.64 (Bar)"), QStringLiteral("ApplyPriceRowP64"), nullptr},
        {QStringLiteral("P.65 (Bar)"), QStringLiteral("ApplyPriceRowP65"), nullptr},
        {QStringLiteral("P.66 (Bar)"), QStringLiteral("ApplyPriceRowP66"), nullptr},
        {QStringLiteral("P.68 (Bar)"), QStringLiteral("ApplyPriceRowP68"), nullptr},
        {QString(), QStringLiteral("ApplyPriceRowDefault"), nullptr},
    };
}

std::vector<Dispatch::NewPartEntry> StandardWriters::newPartWriters()
{
    struct Row
    {
        const char* label;
        const char* name;
        Repair repair;
    };
    static const Row rows[] = {
        {"Ver 3.1 SQL", "AddNewPartsVer31Sql", Repair::FourValues},
        {"V.31", "AddNewPartsV31", Repair::FourValues},
        {"V.32", "AddNewPartsV31", Repair::FourValues},
        {"V.33", "AddNewPartsV33", Repair::FourValues},
        {"V.34", "AddNewPartsV34", Repair::FourValues},
        {"V.41", "AddNewPartsV31", Repair::FourValues},
        {"V.42", "AddNewPartsV42", Repair::FourValues},
        {"V.43", "AddNewPartsV43", Repair::FourValues},
        {"V.45", "AddNewPartsV45", Repair::FourValues},
        {"V.46 (Bar)", "AddNewPartsV46Bar", Repair::FourValues},
        {"V.51", "AddNewPartsV31", Repair::FourValues},
        {"V.61", "AddNewPartsV31", Repair::FourValues},
        {"P.42", "AddNewPartsV31", Repair::FourValues},
        {"P.43", "AddNewPartsP43", Repair::FourValues},
        {"P.44 (Bar)", "AddNewPartsP44Bar", Repair::FourValues},
        {"P.45 (Bar)", "AddNewPartsP45Bar", Repair::FourValues},
        {"P.46 (Bar)", "AddNewPartsP46Bar", Repair::FourValues},
        {"P.47001 (Bar)", "AddNewPartsP46Bar", Repair::FourValues},
        {"P.48 (Bar)", "AddNewPartsP48Bar", Repair::FourValues},
        {"P.49 (Bar)", "AddNewPartsP49Bar", Repair::SixValues},
        {"P.52", "AddNewPartsP52", Repair::FourValues},
        {"P.61 (Bar)", "AddNewPartsP61Bar", Repair::FourValues},
        {"P.62 (Bar)", "AddNewPartsP46Bar", Repair::FourValues},
        {"P.64 (Bar)", "AddNewPartsP64Bar", Repair::FourValues},
        {"P.65 (Bar)", "AddNewPartsP64Bar", Repair::FourValues},
        {"P.66 (Bar)", "AddNewPartsP66Bar", Repair::None},
        {"P.68 (Bar)", "AddNewPartsP68Bar", Repair::None},
        {"D.47 (Bar)", "AddNewPartsP46Bar", Repair::FourValues},
    };
    std::vector<Dispatch::NewPartEntry> table;
    for (const Row& row : rows)
        table.push_back(
            {QString::fromUtf8(row.label), QString::fromUtf8(row.name), nullptr, row.repair});
    return table;
}

} // namespace lostrand
