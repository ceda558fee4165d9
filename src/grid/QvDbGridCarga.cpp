#include "db/Conexiones.h"
#include "grid/GrillaFlex.h"
#include "grid/NombresSQL.h"
#include "grid/PalabrasSQL.h"
#include "grid/QvDbGrid.h"
#include "grid/SentenciasGrilla.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/ModError.h"

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QProgressBar>

namespace {

using rt::CompareMode;

const QColor OrdenAscendente(217, 246, 210);
const QColor OrdenDescendente(238, 214, 238);

QString equis(int cuantas)
{
    return QString(qMax(0, cuantas), u'X');
}

} // namespace

// Whether a text is one query and nothing more, as its words read and as the engine prepares it;
// when it holds another statement the user is told, and nothing of it may run. A text left open
// (a literal, name or comment) is the engine's to refuse: the connection reports its syntax error.
bool QvDbGrid::unaConsulta(const QString &texto)
{
    const PalabrasSQL palabras(texto);
    if (palabras.sinTerminar()) {
        ado::Recordset rs;
        gBaseDatos->AbrirRecordset(texto, rs);
        gBaseDatos->CierraRecordset(rs);
        return false;
    }
    if (palabras.unaSolaConsulta() && gBaseDatos->esUnaLectura(texto))
        return true;
    ui::MsgBox(QStringLiteral("La grilla sólo ejecuta una consulta: el texto contiene otra sentencia y no se ejecutó."),
               ui::vbExclamation, QStringLiteral("Aviso al Usuario"));
    return false;
}

// Every query of the grid goes through here: a text that is not one query is not sent (false).
bool QvDbGrid::abrirConsulta(const QString &sentencia, ado::Recordset &rs)
{
    if (!unaConsulta(sentencia))
        return false;
    gBaseDatos->AbrirRecordset(sentencia, rs);
    return true;
}

// The page statement reads the query's columns by the names its result gives them; a column the
// query computes without an alias has none to be read by, and the statement fails with "Invalid
// column name". That failure is not the user's: the query then runs as written and is shown
// whole, and only a failure of that run is reported. True when the query ran whole instead.
bool QvDbGrid::abrirPagina(const QString &sentencia, ado::Recordset &rs)
{
    if (sentencia == m_sql) {
        abrirConsulta(sentencia, rs);
        return false;
    }
    if (!unaConsulta(sentencia))
        return false;
    gBaseDatos->AbrirRecordsetExcusando(sentencia, rs, rt::err::NativeInvalidColumn);
    ado::Errors &errores = gBaseDatos->gCnn.Errors();
    if (rs.State() == ado::adStateOpen || errores.Count() == 0
        || errores(0).NativeError != rt::err::NativeInvalidColumn)
        return false;
    errores.Clear();
    // The whole result has no rows to skip before a page.
    m_filasSaltadas = 0;
    abrirConsulta(m_sql, rs);
    return true;
}

QString QvDbGrid::listaDeCampos() const
{
    if (!m_CamposSel.isEmpty())
        return NombresSQL::reemplazarFuera(m_CamposSel, u',', u'|');
    const QString lista =
        rt::Replace(m_Campos, QStringLiteral("Decimal(10,2)"), QStringLiteral("Decimal(10â2)"), CompareMode::Text);
    return NombresSQL::reemplazarFuera(NombresSQL::reemplazarFuera(lista, u',', u'|'), u'â', u',');
}

// The statement of the current page, its sort and conditions rebuilt (ArmarOrden, ArmarWhere).
QString QvDbGrid::armarPagina()
{
    ArmarOrden();
    pWhere = SentenciasGrilla::ArmarWhere(m_sql, pFiltro);
    if (m_PrimaryKey.isEmpty())
        m_PrimaryKey = QStringLiteral("ID");
    SentenciasGrilla::Paginado pagina;
    pagina.sql = m_sql;
    pagina.clave = m_PrimaryKey;
    pagina.PageSize = m_PageSize;
    pagina.pagina = m_PaginaActual;
    pagina.pWhere = pWhere;
    pagina.OrderBy = m_OrderBy;
    pagina.pFiltro = pFiltro;
    pagina.filas = pCantidadRegistros;
    pagina.oracle = gBaseDatos->esOracle();
    pagina.claveConNulos = pClaveConNulos;
    if (pagina.claveConNulos && !SentenciasGrilla::seMuestraEntera(m_sql))
        m_filasSaltadas = SentenciasGrilla::filasSaltadas(pagina);
    else
        m_filasSaltadas = 0;
    return SentenciasGrilla::sentenciaPagina(listaDeCampos(), pagina, m_equias);
}

