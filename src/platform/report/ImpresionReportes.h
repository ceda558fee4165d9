#pragma once

#include "platform/report/ReportDocument.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

namespace ado {
class Connection;
}

namespace report {

class PreviewWindow;

// The print library: prints report files (our JSON definitions, named "<name>.rpt") with named
// formulas, a record selection formula and sort fields, reading the rows through a database
// connection, to the screen, a printer, a PDF file or an e-mail.
class ImpresionReportes {
public:
    ImpresionReportes();
    ~ImpresionReportes();
    ImpresionReportes(const ImpresionReportes &) = delete;
    ImpresionReportes &operator=(const ImpresionReportes &) = delete;

    // Destination codes. The screen goes by two names, as the program's modules call it.
    int DestinoPantalla() const { return 0; }
    int DestinoVentana() const { return DestinoPantalla(); }
    int DestinoImpresora() const { return 1; }
    int DestinoArchivo() const { return 2; }
    int DestinoCorreo() const { return 3; }

    // The destination of the next print (screen at first); Destino and DestinoReporte are one member.
    int Destino() const { return m_destino; }
    void setDestino(int destino) { m_destino = destino; }
    int DestinoReporte() const { return Destino(); }
    void setDestinoReporte(int destino) { setDestino(destino); }

    // The application folder ("\" or "/" at its end or not). Reports are looked for in its
    // subfolder "Reportes", then in it. Empty means the program's own folder.
    QString CarpetaAplicacion() const { return m_carpetaAplicacion; }
    void setCarpetaAplicacion(const QString &carpeta) { m_carpetaAplicacion = carpeta; }

    // True while a caller prints a run of reports: the connection opened for them stays open
    // until it is set back to False or Terminar is called.
    bool EnProceso() const { return m_enProceso; }
    void setEnProceso(bool enProceso);

    // The printer for DestinoImpresora: the one of that name when it exists, else the default
    // one. Driver and port are kept for the callers; the printer is found by its name.
    QString NombreImpresora() const { return m_nombreImpresora; }
    void setNombreImpresora(const QString &nombre) { m_nombreImpresora = nombre; }
    QString ControladorImpresora() const { return m_controladorImpresora; }
    void setControladorImpresora(const QString &controlador) { m_controladorImpresora = controlador; }
    QString PuertoImpresora() const { return m_puertoImpresora; }
    void setPuertoImpresora(const QString &puerto) { m_puertoImpresora = puerto; }

    // The PDF file DestinoArchivo writes; empty means a new file in the user's documents folder.
    QString ArchivoDestino() const { return m_archivoDestino; }
    void setArchivoDestino(const QString &archivo) { m_archivoDestino = archivo; }

    // The program's open connection. While it is open every report reads through it and the
    // connection text of ImprimirReporte (the report logon of the same database) is not used;
    // otherwise each print opens a connection of its own with that text. Not owned.
    void setConexion(ado::Connection *conexion) { m_conexion = conexion; }
    ado::Connection *Conexion() const { return m_conexion; }

    // The "Name = 'value'" formulas of the following prints (blank elements skipped).
    // Throws rt::RuntimeError err::Formula for an element that is not a formula.
    void AsignarFormulas(const QStringList &formulas);

    // Prints `reporte` (a bare name or a path, see findReportFile) to the current destination:
    // rows through the connection (see setConexion), restricted by `seleccion`, ordered by
    // `ordenCampos`; formulas from AsignarFormulas then `formula1` to `formula5` (later ones win
    // a name; blank ones skipped); `subReporte` and `subReporte2` name sub-reports that take the
    // formulas as well; `reservado` is not used. The screen shows a modeless preview and
    // returns at once.
    // Throws rt::RuntimeError: err::ReportFile (no such report, a malformed one, an unknown
    // sub-report), err::Formula (a selection, sort or formula it cannot read), 5 (an unknown
    // destination), the connection's errors, and the output's (see ReportOutput.h).
    void ImprimirReporte(const QString &reporte, const QStringList &ordenCampos, const QString &seleccion,
                         const QString &conexion, const QString &formula1 = {}, const QString &formula2 = {},
                         const QString &formula3 = {}, const QString &formula4 = {}, const QString &formula5 = {},
                         const QString &subReporte = {}, const QString &reservado = {},
                         const QString &subReporte2 = {});

    // Ends a run of prints: releases the connection the library opened, sets EnProceso to False,
    // and forgets the formulas of AsignarFormulas and the printer name, driver and port, so the
    // next caller starts from the default printer and its own formulas. Jobs are handed to the
    // printer as each print runs, so there is nothing left to wait the `segundos` for. Open
    // previews stay open.
    void Terminar(int segundos);

    // The last report laid out, and the preview window of the last print to the screen (null
    // once the user has closed it).
    const ReportDocument &ultimoDocumento() const { return m_ultimoDocumento; }
    PreviewWindow *ultimaVistaPrevia() const;
    // Where the last print went: the printer's name or the PDF file's path (empty for the screen).
    QString ultimaSalida() const { return m_ultimaSalida; }

private:
    ado::Connection &connectionFor(const QString &text);
    QStringList reportFolders() const;
    void deliver(const ReportDocument &document);

    int m_destino = 0;
    QString m_carpetaAplicacion;
    bool m_enProceso = false;
    QString m_nombreImpresora;
    QString m_controladorImpresora;
    QString m_puertoImpresora;
    QString m_archivoDestino;
    QStringList m_formulas;
    ado::Connection *m_conexion = nullptr;
    std::unique_ptr<ado::Connection> m_propia;
    QString m_textoPropia;
    ReportDocument m_ultimoDocumento;
    QPointer<PreviewWindow> m_ultimaVistaPrevia;
    QString m_ultimaSalida;
};

} // namespace report
