#include "padded/PaddedPriceWriters.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "padded/ModelLinks.h"
#include "padded/PaddedKeys.h"
#include "padded/PaddedNames.h"
#include "transfer/PriceItem.h"
#include "transfer/SourceRow.h"
#include "update/PriceRowSteps.h"
#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/VersionLabels.h"

#include <optional>

namespace lostrand {

namespace {

// Where the two writers differ.
struct PaddedPriceVariant
{
    QString label; // the label whose table-name rule the writer uses, whatever the target's
    bool suzukiPartNumbers = false;
};

const PaddedPriceVariant P66Variant{QStringLiteral("P.66 (Bar)"), false};
const PaddedPriceVariant P68Variant{QStringLiteral("P.68 (Bar)"), true};

// A name's identifier and initial as the item writes them.
struct NameValues
{
    qint32 id = 0;
    QString initial;
};

class PaddedPriceRowWriter
{
public:
    PaddedPriceRowWriter(RunState& state, const PriceItem& item, const PaddedPriceVariant& variant)
        : m_state(state), m_item(item), m_variant(variant),
          m_nn(TableNames::paddedSuffix(variant.label, state.BrandID)),
          m_suzuki(variant.suzukiPartNumbers && state.BrandName == QLatin1String("SUZUKI"))
    {
    }

    void run()
    {
        const QString table = QStringLiteral("Pta_") + m_nn;
        const QString where = QStringLiteral("Where FPartNO = ") +
                              m_state.qt(PaddedKeys::PaddedPartKey(m_item.PartNO, m_item.Kind));
        if (!PriceRowSteps::HasMatch(m_state, table, where)) {
            PriceRowSteps::QueueItem(m_state, m_item);
            return;
        }
        if (!PriceRowSteps::ListMatches(m_state, table, where))
            return;
        m_models = PartKeys::JoinModels(m_item.Model);
        for (qint32 i = 0; i < m_state.MatchedPartCount; ++i) {
            const MatchedPart match = m_state.MatchedParts[static_cast<size_t>(i)];
            ModelLinks::LinkPartToModels(m_state, match.PartID, m_item.Model);
            listBrandTables(match.PartID);
            for (qint32 j = 0; j < m_state.BrandTableCount; ++j) {
                const BrandTable& entry = m_state.BrandTables[static_cast<size_t>(j)];
                if (entry.BrandID > 0)
                    writeUntilShown(match, entry);
            }
        }
    }

private:
    // The window's brand first, then each other brand the part table records for a member of
    // the part's alternate group, once.
    void listBrandTables(qint32 partId)
    {
        RunState& s = m_state;
        const QString id = QString::number(partId);
        const QString group = QStringLiteral("Pta_AltG_") + m_nn;
        const QString parts = QStringLiteral("Pta_") + m_nn;
        s.BrandTableCount = 1;
        s.openOnTarget(s.rsLookup, QStringLiteral("Select Count(PartID) Rec_Count From ") + group +
                                       QStringLiteral(" Where PartID = ") + id);
        if (!s.rsLookup.eof() && !s.rsLookup.isNull(QStringLiteral("Rec_Count")))
            s.BrandTableCount = SourceRow::int32(s.rsLookup, QStringLiteral("Rec_Count")) + 1;
        s.rsLookup.close();
        s.BrandTables.assign(static_cast<size_t>(s.BrandTableCount) + 1, BrandTable{});
        s.BrandTables[0] = {s.BrandID, m_nn};

        s.openOnTarget(s.rsLookup,
                       QStringLiteral("Select Distinct BrandID From ") + group +
                           QStringLiteral(" Inner Join ") + parts + QStringLiteral(" On ") + group +
                           QStringLiteral(".AltID = ") + parts + QStringLiteral(".PartID Where ") +
                           group + QStringLiteral(".PartID = ") + id);
        for (; !s.rsLookup.eof(); s.rsLookup.moveNext())
            placeBrand();
        s.rsLookup.close();
    }

    // The row's brand goes to the first free entry unless an entry holds it already. A Null
    // brand matches no entry and fails where it is taken.
    void placeBrand()
    {
        RunState& s = m_state;
        const QVariant brand = s.rsLookup.value(QStringLiteral("BrandID"));
        for (qint32 j = 0; j < s.BrandTableCount; ++j) {
            BrandTable& entry = s.BrandTables[static_cast<size_t>(j)];
            if (entry.BrandID == 0) {
                entry.BrandID = SourceRow::int32(s.rsLookup, QStringLiteral("BrandID"));
                entry.TableNo = TableNames::paddedSuffix(m_variant.label, entry.BrandID);
                return;
            }
            if (!brand.isNull() && brand.toLongLong() == entry.BrandID)
                return;
        }
    }

    void writeUntilShown(const MatchedPart& match, const BrandTable& entry)
    {
        // A brand number with more digits than the label writes has no tables of its own;
        // the bare names would be another brand's.
        if (entry.TableNo.isEmpty())
            throw RunStop(QStringLiteral("Brand number %1 shares part %2 but has no table names")
                              .arg(entry.BrandID)
                              .arg(match.PartID));
        const QString id = QString::number(match.PartID);
        const QString table = QStringLiteral("Pta_") + entry.TableNo;
        // A table that lacks the part, or rounds the amount, never shows it; the run stops
        // after a few tries instead of writing for ever.
        PriceRowSteps::RepeatUntilShown(
            [this, &match, &entry] { writeStep(match, entry.TableNo); },
            [this, &table, &id] {
                return PriceRowSteps::PricesShow(m_state, table, id, m_item.Price, m_item.Sale);
            },
            QStringLiteral("The price of part %1 does not stay in %2").arg(id, table));
    }

