#pragma once

#include "platform/ado/Recordset.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/StepRunner.h"
#include "printdata/receipts/ast.h"

#include <QString>
#include <QStringList>
#include <functional>

class DB_Dll;

// The print rows of one collection receipt (CB, CBCT, CBFP) or payment order (PG, PGFP, OPG) in
// the work table AUX_MV_CPTE, for the workstation gEquipoUsuario, and the report formulas of its
// totals. Each printed row carries one applied document on its left columns (COLUMNA1 to 3, 9,
// 11) and one means of payment on its right ones (COLUMNA4 to 8, 10). No transaction: what was
// written before an error stays.
class IMP_Recibos {
public:
    explicit IMP_Recibos(DB_Dll &db);

    // GeneraAuxiliarRecibo_PagoCobranza: replaces the workstation's work rows by those of the
    // voucher TC (as passed), point of sale Sucursal (4), Numero (8) and Letra (1): the applied
    // documents and the listed means of payment side by side, while either list has rows; the
    // other vouchers applied under this one; blank rows up to ItemsPorPagina (-1: none); copies 2
    // to Copias of the first copy's rows. Cuenta (blank: none) narrows the documents to one
    // account. Then stores formulas 1 to 11 ("Prm_ImporteCpte = '...'" to "Prm_Concepto = '...'")
    // at those indexes of Formulas, element 0 left as given. A voucher with neither applications
    // nor entry lines gets no rows and no formulas. Every failing statement or field read goes to
    // MostrarError ("GeneraAuxiliarRecibo_PagoCobranza"): Retry repeats it, Ignore goes on, any
    // other answer leaves at once; errors 401 and the provider's faulty-command and unknown-object
    // errors are passed over silently.
    void GeneraAuxiliarRecibo_PagoCobranza(const QString &TC, const QString &Sucursal, const QString &Numero,
                                           const QString &Letra, const QString &Cuenta, QStringList &Formulas,
                                           long Copias, long ItemsPorPagina);

private:
    struct Importes {
        rt::Currency ImporteCpte;
        rt::Currency ImporteAplicado;
        rt::Currency ImporteSaldo;
        rt::Currency ImporteMP;
        rt::Currency RetGanancias;
        rt::Currency RetIVA;
        rt::Currency RetOtras;
        rt::Currency RetIBrtos;
        rt::Currency RetSUSS;
        rt::Currency Descuentos;
    };
    // The pieces of the document on the current applications record.
    struct Documento;
    // What kind of means of payment an entry line is.
    enum class Clase { Sumada, Efectivo, Banco, Tarjeta, Ninguna };

    // The stages, in the order they run.
    void prepararCuentas();
    void abrirListas();
    long contar(ado::Recordset &rs);
    void escribirFilas();
    void columnasFijas();
    void otrosAplicados();
    void rellenarPagina(long ItemsPorPagina);
    void copiar(long Copias);
    void importesDeCabecera();
    void agregarFormulas(QStringList &Formulas);

    // The applied-document columns of the current row (IMP_RecibosAplicaciones.cpp).
    void columnasAplicacion();
    void documentoGuiadoPorAplicaciones(const QString &tipo, const Documento &doc);
    void documentoGuiadoPorAsientos(const QString &tipo, const Documento &doc);
    // COLUMNA1 and COLUMNA9 from the look-up's fields `fecha` and `importe`; a look-up without a
    // row fails each read.
    void fechaEImporteDocumento(const QString &fecha, const QString &importe);
    void saldoDocumento(const QString &tipo, const Documento &doc, bool conBlanco);
    // Runs a look-up query, built by `sentencia`, straight on the connection into m_busqueda.
    void consultar(const std::function<QString()> &sentencia);

    // The means-of-payment columns of the current row (IMP_RecibosMediosDePago.cpp).
    void ColumnasMedioDePago();
    bool marcarLinea(const QString &cuentaLinea);
    Clase clasificar(const QString &cuentaLinea, bool marcada, QString &descripcion);
    void listar(Clase clase, const QString &descripcion);
    void listarBanco(const QString &descripcion);
    void listarTarjeta(const QString &descripcion);

    // A field of a recordset as text (Null, BOF and EOF as ""), read as one step.
    QString leer(ado::Recordset &rs, const QString &campo) const;
    // Sets a column of the row being written, as one step.
    void escribir(const QString &columna, const rt::Variant &valor);
    // The value read as an amount, as one step: "" and Null are 0.
    rt::Currency importe(const QString &texto) const;

    DB_Dll &m_db;
    ast m_ast;
    // The routine's handler: each statement or test is one step, and an answer that leaves
    // throws out of the stage under way to the routine's top.
    rt::StepRunner m_pasos;

    QString m_tc;
    QString m_sucursal;
    QString m_numero;
    QString m_letra;
    QString m_cuenta;
    QString m_tipo;
    QString m_clave;
    bool m_esRecibo = false;
    bool m_incluirCuitLibrador = false;
    QString m_ctaRetIVA;
    QString m_ctaRetGanancias;
    QString m_ctaRetIBrtos;
    QString m_ctaDescuento;
    QString m_concepto;
    Importes m_importes;
    long m_cuentaAplicaciones = 0;
    long m_cuentaAsientos = 0;
    bool m_guianAsientos = false;

    ado::Recordset m_escritor;
    ado::Recordset m_aplicaciones;
    ado::Recordset m_asientos;
    ado::Recordset m_busqueda;
};
