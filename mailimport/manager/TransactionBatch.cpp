#include "mailimport/manager/TransactionBatch.h"

namespace Mail {

TransactionBatch::TransactionBatch(Db::Connection *connection, Db::Connection::TransactionMode mode,
                                   int messagesPerTransaction)
    : m_connection(connection)
    , m_mode(mode)
    , m_size(messagesPerTransaction)
{
}

bool TransactionBatch::begin()
{
    if (!m_connection || m_transaction)
        return false;
    m_transaction.emplace(*m_connection, m_mode);
    m_messages = 0;
    return true;
}

void TransactionBatch::end()
{
    if (m_transaction && ++m_messages >= m_size)
        commit();
}

void TransactionBatch::commit()
{
    if (!m_transaction)
        return;
    m_transaction->commit();
    m_transaction.reset();
}

} // namespace Mail
