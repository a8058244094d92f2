#include "db/Recordset.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/OdbcStatement.h"
#include "db/StatementLog.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <algorithm>

namespace lostrand {

namespace {

// The layouts of the last results opened, most recent first.
std::vector<std::shared_ptr<const Recordset::FieldLayout>>& recentLayouts()
{
    static std::vector<std::shared_ptr<const Recordset::FieldLayout>> layouts;
    return layouts;
}

constexpr size_t RecentLayouts = 16;

} // namespace

std::shared_ptr<const Recordset::FieldLayout> Recordset::layoutOf(const QSqlRecord& record)
{
    QList<QString> names;
    names.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    auto& recent = recentLayouts();
    for (auto it = recent.begin(); it != recent.end(); ++it) {
        if ((*it)->names == names) {
            auto found = *it;
            recent.erase(it);
            recent.insert(recent.begin(), found);
            return found;
        }
    }
    auto layout = std::make_shared<FieldLayout>();
    for (int i = 0; i < names.size(); ++i) {
        layout->exact.insert(names.at(i), i);
        layout->folded.insert(names.at(i).toLower(), i);
    }
    layout->names = std::move(names);
    recent.insert(recent.begin(), layout);
    if (recent.size() > RecentLayouts)
        recent.pop_back();
    return layout;
}

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    release();
}

void Recordset::open(const QString& sql, Connection& connection, CursorType, LockType)
{
    if (isOpen())
        throw DbError(sql, QStringLiteral("Operation is not allowed when the object is open."));
    if (!connection.isOpen())
        throw DbError(sql, QStringLiteral("Operation is not allowed when the object is closed."));
    StatementLog::record(connection.logName(), StatementLog::Kind::Query, sql);
    // A read is a point between two statements, where a group that is due is written out.
    connection.settleGroup();
    // The query object outlives a close: the look-up recordsets open thousands of times on one
    // connection, and a new object each time costs more than many of the look-ups.
    if (!m_query || m_connection != &connection) {
        release();
        m_query = std::make_unique<QSqlQuery>(connection.database());
        m_query->setForwardOnly(true);
        m_connection = &connection;
        connection.attach(this);
    }
    if (!execute(sql)) {
        const QString message = m_query->lastError().text().trimmed();
        m_query->finish();
        m_prepared.clear();
        connection.noteFailure();
        throw DbError(sql, message);
    }
    m_open = true;
    m_sql = sql;
    m_layout = layoutOf(m_query->record());
    m_ahead.clear();
    m_rowsBefore = 0;
    m_fetches = 0;
    m_exhausted = false;
    m_edit = Edit::None;
    m_changes.clear();
    m_hasCurrent = fetch(m_current);
}

// The new-part loop opens the queue with the same statement for every part it makes. On the
// embedded engine the statement stays compiled between such opens; reading the text again
// costs about as much as the look-up itself. Through ODBC each open prepares its statement
// afresh, since a driver may describe a prepared result's columns once (the SQLite ODBC driver
// does, so a reused one would misread a table made anew); the handle exists only between the
// preparation and the execution, the one moment it can take the connection's command time-out.
bool Recordset::execute(const QString& sql)
{
    if (m_connection->dialect() != SqlDialect::Sqlite) {
        m_prepared.clear();
        if (!m_query->prepare(sql))
            return false;
        OdbcStatement::setTimeout(*m_query, m_connection->commandTimeout());
        return m_query->exec();
    }
    if (sql != m_prepared) {
        m_prepared.clear();
        if (!m_query->prepare(sql))
            return false;
        m_prepared = sql;
    }
    return m_query->exec();
}

void Recordset::release()
{
    close();
    m_prepared.clear();
    m_query.reset();
    if (m_connection)
        m_connection->detach(this);
    m_connection = nullptr;
}

