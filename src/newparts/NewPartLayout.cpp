#include "newparts/NewPartLayout.h"

#include <QHash>
#include <algorithm>
#include <initializer_list>

namespace lostrand {

namespace {

using T = RowToken;
using Row = std::vector<RowToken>;

Row join(std::initializer_list<Row> pieces)
{
    Row row;
    for (const Row& piece : pieces)
        row.insert(row.end(), piece.begin(), piece.end());
    return row;
}

Row zeros(int count)
{
    return Row(static_cast<size_t>(count), T::Zero);
}

// Positions 1 to 16 of most rows: the part, its first alternate, its names and texts.
Row head()
{
    return {T::Zero, T::ID, T::K, T::SK, T::P, T::A1K,   T::A1N, T::Blank,
            T::E,    T::IT, T::T, T::D,  T::M, T::Blank, T::I,   T::Blank};
}

// From the five zeros before the brand number to the end.
Row tail()
{
    return join({zeros(5), {T::B, T::Zero, T::Zero, T::DN}, zeros(7)});
}

// The rows of the first label group: the head, the price, one 0, the sale, the writer's own
// middle piece, the tail.
Row priced(const Row& middle)
{
    return join({head(), {T::Pr, T::Zero, T::Sa}, middle, tail()});
}

NewPartLayout layout(const char* name, Row row, PartLookup lookup = PartLookup::ByPartNo,
                     std::vector<std::pair<int, QString>> names = {},
                     SearchKeyRule searchKey = SearchKeyRule::Brand,
                     AltRowForm altRow = AltRowForm::FourValues)
{
    NewPartLayout l;
    l.name = QString::fromLatin1(name);
    l.lookup = lookup;
    l.searchKey = searchKey;
    l.altRow = altRow;
    l.partRow = std::move(row);
    l.columnNames = std::move(names);
    return l;
}

// The rows with display texts: the head, the price and the sale each followed by its display
// text, the writer's middle piece, the tail.
Row displayed(const Row& middle)
{
    return join({head(), {T::Pr, T::DisPrice, T::Sa, T::DisSale}, middle, tail()});
}

// Positions 1 to 21 of the rows keyed by cleaned number: the number stands twice.
Row cleanedHead(RowToken first)
{
    return {first,    T::ID,    T::K,     T::SK, T::P,        T::P,  T::A1K,
            T::A1N,   T::Blank, T::E,     T::IT, T::T,        T::D,  T::M,
            T::Blank, T::I,     T::Blank, T::Pr, T::DisPrice, T::Sa, T::DisSale};
}

QString defaultName(RowToken token)
{
    static const QHash<int, QString> names{
        {int(T::ID), QStringLiteral("PartID")},
        {int(T::K), QStringLiteral("Kind")},
        {int(T::SK), QStringLiteral("FPartNO")},
        {int(T::P), QStringLiteral("PartNO")},
        {int(T::A1K), QStringLiteral("AKind1")},
        {int(T::A1N), QStringLiteral("lAtNO")},
        {int(T::E), QStringLiteral("EName")},
        {int(T::IT), QStringLiteral("IndTName")},
        {int(T::T), QStringLiteral("TName")},
        {int(T::D), QStringLiteral("Description")},
        {int(T::M), QStringLiteral("Model")},
        {int(T::I), QStringLiteral("Import")},
        {int(T::Pr), QStringLiteral("Price")},
        {int(T::Sa), QStringLiteral("Sale")},
        {int(T::B), QStringLiteral("BrandID")},
        {int(T::DN), QStringLiteral("DisplayNo")},
        {int(T::DT), QStringLiteral("DateNum")},
        {int(T::F), QStringLiteral("SaleDiffers")},
        {int(T::MainOne), QStringLiteral("IsMain")},
        {int(T::DisPrice), QStringLiteral("DisPrice")},
        {int(T::DisSale), QStringLiteral("DisSale")},
        {int(T::EFind), QStringLiteral("EFind")},
        {int(T::TFind), QStringLiteral("TFind")},
        {int(T::BN), QStringLiteral("BrandName")},
        {int(T::Key), QStringLiteral("FPartNO")},
        {int(T::Combo), QStringLiteral("PartNO")},
        {int(T::ENameID), QStringLiteral("ENameID")},
        {int(T::TNameID), QStringLiteral("TNameID")},
        {int(T::ChrE), QStringLiteral("ChrEName")},
        {int(T::ChrT), QStringLiteral("ChrTName")},
        {int(T::FE), QStringLiteral("FEName")},
        {int(T::FT), QStringLiteral("FTName")},
        {int(T::M1), QStringLiteral("Model")},
        {int(T::DescEvery), QStringLiteral("Description")},
        {int(T::ImportEvery), QStringLiteral("Import")},
    };
    return names.value(int(token));
}

} // namespace

bool NewPartLayout::uses(RowToken token) const
{
    return std::find(partRow.begin(), partRow.end(), token) != partRow.end();
}

std::vector<RowToken> NewPartLayout::altRowValues() const
{
    if (!altRowTokens.empty())
        return altRowTokens;
    if (altRow == AltRowForm::SixValues)
        return {T::ID, T::One, T::K, T::P, T::Pr, T::Sa};
    return {T::ID, T::K, T::P, T::Pr};
}

QString NewPartLayout::columnName(int position) const
{
    for (const auto& [at, given] : columnNames) {
        if (at == position)
            return given;
    }
    if (position == 1)
        return QStringLiteral("UpRec"); // new parts start at 0, so their texts may be refreshed
    const RowToken token = partRow.at(static_cast<size_t>(position - 1));
    const QString named = defaultName(token);
    const bool first =
        std::find(partRow.begin(), partRow.end(), token) - partRow.begin() == position - 1;
    return named.isEmpty() || !first ? QStringLiteral("Col%1").arg(position) : named;
}

const NewPartLayout& NewPartLayout::Ver31Sql()
{
    static const NewPartLayout l =
        layout("AddNewPartsVer31Sql", priced({T::Zero, T::One, T::Zero, T::Blank}));
    return l;
}

const NewPartLayout& NewPartLayout::V31()
{
    static const NewPartLayout l =
        layout("AddNewPartsV31", priced({T::Zero, T::True, T::False, T::Blank}));
    return l;
}

const NewPartLayout& NewPartLayout::V33()
{
    static const NewPartLayout l =
        layout("AddNewPartsV33", priced({T::Zero, T::True, T::False, T::False, T::Blank}));
    return l;
}

const NewPartLayout& NewPartLayout::V34()
{
    static const NewPartLayout l =
        layout("AddNewPartsV34", priced(join({zeros(4), {T::MainOne, T::F, T::Blank}})));
    return l;
}

const NewPartLayout& NewPartLayout::V42()
{
    static const NewPartLayout l =
        layout("AddNewPartsV42", priced(join({zeros(3), {T::True, T::False, T::Blank}})));
    return l;
}

const NewPartLayout& NewPartLayout::V43()
{
    static const NewPartLayout l =
        layout("AddNewPartsV43", priced(join({zeros(4), {T::True, T::False, T::Blank}})));
    return l;
}

const NewPartLayout& NewPartLayout::V45()
{
    // The description stands after the models here, and everything from the import on one
    // position later.
    static const NewPartLayout l =
        layout("AddNewPartsV45",
               join({{T::Zero,  T::ID, T::K,    T::SK,    T::P,    T::A1K,  T::A1N,   T::Blank,
                      T::E,     T::IT, T::T,    T::Blank, T::M,    T::D,    T::Blank, T::I,
                      T::Blank, T::Pr, T::Zero, T::Sa,    T::Zero, T::True, T::False, T::Blank},
                     tail()}));
    return l;
}

const NewPartLayout& NewPartLayout::V46Bar()
{
    static const NewPartLayout l =
        layout("AddNewPartsV46Bar",
               join({priced({T::Zero, T::True, T::False, T::Blank, T::Blank}), {T::DT}}));
    return l;
}

const NewPartLayout& NewPartLayout::P43()
{
    static const NewPartLayout l = layout(
        "AddNewPartsP43",
        join(
            {head(), {T::Pr}, zeros(3), {T::Sa}, zeros(3), {T::True, T::False, T::Blank}, tail()}));
    return l;
}

const NewPartLayout& NewPartLayout::P44Bar()
{
    static const NewPartLayout l = [] {
        NewPartLayout same = V43();
        same.name = QStringLiteral("AddNewPartsP44Bar");
        return same;
    }();
    return l;
}

const NewPartLayout& NewPartLayout::P45Bar()
{
    // The number stands twice; the cleaned number only as the search key, which is the
    // FPartNO the look-ups compare. The prices go to Price1 and Sale1 under this label.
    static const NewPartLayout l =
        layout("AddNewPartsP45Bar",
               join({{T::Zero, T::ID, T::K, T::SK, T::P, T::A1K, T::A1N, T::Blank, T::P, T::E,
                      T::IT, T::T, T::D, T::M, T::Blank, T::I, T::Pr},
                     zeros(3),
                     {T::Sa},
                     zeros(6),
                     {T::Blank, T::Blank, T::Blank, T::Blank},
                     tail()}),
               PartLookup::ByCleanNo,
               {{17, QStringLiteral("Price1")},
                {21, QStringLiteral("Sale1")},
                {28, QStringLiteral("EFind")},
                {29, QStringLiteral("TFind")}});
    return l;
}

const NewPartLayout& NewPartLayout::P46Bar()
{
    static const NewPartLayout l =
        layout("AddNewPartsP46Bar", displayed(join({zeros(3), {T::True, T::False, T::Blank}})));
    return l;
}

const NewPartLayout& NewPartLayout::P48Bar()
{
    static const NewPartLayout l =
        layout("AddNewPartsP48Bar",
               join({cleanedHead(T::Zero), zeros(3), {T::True, T::False, T::Blank}, tail()}),
               PartLookup::ByCleanNo, {}, SearchKeyRule::Cleaned);
    return l;
}

const NewPartLayout& NewPartLayout::P49Bar()
{
    // No brand number and no display number in these rows.
    static const NewPartLayout l = layout(
        "AddNewPartsP49Bar", join({cleanedHead(T::SlotOne), {T::Blank, T::One}, zeros(4)}),
        PartLookup::ByCleanNo, {{1, QStringLiteral("AltSlot")}, {24, QStringLiteral("UpRec")}},
        SearchKeyRule::Cleaned, AltRowForm::SixValues);
    return l;
}

const NewPartLayout& NewPartLayout::P52()
{
    // The rows carry find texts and no Thai sort key, but the price update of this label
    // writes IndTName; it takes position 8, which the part row and the alternate row both
    // leave ''.
    static const NewPartLayout l =
        layout("AddNewPartsP52",
               join({{T::Zero,  T::ID,   T::K,     T::SK,   T::P,    T::A1K,  T::A1N,   T::Blank,
                      T::EFind, T::E,    T::TFind, T::T,    T::D,    T::M,    T::Blank, T::I,
                      T::Pr,    T::Zero, T::Sa,    T::Zero, T::Zero, T::Blank},
                     zeros(4),
                     {T::Blank, T::Zero, T::B, T::Zero, T::Zero, T::DN},
                     zeros(6)}),
               PartLookup::ByPartNo, {{8, QStringLiteral("IndTName")}});
    return l;
}

const NewPartLayout& NewPartLayout::P61Bar()
{
    // The numbers 1 and 0 where the other display-text rows have True and False.
    static const NewPartLayout l =
        layout("AddNewPartsP61Bar", displayed(join({zeros(3), {T::One, T::Zero, T::Blank}})),
               PartLookup::ByPartNo, {}, SearchKeyRule::Cleaned);
    return l;
}

const NewPartLayout& NewPartLayout::P64Bar()
{
    // Position 10 takes no value of the queued row; it stays the empty text. No brand number
    // and no display number in these rows.
    static const NewPartLayout l =
        layout("AddNewPartsP64Bar",
               join({{T::Zero,  T::Zero,  T::ID,    T::K,    T::SK,    T::P,    T::A1K,  T::A1N,
                      T::Blank, T::Blank, T::EFind, T::E,    T::TFind, T::T,    T::D,    T::M,
                      T::Blank, T::I,     T::Pr,    T::Zero, T::Sa,    T::Zero, T::Zero, T::Blank},
                     zeros(5),
                     {T::Blank, T::Blank},
                     zeros(3),
                     {T::Blank, T::Blank}}),
               PartLookup::ByCleanNo);
    return l;
}

// The padded rows are the same for the main part and a new alternate: each row carries its own
// identifier, key and combo and the queued row's names, prices and display texts.
const NewPartLayout& NewPartLayout::P66Bar()
{
    // UpRec, Model, Description and Import have positions of their own, which new parts leave
    // at 0 and '', so the price update finds the names it writes.
    static const NewPartLayout l = [] {
        NewPartLayout p = layout(
            "AddNewPartsP66Bar",
            join({{T::One},
                  zeros(4),
                  {T::B},
                  zeros(4),
                  {T::ID,       T::Zero, T::ENameID, T::TNameID, T::One,   T::Dealer, T::Blank,
                   T::Blank,    T::Key,  T::Combo,   T::ChrE,    T::FE,    T::E,      T::ChrT,
                   T::FT,       T::T,    T::Blank,   T::BN,      T::Blank, T::Blank,  T::Pr,
                   T::DisPrice, T::Sa,   T::DisSale, T::Blank,   T::Blank},
                  zeros(5),
                  {T::Blank},
                  zeros(4),
                  {T::DT}}),
            PartLookup::ByPaddedKey,
            {{1, QStringLiteral("Col1")},
             {2, QStringLiteral("UpRec")},
             {27, QStringLiteral("Model")},
             {29, QStringLiteral("Description")},
             {30, QStringLiteral("Import")}});
        p.altRowTokens = {T::ID,    T::Zero, T::B,  T::Dealer, T::Blank,
                          T::Combo, T::Pr,   T::Sa, T::Zero,   T::Zero};
        return p;
    }();
    return l;
}

const NewPartLayout& NewPartLayout::P68Bar()
{
    static const NewPartLayout l = [] {
        NewPartLayout p =
            layout("AddNewPartsP68Bar",
                   join({zeros(6),
                         {T::One, T::Zero, T::Zero, T::B},
                         zeros(3),
                         {T::ID,       T::Zero,  T::ENameID, T::TNameID,     T::Zero,  T::BN,
                          T::Genuine,  T::Blank, T::Blank,   T::Key,         T::Combo, T::ChrE,
                          T::FE,       T::E,     T::ChrT,    T::FT,          T::T,     T::DescEvery,
                          T::Blank,    T::Blank, T::M1,      T::ImportEvery, T::One,   T::Pr,
                          T::DisPrice, T::Zero,  T::Sa,      T::DisSale,     T::Zero,  T::Blank,
                          T::Blank,    T::Zero,  T::Blank,   T::Zero,        T::Blank},
                         zeros(10),
                         {T::DT}}),
                   PartLookup::ByPaddedKey);
        p.altRowTokens = {T::ID,      T::Zero, T::B,  T::Zero, T::Combo, T::Combo,
                          T::Genuine, T::Pr,   T::Sa, T::Zero, T::Zero};
        p.barCode = true;
        p.modelLinks = true;
        p.suzukiCombos = true;
        return p;
    }();
    return l;
}

namespace {
// Every label with a layout of its own, and the layout its writer inserts.
const QHash<QString, const NewPartLayout*>& byLabel()
{
    using L = NewPartLayout;
    static const QHash<QString, const NewPartLayout*> table{
        {QStringLiteral("Ver 3.1 SQL"), &L::Ver31Sql()},
        {QStringLiteral("V.31"), &L::V31()},
        {QStringLiteral("V.32"), &L::V31()},
        {QStringLiteral("V.33"), &L::V33()},
        {QStringLiteral("V.34"), &L::V34()},
        {QStringLiteral("V.41"), &L::V31()},
        {QStringLiteral("V.42"), &L::V42()},
        {QStringLiteral("V.43"), &L::V43()},
        {QStringLiteral("V.45"), &L::V45()},
        {QStringLiteral("V.46 (Bar)"), &L::V46Bar()},
        {QStringLiteral("V.51"), &L::V31()},
        {QStringLiteral("V.61"), &L::V31()},
        {QStringLiteral("P.42"), &L::V31()},
        {QStringLiteral("P.43"), &L::P43()},
        {QStringLiteral("P.44 (Bar)"), &L::P44Bar()},
        {QStringLiteral("P.45 (Bar)"), &L::P45Bar()},
        {QStringLiteral("P.46 (Bar)"), &L::P46Bar()},
        {QStringLiteral("P.47001 (Bar)"), &L::P46Bar()},
        {QStringLiteral("P.48 (Bar)"), &L::P48Bar()},
        {QStringLiteral("P.49 (Bar)"), &L::P49Bar()},
        {QStringLiteral("P.52"), &L::P52()},
        {QStringLiteral("P.61 (Bar)"), &L::P61Bar()},
        {QStringLiteral("P.62 (Bar)"), &L::P46Bar()},
        {QStringLiteral("P.64 (Bar)"), &L::P64Bar()},
        {QStringLiteral("P.65 (Bar)"), &L::P64Bar()},
        {QStringLiteral("P.66 (Bar)"), &L::P66Bar()},
        {QStringLiteral("P.68 (Bar)"), &L::P68Bar()},
        {QStringLiteral("D.47 (Bar)"), &L::P46Bar()},
    };
    return table;
}
} // namespace

const NewPartLayout* NewPartLayout::forLabel(const QString& label)
{
    return byLabel().value(label, nullptr);
}

const NewPartLayout* NewPartLayout::ofWriter(const QString& writerName)
{
    for (const NewPartLayout* layout : byLabel()) {
        if (layout->name == writerName)
            return layout;
    }
    return nullptr;
}

} // namespace lostrand
