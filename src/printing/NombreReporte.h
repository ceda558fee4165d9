#pragma once

#include "printdata/vouchers/RutasArchivo.h"
#include "printing/AvisosArchivos.h"

#include <QString>
#include <array>

class DB_Dll;
namespace ado {
class Recordset;
}

// The report files of the first four printed copies (entries 1 to 4 at indexes 0 to 3).
using ArchivosReporte = std::array<QString, 4>;

// The report file of a report name: the report table TA_REPORTES (this workstation's row
// first), the delivery notes of letter R, the electronic vouchers' folder and their form
// without QR, and the forms of the report folder as fall-backs. Bare file names and relative
// folders of the table and the settings lie in the report folder.
class EleccionReporte {
public:
    // `carpetaAplicacion` is the folder of the default forms, ending with a separator. Missing
    // files are reported once per `avisos`.
    EleccionReporte(DB_Dll &base, const QString &carpetaAplicacion, const RutasArchivo &rutas, AvisosArchivos &avisos);

    // NombreReporte$: the file of report `Nombre` (a type and letter such as FC-A, or a name),
    // with the files of copies 1 to 4 in `Archivos`. `Nombre` is rewritten (callers pass a
    // copy). `ClaveEquipo` empty looks up this workstation's row before the general one.
    // `IdComprobante` is the voucher's 13-character number, empty for a report of no voucher.
    // Errors go to MostrarError: Retry repeats the step, Ignore goes on, any other answer
    // returns the file chosen so far.
    QString NombreReporte(QString &Nombre, const QString &ClaveEquipo, ArchivosReporte &Archivos,
                          const QString &IdComprobante);

    // The configured file `Archivo` checked: blank, the form of `Nombre` or of its type; a bare
    // name, a form of the report folder; a file that does not exist, reported to the operator
    // and replaced by the form of `Nombre`. The result is also left in `Archivo`. Never throws.
    QString VerificarArchivoReporte(QString &Archivo, const QString &Nombre);

private:
    QString alternativa(const QString &Nombre);
    QString formularioCompras(const QString &tipo);
    void filaCompleta(ado::Recordset &rs, const QString &plano, QString &resultado, ArchivosReporte &Archivos);
    QString campo(ado::Recordset &rs, const QString &nombre) const;
    QString sql(const QString &valor) const;

    DB_Dll &m_base;
    QString m_carpeta;
    const RutasArchivo &m_rutas;
    AvisosArchivos &m_avisos;
};
