#include "transfer/MainPass.h"

#include "common/BlankText.h"
#include "common/PartKeys.h"
#include "transfer/Dispatch.h"
#include "transfer/PhaseTexts.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"
#include "window/StatusLine.h"
#include "window/TargetConnection.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {
const QString Txt = QStringLiteral("txtQTY");
const QString TxtPart = QStringLiteral("txtPartNO");
} // namespace

QString MainPass::rowColumns()
{
    return QStringLiteral(
        "Kind, PartNO, PartNew, AKind_1, AltNO_1, AKind_2, AltNO_2, AKind_3, AltNO_3, AKind_4, "
        "AltNO_4, AKind_5, AltNO_5, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, "
        "Model_6, Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, "
        "Price, DisPrice, Sale, DisSale ");
}

bool MainPass::ReadTableList(RunState& state)
{
    state.openOnSource(state.rsMain,
                       QStringLiteral("Select Count From PriceList_Count Order By Count"));
    if (state.rsMain.eof()) {
        state.rsMain.close();
        return false;
    }
    state.PriceListNoCount = static_cast<qint32>(state.rsMain.recordCount());
    state.PriceListNo.assign(static_cast<size_t>(state.PriceListNoCount) + 1, 0);
    // Fill from the rows actually read, whatever the count said.
    size_t i = 0;
    for (; !state.rsMain.eof() && i < state.PriceListNo.size() - 1; ++i) {
        state.PriceListNo[i] = SourceRow::int16(state.rsMain, QStringLiteral("Count"));
        state.rsMain.moveNext();
    }
    state.PriceListNoCount = static_cast<qint32>(i);
    state.rsMain.close();
    return true;
}

void MainPass::ProcessPriceListTables(RunState& state)
{
    state.window.setText(Txt, StatusLine::start(PhaseTexts::moving(), state.BrandName));
    state.window.pumpEvents();
    if (!ReadTableList(state))
        return;
    const qint32 count = state.PriceListNoCount;
    for (qint32 i = 0; i < count; ++i)
        processTable(state, state.PriceListNo[static_cast<size_t>(i)]);
}

void MainPass::processTable(RunState& state, qint16 n)
{
    TargetConnection::Reconnect(state);
    state.executeTarget(QStringLiteral("Delete From PriceList Where BrandID = ") +
                        state.brandText());
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + rowColumns() +
                                         QStringLiteral("From PriceList_") + QString::number(n) +
                                         QStringLiteral(" Order By PartNO"));
    const qint64 total = state.rsMain.recordCount();
    qint64 j = 0;
    while (!state.rsMain.eof()) {
        PriceItem item = readRow(state);
        const QString models = PartKeys::JoinModels(item.Model);
        CloseUpAlternates(item);
        SourceRow::applySaleRule(item);
        const QString label = StatusLine::itemLabel(item.EName, item.TName, models);
        ++j;
        state.window.setText(Txt, StatusLine::progress(PhaseTexts::pricing(), state.BrandName,
                                                       StatusLine::tableMark(n), j, total));
        state.window.setText(TxtPart, StatusLine::item(item.Kind, item.PartNO, label));
        state.window.pumpEvents();
        Dispatch::ApplyPriceRow(state, item);
        for (const PriceItem& alternate : AlternateItems(item))
            Dispatch::ApplyPriceRow(state, alternate);
        state.rsMain.moveNext();
    }
    state.rsMain.close();
    Dispatch::ChooseAddNewParts(state, n);
    state.window.setText(Txt, StatusLine::end(PhaseTexts::newParts(), state.BrandName));
}

PriceItem MainPass::readRow(RunState& state)
{
    const Recordset& rs = state.rsMain;
    PriceItem item;
    item.Kind = SourceRow::text(rs, QStringLiteral("Kind"));
    // The brand BENZ numbers its parts by PartNew; other brands never read that column, so a
    // Null there stops nothing.
    item.PartNO =
        SourceRow::text(rs, state.BrandName == QLatin1String("BENZ") ? QStringLiteral("PartNew")
                                                                     : QStringLiteral("PartNO"));
    SourceRow::readCommon(rs, item);
    return item;
}

void MainPass::CloseUpAlternates(PriceItem& item)
{
    const size_t slotCount = item.AltNO.size();
    for (size_t target = 0; target + 1 < slotCount; ++target) {
        if (!BlankText::isBlank(item.AltNO[target]))
            continue;
        for (size_t from = target + 1; from < slotCount; ++from) {
            if (BlankText::isBlank(item.AltNO[from]))
                continue;
            item.AKind[target] = item.AKind[from];
            item.AltNO[target] = item.AltNO[from];
            item.AKind[from].clear();
            item.AltNO[from].clear();
            break;
        }
    }
}

std::vector<PriceItem> MainPass::AlternateItems(const PriceItem& item)
{
    std::vector<PriceItem> items;
    for (size_t i = 0; i < item.AltNO.size(); ++i) {
        const QString& number = item.AltNO[i];
        const QString& kind = item.AKind[i];
        if (BlankText::isBlank(number) || number == item.PartNO)
            continue;
        if (!BlankText::isBlank(kind) && kind == item.Kind)
            continue;
        PriceItem alternate = item;
        alternate.Kind = kind;
        alternate.PartNO = number;
        alternate.AKind.fill(QString());
        alternate.AltNO.fill(QString());
        items.push_back(alternate);
    }
    return items;
}

} // namespace lostrand
