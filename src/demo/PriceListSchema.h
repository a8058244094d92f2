#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace lostrand {

// One row of a price-list table, in the 34 columns of the file's row layout.
struct PriceListRow
{
    QString Kind;
    QString PartNO;
    QString PartNew;
    QString FPartNew;
    std::array<QString, 5> AKind;
    std::array<QString, 5> AltNO;
    QString EName;
    QString TName;
    std::array<QString, 12> Model;
    QString Description;
    QString Import;
    QString Price = QStringLiteral("0"); // numbers as SQL literals
    QString DisPrice;
    QString Sale = QStringLiteral("0");
    QString DisSale;
};

// The brand's price-list file as the transfer reads it: PriceList_Count, the numbered
// PriceList_<n> tables and PriceListAll, all with the same 34 columns in the same order.
class PriceListSchema
{
public:
    static QStringList columnNames();
    // PriceList_Count and an empty PriceListAll.
    static QStringList createFile();
    // The table PriceList_<n> and its row in PriceList_Count.
    static QStringList createTable(int n);
    static QString insertRow(const QString& table, const PriceListRow& row);
};

} // namespace lostrand
