#include "platform/ado/Transaction.h"

#include "platform/ado/Connection.h"
#include "platform/runtime/RuntimeError.h"

namespace ado {

Transaction::Transaction(Connection &connection)
    : m_connection(connection)
{
    m_connection.BeginTrans();
    m_session = m_connection.session();
    m_depth = m_connection.transactionDepth();
}

Transaction::~Transaction()
{
    rollback();
}

void Transaction::commit()
{
    if (!standing())
        throw rt::RuntimeError(rt::err::AdoEFail, QStringLiteral("The transaction is no longer open."));
    m_connection.CommitTrans();
    m_ended = true;
    m_committed = true;
}

void Transaction::rollback() noexcept
{
    if (!standing())
        return;
    m_ended = true;
    try {
        m_connection.RollbackTrans();
    } catch (const rt::RuntimeError &) { // NOLINT(bugprone-empty-catch)
        // The connection is gone or its transaction was already undone: nothing stays written.
    }
}

bool Transaction::standing() const
{
    return !m_ended && m_connection.State() == adStateOpen && m_connection.session() == m_session
           && m_connection.transactionDepth() >= m_depth;
}

} // namespace ado
