#pragma once

#include <QString>

namespace lostrand {

// What one price writer of the numbered layout does where the members differ; every other
// step is the same for all of them.
struct PriceWriterVariant
{
    // The column the part number is matched on: PartNO with the trimmed number, or FPartNO
    // with the number without blanks, "/" and "-".
    enum class MatchKey
    {
        PartNo,
        CleanedPartNo
    };
    // The part-table columns of a name update beside the name itself: nothing or the Thai
    // sort key, or the find text (name, two blanks, models).
    enum class NameExtra
    {
        None,
        SortKey,
        FindText
    };
    // When DisPrice and DisSale reach the part table.
    enum class DisplayTexts
    {
        Never,
        ByLabel,
        Always
    };

    MatchKey matchKey = MatchKey::PartNo;
    NameExtra englishExtra = NameExtra::None;
    NameExtra thaiExtra = NameExtra::SortKey;
    QString priceColumn = QStringLiteral("Price");
    QString saleColumn = QStringLiteral("Sale");
    DisplayTexts displayTexts = DisplayTexts::ByLabel;
    // The notice before the Thai-name statement to the part table when cnADO2 is not open.
    bool noticeWhenClosed = false;
    // A further match by the normalized part number while RetryCleanPartNo is 1.
    bool secondMatch = false;
};

} // namespace lostrand
