#include "transfer/StandardWriters.h"

#include "newparts/NewPartWriters.h"
#include "padded/PaddedPriceWriters.h"
#include "update/PriceWriters.h"

#include <QHash>

namespace lostrand {

namespace {
using Repair = Dispatch::Repair;

// The price writers built so far, by name; a name missing here is not built yet.
Dispatch::PriceWriter priceWriter(const QString& name)
{
    using W = PriceWriters;
    static const QHash<QString, void (*)(RunState&, const PriceItem&)> built{
        {QStringLiteral("ApplyPriceRowDefault"), &W::ApplyPriceRowDefault},
        {QStringLiteral("ApplyPriceRowP45"), &W::ApplyPriceRowP45},
        {QStringLiteral("ApplyPriceRowP48"), &W::ApplyPriceRowP48},
        {QStringLiteral("ApplyPriceRowP49"), &W::ApplyPriceRowP49},
        {QStringLiteral("ApplyPriceRowP61"), &W::ApplyPriceRowP61},
        {QStringLiteral("ApplyPriceRowP64"), &W::ApplyPriceRowP64},
        {QStringLiteral("ApplyPriceRowP65"), &W::ApplyPriceRowP65},
        {QStringLiteral("ApplyPriceRowP66"), &PaddedPriceWriters::ApplyPriceRowP66},
        {QStringLiteral("ApplyPriceRowP68"), &PaddedPriceWriters::ApplyPriceRowP68},
    };
    const auto writer = built.value(name, nullptr);
    return writer ? Dispatch::PriceWriter(writer) : Dispatch::PriceWriter();
}

Dispatch::PriceEntry priceEntry(const char* label, const char* name)
{
    const QString writerName = QString::fromLatin1(name);
    return {QString::fromLatin1(label), writerName, priceWriter(writerName)};
}

// The new-part writer of that name: the one loop with the writer's layout; empty when the
// writer is not built yet.
Dispatch::NewPartWriter newPartWriter(const QString& name)
{
    const NewPartLayout* layout = NewPartLayout::ofWriter(name);
    if (!layout)
        return {};
    return [layout](RunState& state, qint16 n) { NewPartWriters::AddNewParts(state, n, *layout); };
}
} // namespace

std::vector<Dispatch::PriceEntry> StandardWriters::priceWriters()
{
    return {
        priceEntry("P.45 (Bar)", "ApplyPriceRowP45"), priceEntry("P.48 (Bar)", "ApplyPriceRowP48"),
        priceEntry("P.49 (Bar)", "ApplyPriceRowP49"), priceEntry("P.61 (Bar)", "ApplyPriceRowP61"),
        priceEntry("P.64 (Bar)", "ApplyPriceRowP64"), priceEntry("P.65 (Bar)", "ApplyPriceRowP65"),
        priceEntry("P.66 (Bar)", "ApplyPriceRowP66"), priceEntry("P.68 (Bar)", "ApplyPriceRowP68"),
        priceEntry("", "ApplyPriceRowDefault"),
    };
}

std::vector<Dispatch::PriceEntry> StandardWriters::secondPassWriters()
{
    return {
        priceEntry("P.66 (Bar)", "ApplyPriceRowP66"), priceEntry("P.68 (Bar)", "ApplyPriceRowP68"),
        priceEntry("P.45 (Bar)", "ApplyPriceRowP45"), priceEntry("P.48 (Bar)", "ApplyPriceRowP48"),
        priceEntry("P.49 (Bar)", "ApplyPriceRowP49"), priceEntry("P.64 (Bar)", "ApplyPriceRowP64"),
        priceEntry("P.65 (Bar)", "ApplyPriceRowP65"), priceEntry("", "ApplyPriceRowDefault"),
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
        table.push_back({QString::fromUtf8(row.label), QString::fromUtf8(row.name),
                         newPartWriter(QString::fromUtf8(row.name)), row.repair});
    return table;
}

} // namespace lostrand
