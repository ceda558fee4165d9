#include "components/ModExportarExcel.h"

#include "components/CeldasExcel.h"
#include "components/ExportacionConsulta.h"
#include "components/ExportacionLista.h"
#include "core/ServiciosVarios.h"
#include "db/Conexiones.h"
#include "db/DB_Dll.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "platform/sheet/ColumnLetters.h"
#include "platform/sheet/Worksheet.h"
#include "session/Dll_Display.h"

#include <QColor>
#include <QTreeWidget>
#include <initializer_list>

std::unique_ptr<sheet::Workbook> gAppExcel;
QString gTituloExcel;
QString gSubtituloExcel;
double gFilaEncabezado = 0;

void reiniciarExportarExcel()
{
    gAppExcel.reset();
    gTituloExcel.clear();
    gSubtituloExcel.clear();
    gFilaEncabezado = 0;
}

namespace {

const QString TituloCartel = QStringLiteral("Exportando a Excel");
const QString FormatoFecha = QStringLiteral("dd/mm/yyyy");
constexpr int ColorEncabezado = 5;
constexpr double TwipsPorCaracter = 90.0;

// Ends an export whatever way it leaves: the banner closes and the workbook is released.
class FinDeExportacion {
public:
    explicit FinDeExportacion(bool conCartel)
        : m_conCartel(conCartel)
    {
    }
    ~FinDeExportacion()
    {
        if (m_conCartel)
            gCartel->CartelCerrar();
        gAppExcel.reset();
    }
    FinDeExportacion(const FinDeExportacion &) = delete;
    FinDeExportacion &operator=(const FinDeExportacion &) = delete;

private:
    bool m_conCartel;
};

// The name a shown list is saved under: its accessible name, else its object name.
QString nombreDeLista(const QTreeWidget *lv)
{
    for (const QString &nombre : {lv->accessibleName(), lv->objectName()})
        if (!rt::Trim(nombre).isEmpty())
            return rt::Trim(nombre);
    return QStringLiteral("Lista");
}

void exportarLista(QTreeWidget *lv, bool bVistaPrevia, bool bSoloMarcados, std::initializer_list<qint16> columnasFecha)
{
    ExportacionLista lista(lv);
    qint16 hojas = 0;
    CrearLibroExcel(hojas);
    FinDeExportacion fin(true);
    EncabezadoExcel(static_cast<qint16>(lista.columnasExportadas() + 2), lista.titulos(), lista.anchos());
    sheet::Worksheet &hoja = gAppExcel->activeSheet();
    bool ajustar = false;
    for (const qint16 columna : columnasFecha) {
        if (columna < 0)
            continue;
        ajustar = true;
        // Column 0 names no column of the sheet.
        if (columna > 0)
            hoja.column(columna).setNumberFormat(FormatoFecha);
    }
    gCartel->CartelInicio(TituloCartel, 0);
    lista.escribir(hoja, static_cast<int>(gFilaEncabezado), bSoloMarcados);
    // Once at the end, rather than after every date cell: the same widths without the cost.
    if (ajustar || lista.escribioFechas())
        hoja.autoFitColumns();
    if (bVistaPrevia)
        hoja.setLandscape(true);
    excel::mostrarLibro(*gAppExcel, nombreDeLista(lv), nullptr);
}

void exportarConsulta(ado::Recordset &registros, bool bMostrar, const QString &Titulo, const QString &Archivo,
                      QLabel *ObjProgreso, const QString &sLista)
{
    gFilaEncabezado = 1;
    ExportacionConsulta consulta(registros, ObjProgreso, Titulo);
    qint16 hojas = 0;
    CrearLibroExcel(hojas);
    const bool conCartel = ObjProgreso == nullptr;
    FinDeExportacion fin(conCartel);
    EncabezadoExcel(static_cast<qint16>(consulta.columnas() + 1), consulta.titulos(), consulta.anchos());
    if (conCartel)
        gCartel->CartelInicio(TituloCartel, 1);
    sheet::Worksheet &hoja = gAppExcel->activeSheet();
    if (consulta.escribir(hoja, static_cast<int>(gFilaEncabezado)))
        consulta.totalizar(hoja, sLista);
    if (consulta.escribioFechas())
        hoja.autoFitColumns();
    const QString nombre = rt::Trim(Titulo).isEmpty() ? QStringLiteral("Consulta") : rt::Trim(Titulo);
    if (bMostrar || Archivo.isEmpty())
        excel::mostrarLibro(*gAppExcel, nombre, ObjProgreso);
    else
        gAppExcel->saveAs(Archivo);
}

} // namespace

