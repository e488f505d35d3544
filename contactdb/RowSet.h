#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QVariant>

namespace Db {

// The rows a query or script returned: column names and rows of values, with a current
// row for the First/Next/EOF style of reading. A plain value; copying copies the cursor.
// Column names compare ignoring case.
class RowSet
{
public:
    RowSet() = default;
    RowSet(QStringList columns, QList<QVariantList> rows);

    const QStringList &columns() const { return m_columns; }
    const QList<QVariantList> &rows() const { return m_rows; }
    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int columnIndex(const QString &name) const;               // -1 when missing

    void first() { m_current = 0; }
    void next() { if (m_current < recordCount()) ++m_current; }
    bool eof() const { return m_current >= recordCount(); }
    int currentIndex() const { return m_current; }

    // Values of the current row; throw EOrvDatabaseError for an unknown column or at EOF.
    QVariant fieldByName(const QString &name) const;
    QString stringByName(const QString &name) const;          // NULL → ""
    qint64 integerByName(const QString &name) const;          // NULL → 0
    QDateTime dateTimeByName(const QString &name) const;      // stored timestamp text → QDateTime

    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &name) const;

    bool operator==(const RowSet &other) const
    { return m_columns == other.m_columns && m_rows == other.m_rows; }

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
    int m_current = 0;
};

} // namespace Db
