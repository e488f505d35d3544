#pragma once

#include "contactdb/Connection.h"

#include <optional>

namespace Mail {

// Groups a worker's database work on many messages into transactions of a fixed number of
// messages: committing once per message made the workers several times slower than the
// statements themselves. With no connection every call does nothing. Used by the one
// worker that holds the connection during its run; destroying it rolls back what is open.
class TransactionBatch
{
public:
    TransactionBatch(Db::Connection *connection, Db::Connection::TransactionMode mode, int messagesPerTransaction);

    // Before a message: opens a transaction when none is open; true when it opened one.
    bool begin();
    // After a message: commits when the transaction holds its number of messages.
    void end();
    // Commits what is open (at the end of a run).
    void commit();

private:
    Db::Connection *m_connection;
    Db::Connection::TransactionMode m_mode;
    int m_size;
    int m_messages = 0;
    std::optional<Db::Transaction> m_transaction;
};

} // namespace Mail
