#include "newparts/NewPartWriters.h"

#include "common/AlternateGroupRebuild.h"
#include "common/BlankText.h"
#include "common/DateText.h"
#include "common/KindPartKey.h"
#include "common/LastIdCounter.h"
#include "common/PartKeys.h"
#include "common/TextChars.h"
#include "common/ThaiSortKeys.h"
#include "newparts/NewPartRow.h"
#include "padded/ModelLinks.h"
#include "padded/PaddedKeys.h"
#include "padded/PaddedNames.h"
#include "transfer/PhaseTexts.h"
#include "transfer/SourceRow.h"
#include "transfer/StagingQueue.h"
#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/StatusLine.h"
#include "window/TargetConnection.h"
#include "window/VersionLabels.h"
#include "window/WindowPort.h"

#include <array>

namespace lostrand {

namespace {

// One queued key: the loop's work inside its transaction.
class NewPartIteration
{
public:
    NewPartIteration(RunState& state, const NewPartLayout& layout, NewPartValues& values)
        : m_state(state), m_layout(layout), m_values(values)
    {
    }

    void run()
    {
        const PriceItem& item = m_values.item;
        const qint32 partId = findOrCreate(item.Kind, item.PartNO, 0);
        std::array<qint32, 5> altIds{};
        for (size_t k = 0; k < altIds.size(); ++k) {
            if (slotUsed(k))
                altIds[k] = findOrCreate(item.AKind[k], item.AltNO[k], static_cast<int>(k) + 1);
        }
        linkGroup(partId, altIds);
        deleteQueuedRows();
    }

private:
    // A blank alternate, or the part's own number, is no alternate; the padded layout compares
    // the combos, so the part's number under another kind is one.
    bool slotUsed(size_t k) const
    {
        const PriceItem& item = m_values.item;
        if (m_layout.padded())
            return !PartKeys::NormalizePartNo(PartKeys::CleanText(item.AltNO[k])).isEmpty() &&
                   m_values.combos[k + 1] != m_values.combos[0];
        return !BlankText::isBlank(item.AltNO[k]) &&
               BlankText::trim(item.AltNO[k]) != BlankText::trim(item.PartNO);
    }

    QString lookupKey(const QString& kind, const QString& number, int slot) const
    {
        const Connection& cn = m_state.cnADO2();
        const bool isMain = slot == 0;
        if (m_layout.padded()) {
            const QString& combo = m_values.combos[static_cast<size_t>(slot)];
            return QStringLiteral("Where FPartNO = ") +
                   cn.quote(isMain ? PartKeys::NormalizePartNo(combo)
                                   : PartKeys::StripSeparators(combo));
        }
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
        s.openOnTarget(s.rsLookup, QStringLiteral("Select PartID From ") +
                                       NewPartRow::partTable(s, m_layout) + QLatin1Char(' ') +
                                       lookupKey(kind, number, slot));
        if (!s.rsLookup.eof()) {
            const qint32 found = SourceRow::int32(s.rsLookup, QStringLiteral("PartID"));
            s.rsLookup.close();
            return found;
        }
        s.rsLookup.close();
        NewPartNumber part;
        // A counter that gives no identifier stops the run; the transaction is rolled back and
        // the key stays queued, instead of a part that is dropped and reported as done.
        // The padded layout numbers its parts once for all brands of the target.
        part.id = LastIdCounter::RequireNextLastID(s, m_layout.padded()
                                                          ? QStringLiteral("PartID")
                                                          : QStringLiteral("Pta") + s.brandText());
        if (m_layout.padded() && !m_values.names.taken)
            takeNames();
        part.kind = kind;
        part.number = number;
        part.searchKey = m_layout.searchKey == SearchKeyRule::Cleaned
                             ? PartKeys::StripSeparators(number)
                             : PartKeys::MakeSearchKey(s.DBVersion, s.BrandName, number);
        part.isMain = isMain;
        part.slot = slot;
        part.combo = m_values.combos[static_cast<size_t>(slot)];
        if (m_layout.barCode && isMain)
            s.executeTarget(QStringLiteral("Insert Into Pta_BarCode Values( ") +
                            QString::number(part.id) + QStringLiteral(", ") + s.brandText() +
                            QStringLiteral(", ") + s.qt(part.combo) + QStringLiteral(" )"));
        s.executeTarget(NewPartRow::partRow(s, m_layout, m_values, part));
        s.executeTarget(NewPartRow::altRow(s, m_layout, m_values, part));
        if (m_layout.modelLinks)
            ModelLinks::LinkPartToModels(s, part.id, m_values.item.Model);
        return part.id;
    }

