#pragma once

#include <QString>

class DB_Dll;
struct DatosComanda;
struct RegistroComandera;

namespace rt {
class StepRunner;
}

// Reads what a kitchen-order ticket prints: the order's table, waiter, customer and total,
// its article lines in order with the routing letters of their articles, and, where the
// kitchen printer's record leaves the business-name or address line blank, those lines from
// the configuration.
class LecturaComanda {
public:
    explicit LecturaComanda(DB_Dll &base)
        : m_base(base)
    {
    }

    // Fills `datos` for order TC `IdComprobante`, each statement one step of `pasos` (an order
    // that is not there reads as empty texts and no lines). Returns false when the handler's
    // answer left the routine.
    bool leer(const RegistroComandera &registro, const QString &TC, const QString &IdComprobante,
              const rt::StepRunner &pasos, DatosComanda &datos);

private:
    bool leerComprobante(const QString &TC, const QString &IdComprobante, const rt::StepRunner &pasos,
                         DatosComanda &datos);
    bool leerLineas(const QString &TC, const QString &IdComprobante, const rt::StepRunner &pasos, DatosComanda &datos);

    DB_Dll &m_base;
};
