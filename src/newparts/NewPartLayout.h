#pragma once

#include <QString>
#include <vector>

namespace lostrand {

// One value of a new part row, by what it stands for. A row is a list of these, written by
// position without a column list, so the list is the part table's column order.
enum class RowToken
{
    Zero,     // 0
    One,      // 1
    True,     // the bare word True (1 on SQL Server)
    False,    // the bare word False (0 on SQL Server)
    Blank,    // ''
    ID,       // the identifier of the part the row belongs to
    K,        // its kind
    SK,       // its search key
    P,        // its number
    A1K,      // AKind_1 of the queued row ('' in an alternate's row)
    A1N,      // AltNO_1 of the queued row ('' in an alternate's row)
    E,        // EName
    IT,       // the Thai sort key of T
    T,        // TName, or EName when TName is blank
    D,        // Description ('' in an alternate's row)
    I,        // Import ('' in an alternate's row)
    M,        // the joined models
    Pr,       // Price
    Sa,       // Sale
    B,        // the brand number
    DN,       // the display number of the part the row belongs to
    DT,       // today's date number
    F,        // 1 when the sale price differs from the price, else 0
    MainOne,  // 1 in the main part's row, 0 in an alternate's
    DisPrice, // the queued display text of the price
    DisSale,  // the queued display text of the sale price
    EFind,    // the English name, two blanks and the models (the name before TName is filled)
    TFind,    // the same of T
    SlotOne,  // 0 in the rows of the main part and of the first alternate, 1 in the others'
    // The padded layout's values:
    Dealer,  // the fixed text 'แท้เบิกห้าง' (genuine, drawn from the dealer)
    Genuine, // the fixed text 'แท้' (genuine)
    BN,      // the brand name
    Key,     // NormalizePartNo of the part's own combo: the FPartNO it is found by
    Combo,   // the part's own part-number combo
    ENameID, // the queued row's English-name identifier
    TNameID, // its Thai-name identifier
    ChrE,    // the initial of E
    ChrT,    // the initial of T
    FE,      // the find form of E
    FT,      // the find form of T
    M1,      // the first model, cleaned and cut to 30 characters
    DescEvery,   // Description, in every row of the key
    ImportEvery, // Import, in every row of the key
};

// How a writer finds a number in the part table.
enum class PartLookup
{
    ByPartNo,  // kind and part number; no kind term when the kind is blank
    ByCleanNo, // FPartNO against the cleaned number; the main part adds its kind term
    // FPartNO against the key of the number's combo, which holds the kind; this look-up comes
    // with the padded tables (Pta_, Pta_Alt_, Pta_AltG_ and the brand's suffix), the "PartID"
    // counter and the name identifiers.
    ByPaddedKey,
};

// The search key a new part row carries after its kind.
enum class SearchKeyRule
{
    Brand,   // by brand and label
    Cleaned, // the cleaned number, whatever the brand
};

// The alternate row a new part gets.
enum class AltRowForm
{
    FourValues, // id, kind, number, price
    SixValues,  // id, 1, kind, number, price, sale
};

// What one new-part writer does differently from the others; the loop is shared.
struct NewPartLayout
{
    QString name;
    PartLookup lookup = PartLookup::ByPartNo;
    SearchKeyRule searchKey = SearchKeyRule::Brand;
    AltRowForm altRow = AltRowForm::FourValues;
    std::vector<RowToken> partRow;
    // The alternate row as tokens, where the fixed forms above do not describe it.
    std::vector<RowToken> altRowTokens;
    // A new main part also gets its Pta_BarCode row (before its part row).
    bool barCode = false;
    // Each new part is linked to the queued row's models (after its alternate row).
    bool modelLinks = false;
    // Under the brand "SUZUKI" the part-number combos keep their separators.
    bool suzukiCombos = false;
    // Column names for the schema of the demo and test targets, by position (1-based); the
    // statements name no column.
    std::vector<std::pair<int, QString>> columnNames;

    bool uses(RowToken token) const;
    bool padded() const { return lookup == PartLookup::ByPaddedKey; }
    // The alternate row's values in order, whatever form describes it.
    std::vector<RowToken> altRowValues() const;
    // The column the schema gives a position: the product's name where the rest of the system
    // reads or updates that value, else a name of its own.
    QString columnName(int position) const;

    static const NewPartLayout& Ver31Sql();
    static const NewPartLayout& V31();
    static const NewPartLayout& V33();
    static const NewPartLayout& V34();
    static const NewPartLayout& V42();
    static const NewPartLayout& V43();
    static const NewPartLayout& V45();
    static const NewPartLayout& V46Bar();
    static const NewPartLayout& P43();
    static const NewPartLayout& P44Bar();
    static const NewPartLayout& P45Bar();
    static const NewPartLayout& P46Bar();
    static const NewPartLayout& P48Bar();
    static const NewPartLayout& P49Bar();
    static const NewPartLayout& P52();
    static const NewPartLayout& P61Bar();
    static const NewPartLayout& P64Bar();
    static const NewPartLayout& P66Bar();
    static const NewPartLayout& P68Bar();

    // The layout a label's new-part writer inserts, or nullptr when none is built for it.
    static const NewPartLayout* forLabel(const QString& label);
    // The layout of the writer of that name, or nullptr when it is not built.
    static const NewPartLayout* ofWriter(const QString& writerName);
};

} // namespace lostrand
