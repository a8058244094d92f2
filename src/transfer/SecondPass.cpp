#include "transfer/SecondPass.h"

#include "common/PartKeys.h"
#include "transfer/Dispatch.h"
#include "transfer/PhaseTexts.h"
#include "transfer/SourceRow.h"
#include "window/RunState.h"
#include "window/StatusLine.h"
#include "window/WindowPort.h"

namespace lostrand {

namespace {
const QString Txt = QStringLiteral("txtQTY");

QString rowColumns()
{
    return QStringLiteral(
        "Kind, PartNO, EName, TName, Model_1, Model_2, Model_3, Model_4, Model_5, Model_6, "
        "Model_7, Model_8, Model_9, Model_10, Model_11, Model_12, Description, Import, Price, "
        "DisPrice, Sale, DisSale ");
}
} // namespace

qint16 SecondPass::PriceListAllHasRows(RunState& state)
{
    state.openOnSource(state.rsMain, QStringLiteral("Select PartNO From PriceListAll"));
    const bool hasRows = !state.rsMain.eof();
    state.rsMain.close();
    return hasRows ? 1 : 0;
}

void SecondPass::ProcessPriceListAll(RunState& state)
{
    state.window.setText(Txt, StatusLine::start(PhaseTexts::moving(), state.BrandName));
    state.window.pumpEvents();
    // The target is used as the re-check left it, without a reconnect.
    state.executeTarget(QStringLiteral("Delete From PriceList Where BrandID = ") +
                        state.brandText());
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + rowColumns() +
                                         QStringLiteral("From PriceListAll"));
    const qint64 total = state.rsMain.recordCount();
    qint64 j = 0;
    while (!state.rsMain.eof()) {
        PriceItem item;
        item.Kind = SourceRow::text(state.rsMain, QStringLiteral("Kind"));
        item.PartNO = SourceRow::text(state.rsMain, QStringLiteral("PartNO"));
        SourceRow::readDetails(state.rsMain, item);
        const QString models = PartKeys::JoinModels(item.Model);
        SourceRow::applySaleRule(item);
        const QString label = StatusLine::itemLabel(item.EName, item.TName, models);
        ++j;
        state.window.setText(Txt, StatusLine::progress(PhaseTexts::pricing(), state.BrandName,
                                                       StatusLine::allMark(), j, total));
        state.window.setText(QStringLiteral("txtPartNO"),
                             StatusLine::item(item.Kind, item.PartNO, label));
        state.window.pumpEvents();
        Dispatch::ApplySecondPassRow(state, item);
        state.rsMain.moveNext();
    }
    state.rsMain.close();
    Dispatch::ChooseAddNewParts(state, 0);
    state.window.setText(Txt, StatusLine::end(PhaseTexts::newParts(), state.BrandName));
}

} // namespace lostrand
