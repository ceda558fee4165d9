#pragma once

#include <QString>
#include <QStringList>

// The print-data builders that voucher printing calls: the work rows of a receipt or payment
// order, the work rows of any other voucher, and the print of an accounting entry. The program
// hands the printing its real builders; tests hand it a recording stand-in.
class DatosImpresion {
public:
    virtual ~DatosImpresion() = default;

    // Replaces the workstation's work rows by those of the receipt or payment order TC of point
    // of sale `Sucursal`, number `Numero` and letter `Letra` (applied documents narrowed to
    // account `Cuenta` when it is not blank), and stores its report formulas in `Formulas`
    // from index 1 on. Reports its own errors.
    virtual void GeneraAuxiliarRecibo_PagoCobranza(const QString &TC, const QString &Sucursal, const QString &Numero,
                                                   const QString &Letra, const QString &Cuenta, QStringList &Formulas,
                                                   long Copias, long ItemsPorPagina) = 0;

    // Writes the work rows of the vouchers of type TC from the first key to the last (or of the
    // listed ids or numbers), the workstation's earlier rows kept only with `ConservarFilas`.
    // TC comes back as the builder normalised it. Never stops on an error.
    virtual void GeneraAuxiliarComprobantes(QString &TC, const QString &SucursalDesde, const QString &NumeroDesde,
                                            const QString &LetraDesde, const QString &IdComplementoDesde,
                                            qint16 AltoTitulo, const QString &SucursalHasta, const QString &NumeroHasta,
                                            const QString &LetraHasta, const QString &IdComplementoHasta,
                                            const QString &ListaId, const QString &ListaIdComprobante,
                                            const QString &IdTarea, bool ConservarFilas) = 0;

    // Shows or prints one accounting entry of the voucher (by its key, or by period, operating
    // month and entry number when `Periodo` is not 0) through the entry reports.
    virtual void FormulasAsiento(const QString &TC, const QString &Sucursal, const QString &Numero,
                                 const QString &Letra, const QString &MesOperativo, const QString &NumeroAsiento,
                                 const QString &Periodo, bool CentroCosto, bool Pantalla, bool Angosto) = 0;
};
