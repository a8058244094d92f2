#include "update/PriceRowWriter.h"

#include "common/BlankText.h"
#include "common/KindPartKey.h"
#include "common/PartKeys.h"
#include "common/ThaiSortKeys.h"
#include "transfer/PriceItem.h"
#include "update/PriceRowSteps.h"
#include "update/PriceWriters.h"
#include "window/RunState.h"
#include "window/VersionLabels.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {

// The companion tables of a part's texts, each with the order of its two key terms. The
// English name goes to the first two only.
struct CompanionTable
{
    QString name;
    bool brandFirst;
};
const CompanionTable CompanionTables[] = {
    {QStringLiteral("MovementStock"), false},
    {QStringLiteral("SPG"), true},
    {QStringLiteral("Price"), false},
    {QStringLiteral("Sale"), false},
};
constexpr int EnglishCompanions = 2;
constexpr int AllCompanions = 4;

// The columns of one name in the part table.
struct NameColumns
{
    QString name;
    QString find;
    QString sortKey;
};
const NameColumns EnglishColumns{QStringLiteral("EName"), QStringLiteral("EFind"), {}};
const NameColumns ThaiColumns{QStringLiteral("TName"), QStringLiteral("TFind"),
                              QStringLiteral("IndTName")};

} // namespace

PriceRowWriter::PriceRowWriter(RunState& state, const PriceItem& item,
                               const PriceWriterVariant& variant)
    : m_state(state), m_item(item), m_variant(variant), m_brand(state.brandText()),
      m_partTable(TableNames::numbered(QStringLiteral("Pta"), state.BrandID)),
      m_kind(BlankText::trim(item.Kind)), m_partNo(BlankText::trim(item.PartNO))
{
}

void PriceRowWriter::run()
{
    const QString key = firstKey();
    if (hasMatch(key))
        applyToMatches(key);
    else
        queue();
    if (!m_variant.secondMatch || m_state.RetryCleanPartNo != 1)
        return;
    // The second match never queues: the first one already did when it found nothing.
    const QString second = secondKey();
    if (hasMatch(second))
        applyToMatches(second);
}

void PriceRowWriter::executeAfterConnectionCheck(RunState& state, const QString& sql)
{
    state.strSQL = sql;
    if (state.cnADO2().state() != Connection::StateOpen)
        state.showMessage(PriceWriters::MsgConnectionNotOpen(), MessageStyle::Plain);
    state.executeTarget(sql);
}

QString PriceRowWriter::kindAndNumber(const QString& column, const QString& number) const
{
    return KindPartKey::terms(m_state.cnADO2(), m_kind, number, column);
}

QString PriceRowWriter::firstKey() const
{
    if (m_variant.matchKey == PriceWriterVariant::MatchKey::CleanedPartNo)
        return QStringLiteral("Where ") +
               kindAndNumber(QStringLiteral("FPartNO"), PartKeys::StripSeparators(m_item.PartNO));
    return QStringLiteral("Where ") + kindAndNumber(QStringLiteral("PartNO"), m_partNo);
}

QString PriceRowWriter::secondKey() const
{
    return QStringLiteral("Where ") +
           kindAndNumber(QStringLiteral("PartNO"), PartKeys::NormalizePartNo(m_partNo));
}

bool PriceRowWriter::hasMatch(const QString& key)
{
    return PriceRowSteps::HasMatch(m_state, m_partTable, key);
}

void PriceRowWriter::queue()
{
    PriceRowSteps::QueueItem(m_state, m_item);
}

void PriceRowWriter::applyToMatches(const QString& key)
{
    if (!PriceRowSteps::ListMatches(m_state, m_partTable, key))
        return;
    m_models = PartKeys::JoinModels(m_item.Model);
    for (qint32 i = 0; i < m_state.MatchedPartCount; ++i)
        writeUntilShown(m_state.MatchedParts[static_cast<size_t>(i)]);
}

void PriceRowWriter::writeUntilShown(const MatchedPart& match)
{
    const QString id = QString::number(match.PartID);
    // A target that rounds or resets the amount never shows it; the run stops after a few
    // tries instead of writing for ever.
    PriceRowSteps::RepeatUntilShown(
        [this, &match] { writeEntry(match); },
        [this, &id] {
            return PriceRowSteps::PricesShow(m_state, m_partTable, id, m_item.Price, m_item.Sale,
                                             m_variant.priceColumn, m_variant.saleColumn);
        },
        QStringLiteral("The price of part %1 does not stay in %2").arg(id, m_partTable));
}

void PriceRowWriter::writeEntry(const MatchedPart& match)
{
    const QString id = QString::number(match.PartID);
    if (match.UpRec == 0)
        writeTexts(id);
    writePrice(id);
    writeDisplayText(QStringLiteral("DisPrice"), m_item.DisPrice, id);
    writeSale(id);
    writeDisplayText(QStringLiteral("DisSale"), m_item.DisSale, id);
}