    void writeStep(const MatchedPart& match, const QString& tableNo)
    {
        const QString id = QString::number(match.PartID);
        const QString part = QStringLiteral("Pta_") + tableNo;
        const QString alt = QStringLiteral("Pta_Alt_") + tableNo;
        if (m_suzuki) {
            update(part, assign(QStringLiteral("PartNO"), m_item.PartNO), id);
            update(alt, assign(QStringLiteral("AltNO"), m_item.PartNO), id,
                   QStringLiteral("AltID"));
            updateDoc(QStringLiteral("PartNO"), m_item.PartNO, id);
        }
        if (match.UpRec == 0 && m_state.UpdateTexts == 1)
            writeTexts(part, id);
        if (!m_item.Price.isZero()) {
            update(part, QStringLiteral("Price = ") + m_item.Price.toString(), id);
            update(alt, QStringLiteral("APrice = ") + m_item.Price.toString(), id,
                   QStringLiteral("AltID"));
        }
        if (!BlankText::isBlank(m_item.DisPrice))
            update(part, assign(QStringLiteral("DisPrice"), m_item.DisPrice), id);
        if (!m_item.Sale.isZero()) {
            update(part, QStringLiteral("Sale = ") + m_item.Sale.toString(), id);
            update(alt, QStringLiteral("ASale = ") + m_item.Sale.toString(), id,
                   QStringLiteral("AltID"));
            m_state.executeTarget(QStringLiteral("Delete From DetailSaleRem Where PartID = ") + id +
                                  QStringLiteral(" And Discount = 0 And Price > 0"));
        }
        if (!BlankText::isBlank(m_item.DisSale))
            update(part, assign(QStringLiteral("DisSale"), m_item.DisSale), id);
    }

    void writeTexts(const QString& part, const QString& id)
    {
        if (!BlankText::isBlank(m_item.EName))
            writeName(part, id, PaddedNames::Which::English);
        if (!BlankText::isBlank(m_item.TName))
            writeName(part, id, PaddedNames::Which::Thai);
        if (!BlankText::isBlank(m_models)) {
            update(part, assign(QStringLiteral("Model"), m_models), id);
            updateDoc(QStringLiteral("Model"), m_models, id);
        }
        if (!BlankText::isBlank(m_item.Description))
            update(part, assign(QStringLiteral("Description"), m_item.Description), id);
        if (!BlankText::isBlank(m_item.Import))
            update(part, assign(QStringLiteral("Import"), m_item.Import), id);
    }

    void writeName(const QString& part, const QString& id, PaddedNames::Which which)
    {
        const bool thai = which == PaddedNames::Which::Thai;
        const QString& name = thai ? m_item.TName : m_item.EName;
        const NameValues& values = nameValues(which);
        const QString prefix = thai ? QStringLiteral("T") : QStringLiteral("E");
        // The find form goes with the identifier: a row that kept its old name's form would
        // hand that name this one's identifier at the next look-up.
        update(part,
               prefix + QStringLiteral("NameID = ") + QString::number(values.id) +
                   QStringLiteral(", Chr") + prefix + QStringLiteral("Name = ") +
                   m_state.qt(values.initial) + QStringLiteral(", ") +
                   assign(QStringLiteral("F") + prefix + QStringLiteral("Name"),
                          PaddedKeys::NameFindForm(name)) +
                   QStringLiteral(", ") + assign(prefix + QStringLiteral("Name"), name),
               id);
        updateDoc(prefix + QStringLiteral("Name"), name, id);
    }

    // One identifier per name and item, looked up in the window brand's table when the item
    // first writes the name: every table and every part the item writes gets the same one, and
    // a repeated step draws no further counter value.
    const NameValues& nameValues(PaddedNames::Which which)
    {
        const bool thai = which == PaddedNames::Which::Thai;
        std::optional<NameValues>& slot = thai ? m_thai : m_english;
        if (!slot) {
            const QString& name = thai ? m_item.TName : m_item.EName;
            slot = NameValues{PaddedNames::GetNameID(m_state, which, name, m_nn),
                              PaddedKeys::NameInitial(name)};
        }
        return *slot;
    }

    void update(const QString& table, const QString& assignments, const QString& id,
                const QString& idColumn = QStringLiteral("PartID"))
    {
        m_state.executeTarget(QStringLiteral("Update ") + table + QStringLiteral(" Set ") +
                              assignments + QStringLiteral(" Where ") + idColumn +
                              QStringLiteral(" = ") + id);
    }

    void updateDoc(const QString& column, const QString& text, const QString& id)
    {
        update(QStringLiteral("Pta_Doc"), assign(column, text), id);
    }

    QString assign(const QString& column, const QString& text)
    {
        return column + QStringLiteral(" = ") + m_state.qt(text);
    }

    RunState& m_state;
    const PriceItem& m_item;
    const PaddedPriceVariant& m_variant;
    const QString m_nn;
    const bool m_suzuki;
    QString m_models;
    std::optional<NameValues> m_english;
    std::optional<NameValues> m_thai;
};

} // namespace

void PaddedPriceWriters::ApplyPriceRowP66(RunState& state, const PriceItem& item)
{
    PaddedPriceRowWriter(state, item, P66Variant).run();
}

void PaddedPriceWriters::ApplyPriceRowP68(RunState& state, const PriceItem& item)
{
    PaddedPriceRowWriter(state, item, P68Variant).run();
}

} // namespace lostrand
