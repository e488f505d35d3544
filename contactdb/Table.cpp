#include "contactdb/Table.h"

#include "contactdb/Connection.h"
#include "contactdb/Connection_p.h"
#include "contactdb/RowSet.h"

#include "base/Clock.h"
#include "base/Errors.h"

using namespace Qt::StringLiterals;

namespace Db {

namespace {

QString quoted(const QString &name)
{
    QString copy = name;
    return u'"' + copy.replace(u'"', u"\"\""_s) + u'"';
}

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << u"?"_s;
    return marks.join(u", "_s);
}

QString quotedList(const QStringList &names)
{
    QStringList list;
    for (const QString &name : names)
        list << quoted(name);
    return list.join(u", "_s);
}

} // namespace

class Table::Private
{
public:
    Private(Connection &connection, const QString &tableName) : connection(connection), table(tableName) {}

    Connection &connection;
    QString table;
    State state = State::Inactive;
    QStringList columns;
    QStringList primaryColumns;
    QString cpcColumn, cColumn, counterColumn;
    QString indexName;
    QStringList indexColumns;
    QVariantList rangeFrom, rangeTo;
    bool hasRange = false;
    QList<qint64> rowIds;
    int pos = 0;
    bool bof = true;
    mutable qint64 currentLoaded = -1;
    mutable QVariantList current;
    QVariantList buffer;
    QList<bool> modified;

    bool hasColumn(const QString &name) const { return columns.contains(name, Qt::CaseInsensitive); }

    void requireOpen() const
    {
        if (state == State::Inactive)
            throwDatabaseError(u"table %1 is not open"_s.arg(table));
    }

    void requireBrowse() const
    {
        requireOpen();
        if (state != State::Browse)
            throwDatabaseError(u"table %1: a record is being edited; post or cancel it first"_s.arg(table));
    }

    QString orderBy() const
    {
        QStringList parts;
        for (const QString &column : indexColumns)
            parts << quoted(column);
        parts << u"rowid"_s;
        return u" ORDER BY "_s + parts.join(u", "_s);
    }

    // Row-value comparison of the leading index columns with `values`.
    QString compareLeading(qsizetype count, const QString &op) const
    {
        return u"(%1) %2 (%3)"_s.arg(quotedList(indexColumns.mid(0, count)), op, placeholders(count));
    }

    void checkKeyValues(const QVariantList &values, const char *what) const
    {
        if (values.isEmpty() || values.size() > indexColumns.size())
            throwDatabaseError(u"table %1, index \"%2\": %3 with %4 values, the index has %5 columns"_s
                                   .arg(table, indexName, QLatin1StringView(what)).arg(values.size())
                                   .arg(indexColumns.size()));
    }

    void rangeCondition(QStringList &conditions, QVariantList &values) const
    {
        if (!hasRange)
            return;
        if (!rangeFrom.isEmpty()) {
            conditions << compareLeading(rangeFrom.size(), u">="_s);
            values << rangeFrom;
        }
        if (!rangeTo.isEmpty()) {
            conditions << compareLeading(rangeTo.size(), u"<="_s);
            values << rangeTo;
        }
    }

    QString where(const QStringList &conditions) const
    {
        return conditions.isEmpty() ? QString() : u" WHERE "_s + conditions.join(u" AND "_s);
    }

    void load()
    {
        QStringList conditions;
        QVariantList values;
        rangeCondition(conditions, values);
        const RowSet rows = connection.query(u"SELECT rowid FROM %1%2%3"_s.arg(quoted(table), where(conditions), orderBy()),
                                             values);
        rowIds.clear();
        rowIds.reserve(rows.recordCount());
        for (const QVariantList &row : rows.rows())
            rowIds << row.first().toLongLong();
        currentLoaded = -1;
    }

    void positionOn(qint64 rowId, int fallback)
    {
        const qsizetype index = rowIds.indexOf(rowId);
        pos = index >= 0 ? int(index) : std::clamp(fallback, 0, int(rowIds.size()));
        bof = false;
    }

    // The first row of the current order that meets `conditions` (and the range).
    bool seek(QStringList conditions, QVariantList values)
    {
        rangeCondition(conditions, values);
        const QVariant rowId = connection.scalar(
            u"SELECT rowid FROM %1%2%3 LIMIT 1"_s.arg(quoted(table), where(conditions), orderBy()), values);
        if (rowId.isNull())
            return false;
        const qsizetype index = rowIds.indexOf(rowId.toLongLong());
        if (index < 0)
            return false;
        pos = int(index);
        bof = false;
        return true;
    }

