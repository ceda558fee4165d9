#pragma once

#include <QString>

class DB_Dll;

// Deletes a stored settlement from its four tables, all four or none: the article lines, the
// applied vouchers and the collections first and the header last (SentenciasLiquidacion),
// the order that rows referring to their header need.
class BorradoLiquidacion {
public:
    explicit BorradoLiquidacion(DB_Dll &base)
        : m_base(base)
    {
    }

    // Deletes settlement `numero` in a transaction of its own. Returns true when all four
    // statements ran and were committed; otherwise false with the first error's description in
    // `error`, and nothing deleted. Throws the connection's RuntimeError when the transaction
    // or a statement cannot be sent at all (nothing is deleted then either).
    bool borrar(const QString &numero, QString &error);

private:
    DB_Dll &m_base;
};
