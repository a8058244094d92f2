#include "window/UpdateCommand.h"

#include "common/BlankText.h"
#include "window/RunState.h"
#include "window/TargetChecks.h"
#include "window/TargetConnection.h"
#include "window/TransferDriver.h"
#include "window/WindowPort.h"

#include <QFileInfo>
#include <QtDebug>
#include <exception>
#include <optional>

namespace lostrand {

namespace {

// The directory look-up of the command: an ordinary file that is not hidden.
bool fileFound(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

// The message of the first location that fails, or nothing when both are there. In SQL Server
// mode the target path is emptied, so the source then takes the driver for .mdb files.
std::optional<QString> locationProblem(RunState& state)
{
    WindowPort& w = state.window;
    const QString brand = state.BrandName;
    const QString source = BlankText::trim(w.text(QStringLiteral("txtPriceList")));
    if (source.isEmpty())
        return QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล  PriceList_") + brand + QStringLiteral(".mdb");
    if (!fileFound(source))
        return QStringLiteral("ที่จัดเก็บข้อมูล  PriceList_") + brand + QStringLiteral(".mdb  หาไม่พบ");
    if (!w.isOptionSet(QStringLiteral("optAccess"))) {
        w.setText(QStringLiteral("txtDataValcorin"), QString());
        return std::nullopt;
    }
    const QString target = BlankText::trim(w.text(QStringLiteral("txtDataValcorin")));
    if (target.isEmpty())
        return QStringLiteral("ยังมิได้กำหนดที่อยู่ข้อมูล");
    if (!fileFound(target)) {
        if (target.right(5) == QLatin1String("accdb"))
            return QStringLiteral("ที่จัดเก็บข้อมูล  Valcorin.accdb  หาไม่พบ");
        return QStringLiteral("ที่จัดเก็บข้อมูล  Valcorin.mdb  หาไม่พบ");
    }
    return std::nullopt;
}

void closeBoth(RunState& state)
{
    state.cnPriceList().close();
    state.cnADO2().close();
}

// From the connections to the final message; each early exit closes what it opened.
void runWithLocations(RunState& state, const TransferPhases& phases)
{
    WindowPort& w = state.window;
    w.setText(QStringLiteral("txtQTY"),
              QStringLiteral("กำลังย้าน  Price ") + state.BrandName + QStringLiteral("  ชั่วคราว"));
    w.pumpEvents();
    // Opening the files can take seconds on a shared drive or behind another program's lock.
    w.paintNow();
    TargetConnection::OpenSourceConnection(state);
    TargetConnection::OpenTargetConnection(state);
    if (TargetChecks::CheckDatabaseVersion(state) == 0) {
        closeBoth(state);
        state.showMessage(QStringLiteral("กำหนด Vertion ของฐานข้อมูลผิด  ให้ติดต่อผู้ติดตั้งระบบ  หรือ  "
                                         "ผู้จำหน่าย ValcorinSoft"),
                          MessageStyle::Question);
        return;
    }
    TargetChecks::FindBrandID(state);
    if (state.BrandID == 0) {
        closeBoth(state);
        state.showMessage(QStringLiteral("ไม่สามารถหา Files ") + state.BrandName +
                              QStringLiteral("ในฐานข้อมูล ไม่สามารถบันทึกได้"),
                          MessageStyle::Question);
        return;
    }
    // The last check that can refuse the run; it ends on the error path, with nothing written.
    TargetChecks::RequireBrandTableNames(state);
    // Only now may the run write, and the first thing it writes is what the engine plans its
    // look-ups by.
    state.cnPriceList().analyzeNewTables();
    state.cnADO2().analyzeNewTables();
    TransferDriver::RunTransfer(state, phases);
    closeBoth(state);
    state.showMessage(QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain);
}

template <typename Step> void ignoringErrors(Step step)
{
    try {
        step();
    } catch (const std::exception&) {
        // The error path goes on whatever a clean-up step meets.
    }
}

// The run is over: only the open transaction is undone, and the window stays stopped.
void errorPath(RunState& state, const QString& reason)
{
    qWarning().noquote() << "The run stopped:" << reason;
    ignoringErrors([&state] {
        Connection& cn = state.cnADO2();
        if (cn.isOpen() && cn.inTransaction())
            cn.rollbackTrans();
    });
    ignoringErrors([&state] { state.rsMain.close(); });
    ignoringErrors([&state] { state.rsLookup.close(); });
    // What ran before the failure stays, as each statement outside a transaction does; a
    // group that cannot be written any more is rolled back and leaves the file as it was.
    ignoringErrors([&state] { state.commitPending(); });
    state.window.showMessage(QStringLiteral("ไม่สามรถบันทึกได้"), MessageStyle::Plain);
}

} // namespace

void UpdateCommand::cmdUpDate_Click(RunState& state, const TransferPhases& phases)
{
    WindowPort& w = state.window;
    std::optional<QString> failure;
    try {
        w.setPointer(Pointer::ArrowHourglass);
        w.setCommandEnabled(false);
        if (const auto problem = locationProblem(state))
            state.showMessage(*problem, MessageStyle::Exclamation);
        else
            runWithLocations(state, phases);
    } catch (const std::exception& error) {
        failure = QString::fromStdString(error.what());
    }
    // Outside the handler, so the message box of the error path runs no event loop in it.
    if (failure) {
        errorPath(state, *failure);
        return;
    }
    w.setPointer(Pointer::Arrow);
    w.setCommandEnabled(true);
}

} // namespace lostrand
