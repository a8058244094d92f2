#include "transfer/ChangeReports.h"

#include "common/BlankText.h"
#include "common/KindPartKey.h"
#include "transfer/ChangeCheck.h"
#include "transfer/ItemValues.h"
#include "transfer/MainPass.h"
#include "window/RunState.h"
#include "window/RunStop.h"
#include "window/StatusLine.h"
#include "window/TargetConnection.h"
#include "window/VersionLabels.h"
#include "window/WindowPort.h"

#include <QStringList>

namespace lostrand {

namespace {

const QString StartPhase = QStringLiteral("กำลังครวจสอบข้อมูล  ");
const QString CheckPhase = QStringLiteral("กำลังตรวจสอบข้อมูล  ");
const QString Txt = QStringLiteral("txtQTY");
const QString TxtPart = QStringLiteral("txtPartNO");

enum class Report
{
    Collect,
    List
};

QString insertStatement(RunState& state, const CheckedRow& row)
{
    const Connection& cn = state.cnPriceList();
    const PriceItem& item = row.item;
    QStringList values{cn.quote(item.Kind), cn.quote(item.PartNO), cn.quote(row.PartNew),
                       cn.quote(row.FPartNew)};
    values << ItemValues::alternates(cn, item, ItemValues::PairOrder::KindFirst)
           << ItemValues::details(cn, item);
    return QStringLiteral("Insert Into PriceListAll Values( ") + values.join(QStringLiteral(", ")) +
           QStringLiteral(" )");
}

void collect(RunState& state, const CheckedRow& row)
{
    const QString readBack =
        QStringLiteral("Select PartNO From PriceListAll ") +
        KindPartKey::where(state.cnPriceList(), row.item.Kind, row.item.PartNO);
    for (int attempt = 0; attempt < ChangeReports::InsertTries; ++attempt) {
        state.executeSource(insertStatement(state, row));
        state.openOnSource(state.rsCheck, readBack);
        const bool found = !state.rsCheck.eof();
        state.rsCheck.close();
        if (found)
            return;
    }
    throw RunStop(QStringLiteral("PriceListAll does not keep the row of %1").arg(row.item.PartNO));
}

void listRow(RunState& state, const CheckedRow& row, const CheckResult& result, int& r)
{
    WindowPort& w = state.window;
    if (w.gridRows() == r + 1)
        w.setGridRows(w.gridRows() + 1);
    const PriceItem& item = row.item;
    const bool isNew = result.difference == Difference::NewItem;
    const QString number =
        BlankText::isBlank(item.Kind)
            ? item.PartNO
            : item.Kind + (isNew ? QStringLiteral(" - ") : QStringLiteral("-")) + item.PartNO;
    QString stored;
    QString current = item.Price.toString();
    if (result.difference == Difference::ChangedPrice) {
        stored = result.storedPrice.toString();
    } else if (result.difference == Difference::ChangedSale) {
        stored = result.storedSale.toString();
        current = item.Sale.toString();
    }
    const QStringList cells{QString::number(r),
                            isNew ? QStringLiteral("New") : QString(),
                            number,
                            item.TName,
                            row.models,
                            stored,
                            current};
    for (int column = 1; column <= cells.size(); ++column)
        w.setGridText(r, column, cells.at(column - 1));
    w.pumpEvents();
    ++r;
}

void walkTable(RunState& state, Report report, const ChangeCheck::Layout& layout, qint16 n, int& r)
{
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + ChangeCheck::rowColumns() +
                                         QStringLiteral("From PriceList_") + QString::number(n) +
                                         QStringLiteral(" Order By PartNO"));
    const qint64 total = state.rsMain.recordCount();
    qint64 j = 0;
    // The re-check's row text has one blank before "(", the listing's two.
    const QString gap = report == Report::Collect ? QStringLiteral(" ") : QStringLiteral("  ");
    while (!state.rsMain.eof()) {
        const CheckedRow row = ChangeCheck::readRow(state.rsMain);
        ++j;
        state.window.setText(Txt, StatusLine::progress(CheckPhase, state.BrandName,
                                                       StatusLine::tableMark(n), j, total, gap));
        state.window.setText(TxtPart, StatusLine::item(row.item.Kind, row.item.PartNO, row.label));
        state.window.pumpEvents();
        const CheckResult result = ChangeCheck::classify(state, row, layout);
        if (result.difference != Difference::None) {
            if (report == Report::Collect)
                collect(state, row);
            else
                listRow(state, row, result, r);
        }
        state.rsMain.moveNext();
    }
    state.rsMain.close();
}

void walk(RunState& state, Report report, bool padded)
{
    state.window.setText(Txt, StatusLine::start(StartPhase, state.BrandName));
    state.window.pumpEvents();
    if (report == Report::Collect)
        state.executeSource(QStringLiteral("Delete From PriceListAll"));
    const ChangeCheck::Layout layout{
        padded, padded ? TableNames::paddedSuffix(state.version(), state.BrandID) : QString()};
    if (MainPass::ReadTableList(state)) {
        int r = 1;
        const qint32 count = state.PriceListNoCount;
        for (qint32 i = 0; i < count; ++i) {
            if (report == Report::List)
                TargetConnection::Reconnect(state);
            walkTable(state, report, layout, state.PriceListNo[static_cast<size_t>(i)], r);
        }
    }
    state.window.pumpEvents();
    state.window.setText(Txt, StatusLine::end(CheckPhase, state.BrandName));
}

} // namespace

void ChangeReports::CollectChangedParts(RunState& state)
{
    if (VersionLabels::isPadded(state.version()))
        CollectChangedPartsPadded(state);
    else
        CollectChangedPartsNumbered(state);
}

void ChangeReports::CollectChangedPartsNumbered(RunState& state)
{
    walk(state, Report::Collect, false);
}

void ChangeReports::CollectChangedPartsPadded(RunState& state)
{
    walk(state, Report::Collect, true);
}

void ChangeReports::ListPriceDifferences(RunState& state)
{
    if (VersionLabels::isPadded(state.version()))
        ListPriceDifferencesPadded(state);
    else
        ListPriceDifferencesNumbered(state);
}

void ChangeReports::ListPriceDifferencesNumbered(RunState& state)
{
    walk(state, Report::List, false);
}

void ChangeReports::ListPriceDifferencesPadded(RunState& state)
{
    walk(state, Report::List, true);
}

} // namespace lostrand
