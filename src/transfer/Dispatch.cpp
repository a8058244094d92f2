#include "transfer/Dispatch.h"

#include "transfer/StandardWriters.h"
#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/VersionLabels.h"

namespace lostrand {

namespace {

[[noreturn]] void notBuilt(const QString& name, const QString& label)
{
    throw RunStop(QStringLiteral("%1, the writer for \"%2\", is not built").arg(name, label));
}

void repairAlternateRowZero(RunState& state, Dispatch::Repair repair)
{
    const QString b = state.brandText();
    state.executeTarget(QStringLiteral("Delete From AltG") + b +
                        QStringLiteral(" Where PartID = 0"));
    state.executeTarget(QStringLiteral("Delete From Alt") + b + QStringLiteral(" Where AltID = 0"));
    if (repair == Dispatch::Repair::SixValues)
        state.executeTarget(QStringLiteral("Insert Into Alt") + b +
                            QStringLiteral(" Values( 0, 0, '', '', 0, 0 )"));
    else
        state.executeTarget(QStringLiteral("Insert Into Alt") + b +
                            QStringLiteral(" Values( 0, '', '', 0 )"));
}

} // namespace

std::vector<Dispatch::PriceEntry>& Dispatch::priceWriters()
{
    static std::vector<PriceEntry> table = StandardWriters::priceWriters();
    return table;
}

std::vector<Dispatch::NewPartEntry>& Dispatch::newPartWriters()
{
    static std::vector<NewPartEntry> table = StandardWriters::newPartWriters();
    return table;
}

void Dispatch::run(const PriceEntry& entry, RunState& state, const PriceItem& item)
{
    if (!entry.writer)
        notBuilt(entry.name, state.version());
    entry.writer(state, item);
}

std::vector<Dispatch::PriceEntry>& Dispatch::secondPassWriters()
{
    static std::vector<PriceEntry> table = StandardWriters::secondPassWriters();
    return table;
}

namespace {
void applyFrom(const std::vector<Dispatch::PriceEntry>& table, RunState& state,
               const PriceItem& item)
{
    const QString label = state.version();
    for (const Dispatch::PriceEntry& entry : table) {
        if (entry.label.isEmpty() || entry.label == label) {
            Dispatch::run(entry, state, item);
            return;
        }
    }
}
} // namespace

void Dispatch::ApplyPriceRow(RunState& state, const PriceItem& item)
{
    applyFrom(priceWriters(), state, item);
}

void Dispatch::ApplySecondPassRow(RunState& state, const PriceItem& item)
{
    applyFrom(secondPassWriters(), state, item);
}

void Dispatch::ChooseAddNewParts(RunState& state, qint16 n)
{
    const QString label = state.version();
    Repair repair = Repair::FourValues;
    for (const NewPartEntry& entry : newPartWriters()) {
        if (entry.label != label)
            continue;
        if (!entry.writer)
            notBuilt(entry.name, label);
        entry.writer(state, n);
        repair = entry.repair;
        break;
    }
    // The writer may have changed nothing of the label, but the label is read afresh.
    if (!VersionLabels::isPadded(state.version()) && repair != Repair::None)
        repairAlternateRowZero(state, repair);
}

} // namespace lostrand
