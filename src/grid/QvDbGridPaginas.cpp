#include "components/TeclasTexto.h"
#include "db/Conexiones.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "grid/SentenciasGrilla.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/Dialogs.h"
#include "session/ModError.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int TamanoMaximoPagina = 2000;

// The pages of `filas` rows at `porPagina` rows each: a last page takes the rows left over.
long paginas(long filas, long porPagina)
{
    if (filas <= 0)
        return 0;
    if (porPagina <= 0)
        return 1;
    return (filas + porPagina - 1) / porPagina;
}

} // namespace

void QvDbGrid::contarFilas()
{
    ado::Recordset rs;
    {
        const ui::BusyCursor espera;
        ui::DoEvents();
        if (SentenciasGrilla::seMuestraEntera(m_sql)) {
            if (abrirConsulta(m_sql, rs))
                pCantidadRegistros = rs.RecordCount();
            pClaveConNulos = false;
        } else if (!contarEnLaPrimeraPagina()
                   && abrirConsulta(SentenciasGrilla::cuenta(m_sql, m_PrimaryKey, pFiltro), rs)) {
            pCantidadRegistros = rt::CLng(rs.Fields(0L).Value());
            pClaveConNulos = rt::CLng(rs.Fields(1L).Value()) < pCantidadRegistros;
        }
        ui::DoEvents();
    }
    gBaseDatos->CierraRecordset(rs);
}

// A search reads its page 1 before it counts: a page that is not full holds every row of the
// result, and the count (another pass of the search over the whole query) is skipped; so does a
// query that ran whole instead of its page, whose count is the rows it shows. The page waits for
// the CargarGrid that shows it. True when it gave the count.
bool QvDbGrid::contarEnLaPrimeraPagina()
{
    if (rt::Trim(pFiltro).isEmpty() || m_PaginaActual != 1)
        return false;
    auto pagina = std::make_unique<ado::Recordset>();
    const QString sentencia = armarPagina();
    const bool entera = abrirPagina(sentencia, *pagina);
    if (pagina->State() != ado::adStateOpen)
        return false;
    const long filas = pagina->RecordCount();
    m_paginaLeida = std::move(pagina);
    m_sentenciaLeida = sentencia;
    if (filas >= m_PageSize && !entera)
        return false;
    // The only page, or the whole query: whether its keys hold nulls changes no page query.
    pCantidadRegistros = filas;
    return true;
}

void QvDbGrid::CargarPaginas()
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("CargarPaginas"));
    });
    Pbar->setRange(0, 100);
    ui::DoEvents();
    Pbar->setValue(30);
    CmdCancel->show();
    if (pCancelarCarga)
        return;
    if (pCantidadRegistros == 0 && !pasos.proceed([this] { contarFilas(); })) {
        m_paginaLeida.reset();
        return;
    }

    Pbar->setValue(70);
    const long cuantas = paginas(pCantidadRegistros, m_PageSize);
    QStringList entradas;
    entradas.reserve(cuantas);
    for (long pagina = 1; pagina <= cuantas; ++pagina)
        entradas << QString::number(pagina);
    cboPagSelect->clear();
    cboPagSelect->addItems(entradas);
    ui::DoEvents();

    Pbar->setValue(90);
    if (m_PaginaActual > cuantas)
        m_PaginaActual = cuantas;
    m_UltimaPagina = cuantas;
    if (cboPagSelect->count() == 0)
        cboPagSelect->addItem(QStringLiteral("1"));
    ui::DoEvents();
    Pbar->setValue(100);
    if (!pasos.proceed([this] { MostrarPagina(); }))
        return;
    ui::DoEvents();
    CmdCancel->hide();
}

void QvDbGrid::CargarPagina(int Cual)
{
    if (Cual > m_UltimaPagina)
        return;
    m_PaginaActual = Cual;
    MostrarPagina();
}

void QvDbGrid::MostrarPagina()
{
    if (m_PaginaActual == 0)
        m_PaginaActual = 1;
    if (m_UltimaPagina == 0)
        m_UltimaPagina = 1;
    lblPaginas->setText(QStringLiteral("        Página        ") + QString::number(m_PaginaActual)
                        + QStringLiteral(" de ") + QString::number(m_UltimaPagina));
    cboPagSelect->setCurrentIndex(static_cast<int>(m_PaginaActual - 1));
    if (!pRefrescando)
        CargarGrid();
}

void QvDbGrid::cboPagSelect_Click()
{
    m_PaginaActual = static_cast<long>(rt::Val(cboPagSelect->currentText()));
    MostrarPagina();
}

void QvDbGrid::cmdPrimero_Click()
{
    if (m_PaginaActual < 2)
        return;
    m_PaginaActual = 1;
    MostrarPagina();
}

void QvDbGrid::cmdAnterior_Click()
{
    if (m_PaginaActual < 2)
        return;
    --m_PaginaActual;
    MostrarPagina();
}

void QvDbGrid::cmdSiguiente_Click()
{
    if (m_PaginaActual >= m_UltimaPagina)
        return;
    ++m_PaginaActual;
    MostrarPagina();
}

void QvDbGrid::cmdUltimo_Click()
{
    if (m_PaginaActual >= m_UltimaPagina)
        return;
    m_PaginaActual = m_UltimaPagina;
    MostrarPagina();
}

void QvDbGrid::CboRegistros_KeyPress(qint16 &KeyAscii)
{
    // Backspace stays, so a typed size can be corrected.
    const bool cifra = KeyAscii >= '0' && KeyAscii <= '9';
    if (!cifra && KeyAscii != tecla::Retroceso)
        KeyAscii = 0;
}

void QvDbGrid::CboRegistros_Click()
{
    bool numero = false;
    const long tamano = CboRegistros->currentText().toLong(&numero);
    if (numero)
        m_PageSize = tamano;
    pCancelarCarga = false;
    CargarPaginas();
}

void QvDbGrid::CboRegistros_KeyDown(int &KeyCode, int)
{
    if (KeyCode != tecla::Enter)
        return;
    const double tamano = rt::Val(CboRegistros->currentText());
    if (tamano < 1) {
        ui::MsgBox(QStringLiteral("El tamaño de la página en registos no puede ser menor a 1 por página."),
                   ui::vbInformation, QStringLiteral("Aviso al Usuario"));
        m_PageSize = 1;
    } else if (tamano > TamanoMaximoPagina) {
        ui::MsgBox(QStringLiteral("El tamaño de la página en registros no puede superar los 2000 por página."),
                   ui::vbInformation, QStringLiteral("Aviso al Usuario"));
        m_PageSize = TamanoMaximoPagina;
    } else {
        m_PageSize = static_cast<long>(tamano);
    }
    pCancelarCarga = false;
    CargarPaginas();
    MSFlexGrid1->setFocus();
}

void QvDbGrid::Toolbar1_ButtonClick(const QString &clave)
{
    if (clave.compare(QStringLiteral("BUSCAR"), Qt::CaseInsensitive) == 0) {
        Buscar();
    } else if (clave.compare(QStringLiteral("ACTUALIZAR"), Qt::CaseInsensitive) == 0) {
        pFiltro.clear();
        pCantidadRegistros = 0;
        pCancelarCarga = false;
        m_PaginaActual = 1;
        CargarPaginas();
    } else if (clave.compare(QStringLiteral("AJUSTACOL"), Qt::CaseInsensitive) == 0) {
        AjustarColumnas();
        emit ColumnasAjustadas();
    }
}

void QvDbGrid::CmdCancel_Click()
{
    pCancelarCarga = true;
}