void Recordset::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_connection && StatementLog::active())
        StatementLog::record(m_connection->logName(), StatementLog::Kind::Fetched, m_sql,
                             m_fetches);
    m_query->finish();
    m_ahead.clear();
    m_current.clear();
    m_hasCurrent = false;
    m_edit = Edit::None;
    m_changes.clear();
}

QVariant Recordset::driverHandle() const
{
    return m_query ? m_query->result()->handle() : QVariant();
}

void Recordset::letGoOfResults(bool keepRows)
{
    if (!m_open || !m_query->isActive())
        return;
    Row row;
    while (keepRows && readNext(row))
        m_ahead.push_back(std::move(row));
    m_exhausted = true;
    m_query->finish();
}

bool Recordset::fetch(Row& row)
{
    if (!m_ahead.empty()) {
        row = std::move(m_ahead.front());
        m_ahead.pop_front();
        return true;
    }
    return readNext(row);
}

bool Recordset::readNext(Row& row)
{
    if (m_exhausted)
        return false;
    ++m_fetches;
    if (!m_query->next()) {
        m_exhausted = true;
        if (m_query->lastError().isValid())
            throw DbError(m_sql, m_query->lastError().text().trimmed());
        return false;
    }
    row.clear();
    row.reserve(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        row.append(m_query->isNull(i) ? QVariant() : m_query->value(i));
    return true;
}

bool Recordset::eof() const
{
    if (!isOpen())
        fail(QStringLiteral("Operation is not allowed when the object is closed."));
    return !m_hasCurrent;
}

void Recordset::moveNext()
{
    if (!isOpen() || !m_hasCurrent)
        fail(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    ++m_rowsBefore;
    m_edit = Edit::None;
    m_changes.clear();
    m_hasCurrent = fetch(m_current);
}

qint64 Recordset::recordCount()
{
    if (!isOpen())
        fail(QStringLiteral("Operation is not allowed when the object is closed."));
    // Reading ahead keeps the rows for the moves that follow, so each row is fetched once.
    Row row;
    while (readNext(row))
        m_ahead.push_back(std::move(row));
    return m_rowsBefore + (m_hasCurrent ? 1 : 0) + static_cast<qint64>(m_ahead.size());
}

int Recordset::indexOf(const QString& field) const
{
    if (!m_layout)
        fail(QStringLiteral("Operation is not allowed when the object is closed."));
    // Names are asked as the select wrote them; other cases still find the field, as in ADO.
    const auto exact = m_layout->exact.constFind(field);
    if (exact != m_layout->exact.constEnd())
        return exact.value();
    const auto folded = m_layout->folded.constFind(field.toLower());
    if (folded == m_layout->folded.constEnd())
        fail(QStringLiteral("Item cannot be found in the collection: %1").arg(field));
    return folded.value();
}

QVariant Recordset::value(const QString& field) const
{
    const int index = indexOf(field);
    if (m_edit != Edit::None && m_changes.contains(index))
        return m_changes.value(index);
    if (!m_hasCurrent)
        fail(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    return m_current.at(index);
}

bool Recordset::isNull(const QString& field) const
{
    const QVariant v = value(field);
    return !v.isValid() || v.isNull();
}

QString Recordset::text(const QString& field) const
{
    const QVariant v = value(field);
    if (!v.isValid() || v.isNull())
        fail(QStringLiteral("Invalid use of Null: %1").arg(field));
    return v.toString();
}

void Recordset::addNew()
{
    if (!isOpen())
        fail(QStringLiteral("Operation is not allowed when the object is closed."));
    m_edit = Edit::Adding;
    m_changes.clear();
}

void Recordset::setValue(const QString& field, const QVariant& v)
{
    const int index = indexOf(field);
    if (m_edit == Edit::None) {
        if (!m_hasCurrent)
            fail(QStringLiteral(
                "Either BOF or EOF is True, or the current record has been deleted."));
        m_edit = Edit::Editing;
    }
    m_changes.insert(index, v);
}

QString Recordset::tableName() const
{
    static const QRegularExpression single(
        QStringLiteral("\\bfrom\\s+\\[?([A-Za-z_][A-Za-z0-9_]*)\\]?\\s*(where\\b.*|order\\b.*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto match = single.match(m_sql.trimmed());
    if (!match.hasMatch())
        fail(QStringLiteral("The recordset is not updatable."));
    return match.captured(1);
}

QString Recordset::literal(const QVariant& v) const
{
    if (!v.isValid() || v.isNull())
        return QStringLiteral("Null");
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'g', 17);
    default:
        return m_connection->quote(v.toString());
    }
}

QString Recordset::insertStatement() const
{
    QStringList columns;
    QStringList values;
    for (auto it = m_changes.constBegin(); it != m_changes.constEnd(); ++it) {
        columns.append(m_layout->names.at(it.key()));
        values.append(literal(it.value()));
    }
    return QStringLiteral("Insert Into %1 (%2) Values( %3 )")
        .arg(tableName(), columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
}

QString Recordset::updateStatement() const
{
    QStringList sets;
    for (auto it = m_changes.constBegin(); it != m_changes.constEnd(); ++it)
        sets.append(m_layout->names.at(it.key()) + QStringLiteral(" = ") + literal(it.value()));
    // Optimistic locking: the row must still hold what was read, or nobody's change is lost.
    return QStringLiteral("Update %1 Set %2 Where %3")
        .arg(tableName(), sets.join(QStringLiteral(", ")), condition(rowValues(false)));
}

QList<std::pair<int, QVariant>> Recordset::rowValues(bool changed) const
{
    QList<std::pair<int, QVariant>> values;
    for (int i = 0; i < fieldCount(); ++i)
        values.append({i, changed && m_changes.contains(i) ? m_changes.value(i) : m_current.at(i)});
    return values;
}

QString Recordset::condition(const QList<std::pair<int, QVariant>>& values) const
{
    QStringList terms;
    for (const auto& [field, value] : values) {
        const QString& name = m_layout->names.at(field);
        if (!value.isValid() || value.isNull())
            terms.append(name + QStringLiteral(" Is Null"));
        else
            terms.append(name + QStringLiteral(" = ") + literal(value));
    }
    return terms.join(QStringLiteral(" And "));
}

// Whether the table now holds the row as written: the added values, or the edited row.
bool Recordset::rowWritten() const
{
    QList<std::pair<int, QVariant>> values;
    if (m_edit == Edit::Adding) {
        QList<int> fields = m_changes.keys();
        std::sort(fields.begin(), fields.end());
        for (int field : fields)
            values.append({field, m_changes.value(field)});
    } else {
        values = rowValues(true);
    }
    Recordset readBack;
    readBack.open(QStringLiteral("Select * From ") + tableName() + QStringLiteral(" Where ") +
                      condition(values),
                  *m_connection);
    return !readBack.eof();
}

void Recordset::update()
{
    if (!isOpen())
        fail(QStringLiteral("Operation is not allowed when the object is closed."));
    if (m_edit == Edit::None || m_changes.isEmpty()) {
        m_edit = Edit::None;
        return;
    }
    const QString sql = m_edit == Edit::Adding ? insertStatement() : updateStatement();
    const qint64 affected = m_connection->execute(sql);
    // A driver that does not count (-1) leaves it to a read of the row.
    if (affected != 1 && !(affected < 0 && rowWritten()))
        throw DbError(sql, QStringLiteral("Row cannot be located for updating. Some values may "
                                          "have been changed since it was last read."));
    if (m_edit == Edit::Editing) {
        for (auto it = m_changes.constBegin(); it != m_changes.constEnd(); ++it)
            m_current[it.key()] = it.value();
    }
    m_edit = Edit::None;
    m_changes.clear();
}

void Recordset::fail(const QString& message) const
{
    throw DbError(m_sql, message);
}

} // namespace lostrand