    const QVariantList &record() const
    {
        const qint64 rowId = pos < rowIds.size() ? rowIds.at(pos) : -1;
        if (rowId != currentLoaded) {
            current.clear();
            if (rowId >= 0) {
                const RowSet rows = connection.query(u"SELECT %1 FROM %2 WHERE rowid = ?"_s
                                                         .arg(quotedList(columns), quoted(table)), {rowId});
                if (!rows.isEmpty())
                    current = rows.rows().first();
            }
            currentLoaded = rowId;
        }
        return current;
    }
};

// --- Field ---------------------------------------------------------------------------------

QString Field::fieldName() const { return m_table->fieldNames().value(m_column); }
QVariant Field::value() const { return m_table->value(m_column); }
bool Field::isNull() const { return value().isNull(); }
QString Field::asString() const { return value().toString(); }
qint64 Field::asInteger() const { return value().toLongLong(); }
double Field::asFloat() const { return value().toDouble(); }
bool Field::asBoolean() const { return value().toLongLong() != 0; }
QDateTime Field::asDateTime() const { return Connection::dateTimeFromText(value()); }
QByteArray Field::asBytes() const { return value().toByteArray(); }
void Field::setValue(const QVariant &value) { m_table->setValue(m_column, value); }

// --- Table ---------------------------------------------------------------------------------

Table::Table(Connection &connection, const QString &tableName)
    : d(std::make_unique<Private>(connection, tableName))
{
}

Table::~Table() = default;

Connection &Table::connection() const { return d->connection; }
QString Table::tableName() const { return d->table; }
QStringList Table::fieldNames() const { return d->columns; }
Table::State Table::state() const { return d->state; }
QString Table::indexName() const { return d->indexName; }
QStringList Table::indexFields() const { return d->indexColumns; }

void Table::open()
{
    if (d->state != State::Inactive)
        return;
    const QVariant type = d->connection.scalar(
        u"SELECT type FROM sqlite_schema WHERE name = ? COLLATE NOCASE"_s, {d->table});
    if (type.toString() != u"table"_s)
        throwDatabaseError(u"%1 is not a table of the profile"_s.arg(d->table));
    const RowSet info = d->connection.query(u"SELECT name, pk FROM pragma_table_info(?)"_s, {d->table});
    d->columns.clear();
    QMap<int, QString> primary;
    for (const QVariantList &row : info.rows()) {
        d->columns << row.at(0).toString();
        if (row.at(1).toInt() > 0)
            primary.insert(row.at(1).toInt(), row.at(0).toString());
    }
    d->primaryColumns = primary.values();
    // A key pair is CPC… + C…; its counter is SITESET.LAST + the C column, when there is one.
    d->cpcColumn.clear();
    d->cColumn.clear();
    d->counterColumn.clear();
    if (d->primaryColumns.size() == 2 && d->primaryColumns.at(0).startsWith(u"CPC"_s, Qt::CaseInsensitive)) {
        d->cpcColumn = d->primaryColumns.at(0);
        d->cColumn = d->primaryColumns.at(1);
        const QString counter = u"LAST"_s + d->cColumn.toUpper();
        if (d->connection.scalar(u"SELECT count(*) FROM pragma_table_info('SITESET') WHERE name = ?"_s, {counter})
                .toLongLong() > 0)
            d->counterColumn = counter;
    }
    d->indexName.clear();
    d->indexColumns = d->primaryColumns;
    d->hasRange = false;
    d->state = State::Browse;
    try {
        d->load();
    } catch (...) {
        d->state = State::Inactive;
        throw;
    }
    first();
}

void Table::close()
{
    d->state = State::Inactive;
    d->rowIds.clear();
    d->buffer.clear();
    d->modified.clear();
    d->currentLoaded = -1;
}

void Table::setIndexName(const QString &indexName)
{
    d->requireBrowse();
    QStringList columns;
    QString name;
    if (indexName.isEmpty()) {
        columns = d->primaryColumns;
    } else {
        const QVariant found = d->connection.scalar(
            u"SELECT name FROM pragma_index_list(?) WHERE name = ? COLLATE NOCASE"_s, {d->table, indexName});
        if (found.isNull())
            throwDatabaseError(u"table %1 has no index %2"_s.arg(d->table, indexName));
        name = found.toString();
        const RowSet info = d->connection.query(u"SELECT name FROM pragma_index_info(?) ORDER BY seqno"_s, {name});
        for (const QVariantList &row : info.rows())
            columns << row.at(0).toString();
    }
    const qint64 rowId = currentRowId();
    d->indexName = name;
    d->indexColumns = columns;
    d->hasRange = false;
    d->load();
    d->positionOn(rowId, 0);
}

bool Table::findKey(const QVariantList &leadingValues)
{
    d->requireBrowse();
    d->checkKeyValues(leadingValues, "findKey");
    QStringList conditions;
    for (qsizetype i = 0; i < leadingValues.size(); ++i)
        conditions << quoted(d->indexColumns.at(i)) + u" = ?"_s;
    return d->seek(conditions, leadingValues);
}

