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

    // The tables of a delivery and of the preparation passes. The raw tables PriceNew_<n> and
    // PriceLast_<n> hold an auto-numbered ID and the 32 item columns (a HONDA list also FPartNO
    // and PartNew); the working table PriceList and the delivered PriceList_New have the 34
    // columns of the row layout.
    static QStringList itemColumnNames();
    static QString createPriceNewCount();
    // The table PriceNew_<n> and its row in PriceNew_Count.
    static QStringList createPriceNewTable(int n, bool hondaColumns = false);
    static QString createWorkingTable();
    static QString createPriceListNew();
    static QString createPriceLastCount();
    // The table PriceLast_<n> and its row in PriceLast_Count.
    static QStringList createPriceLastTable(int n);
    // English names by part number.
    static QString createPriceNewO();
    // A row of the item columns alone, by name, so a raw table numbers it itself.
    static QString insertItemRow(const QString& table, const PriceListRow& row);
};

} // namespace lostrand
