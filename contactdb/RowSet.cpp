#include "contactdb/RowSet.h"

#include "contactdb/Connection.h"
#include "contactdb/Connection_p.h"

using namespace Qt::StringLiterals;

namespace Db {

RowSet::RowSet(QStringList columns, QList<QVariantList> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
}

int RowSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant RowSet::fieldByName(const QString &name) const
{
    const int column = columnIndex(name);
    if (column < 0)
        throwDatabaseError(u"no column %1 in the result (%2)"_s.arg(name, m_columns.join(u", "_s)));
    if (eof())
        throwDatabaseError(u"reading %1 past the last row"_s.arg(name));
    return m_rows.at(m_current).at(column);
}

QString RowSet::stringByName(const QString &name) const
{
    return fieldByName(name).toString();
}

qint64 RowSet::integerByName(const QString &name) const
{
    return fieldByName(name).toLongLong();
}

QDateTime RowSet::dateTimeByName(const QString &name) const
{
    return Connection::dateTimeFromText(fieldByName(name));
}

QVariant RowSet::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return QVariant();
    return m_rows.at(row).at(column);
}

QVariant RowSet::value(int row, const QString &name) const
{
    return value(row, columnIndex(name));
}

} // namespace Db