void CrearLibroExcel(qint16 &nHojas)
{
    if (nHojas == 0)
        nHojas = 2;
    gAppExcel = std::make_unique<sheet::Workbook>(nHojas);
}

void EncabezadoExcel(qint16 nColumnas, const QStringList &aTitulos, const QList<qint32> &aAnchos)
{
    sheet::Worksheet &hoja = gAppExcel->activeSheet();
    int fila = 1;
    const auto resaltar = [&](int columna) {
        hoja.cell(fila, columna).setFontColor(Qt::red).setFontSize(16).setBold(true);
    };
    if (!gTituloExcel.isEmpty()) {
        hoja.setValue(fila, 2, gTituloExcel);
        resaltar(2);
        if (nColumnas > 1) {
            hoja.setValue(fila, nColumnas - 1, rt::Format(FechaServidor(), QStringLiteral("DD/MM")));
            resaltar(nColumnas - 1);
        }
        ++fila;
    }
    if (!gSubtituloExcel.isEmpty()) {
        hoja.setValue(fila, 1, gSubtituloExcel);
        resaltar(1);
        ++fila;
    }
    hoja.cells().setFontSize(11);
    const int ultima = static_cast<int>(aTitulos.size()) - 1;
    if (ultima >= 1) {
        hoja.range(fila, 1, fila, ultima)
            .setBorders(sheet::LineStyle::Continuous)
            .setFontColor(Qt::white)
            .setBold(true);
        for (int columna = 1; columna <= nColumnas - 1; ++columna) {
            hoja.cell(fila, columna).setInteriorColorIndex(ColorEncabezado);
            hoja.setValue(fila, columna, aTitulos.value(columna));
        }
    }
    for (int columna = 1; columna < aAnchos.size() - 1; ++columna)
        hoja.setColumnWidth(columna, aAnchos.at(columna) / TwipsPorCaracter);
    gFilaEncabezado = fila;
}

void ExportarListViewExcel(QTreeWidget *lv, bool bVistaPrevia, bool bSoloMarcados, qint16 nCol1, qint16 nCol2,
                           qint16 nCol3)
{
    gTituloExcel.clear();
    gSubtituloExcel.clear();
    try {
        exportarLista(lv, bVistaPrevia, bSoloMarcados, {nCol1, nCol2, nCol3});
    } catch (const rt::RuntimeError &error) {
        excel::avisarFallo(error.Description);
    }
}

void ExportarExcelPorRS(QString &SQL, bool bMostrar, const QString &Titulo, const QString &Subtitulo,
                        const QString &Archivo, QLabel *ObjProgreso, qint32, const QString &sLista)
{
    gTituloExcel = Titulo;
    gSubtituloExcel = Subtitulo;
    ado::Recordset registros;
    gBaseDatos->AbrirRecordset(SQL, registros, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly,
                               ado::adCmdUnspecified, true);
    if (registros.State() != ado::adStateOpen) {
        excel::avisarFallo(QStringLiteral("La consulta no se pudo abrir."));
        return;
    }
    try {
        if (!registros.BOF())
            exportarConsulta(registros, bMostrar, Titulo, Archivo, ObjProgreso, sLista);
    } catch (const rt::RuntimeError &error) {
        excel::avisarFallo(error.Description);
    }
    gBaseDatos->CierraRecordset(registros);
}

QString LetraColumnaExcel(qint16 nIndice)
{
    return sheet::columnLetters(nIndice + 1);
}
