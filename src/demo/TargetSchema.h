#pragma once

#include <QString>
#include <QStringList>

namespace lostrand {

// The target's tables as the transfer uses them. Column types are the Access ones, which the
// embedded engine takes as they stand.
class TargetSchema
{
public:
    // System with the label, Brand and Pta_BrandID with the brand, LastID, and the staging
    // table PriceList with its indexes.
    static QStringList common(const QString& label, const QString& brandName, int brandId);
    // The staging table in the column order the writers insert by.
    static QStringList stagingTable();
    // The alternate-group tables of the numbered layout: AltG and FacD of the brand, Fac and
    // the work table AltGX.
    static QStringList numberedGroupTables(int brandId);
    // The alternate-group tables of the padded layout for the table suffix nn: Pta_AltG_ and
    // the work table Pta_AltGX.
    static QStringList paddedGroupTables(const QString& nn);
    // A part table with only its identifier, for what reads no other column.
    static QStringList minimalPartTable(const QString& name);
    // A numbered-layout brand's tables under a label: Pta<B> with the columns of the label's
    // new-part rows, Alt<B>, AltG<B>, FacD<B>, and the shared Fac, AltGX, MovementStock, SPG,
    // Price and Sale.
    static QStringList numberedLayout(const QString& label, int brandId);
    // A padded-layout brand's own tables under "P.66 (Bar)" or "P.68 (Bar)": Pta_, Pta_Alt_ and
    // Pta_AltG_ with the brand's suffix, Pta_ and Pta_Alt_ with the columns of the label's
    // new-part rows.
    static QStringList paddedBrandTables(const QString& label, int brandId);
    // The brand's tables and the layout's shared ones: Pta_AltGX, Pta_Doc, DetailSaleRem,
    // Pta_BarCode, Pta_ModelID, Pta_BrandCar and Pta_Model.
    static QStringList paddedLayout(const QString& label, int brandId);
};

} // namespace lostrand