void QvDbGrid::CargarGrid()
{
    const rt::StepRunner pasos(
        [](const rt::RuntimeError &error) { return MostrarError(error, std::nullopt, QStringLiteral("CargarGrid")); });
    QString sentencia;
    const bool armada = pasos.proceed([&] {
        Pbar->setRange(0, 100);
        Pbar->setValue(10);
        sentencia = armarPagina();
        Pbar->setValue(50);
    });
    if (!armada)
        return;

    ado::Recordset rs;
    // Page 1 of a search read while counting is shown as it was read, and dropped either way.
    if (m_paginaLeida && sentencia == m_sentenciaLeida)
        rs = std::move(*m_paginaLeida);
    else
        abrirPagina(sentencia, rs);
    m_paginaLeida.reset();
    Pbar->setValue(60);
    // A page the server refused was reported by the connection; the grid keeps what it showed.
    if (rs.State() != ado::adStateOpen) {
        Pbar->setValue(0);
        return;
    }
    if (rs.BOF()) {
        pFiltro.clear();
        pCantidadRegistros = 0;
        mostrarVacia(rs);
    } else {
        MSFlexGrid1->cargar(rs, m_filasSaltadas);
        if (MSFlexGrid1->Rows() < 2)
            MSFlexGrid1->setRows(2);
    }
    gBaseDatos->CierraRecordset(rs);
    Pbar->setValue(70);
    if (!m_AnchoColFijo)
        AjustarColumnas();
    Pbar->setValue(80);
    RefrescarControles();
    Pbar->setValue(90);
    AsignarOrdinal();
    Pbar->setValue(100);
    pCancelarCarga = false;
    emit PaginaCargada(static_cast<int>(m_PaginaActual));
    Pbar->setValue(0);
}

void QvDbGrid::mostrarVacia(ado::Recordset &rs)
{
    const int campos = static_cast<int>(rs.FieldCount());
    MSFlexGrid1->Clear();
    MSFlexGrid1->setCols(campos + 1);
    MSFlexGrid1->setRows(2);
    for (int c = 0; c < campos; ++c)
        MSFlexGrid1->setTextMatrix(0, c + 1, rs.Fields(c).Name());
    for (int c = 1; c < MSFlexGrid1->Cols(); ++c)
        MSFlexGrid1->setTextMatrix(1, c, QString());
}

void QvDbGrid::AjustarColumnas()
{
    for (int c = 1; c < MSFlexGrid1->Cols(); ++c) {
        int largo = 0;
        for (int r = 0; r < MSFlexGrid1->Rows(); ++r)
            largo = qMax(largo, static_cast<int>(MSFlexGrid1->TextMatrix(r, c).size()));
        const int ancho = MSFlexGrid1->anchoTexto(equis(largo));
        MSFlexGrid1->setColWidth(c, largo >= 20 ? ancho - 600 : ancho + 500);
    }
}

void QvDbGrid::RefrescarControles()
{
    if (CboRegistros->currentText().isEmpty() && m_PageSize == 0) {
        pRefrescando = true;
        CboRegistros->setCurrentIndex(0);
        pRefrescando = false;
    } else {
        CboRegistros->setEditText(QString::number(m_PageSize));
    }
    if (cboPagSelect->currentText().isEmpty())
        cboPagSelect->setCurrentIndex(static_cast<int>(qMin(m_PaginaActual, m_UltimaPagina) - 1));
    if (CboFiltroCampo->currentText().isEmpty())
        CboFiltroCampo->setCurrentIndex(0);
    // The row-number column is no column of the query: the sorted column starts from column 1.
    if (pColumnaOrden >= 1 && pColumnaOrden < MSFlexGrid1->Cols()) {
        MSFlexGrid1->setRow(0);
        MSFlexGrid1->setCol(pColumnaOrden);
        if (m_OrdenSent == 1)
            MSFlexGrid1->setCellBackColor(OrdenAscendente);
        else if (m_OrdenSent == 2)
            MSFlexGrid1->setCellBackColor(OrdenDescendente);
    }
    for (int c = 1; c < MSFlexGrid1->Cols(); ++c) {
        if (MSFlexGrid1->ColWidth(c) == 0)
            MSFlexGrid1->setColWidth(
                c, MSFlexGrid1->anchoTexto(equis(2 * static_cast<int>(MSFlexGrid1->TextMatrix(0, c).size()))));
    }
}

void QvDbGrid::AsignarOrdinal()
{
    const long desplazamiento = (m_PaginaActual - 1) * m_PageSize;
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r)
        MSFlexGrid1->setTextMatrix(r, 0, QString::number(r + desplazamiento));
    if (pColorIntercalado) {
        const QColor fondo = QApplication::palette().color(QPalette::Button);
        for (int r = 2; r < MSFlexGrid1->Rows(); r += 2)
            for (int c = 1; c < MSFlexGrid1->Cols(); ++c)
                MSFlexGrid1->setColorCelda(r, c, fondo);
    }
    const int cifras = static_cast<int>(QString::number(MSFlexGrid1->Rows() + desplazamiento).size());
    MSFlexGrid1->setColWidth(0, MSFlexGrid1->anchoTexto(equis(cifras + 1)));
    if (MSFlexGrid1->Row() == 0)
        MSFlexGrid1->setRow(1);
    MSFlexGrid1->setFocus();
}
