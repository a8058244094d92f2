#include "newparts/NewPartWriters.h"

#include "common/AlternateGroupRebuild.h"
#include "common/BlankText.h"
#include "common/DateText.h"
#include "common/KindPartKey.h"
#include "common/LastIdCounter.h"
#include "common/PartKeys.h"
#include "common/ThaiSortKeys.h"
#include "newparts/NewPartRow.h"
#include "transfer/PhaseTexts.h"
#include "transfer/SourceRow.h"
#include "transfer/StagingQueue.h"
#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/StatusLine.h"
#include "window/TargetConnection.h"
#include "window/WindowPort.h"

#include <array>

namespace lostrand {

namespace {

// One queued key: the loop's work inside its transaction.
class NewPartIteration
{
public:
    NewPartIteration(RunState& state, const NewPartLayout& layout, const NewPartValues& values)
        : m_state(state), m_layout(layout), m_values(values)
    {
    }

    void run()
    {
        const PriceItem& item = m_values.item;
        const qint32 partId = findOrCreate(item.Kind, item.PartNO, 0);
        std::array<qint32, 5> altIds{};
        for (size_t k = 0; k < altIds.size(); ++k) {
            const QString& number = item.AltNO[k];
            if (BlankText::isBlank(number) ||
                BlankText::trim(number) == BlankText::trim(item.PartNO))
                continue;
            altIds[k] = findOrCreate(item.AKind[k], number, static_cast<int>(k) + 1);
        }
        linkGroup(partId, altIds);
        deleteQueuedRows();
    }

private:
    QString lookupKey(const QString& kind, const QString& number, bool isMain) const
    {
        const Connection& cn = m_state.cnADO2();
        if (m_layout.lookup == PartLookup::ByPartNo)
            return KindPartKey::where(cn, kind, number);
        // An alternate is found by its cleaned number alone, whatever its kind.
        const QString cleaned = PartKeys::StripSeparators(number);
        return isMain ? KindPartKey::where(cn, kind, cleaned, QStringLiteral("FPartNO"))
                      : QStringLiteral("Where FPartNO = ") + cn.quote(cleaned);
    }

    qint32 findOrCreate(const QString& kind, const QString& number, int slot)
    {
        RunState& s = m_state;
        const bool isMain = slot == 0;
        s.openOnTarget(s.rsLookup, QStringLiteral("Select PartID From Pta") + s.brandText() +
                                       QLatin1Char(' ') + lookupKey(kind, number, isMain));
        if (!s.rsLookup.eof()) {
            const qint32 found = SourceRow::int32(s.rsLookup, QStringLiteral("PartID"));
            s.rsLookup.close();
            return found;
        }
        s.rsLookup.close();
        NewPartNumber part;
        // A counter that gives no identifier stops the run; the transaction is rolled back and
        // the key stays queued, instead of a part that is dropped and reported as done.
        part.id = LastIdCounter::RequireNextLastID(s, QStringLiteral("Pta") + s.brandText());
        part.kind = kind;
        part.number = number;
        part.searchKey = m_layout.searchKey == SearchKeyRule::Cleaned
                             ? PartKeys::StripSeparators(number)
                             : PartKeys::MakeSearchKey(s.DBVersion, s.BrandName, number);
        part.isMain = isMain;
        part.slot = slot;
        s.executeTarget(NewPartRow::partRow(s, m_layout, m_values, part));
        s.executeTarget(NewPartRow::altRow(s, m_layout, m_values, part));
        return part.id;
    }

    void linkGroup(qint32 partId, const std::array<qint32, 5>& altIds)
    {
        RunState& s = m_state;
        const bool anyAlternate =
            std::any_of(altIds.begin(), altIds.end(), [](qint32 id) { return id != 0; });
        if (anyAlternate) {
            AlternateGroupRebuild::RebuildAlternateGroup(s, partId, altIds[0], altIds[1], altIds[2],
                                                         altIds[3], altIds[4]);
            return;
        }
        s.executeTarget(QStringLiteral("Insert Into AltG") + s.brandText() +
                        QStringLiteral(" Values( 0, ") + QString::number(partId) +
                        QStringLiteral(", 0 )"));
    }

    void deleteQueuedRows()
    {
        RunState& s = m_state;
        const PriceItem& item = m_values.item;
        const qint64 deleted = s.executeTarget(
            QStringLiteral("Delete From PriceList Where BrandID = ") + s.brandText() +
            QStringLiteral(" And ") + KindPartKey::terms(s.cnADO2(), item.Kind, item.PartNO));
        // The loop re-reads the queue from its first row; a key whose rows do not go would be
        // read again for ever.
        if (deleted < 1)
            throw RunStop(
                QStringLiteral("the queued rows of %1 were not removed").arg(item.PartNO));
    }

    RunState& m_state;
    const NewPartLayout& m_layout;
    const NewPartValues& m_values;
};

NewPartValues readQueuedKey(RunState& state, const NewPartLayout& layout, qint32 dateNum)
{
    NewPartValues values;
    values.item = StagingQueue::readItem(state.rsMain);
    state.rsMain.close();
    PriceItem& item = values.item;
    values.models = PartKeys::JoinModels(item.Model);
    // The English find text comes from the name as queued, the Thai one after a blank Thai name
    // has taken the English one.
    values.eFind = PartKeys::FindText(item.EName, values.models);
    if (BlankText::isBlank(item.TName))
        item.TName = item.EName;
    values.tFind = PartKeys::FindText(item.TName, values.models);
    values.sortKey = ThaiSortKeys::ThaiSortKey(item.TName);
    values.dateNum = dateNum;
    values.saleDiffers = layout.uses(RowToken::F) && item.Sale != item.Price;
    return values;
}

} // namespace

void NewPartWriters::AddNewParts(RunState& state, qint16 n, const NewPartLayout& layout)
{
    TargetConnection::Reconnect(state);
    const qint32 dateNum = layout.uses(RowToken::DT) ? DateText::DateNum() : 0;
    const qint32 total = StagingQueue::CountPriceListRows(state);
    qint32 done = 0;
    while (StagingQueue::OpenPriceListRows(state) == 1) {
        const NewPartValues values = readQueuedKey(state, layout, dateNum);
        const PriceItem& item = values.item;
        state.window.pumpEvents();
        ++done;
        state.window.setText(QStringLiteral("txtQTY"),
                             StatusLine::progress(PhaseTexts::newParts(), state.BrandName,
                                                  StatusLine::tableMark(n), done, total));
        state.window.setText(QStringLiteral("txtPartNO"),
                             StatusLine::item(item.Kind, item.PartNO,
                                              item.TName + QStringLiteral("   ") + values.models));
        state.cnADO2().beginTrans();
        NewPartIteration(state, layout, values).run();
        state.cnADO2().commitTrans();
    }
}

} // namespace lostrand