void PriceRowWriter::writeTexts(const QString& id)
{
    if (!BlankText::isBlank(m_item.AltNO[0]))
        updatePart(assign(QStringLiteral("lAtNO"), m_item.AltNO[0]), id);
    if (m_state.UpdateTexts != 1)
        return;
    if (!BlankText::isBlank(m_item.EName))
        writeName(id, false);
    if (!BlankText::isBlank(m_item.TName))
        writeName(id, true);
    if (!BlankText::isBlank(m_models)) {
        updatePart(assign(QStringLiteral("Model"), m_models), id);
        writeCompanions(QStringLiteral("Model"), m_models, id, AllCompanions);
    }
    if (!BlankText::isBlank(m_item.Description))
        updatePart(assign(QStringLiteral("Description"), m_item.Description), id);
    if (!BlankText::isBlank(m_item.Import))
        updatePart(assign(QStringLiteral("Import"), m_item.Import), id);
}

void PriceRowWriter::writeName(const QString& id, bool thai)
{
    const NameColumns& columns = thai ? ThaiColumns : EnglishColumns;
    const QString& name = thai ? m_item.TName : m_item.EName;
    QString assignments;
    switch (thai ? m_variant.thaiExtra : m_variant.englishExtra) {
    case PriceWriterVariant::NameExtra::None:
        break;
    case PriceWriterVariant::NameExtra::SortKey:
        assignments =
            assign(columns.sortKey, ThaiSortKeys::ThaiSortKey(name)) + QStringLiteral(", ");
        break;
    case PriceWriterVariant::NameExtra::FindText:
        assignments =
            assign(columns.find, PartKeys::FindText(name, m_models)) + QStringLiteral(", ");
        break;
    }
    const QString sql = partUpdate(assignments + assign(columns.name, name), id);
    if (thai && m_variant.noticeWhenClosed)
        executeAfterConnectionCheck(m_state, sql);
    else
        m_state.executeTarget(sql);
    writeCompanions(columns.name, name, id, thai ? AllCompanions : EnglishCompanions);
}

void PriceRowWriter::writeCompanions(const QString& column, const QString& value, const QString& id,
                                     int tableCount)
{
    const QString partTerm = QStringLiteral("PartID = ") + id;
    const QString brandTerm = QStringLiteral("BrandID = ") + m_brand;
    for (int i = 0; i < tableCount; ++i) {
        const CompanionTable& table = CompanionTables[i];
        const QString& firstTerm = table.brandFirst ? brandTerm : partTerm;
        const QString& secondTerm = table.brandFirst ? partTerm : brandTerm;
        m_state.executeTarget(QStringLiteral("Update ") + table.name + QStringLiteral(" Set ") +
                              assign(column, value) + QStringLiteral(" Where ") + firstTerm +
                              QStringLiteral(" And ") + secondTerm);
    }
}

void PriceRowWriter::writePrice(const QString& id)
{
    if (m_item.Price.isZero())
        return;
    const QString price = m_item.Price.toString();
    updatePart(m_variant.priceColumn + QStringLiteral(" = ") + price, id);
    m_state.executeTarget(
        QStringLiteral("Update ") + TableNames::numbered(QStringLiteral("Alt"), m_state.BrandID) +
        QStringLiteral(" Set APrice = ") + price + QStringLiteral(" Where AltID = ") + id);
    m_state.executeTarget(QStringLiteral("Update SPG Set Price = ") + price +
                          QStringLiteral(" Where BrandID = ") + m_brand +
                          QStringLiteral(" And PartID = ") + id);
}

void PriceRowWriter::writeSale(const QString& id)
{
    // The sale price belongs to the part row alone.
    if (!m_item.Sale.isZero())
        updatePart(m_variant.saleColumn + QStringLiteral(" = ") + m_item.Sale.toString(), id);
}

void PriceRowWriter::writeDisplayText(const QString& column, const QString& text, const QString& id)
{
    if (displayTextsApply() && !BlankText::isBlank(text))
        updatePart(assign(column, text), id);
}

QString PriceRowWriter::partUpdate(const QString& assignments, const QString& id) const
{
    return QStringLiteral("Update ") + m_partTable + QStringLiteral(" Set ") + assignments +
           QStringLiteral(" Where PartID = ") + id;
}

void PriceRowWriter::updatePart(const QString& assignments, const QString& id)
{
    m_state.executeTarget(partUpdate(assignments, id));
}

QString PriceRowWriter::assign(const QString& column, const QString& text)
{
    return column + QStringLiteral(" = ") + m_state.qt(text);
}

bool PriceRowWriter::displayTextsApply() const
{
    switch (m_variant.displayTexts) {
    case PriceWriterVariant::DisplayTexts::Never:
        return false;
    case PriceWriterVariant::DisplayTexts::ByLabel:
        return VersionLabels::isDisPrice(m_state.version());
    case PriceWriterVariant::DisplayTexts::Always:
        return true;
    }
    return false;
}

} // namespace lostrand
