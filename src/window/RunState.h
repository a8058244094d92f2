#pragma once

#include "db/Connection.h"
#include "db/Recordset.h"
#include "prepare/PrepareRecords.h"
#include "window/WindowPort.h"

#include <QString>
#include <memory>
#include <vector>

namespace lostrand {

// One part row that matches the current price row.
struct MatchedPart
{
    qint16 UpRec = 0;
    qint32 PartID = 0;
    QString Text; // kept for the row layout; nothing reads it
};

// One brand that shares a part in the padded-table layout.
struct BrandTable
{
    qint32 BrandID = 0;
    QString TableNo;
};

// Everything a run keeps on the window: connections, recordsets, the statement being run,
// brand, label, flags and work arrays. It lives as long as the window and every run reuses it.
struct RunState
{
    explicit RunState(WindowPort& window);
    ~RunState();
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    WindowPort& window;

    // The connection slots create their object on first use; a released slot gets a fresh one.
    Connection& cnPriceList();
    Connection& cnADO2();
    void releaseTarget();

    Recordset rsMain;
    Recordset rsLookup;
    Recordset rsCheck;
    QString strSQL;

    qint32 BrandID = 0;
    QString BrandName;
    qint16 UpdateTexts = 0;
    qint16 RetryCleanPartNo = 0;
    QString DBVersion;

    std::vector<qint16> PriceListNo;
    qint32 PriceListNoCount = 0;
    std::vector<qint32> GroupParts;
    qint32 GroupPartCount = 0;
    std::vector<qint32> RegroupParts;
    qint32 RegroupPartCount = 0;
    std::vector<qint32> GroupFactories;
    qint32 GroupFactoryCount = 0;
    std::vector<MatchedPart> MatchedParts;
    qint32 MatchedPartCount = 0;
    std::vector<BrandTable> BrandTables;
    qint32 BrandTableCount = 0;

    // The trimmed label, as every switch on it compares.
    QString version() const;
    // BrandID as the decimal text of table names and statements.
    QString brandText() const;

    // Each statement is built into strSQL, then run at once.
    qint64 executeTarget(const QString& sql);
    qint64 executeSource(const QString& sql);
    void openOnTarget(Recordset& recordset, const QString& sql);
    // Deletes the rows of the target's table that the condition ("Where ...") selects; true
    // when they are gone. A count the driver does not know (-1, a server set to NOCOUNT) is
    // settled by reading, on rsCheck, whether any is left; a count of 0 means none went.
    bool removeFromTarget(const QString& table, const QString& where);
    void openOnSource(Recordset& recordset, const QString& sql);
    // A message box waits on the operator: what both connections have run is written out
    // before it shows, and a failure to write goes to the caller instead of the box.
    void showMessage(const QString& text, MessageStyle style);
    void commitPending();
    // The window closes and the program ends, also in the middle of a run.
    void closeAtExit();

    // A text value for a statement on the target, quoted for its database.
    QString qt(const QString& text);
    // The same for the price-list file.
    QString qs(const QString& text);

    // The work arrays of the preparation passes. Every fill sets the count, then sizes its
    // array one element past it; that last element stays empty.
    std::vector<qint16> PriceNewTableNo;
    qint32 PriceNewTableCount = 0;
    std::vector<qint16> PriceLastTableNo;
    qint32 PriceLastTableCount = 0;
    std::vector<PriceRecord> PriceRecords;
    qint32 PriceRecordCount = 0;
    std::vector<DupKey> DupKeys;
    qint32 DupKeyCount = 0;
    std::vector<DupRow> DupRows;
    qint32 DupRowCount = 0;

private:
    std::unique_ptr<Connection> m_priceList;
    std::unique_ptr<Connection> m_target;
};

} // namespace lostrand
