#include "platform/report/ImpresionReportes.h"

#include "platform/ado/Connection.h"
#include "platform/report/FormulaValues.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/ReportFiles.h"
#include "platform/report/ReportLoader.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportRunner.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/BusyCursor.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace report {

ImpresionReportes::ImpresionReportes() = default;

ImpresionReportes::~ImpresionReportes() = default;

void ImpresionReportes::setEnProceso(bool enProceso)
{
    m_enProceso = enProceso;
    if (!enProceso)
        m_propia.reset();
}

void ImpresionReportes::AsignarFormulas(const QStringList &formulas)
{
    FormulaValues check;
    check.apply(formulas);
    m_formulas = formulas;
}

QStringList ImpresionReportes::reportFolders() const
{
    // The program writes its folder with "\" on every system.
    QString folder = m_carpetaAplicacion.trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    return {QDir(folder).filePath(QStringLiteral("Reportes")), folder};
}

ado::Connection &ImpresionReportes::connectionFor(const QString &text)
{
    if (m_conexion && m_conexion->State() == ado::adStateOpen)
        return *m_conexion;
    if (!m_propia || m_textoPropia != text) {
        auto connection = std::make_unique<ado::Connection>();
        connection->Open(text);
        m_propia = std::move(connection);
        m_textoPropia = text;
    }
    return *m_propia;
}

void ImpresionReportes::ImprimirReporte(const QString &reporte, const QStringList &ordenCampos,
                                        const QString &seleccion, const QString &conexion, const QString &formula1,
                                        const QString &formula2, const QString &formula3, const QString &formula4,
                                        const QString &formula5, const QString &subReporte, const QString &,
                                        const QString &subReporte2)
{
    if (m_destino < DestinoPantalla() || m_destino > DestinoCorreo())
        throw rt::RuntimeError(rt::err::InvalidProcedureCall,
                               QStringLiteral("Destino de reporte no válido: %1").arg(m_destino),
                               QStringLiteral("ImpresionReportes"));
    const ui::BusyCursor busy;
    const ReportDefinition definition = loadReport(findReportFile(reporte, reportFolders()));
    ReportRequest request;
    request.sortFields = ordenCampos;
    request.selection = seleccion;
    request.formulas = m_formulas + QStringList{formula1, formula2, formula3, formula4, formula5};
    request.subreports = QStringList{subReporte, subReporte2};
    request.printDate = rt::formatDate(rt::DateTime::fromQDate(QDate::currentDate()), QStringLiteral("dd/mm/yyyy"));
    // Outside a run of prints the connection opened here lasts one print, however it ends.
    struct Release {
        ImpresionReportes &self;
        ~Release()
        {
            if (!self.m_enProceso)
                self.m_propia.reset();
        }
    } release{*this};
    const ReportDocument document = runReport(definition, connectionFor(conexion), request);
    m_ultimoDocumento = document;
    deliver(document);
}

void ImpresionReportes::deliver(const ReportDocument &document)
{
    m_ultimaSalida.clear();
    if (m_destino == DestinoImpresora()) {
        m_ultimaSalida = printDocument(document, m_nombreImpresora);
    } else if (m_destino == DestinoArchivo()) {
        m_ultimaSalida = m_archivoDestino.trimmed().isEmpty() ? documentsPdfPath(document.title) : m_archivoDestino;
        writePdf(document, m_ultimaSalida);
    } else if (m_destino == DestinoCorreo()) {
        m_ultimaSalida = mailDocument(document);
    } else {
        auto *preview = new PreviewWindow(document, m_nombreImpresora);
        preview->show();
        m_ultimaVistaPrevia = preview;
    }
}

PreviewWindow *ImpresionReportes::ultimaVistaPrevia() const
{
    return m_ultimaVistaPrevia;
}

void ImpresionReportes::Terminar(int)
{
    setEnProceso(false);
    m_formulas.clear();
    m_nombreImpresora.clear();
    m_controladorImpresora.clear();
    m_puertoImpresora.clear();
}

} // namespace report