bool Table::findNearest(const QVariantList &leadingValues)
{
    d->requireBrowse();
    d->checkKeyValues(leadingValues, "findNearest");
    if (d->seek({d->compareLeading(leadingValues.size(), u">="_s)}, leadingValues))
        return true;
    d->pos = int(d->rowIds.size());
    return false;
}

void Table::setRange(const QVariantList &from, const QVariantList &to)
{
    d->requireBrowse();
    if (from.size() > d->indexColumns.size() || to.size() > d->indexColumns.size())
        throwDatabaseError(u"table %1: range has more values than index \"%2\" has columns"_s.arg(d->table, d->indexName));
    d->rangeFrom = from;
    d->rangeTo = to;
    d->hasRange = true;
    d->load();
    first();
}

void Table::cancelRange()
{
    d->requireBrowse();
    const qint64 rowId = currentRowId();
    d->hasRange = false;
    d->load();
    d->positionOn(rowId, 0);
}

bool Table::locate(const QStringList &columns, const QVariantList &values, bool caseInsensitive)
{
    d->requireBrowse();
    if (columns.isEmpty() || columns.size() != values.size())
        throwDatabaseError(u"table %1: locate needs one value per column"_s.arg(d->table));
    QStringList conditions;
    for (const QString &column : columns) {
        if (!d->hasColumn(column))
            throwDatabaseError(u"table %1 has no column %2"_s.arg(d->table, column));
        conditions << quoted(column) + (caseInsensitive ? u" = ? COLLATE NOCASE"_s : u" = ?"_s);
    }
    return d->seek(conditions, values);
}

bool Table::gotoCurrent(const Table &other)
{
    d->requireBrowse();
    if (other.tableName().compare(d->table, Qt::CaseInsensitive) != 0)
        throwDatabaseError(u"cannot synchronise a cursor on %1 with one on %2"_s.arg(d->table, other.tableName()));
    const qint64 rowId = other.currentRowId();
    if (rowId < 0)
        return false;
    if (!d->rowIds.contains(rowId))
        d->load();
    const qsizetype index = d->rowIds.indexOf(rowId);
    if (index < 0)
        return false;
    d->pos = int(index);
    d->bof = false;
    return true;
}

void Table::first()
{
    d->requireBrowse();
    d->pos = 0;
    d->bof = true;
}

void Table::last()
{
    d->requireBrowse();
    d->pos = std::max(0, int(d->rowIds.size()) - 1);
    d->bof = d->rowIds.isEmpty();
}

void Table::next()
{
    d->requireBrowse();
    if (d->pos < d->rowIds.size())
        ++d->pos;
    d->bof = false;
}

void Table::prior()
{
    d->requireBrowse();
    if (d->pos > 0) {
        --d->pos;
        d->bof = false;
    } else {
        d->bof = true;
    }
}

bool Table::eof() const { return d->state == State::Inactive || d->pos >= d->rowIds.size(); }
bool Table::bof() const { return d->bof; }
bool Table::isEmpty() const { return d->rowIds.isEmpty(); }
int Table::recordCount() const { return int(d->rowIds.size()); }
int Table::recNo() const { return d->rowIds.isEmpty() ? -1 : std::min(d->pos, int(d->rowIds.size()) - 1); }

void Table::refresh()
{
    d->requireBrowse();
    const qint64 rowId = currentRowId();
    const int pos = d->pos;
    d->load();
    d->positionOn(rowId, pos);
}

qint64 Table::currentRowId() const
{
    if (d->state == State::Inactive || d->pos >= d->rowIds.size())
        return -1;
    return d->rowIds.at(d->pos);
}

void Table::append()
{
    d->requireBrowse();
    d->buffer = QVariantList(d->columns.size());
    d->modified = QList<bool>(d->columns.size(), false);
    d->state = State::Insert;
}

void Table::edit()
{
    d->requireOpen();
    if (d->state == State::Edit || d->state == State::Insert)
        return;
    if (eof())
        throwDatabaseError(u"table %1: no record to edit"_s.arg(d->table));
    d->buffer = d->record();
    d->modified = QList<bool>(d->columns.size(), false);
    d->state = State::Edit;
}

