#pragma once

#include "demo/PriceListSchema.h"
#include "demo/TargetSchema.h"
#include "support/FakeWindow.h"
#include "support/TestDatabase.h"
#include "window/RunState.h"
#include "window/TransferPhases.h"

#include <QHash>
#include <QStringList>
#include <functional>

namespace lostrand::test {

// Phases that note their calls in order and run what a test gives them.
struct RecordingPhases
{
    QStringList calls;
    qint16 hasRows = 0;
    QHash<QString, std::function<void(RunState&)>> actions;

    TransferPhases phases()
    {
        const auto step = [this](const QString& name) {
            return [this, name](RunState& state) { record(name, state); };
        };
        TransferPhases p;
        p.ProcessPriceListTables = step(QStringLiteral("ProcessPriceListTables"));
        p.CollectChangedParts = step(QStringLiteral("CollectChangedParts"));
        p.PriceListAllHasRows = [this](RunState& state) -> qint16 {
            record(QStringLiteral("PriceListAllHasRows"), state);
            return hasRows;
        };
        p.ProcessPriceListAll = step(QStringLiteral("ProcessPriceListAll"));
        p.ListPriceDifferences = step(QStringLiteral("ListPriceDifferences"));
        p.RegroupAlternates = step(QStringLiteral("RegroupAlternates"));
        return p;
    }

private:
    void record(const QString& name, RunState& state)
    {
        calls.append(name);
        if (const auto action = actions.value(name))
            action(state);
    }
};

// A price-list file and a target for brand ZARAV (number 7) under a label, with the window's
// fields pointing at both in Access mode.
struct RunFixture
{
    explicit RunFixture(const QString& label = QStringLiteral("V.31"), int brandId = 7)
    {
        source = db.create(QStringLiteral("PriceList_ZARAV.mdb"), PriceListSchema::createFile());
        target = db.create(QStringLiteral("Valcorin.accdb"),
                           TargetSchema::common(label, QStringLiteral("ZARAV"), brandId));
        window.setText(QStringLiteral("txtPriceList"), source);
        window.setText(QStringLiteral("txtDataValcorin"), target);
        state.BrandName = QStringLiteral("ZARAV");
    }

    // Opens both connections the way the command does once the label and brand are known.
    void openBoth(const QString& label, int brandId)
    {
        state.cnPriceList().setConnectionString(TestDatabase::accessSourceString(source));
        state.cnPriceList().open();
        state.cnADO2().setConnectionString(TestDatabase::accessTargetString(target));
        state.cnADO2().open();
        state.DBVersion = label;
        state.BrandID = brandId;
    }

    qint64 count(const QString& file, const QString& sql) const
    {
        return TestDatabase::scalar(file, sql).toLongLong();
    }

    TestDatabase db;
    QString source;
    QString target;
    FakeWindow window;
    RunState state{window};
    RecordingPhases recorded;
};

} // namespace lostrand::test
