#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace Db {

class Connection;
class Table;

// A column of a cursor's current record, as ST_FieldByName hands it out. An observer: valid
// while its Table lives. Reading at EOF gives a null value.
class Field
{
public:
    Field(Table *table, int column) : m_table(table), m_column(column) {}
    QString fieldName() const;
    QVariant value() const;
    bool isNull() const;
    QString asString() const;                    // NULL → ""
    qint64 asInteger() const;                    // NULL → 0
    double asFloat() const;
    bool asBoolean() const;
    QDateTime asDateTime() const;                // from the stored timestamp text
    QByteArray asBytes() const;
    void setValue(const QVariant &value);        // the table must be in Edit or Insert state

private:
    Table *m_table;
    int m_column;
};

// A cursor on one table (not a view) of a Connection: current index (by index name), an optional
// key range, a current record, and an edit buffer (Append/Edit → Post/Cancel).
//
// The cursor keeps the ordered rowids of its range in memory and reads rows one at a time,
// so it suits the tables of one profile, not millions of rows. Several cursors may be open
// on the same table (ST_GotoCurrent synchronises two); a cursor sees others' changes after
// refresh().
//
// Posting a new record on a table with a key pair and a SITESET counter allocates the key
// (CPC := the connection's site, C := the raised counter) unless the caller set a non-zero
// C, and fills the audit columns present in the table (CREATOR, LASTEDIT := the connection's
// domain name; CRDATE, EDDATE, SYNDATE := now; SITE := site; COUNTER := 1). Posting an edit
// sets LASTEDIT and EDDATE. Each post is one transaction (a savepoint inside an outer one),
// so a failed post stores nothing and raises no counter; the buffer stays as it was.
//
// Moving or re-reading while a record is being edited or appended is an error (post or
// cancel first), so nothing is stored implicitly. Errors throw EOrvDatabaseError.
// Threads: as the Connection.
class Table
{
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Connection &connection, const QString &tableName);
    virtual ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    Connection &connection() const;
    QString tableName() const;
    QStringList fieldNames() const;              // valid once open
    State state() const;
    bool isOpen() const { return state() != State::Inactive; }

    void open();                                 // positions on the first record
    void close();

    // "" selects the primary index (the key pair, or insertion order for tables without).
    void setIndexName(const QString &indexName);
    QString indexName() const;
    QStringList indexFields() const;

    bool findKey(const QVariantList &leadingValues);   // positioned when true; unchanged when false
    bool findNearest(const QVariantList &leadingValues); // first at or after; false at EOF
    void setRange(const QVariantList &from, const QVariantList &to); // leading values, inclusive
    void cancelRange();
    // Exact match of the given columns (any order of the current index); ignoring case
    // compares text with SQLite's NOCASE.
    bool locate(const QStringList &columns, const QVariantList &values, bool caseInsensitive = false);
    bool gotoCurrent(const Table &other);        // same table: position on other's record; false when it has none

    void first();
    void last();
    void next();
    void prior();
    bool eof() const;
    bool bof() const;
    bool isEmpty() const;
    int recordCount() const;
    int recNo() const;                           // 0-based; -1 when empty
    void refresh();                              // re-reads the range, keeps the record when it still exists
    qint64 currentRowId() const;                 // -1 when none

    void append();
    void edit();
    void post();
    void cancel();
    void remove();                               // deletes the current record

    int fieldIndex(const QString &name) const;   // -1 when missing
    Field fieldByName(const QString &name);      // throws for an unknown column
    QVariant value(const QString &name) const;
    QVariant value(int column) const;
    void setValue(const QString &name, const QVariant &value);
    void setValue(int column, const QVariant &value);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Db
