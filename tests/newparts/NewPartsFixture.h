#pragma once

#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "transfer/PriceItem.h"
#include "transfer/StagingQueue.h"
#include "window/RunState.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace lostrand::test {

// A numbered-layout target of one label (brand ZARAV as 7) with an open RunState over a
// FakeWindow that points at it.
class NewPartsFixture : public ::testing::Test
{
protected:
    static constexpr int Brand = 7;

    void makeTarget(const QString& label, const QStringList& extra = {})
    {
        QStringList statements = TargetSchema::common(label, QStringLiteral("ZARAV"), Brand);
        statements << TargetSchema::numberedLayout(label, Brand) << extra;
        target = db.create(QStringLiteral("Valcorin%1.accdb").arg(++targets), statements);
        window.setText(QStringLiteral("txtDataValcorin"), target);
        state.rsMain.close();
        state.rsLookup.close();
        state.releaseTarget();
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(target));
        state.cnADO2().open();
        state.BrandName = QStringLiteral("ZARAV");
        state.BrandID = Brand;
        state.DBVersion = label;
        state.UpdateTexts = 1;
    }

    void queue(const PriceItem& item)
    {
        state.executeTarget(StagingQueue::insertStatement(state, item));
    }

    static PriceItem item(const QString& kind, const QString& partNo)
    {
        PriceItem i;
        i.Kind = kind;
        i.PartNO = partNo;
        i.EName = QStringLiteral("ENAME");
        i.TName = QStringLiteral("เกียร์");
        i.Model[0] = QStringLiteral("BT-50");
        i.Model[3] = QStringLiteral("RANGER");
        i.Description = QStringLiteral("DESC");
        i.Import = QStringLiteral("IMP");
        i.Price = *Currency::parse(QStringLiteral("12.5"));
        i.Sale = Currency::fromInt(10);
        return i;
    }

    QList<QVariantList> rows(const QString& sql) const { return TestDatabase::rows(target, sql); }
    int count(const QString& sql) const { return TestDatabase::scalar(target, sql).toInt(); }
    // The first row of a select, its values joined by "|".
    QString joined(const QString& sql) const
    {
        const auto all = rows(sql);
        QStringList values;
        if (!all.isEmpty()) {
            for (const QVariant& v : all.first())
                values << v.toString();
        }
        return values.join(QLatin1Char('|'));
    }

    TestDatabase db;
    FakeWindow window;
    RunState state{window};
    QString target;

private:
    int targets = 0;
};

} // namespace lostrand::test
