#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <deque>
#include <memory>
#include <utility>

class QSqlQuery;
class QSqlRecord;

namespace lostrand {

class Connection;

// An ADO-style recordset over one select. Rows are fetched as the caller moves through them,
// so a caller that reads only the first row of a large result pays for one row.
class Recordset
{
public:
    enum CursorType
    {
        OpenKeyset = 1
    };
    enum LockType
    {
        LockOptimistic = 3
    };
    enum State
    {
        StateClosed = 0,
        StateOpen = 1
    };

    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opening an open recordset fails, as ADO does.
    void open(const QString& sql, Connection& connection, CursorType cursor = OpenKeyset,
              LockType lock = LockOptimistic);
    void close();
    // Closes and lets go of the query object, which keeps its connection's database in use.
    void release();
    int state() const { return m_open ? StateOpen : StateClosed; }
    bool isOpen() const { return state() == StateOpen; }

    // The driver's handle of the statement behind the recordset (through ODBC, its statement
    // handle); invalid when it has none.
    QVariant driverHandle() const;

    bool eof() const;
    void moveNext();
    // The exact number of rows of the result, whatever the position.
    qint64 recordCount();

    // Field values of the current row by name, case-insensitively. A Null is an invalid
    // QVariant, so it stays apart from an empty text.
    QVariant value(const QString& field) const;
    bool isNull(const QString& field) const;
    // A text field; a Null ends the caller's work with an error, as reading it in ADO does.
    QString text(const QString& field) const;
    int fieldCount() const { return m_layout ? static_cast<int>(m_layout->names.size()) : 0; }
    QString fieldName(int index) const
    {
        return m_layout ? m_layout->names.value(index) : QString();
    }

    // Add new / edit + update on a select over a single table become INSERT / UPDATE.
    void addNew();
    void setValue(const QString& field, const QVariant& value);
    void update();

    // The field names of a result with their look-up tables; results of the same columns share
    // one, so a select run thousands of times does not build them each time.
    struct FieldLayout
    {
        QList<QString> names;
        QHash<QString, int> exact;
        QHash<QString, int> folded;
    };

private:
    friend class Connection;
    using Row = QList<QVariant>;
    // Ends the statement's results on the connection; the recordset stays open. keepRows: the
    // rows not fetched yet are read first, else it ends after the rows already read.
    void letGoOfResults(bool keepRows);
    bool execute(const QString& sql);
    bool fetch(Row& row);
    bool readNext(Row& row);
    int indexOf(const QString& field) const;
    static std::shared_ptr<const FieldLayout> layoutOf(const QSqlRecord& record);
    QString literal(const QVariant& value) const;
    QString updateStatement() const;
    // The fields of the current row with their values as read, or as changed.
    QList<std::pair<int, QVariant>> rowValues(bool changed) const;
    // "A = 1 And B Is Null": the condition of a row that holds these values.
    QString condition(const QList<std::pair<int, QVariant>>& values) const;
    bool rowWritten() const;
    QString insertStatement() const;
    QString tableName() const;
    [[noreturn]] void fail(const QString& message) const;

    Connection* m_connection = nullptr;
    std::unique_ptr<QSqlQuery> m_query;
    bool m_open = false;
    QString m_sql;
    QString m_prepared; // the statement m_query holds compiled
    std::shared_ptr<const FieldLayout> m_layout;
    Row m_current;
    bool m_hasCurrent = false;
    bool m_exhausted = false;
    std::deque<Row> m_ahead;
    qint64 m_rowsBefore = 0;
    qint64 m_fetches = 0; // rows asked of the engine, the end included
    enum class Edit
    {
        None,
        Adding,
        Editing
    } m_edit = Edit::None;
    QHash<int, QVariant> m_changes;
};

} // namespace lostrand
