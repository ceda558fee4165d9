#pragma once

#include "platform/runtime/StepRunner.h"
#include "printdata/vouchers/SentenciasComprobantes.h"

#include <QHash>
#include <QString>
#include <functional>

class DB_Dll;

namespace ado {
class Recordset;
}

// The voucher print rows: turns stored vouchers into the workstation's rows of AUX_MV_CPTE and
// AUX_MV_CPTEQR for the reports. A statement that fails is skipped and the run goes on; the
// provider's unspecified error (E_FAIL) abandons the step under way. Nothing is shown except
// what a step's own rule shows.
class AuxiliarComprobantes {
public:
    // What GeneraAuxiliarComprobantes receives (see GeneraAuxiliarComprobantes.h).
    struct Pedido {
        QString SucursalDesde, NumeroDesde, LetraDesde, IdComplementoDesde;
        qint16 AltoTitulo = 3;
        QString SucursalHasta, NumeroHasta, LetraHasta, IdComplementoHasta;
        QString ListaId;
        QString ListaIdComprobante;
        QString IdTarea;
        bool ConservarFilas = false;
    };

    // The longest workstation key the print tables hold and the reports select with.
    static constexpr int LargoClaveEquipo = 50;

    explicit AuxiliarComprobantes(DB_Dll &db);
    // Not copied: the run's handler counts the failures into the object that made it.
    AuxiliarComprobantes(const AuxiliarComprobantes &) = delete;
    AuxiliarComprobantes &operator=(const AuxiliarComprobantes &) = delete;

    // Builds the rows of the vouchers the request selects. `TC` comes back as stored (or, for
    // "Todo" with an ID list, the type of the first voucher selected). A workstation key longer
    // than LargoClaveEquipo is reported once and nothing is written.
    void generar(QString &TC, const Pedido &pedido);

    // The statements of the last run that failed and were skipped.
    long fallos() const { return m_fallos; }

    // The buyer's document type code of the QR text: CUIT 80, CUIL 86, DNI 96, any other 99.
    static qint16 TipoDocumentoQR(int documentotipo);

private:
    // The current voucher, as the steps use it.
    struct Comprobante {
        SentenciasComprobantes::ClaveFilas clave;
        QString sucursal, numero, letra;
        QString filtro;
        QString moneda;
        bool monedaExtranjera = false;
        QString importeEnLetras;
        QString cae;
    };

    bool claveValida(const QString &clave);
    QString filtroSeleccion(QString &TC, const Pedido &pedido, bool &todo);
    void procesarComprobante(ado::Recordset &rs, const QString &tc);
    void datosComprobante(ado::Recordset &rs, const QString &tc);
    void pasosComprobante(ado::Recordset &rs);

    // Header, footer and the columns of every row (AuxiliarComprobantes.cpp).
    void AgregarFilaEncabezado();
    void AgregarFilaPie();
    void ActualizarImporteEnLetras();
    void ActualizarEncabezado();
    void ActualizarFormaDePago(ado::Recordset &rs);
    QString primeraObservacion(const QString &tipo, bool &hay);
    void AgregarTituloSeccion();
    void AgregarFilaBlanco();

    // Task and other-concept rows (AuxiliarComprobantesTareas.cpp).
    void AgregarFilasTareas();
    void agregarDiarios();
    void AgregarFilasOtrosConceptos();

    // Supply rows with their lots and dispatches, and the pending lines of an origin order
    // (AuxiliarComprobantesInsumos.cpp).
    void AgregarFilasInsumos();
    void agregarLineaInsumo(ado::Recordset &rs);
    void camposArticulo(ado::Recordset &rs, const QString &descripcion);
    void camposSerieYUnidades(ado::Recordset &rs);
    void preciosConIva(ado::Recordset &rs);
    void BuscarDespachoLote();
    void AgregarFilaDespacho();
    void AgregarFilaLotes();
    void AgregarFilasPendientesNP(ado::Recordset &comprobante);
    void agregarPendienteNP(ado::Recordset &rs);

    // The QR and logo row (AuxiliarComprobantesQR.cpp).
    void AgregarFilaQR(ado::Recordset &rs);
    QByteArray imagenQR(ado::Recordset &rs);
    void cotizacionDelDia(ado::Recordset &rs, QString &ctz, int &decimales);

    // The run's answer to a failed statement: skip it, or leave the step on E_FAIL. Each
    // statement is one step of m_pasos; each step of a voucher (or sub-step) runs through
    // rt::runRoutine, so an E_FAIL inside it ends that step alone.
    int politica(const rt::RuntimeError &error);
    // Adds a column to the row being built when its value can be made.
    void campo(const QString &nombre, const std::function<QString()> &valor);
    // Inserts the row built into AUX_MV_CPTE; true when the connection reports no error.
    bool insertarFila();
    void ejecutar(const QString &sql);
    // The key columns every row of a section starts with, and its Tipo.
    void camposClave(const QString &tipo);

    // A setting read once per run; `siNo` settings compare trimmed with "SI".
    QString ajuste(const QString &clave);
    bool ajusteSi(const QString &clave);
    QString valor(ado::Recordset &rs, const QString &campo);
    static bool abierto(const ado::Recordset &rs);

    DB_Dll &m_db;
    rt::StepRunner m_pasos;
    QString m_usuario;
    QString m_idTarea;
    qint16 m_altoTitulo = 3;
    bool m_sinImportesOT = false;
    QString m_logo;
    Comprobante m_cpte;
    QString m_tituloSeccion;
    QString m_lotesComprobante;
    QString m_textoLoteImpreso;
    QHash<QString, QString> m_ajustes;
    QHash<QString, QString> m_codigosProveedor;
    long m_fallos = 0;
};
