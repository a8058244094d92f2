#pragma once

#include "demo/PriceListSchema.h"
#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "transfer/Dispatch.h"
#include "window/RunState.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace lostrand::test {

// A price-list file and a numbered-layout target (brand ZARAV as 7), a RunState over a
// FakeWindow pointing at both, and recording writers in place of the dispatch's own.
class TransferFixture : public ::testing::Test
{
protected:
    static constexpr int Brand = 7;

    void SetUp() override
    {
        savedPrice = Dispatch::priceWriters();
        savedNewParts = Dispatch::newPartWriters();
        savedSecondPass = Dispatch::secondPassWriters();
        source = db.create(QStringLiteral("PriceList_ZARAV.mdb"), PriceListSchema::createFile());
        QStringList target =
            TargetSchema::common(QStringLiteral("V.61"), QStringLiteral("ZARAV"), Brand);
        target << QStringLiteral("Create Table Alt7 (AltID Long, AKind Text(1), APartNO Text(40), "
                                 "APrice Currency)")
               << QStringLiteral("Create Table AltG7 (Flag Long, PartID Long, AltID Long)");
        targetPath = db.create(QStringLiteral("Valcorin.accdb"), target);
        window.setText(QStringLiteral("txtDataValcorin"), targetPath);
        window.setText(QStringLiteral("txtPriceList"), source);
        state.BrandName = QStringLiteral("ZARAV");
        state.BrandID = Brand;
        state.DBVersion = QStringLiteral("V.61");
        state.UpdateTexts = 1;
        state.cnPriceList().setConnectionString(TestDatabase::accessSourceString(source));
        state.cnPriceList().open();
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(targetPath));
        state.cnADO2().open();
        recordWriters();
    }

    void TearDown() override
    {
        Dispatch::priceWriters() = savedPrice;
        Dispatch::newPartWriters() = savedNewParts;
        Dispatch::secondPassWriters() = savedSecondPass;
    }

    // Every price writer records the item it got; every new-part writer records its table.
    void recordWriters()
    {
        for (auto& entry : Dispatch::priceWriters()) {
            const QString name = entry.name;
            entry.writer = [this, name](RunState&, const PriceItem& item) {
                priced.push_back(item);
                pricedBy.append(name);
            };
        }
        for (auto& entry : Dispatch::secondPassWriters()) {
            const QString name = entry.name;
            entry.writer = [this, name](RunState&, const PriceItem& item) {
                priced.push_back(item);
                pricedBy.append(name);
            };
        }
        for (auto& entry : Dispatch::newPartWriters()) {
            const QString name = entry.name;
            entry.writer = [this, name](RunState&, qint16 n) {
                newPartsCalls.append(n);
                newPartsBy.append(name);
            };
        }
    }

    void addTable(int n, const std::vector<PriceListRow>& rows)
    {
        QStringList statements = PriceListSchema::createTable(n);
        for (const auto& row : rows)
            statements << PriceListSchema::insertRow(QStringLiteral("PriceList_%1").arg(n), row);
        db.create(QStringLiteral("PriceList_ZARAV.mdb"), statements);
    }

    static PriceListRow row(const QString& kind, const QString& partNo,
                            const QString& price = "100")
    {
        PriceListRow r;
        r.Kind = kind;
        r.PartNO = partNo;
        r.EName = QStringLiteral("NAME ") + partNo;
        r.TName = QStringLiteral("ชื่อ ") + partNo;
        r.Price = price;
        return r;
    }

    TestDatabase db;
    QString source;
    QString targetPath;
    FakeWindow window;
    RunState state{window};
    std::vector<PriceItem> priced;
    QStringList pricedBy;
    QList<qint16> newPartsCalls;
    QStringList newPartsBy;

private:
    std::vector<Dispatch::PriceEntry> savedPrice;
    std::vector<Dispatch::NewPartEntry> savedNewParts;
    std::vector<Dispatch::PriceEntry> savedSecondPass;
};

} // namespace lostrand::test
