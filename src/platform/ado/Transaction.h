#pragma once

#include <QtGlobal>

namespace ado {

class Connection;

// A transaction on a connection that rolls back unless committed: work that must be stored
// whole or not at all runs while one lives. Move-free and copy-free: it belongs to one scope.
class Transaction {
public:
    // Begins the transaction. Throws the connection's RuntimeError when it cannot.
    explicit Transaction(Connection &connection);
    // Rolls back when neither commit nor rollback ended it.
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Commits. Throws the connection's RuntimeError when it cannot; the transaction then still
    // stands (a commit may be tried again) unless the engine dropped it.
    void commit();
    // Rolls back, never throws. Nothing is sent when the transaction no longer stands.
    void rollback() noexcept;
    // Whether the transaction is still open on the session it began on: false once committed
    // or rolled back, and once the connection was closed or reopened (a lost connection takes
    // its transaction with it).
    bool standing() const;
    // Whether commit succeeded.
    bool committed() const { return m_committed; }

private:
    Connection &m_connection;
    quint64 m_session = 0;
    int m_depth = 0; // the connection's depth with this transaction open
    bool m_ended = false;
    bool m_committed = false;
};

} // namespace ado
