#pragma once

#include <QString>
#include <QStringList>

class DB_Dll;

// Deletes a stored settlement from its four tables: the article lines, the applied vouchers and
// the collections first, the header last, so a run that stops half-way leaves the settlement
// listed and deletable again rather than rows that no settlement reaches (rows that would keep
// their collections out of every later settlement).
class BorradoLiquidacion {
public:
    explicit BorradoLiquidacion(DB_Dll &base)
        : m_base(base)
    {
    }

    // The four statements, in the order they run, for the numeric literal `numeroSQL`.
    static QStringList sentencias(const QString &numeroSQL);

    // Runs the four statements for settlement `numero`, each committed by itself, and stops at
    // the first one the connection reports as failed. Returns true when all four ran; otherwise
    // false with the first error's description in `error`. Throws the connection's RuntimeError
    // when a statement cannot be sent at all.
    bool borrar(const QString &numero, QString &error);

private:
    DB_Dll &m_base;
};
