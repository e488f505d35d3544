#include "contactdb/TInMemoryTable.h"

#include "contactdb/Connection.h"

using namespace Qt::StringLiterals;

namespace Db {

namespace {
const QString MemoryTableName = u"MEMTABLE"_s;
}

Internal::MemoryConnectionHolder::MemoryConnectionHolder() : memoryConnection(std::make_unique<Connection>())
{
    memoryConnection->open(u":memory:"_s);
}

Internal::MemoryConnectionHolder::~MemoryConnectionHolder() = default;

TInMemoryTable::TInMemoryTable(const QString &columnDefinitions)
    : Table(*memoryConnection, MemoryTableName)
{
    memoryConnection->executeMulti(u"CREATE TABLE \"%1\" (%2)"_s.arg(MemoryTableName, columnDefinitions));
}

TInMemoryTable::~TInMemoryTable() = default;

void TInMemoryTable::addIndex(const QString &name, const QStringList &columns)
{
    QStringList quoted;
    for (QString column : columns)
        quoted << u'"' + column.replace(u'"', u"\"\""_s) + u'"';
    QString indexName = name;
    memoryConnection->executeMulti(u"CREATE INDEX \"%1\" ON \"%2\" (%3)"_s
                                       .arg(indexName.replace(u'"', u"\"\""_s), MemoryTableName, quoted.join(u", "_s)));
    if (isOpen())
        refresh();
}

void TInMemoryTable::clear()
{
    memoryConnection->execute(u"DELETE FROM \"%1\""_s.arg(MemoryTableName));
    if (isOpen())
        refresh();
}

} // namespace Db