// The buffer is copied before keys and audit values go in, so a failed post leaves it as
// the caller made it and a retry allocates afresh.
void Table::post()
{
    d->requireOpen();
    if (d->state == State::Browse)
        return;
    QVariantList values = d->buffer;
    QList<bool> modified = d->modified;
    auto set = [&](const QString &column, const QVariant &value) {
        const int index = int(d->columns.indexOf(column));
        if (index >= 0) {
            values[index] = value;
            modified[index] = true;
        }
    };
    const QString now = Connection::dateTimeText(Orv::Clock::now());
    const QString user = d->connection.domainName();
    Connection &connection = d->connection;
    Transaction transaction(connection);
    qint64 rowId = -1;
    if (d->state == State::Insert) {
        if (!d->counterColumn.isEmpty()) {
            const int cIndex = int(d->columns.indexOf(d->cColumn));
            if (values.at(cIndex).isNull() || values.at(cIndex).toLongLong() == 0) {
                set(d->cpcColumn, connection.site());
                set(d->cColumn, connection.nextCounter(d->counterColumn));
            }
        }
        set(u"CREATOR"_s, user);
        set(u"LASTEDIT"_s, user);
        set(u"CRDATE"_s, now);
        set(u"EDDATE"_s, now);
        set(u"SYNDATE"_s, now);
        set(u"SITE"_s, connection.site());
        set(u"COUNTER"_s, 1);
        QStringList names;
        QVariantList bound;
        for (int i = 0; i < d->columns.size(); ++i) {
            if (modified.at(i)) {
                names << d->columns.at(i);
                bound << values.at(i);
            }
        }
        if (names.isEmpty())
            connection.execute(u"INSERT INTO %1 DEFAULT VALUES"_s.arg(quoted(d->table)));
        else
            connection.execute(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(quoted(d->table), quotedList(names),
                                                                       placeholders(names.size())),
                               bound);
        rowId = connection.lastInsertRowId();
    } else {
        rowId = currentRowId();
        if (modified.contains(true)) {
            set(u"LASTEDIT"_s, user);
            set(u"EDDATE"_s, now);
            QStringList assignments;
            QVariantList bound;
            for (int i = 0; i < d->columns.size(); ++i) {
                if (modified.at(i)) {
                    assignments << quoted(d->columns.at(i)) + u" = ?"_s;
                    bound << values.at(i);
                }
            }
            bound << rowId;
            connection.execute(u"UPDATE %1 SET %2 WHERE rowid = ?"_s.arg(quoted(d->table), assignments.join(u", "_s)),
                               bound);
        }
    }
    // Re-read the range inside the transaction: a failure after COMMIT would report a stored
    // record as not stored, and the caller's retry would store it twice.
    const QList<qint64> previousRowIds = d->rowIds;
    try {
        d->load();
        transaction.commit();
    } catch (...) {
        d->rowIds = previousRowIds;
        d->currentLoaded = -1;
        throw;
    }
    d->state = State::Browse;
    d->buffer.clear();
    d->modified.clear();
    d->positionOn(rowId, d->pos);
}

void Table::cancel()
{
    if (d->state == State::Edit || d->state == State::Insert) {
        d->state = State::Browse;
        d->buffer.clear();
        d->modified.clear();
    }
}

void Table::remove()
{
    d->requireBrowse();
    const qint64 rowId = currentRowId();
    if (rowId < 0)
        throwDatabaseError(u"table %1: no record to delete"_s.arg(d->table));
    const QList<qint64> previousRowIds = d->rowIds;
    Transaction transaction(d->connection);
    try {
        d->connection.execute(u"DELETE FROM %1 WHERE rowid = ?"_s.arg(quoted(d->table)), {rowId});
        d->load();
        transaction.commit();
    } catch (...) {
        d->rowIds = previousRowIds;
        d->currentLoaded = -1;
        throw;
    }
    d->pos = std::clamp(d->pos, 0, int(d->rowIds.size()));
}

int Table::fieldIndex(const QString &name) const
{
    for (int i = 0; i < d->columns.size(); ++i) {
        if (d->columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field Table::fieldByName(const QString &name)
{
    d->requireOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throwDatabaseError(u"table %1 has no column %2"_s.arg(d->table, name));
    return Field(this, index);
}

QVariant Table::value(const QString &name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throwDatabaseError(u"table %1 has no column %2"_s.arg(d->table, name));
    return value(index);
}

QVariant Table::value(int column) const
{
    if (d->state == State::Edit || d->state == State::Insert)
        return d->buffer.value(column);
    if (eof())
        return QVariant();
    return d->record().value(column);
}

void Table::setValue(const QString &name, const QVariant &value)
{
    const int index = fieldIndex(name);
    if (index < 0)
        throwDatabaseError(u"table %1 has no column %2"_s.arg(d->table, name));
    setValue(index, value);
}

void Table::setValue(int column, const QVariant &value)
{
    if (d->state != State::Edit && d->state != State::Insert)
        throwDatabaseError(u"table %1: call append or edit before setting %2"_s.arg(d->table, d->columns.value(column)));
    if (column < 0 || column >= d->columns.size())
        throwDatabaseError(u"table %1: no column %2"_s.arg(d->table).arg(column));
    d->buffer[column] = value;
    d->modified[column] = true;
}

} // namespace Db
