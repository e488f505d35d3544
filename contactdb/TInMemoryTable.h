#pragma once

#include "contactdb/Table.h"

#include <memory>

namespace Db {

namespace Internal {
// Constructed before the Table base, which needs the connection.
struct MemoryConnectionHolder
{
    MemoryConnectionHolder();
    ~MemoryConnectionHolder();
    std::unique_ptr<Connection> memoryConnection;
};
} // namespace Internal

// A temporary list with the cursor interface of Db::Table, kept in a private in-memory
// database. Columns are given as SQL column definitions, e.g.
// TInMemoryTable(u"NAME TEXT, CPCX INTEGER, CX INTEGER"_s). No key allocation, no audit.
class TInMemoryTable : private Internal::MemoryConnectionHolder, public Table
{
public:
    explicit TInMemoryTable(const QString &columnDefinitions);
    ~TInMemoryTable() override;

    // An index usable by setIndexName(); call before or after open().
    void addIndex(const QString &name, const QStringList &columns);
    void clear();                                // deletes every row
};

} // namespace Db
