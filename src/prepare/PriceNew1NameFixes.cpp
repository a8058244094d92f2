#include "prepare/PriceNew1NameFixes.h"

#include "common/BlankText.h"
#include "prepare/PassProgress.h"
#include "prepare/PrepareSteps.h"
#include "prepare/PriceRecordRow.h"
#include "window/RunState.h"

namespace lostrand {

namespace {

// U+0E40 U+0E18: how the lead bytes E0 B8 of every Thai character in UTF-8 read as Windows-874.
const QString Mojibake = QStringLiteral("\u0E40\u0E18");

bool beginsWithPad(const QString& name)
{
    return name.startsWith(QStringLiteral("PAD"));
}

QString asIs(const QString& name)
{
    return name;
}

bool endsWithStar(const QString& name)
{
    return name.endsWith(QLatin1Char('*'));
}

QString withoutLastChar(const QString& name)
{
    return BlankText::trim(name.chopped(1));
}

const PriceNew1NameFixes::NameFix PadNames{QStringLiteral("PriceNew_O ") +
                                               QStringLiteral("Where EName Like 'PAD%' "),
                                           beginsWithPad, asIs, true};
const PriceNew1NameFixes::NameFix StarNames{QStringLiteral("PriceNew_1 ") +
                                                QStringLiteral("Where EName <> '' "),
                                            endsWithStar, withoutLastChar, false};

QString idItem(const PriceRecord& record)
{
    return QString::number(record.ID) + QStringLiteral(" - ") + record.EName;
}

} // namespace

void PriceNew1NameFixes::FixENameCopyToTName(RunState& state)
{
    state.executeSource(QStringLiteral("Update PriceNew_1 Set EName = '' Where EName Is Null "));
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + QStringLiteral("ID, EName ") +
                                         QStringLiteral("From ") + QStringLiteral("PriceNew_1 ") +
                                         QStringLiteral("Where EName <> '' ") +
                                         QStringLiteral("Order By ID"));
    if (state.rsMain.eof()) {
        state.rsMain.close();
    } else {
        PassProgress loading(state, state.rsMain.recordCount());
        PriceRecordRow::load(state, state.rsMain, {QStringLiteral("ID"), QStringLiteral("EName")},
                             [&](qint32, PriceRecord& record) {
                                 loading.step(QStringLiteral("กำลังดึงข้อมูลมาแก้ไข ("), idItem(record));
                             });
        state.rsMain.close();
        PassProgress fixing(state, state.PriceRecordCount);
        for (qint32 i = 0, count = state.PriceRecordCount; i < count; ++i) {
            const PriceRecord& record = state.PriceRecords[static_cast<size_t>(i)];
            if (record.ID <= 0 || BlankText::isBlank(record.EName))
                continue;
            fixing.step(QStringLiteral("กำลังแก้ไข ("), idItem(record));
            if (record.EName.startsWith(Mojibake))
                state.executeSource(QStringLiteral("Update PriceNew_1 Set EName = '' Where ID = ") +
                                    QString::number(record.ID));
        }
    }
    state.executeSource(QStringLiteral("Update PriceNew_1 Set TName = EName "));
}

void PriceNew1NameFixes::CopyPadENameFromPriceNewO(RunState& state)
{
    applyNames(state, PadNames);
}

void PriceNew1NameFixes::StripENameStar(RunState& state)
{
    applyNames(state, StarNames);
}

void PriceNew1NameFixes::applyNames(RunState& state, const NameFix& fix)
{
    state.openOnSource(state.rsMain, QStringLiteral("Select ") + QStringLiteral("PartNO, EName ") +
                                         QStringLiteral("From ") + fix.source +
                                         QStringLiteral("Order By PartNO, EName"));
    if (state.rsMain.eof()) {
        state.rsMain.close();
        return;
    }
    PassProgress loading(state, state.rsMain.recordCount());
    PriceRecordRow::load(state, state.rsMain, {QStringLiteral("PartNO"), QStringLiteral("EName")},
                         [&](qint32, PriceRecord& record) {
                             loading.step(QStringLiteral("กำลังเตรียมรายการ EName นำมาแก้ไข  ("),
                                          record.PartNO + QStringLiteral(" - ") + record.EName);
                         });
    state.rsMain.close();
    PassProgress fixing(state, state.PriceRecordCount);
    for (qint32 i = 0, count = state.PriceRecordCount; i < count; ++i) {
        const PriceRecord& record = state.PriceRecords[static_cast<size_t>(i)];
        fixing.step(QStringLiteral("กำลังแก้ไขรายการ EName ("), record.EName);
        applyName(state, fix, record);
    }
}

void PriceNew1NameFixes::applyName(RunState& state, const NameFix& fix, const PriceRecord& record)
{
    if (BlankText::isBlank(record.PartNO) || BlankText::isBlank(record.EName))
        return;
    const QString name = BlankText::trim(record.EName);
    if (!fix.takes(name))
        return;
    const QString written = fix.written(name);
    const QString part = state.qs(record.PartNO);
    // An update of a number that PriceNew_1 lacks changes no row, so no read-back could ever
    // find the name: such a name has nothing to go to.
    if (fix.partMayBeMissing &&
        !PrepareSteps::hasRow(state, state.rsMain,
                              QStringLiteral("Select ") + QStringLiteral("PartNO ") +
                                  QStringLiteral("From ") + QStringLiteral("PriceNew_1 ") +
                                  QStringLiteral("Where PartNO = ") + part + QStringLiteral(" ")))
        return;
    PrepareSteps::WriteUntilFound(
        state, state.rsMain,
        QStringLiteral("Select ") + QStringLiteral("PartNO, EName ") + QStringLiteral("From ") +
            QStringLiteral("PriceNew_1 ") + QStringLiteral("Where PartNO = ") + part +
            QStringLiteral(" And EName = ") + state.qs(written) + QStringLiteral(" "),
        [&] {
            state.executeSource(QStringLiteral("Update PriceNew_1 Set EName = ") +
                                state.qs(written) + QStringLiteral(" Where PartNO = ") + part +
                                QStringLiteral(" "));
        });
}

} // namespace lostrand