    // A blank name has identifier 0 and no initial.
    void takeNames()
    {
        RunState& s = m_state;
        NewPartNames& names = m_values.names;
        const QString nn = TableNames::paddedSuffix(s.version(), s.BrandID);
        const PriceItem& item = m_values.item;
        if (!BlankText::isBlank(item.EName)) {
            names.ChrEName = PaddedKeys::NameInitial(item.EName);
            names.ENameID = PaddedNames::GetNameID(s, PaddedNames::Which::English, item.EName, nn);
        }
        if (!BlankText::isBlank(item.TName)) {
            names.ChrTName = PaddedKeys::NameInitial(item.TName);
            names.TNameID = PaddedNames::GetNameID(s, PaddedNames::Which::Thai, item.TName, nn);
        }
        names.taken = true;
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
        s.executeTarget(QStringLiteral("Insert Into ") + NewPartRow::groupTable(s, m_layout) +
                        QStringLiteral(" Values( ") +
                        (m_layout.padded() ? QString() : QStringLiteral("0, ")) +
                        QString::number(partId) + QStringLiteral(", 0 )"));
    }

    void deleteQueuedRows()
    {
        RunState& s = m_state;
        const PriceItem& item = m_values.item;
        // The loop re-reads the queue from its first row; a key whose rows do not go would be
        // read again for ever.
        if (!s.removeFromTarget(QStringLiteral("PriceList"),
                                QStringLiteral("Where BrandID = ") + s.brandText() +
                                    QStringLiteral(" And ") +
                                    KindPartKey::terms(s.cnADO2(), item.Kind, item.PartNO)))
            throw RunStop(
                QStringLiteral("the queued rows of %1 were not removed").arg(item.PartNO));
    }

    RunState& m_state;
    const NewPartLayout& m_layout;
    NewPartValues& m_values;
};

// The padded layout writes the names cleaned, a blank Thai name taken from the English one,
// the models cleaned and cut to their columns, and each number as its combo.
void readPaddedKey(RunState& state, const NewPartLayout& layout, NewPartValues& values)
{
    PriceItem& item = values.item;
    item.EName = PartKeys::CleanText(item.EName);
    item.TName = PartKeys::CleanText(item.TName);
    if (BlankText::isBlank(item.TName))
        item.TName = BlankText::trim(item.EName);
    for (QString& model : item.Model)
        model = TextChars::left(PartKeys::CleanText(model), 30);
    const bool keepSeparators = layout.suzukiCombos && state.BrandName == QLatin1String("SUZUKI");
    values.combos[0] = PaddedKeys::PartNoCombo(item.PartNO, item.Kind, keepSeparators);
    for (size_t k = 0; k < item.AltNO.size(); ++k)
        values.combos[k + 1] =
            PaddedKeys::PartNoCombo(item.AltNO[k], item.AKind[k], keepSeparators);
}

NewPartValues readQueuedKey(RunState& state, const NewPartLayout& layout, qint32 dateNum)
{
    NewPartValues values;
    values.item = StagingQueue::readItem(state.rsMain);
    state.rsMain.close();
    values.dateNum = dateNum;
    if (layout.padded()) {
        readPaddedKey(state, layout, values);
        return values;
    }
    PriceItem& item = values.item;
    values.models = PartKeys::JoinModels(item.Model);
    // The English find text comes from the name as queued, the Thai one after a blank Thai name
    // has taken the English one.
    values.eFind = PartKeys::FindText(item.EName, values.models);
    if (BlankText::isBlank(item.TName))
        item.TName = item.EName;
    values.tFind = PartKeys::FindText(item.TName, values.models);
    values.sortKey = ThaiSortKeys::ThaiSortKey(item.TName);
    values.saleDiffers = layout.uses(RowToken::F) && item.Sale != item.Price;
    return values;
}

// The item line: the padded layout shows the combo and the first model.
QString itemLine(const NewPartLayout& layout, const NewPartValues& values)
{
    const PriceItem& item = values.item;
    if (layout.padded())
        return values.combos[0] + QStringLiteral(" - ") + item.TName + QStringLiteral("   ") +
               item.Model[0];
    return StatusLine::item(item.Kind, item.PartNO,
                            item.TName + QStringLiteral("   ") + values.models);
}

} // namespace

void NewPartWriters::AddNewParts(RunState& state, qint16 n, const NewPartLayout& layout)
{
    TargetConnection::Reconnect(state);
    const qint32 dateNum = layout.uses(RowToken::DT) ? DateText::DateNum() : 0;
    const qint32 total = StagingQueue::CountPriceListRows(state);
    qint32 done = 0;
    while (StagingQueue::OpenPriceListRows(state) == 1) {
        NewPartValues values = readQueuedKey(state, layout, dateNum);
        state.window.pumpEvents();
        ++done;
        state.window.setText(QStringLiteral("txtQTY"),
                             StatusLine::progress(PhaseTexts::newParts(), state.BrandName,
                                                  StatusLine::tableMark(n), done, total));
        state.window.setText(QStringLiteral("txtPartNO"), itemLine(layout, values));
        state.cnADO2().beginTrans();
        NewPartIteration(state, layout, values).run();
        state.cnADO2().commitTrans();
    }
}

} // namespace lostrand
