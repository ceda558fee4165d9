#pragma once

#include "printing/TrabajoComprobante.h"

#include <QString>

class Comandera;
class DatosImpresion;
class DB_Dll;
class ObjetoImpresion;

// What voucher printing works with: the database, the print-data builders, the print object,
// the kitchen printer (null where none is installed), the folder of the forms and the report
// connection text.
struct ServiciosImpresion {
    DB_Dll &base;
    DatosImpresion &datos;
    ObjetoImpresion &objeto;
    Comandera *comandera = nullptr;
    QString carpetaReportes;
    QString conexion;
};

// ImprimirComprobante: prints one voucher whose work rows are written: sets the job up and
// prints it, or shows an accounting voucher's entries. Errors go to MostrarError with the
// routine name "ImprimirComprobante": Retry repeats the failing statement, Ignore goes on, any
// other answer leaves. `pedido` comes back with its selection, resolved destination and
// accounting flag.
void ImprimirComprobante(const ServiciosImpresion &servicios, PedidoImpresion &pedido);

// ImprimirComprobanteGenerico: shows or prints voucher TC `IdComprobante` (point of sale 4,
// number 8, letter 1): its work rows rebuilt by the receipt builder (CB, CBCT, CBFP, PG, PGFP,
// OPG; applied documents of account `Cuenta` only when it is not blank) or the voucher
// builder, then printed on the screen through the report of its type ("LiqOPG" for payment
// orders). TC comes back trimmed. The workstation's turn at its print rows (TurnoImpresion) is
// held throughout, so another print of this workstation waits until the rows are read; a print
// asked for while this program's own print is still under way (a second click) is not started.
void ImprimirComprobanteGenerico(const ServiciosImpresion &servicios, QString &TC, QString &IdComprobante,
                                 QString &Cuenta);
