#pragma once

#include "demo/PriceListSchema.h"
#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "window/RunState.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace lostrand::test {

// A price-list file with the table lists, the working table and PriceList_New, opened as
// cnPriceList of a RunState over a FakeWindow; the brand is ZARAV unless a test sets another.
class PrepareFixture : public ::testing::Test
{
protected:
    static constexpr int Brand = 7;

    void SetUp() override
    {
        QStringList file = PriceListSchema::createFile();
        file << PriceListSchema::createPriceNewCount() << PriceListSchema::createWorkingTable()
             << PriceListSchema::createPriceListNew() << PriceListSchema::createPriceLastCount();
        source = db.create(FileName, file);
        state.BrandName = QStringLiteral("ZARAV");
        state.cnPriceList().setConnectionString(TestDatabase::accessSourceString(source));
        state.cnPriceList().open();
    }

    // Runs statements on the price-list file beside the pass's connection.
    void run(const QStringList& statements) { db.create(FileName, statements); }

    // A raw table PriceNew_<n>, listed in PriceNew_Count, with its rows.
    void addRawTable(int n, const std::vector<PriceListRow>& rows = {}, bool honda = false)
    {
        run(PriceListSchema::createPriceNewTable(n, honda));
        addRawRows(n, rows);
    }

    void addRawRows(int n, const std::vector<PriceListRow>& rows)
    {
        QStringList statements;
        for (const auto& r : rows)
            statements << PriceListSchema::insertItemRow(QStringLiteral("PriceNew_%1").arg(n), r);
        run(statements);
    }

    // A numbered table PriceList_<n>, listed in PriceList_Count, with its rows.
    void addPriceListTable(int n, const std::vector<PriceListRow>& rows = {})
    {
        QStringList statements = PriceListSchema::createTable(n);
        for (const auto& r : rows)
            statements << PriceListSchema::insertRow(QStringLiteral("PriceList_%1").arg(n), r);
        run(statements);
    }

    void addRows(const QString& table, const std::vector<PriceListRow>& rows)
    {
        QStringList statements;
        for (const auto& r : rows)
            statements << PriceListSchema::insertRow(table, r);
        run(statements);
    }

    // A numbered-layout target for brand 7, opened as cnADO2 with BrandID set.
    QString openTarget(const QStringList& statements = {})
    {
        QStringList target =
            TargetSchema::common(QStringLiteral("V.61"), QStringLiteral("ZARAV"), Brand);
        target << statements;
        const QString path = db.create(QStringLiteral("Valcorin.accdb"), target);
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(path));
        state.cnADO2().open();
        state.BrandID = Brand;
        return path;
    }

    QList<QVariantList> rows(const QString& sql) const { return TestDatabase::rows(source, sql); }
    QVariant scalar(const QString& sql) const { return TestDatabase::scalar(source, sql); }
    // The first column of every row, as texts.
    QStringList column(const QString& sql) const
    {
        QStringList out;
        for (const auto& r : rows(sql))
            out << r.value(0).toString();
        return out;
    }

    static PriceListRow row(const QString& kind, const QString& partNo,
                            const QString& price = QStringLiteral("100"))
    {
        PriceListRow r;
        r.Kind = kind;
        r.PartNO = partNo;
        r.EName = QStringLiteral("NAME ") + partNo;
        r.TName = QStringLiteral("ชื่อ ") + partNo;
        r.Price = price;
        return r;
    }

    inline static const QString FileName = QStringLiteral("PriceList_ZARAV.mdb");
    TestDatabase db;
    QString source;
    FakeWindow window;
    RunState state{window};
};

} // namespace lostrand::test
