#pragma once

#include <QList>
#include <QString>

namespace ado {

// One provider error or warning of the last operation, as ADO's Error object gives it.
struct Error {
    long Number = 0;
    QString Description;
    QString Source;
    QString SQLState;
    long NativeError = 0;
};

// The provider's errors of the last operation on a connection.
class Errors {
public:
    long Count() const { return static_cast<long>(m_items.size()); }
    // Throws RuntimeError 3265 when the index is out of range.
    const Error &operator()(long index) const;
    const Error &Item(long index) const { return (*this)(index); }
    void Clear() { m_items.clear(); }
    void Append(Error error) { m_items.append(std::move(error)); }
    const QList<Error> &items() const { return m_items; }

private:
    QList<Error> m_items;
};

} // namespace ado
