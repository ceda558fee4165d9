#pragma once

#include "printing/TrabajoComprobante.h"

#include <QString>
#include <functional>

class DB_Dll;
class EleccionReporte;
class ObjetoImpresion;

namespace rt {
class StepRunner;
}

// The first stage of the report printer: classifies the voucher (accounting, stock,
// electronic), gathers the company and header formulas, the receipt's formulas and the footer
// of invoices paid at the counter, builds the record selection and sort for the voucher type,
// chooses the report files and reads the type's printer settings.
class PreparacionTrabajo {
public:
    PreparacionTrabajo(DB_Dll &base, EleccionReporte &eleccion, const ObjetoImpresion &objeto)
        : m_base(base)
        , m_eleccion(eleccion)
        , m_objeto(objeto)
    {
    }

    // Sets up `trabajo` for `pedido`, each statement one step of `pasos`. Returns false when
    // the handler's answer left the routine. An accounting voucher comes back with EsAsiento
    // and nothing else set: it is printed as its accounting entry.
    bool preparar(const PedidoImpresion &pedido, const rt::StepRunner &pasos, TrabajoComprobante &trabajo);

private:
    using Paso = std::function<void()>;

    void clasificar();
    void datosEmpresa();
    void formulasEncabezado();
    void formulasImpuestos();
    void impresora();
    void electronico();
    void seleccionStock();
    void eleccionPorTipo();
    void pieDePagina();

    void agregar(const QString &formula);
    void anexar(const QString &clausula);
    void elegir(const QString &nombre, const QString &claveEquipo, const QString &idComprobante);
    bool existeTipo(const QString &sistema) const;
    QString claveEquipo() const;
    QString clausulaNumeroVentas() const;

    DB_Dll &m_base;
    EleccionReporte &m_eleccion;
    const ObjetoImpresion &m_objeto;
    TrabajoComprobante *m_trabajo = nullptr;
    QString m_letra;
    QString m_id;
    QString m_unidad;
};
