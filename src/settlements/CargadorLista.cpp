#include "settlements/CargadorLista.h"

#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "session/ObjetosExternos.h"
#include "settlements/FilaLista.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace {

// The list's count of loads begun, kept on the list itself, so every loader of it sees the same.
const char *const CargasDeLista = "comisiones.cargas";

quint64 cargaActual(const QTreeWidget &lista)
{
    return lista.property(CargasDeLista).toULongLong();
}

Qt::Alignment alineacionQt(Alineacion alineacion)
{
    return (alineacion == Alineacion::Derecha ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

CargadorLista::CargadorLista(QTreeWidget &lista, const QFont &fuente, DB_Dll &base)
    : m_lista(lista)
    , m_fuente(fuente)
    , m_base(base)
{
}

CargadorLista::~CargadorLista()
{
    if (vigente())
        mostrarFilas();
    else
        qDeleteAll(m_pendientes);
}

bool CargadorLista::vigente() const
{
    return m_carga == 0 || m_carga == cargaActual(m_lista);
}

void CargadorLista::seguirSiVigente()
{
    if (vigente())
        return;
    qDeleteAll(m_pendientes);
    m_pendientes.clear();
    throw rt::LeaveRoutine{};
}

void CargadorLista::mostrarFilas()
{
    if (m_pendientes.isEmpty())
        return;
    m_lista.addTopLevelItems(m_pendientes);
    m_pendientes.clear();
}

void CargadorLista::reiniciar(const std::vector<ColumnaLista> &columnas, bool sinOrden)
{
    disponerColumnas(m_lista, m_fuente, columnas, sinOrden);
    m_carga = cargaActual(m_lista);
    m_modelo = QTreeWidgetItem();
    // Every column is told, so that every row counts all the columns as its own.
    for (int i = 0; i < static_cast<int>(columnas.size()); ++i)
        m_modelo.setTextAlignment(i, alineacionQt(columnas.at(static_cast<size_t>(i)).alineacion));
}

void CargadorLista::disponerColumnas(QTreeWidget &lista, const QFont &fuente, const std::vector<ColumnaLista> &columnas,
                                     bool sinOrden)
{
    vaciar(lista);
    if (sinOrden)
        lista.setSortingEnabled(false);
    lista.setColumnCount(static_cast<int>(columnas.size()));
    // Each column keeps its width; the last one does not take the free space.
    lista.header()->setStretchLastSection(false);
    const QFontMetrics medidas(fuente);
    // A column is as wide as its count of "X" plus the margins the list leaves around a cell's
    // text, so a code of that many characters shows whole instead of cut short with "…".
    const int margenes = 2 * (lista.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &lista) + 1);
    QTreeWidgetItem *encabezado = lista.headerItem();
    for (int i = 0; i < static_cast<int>(columnas.size()); ++i) {
        const ColumnaLista &columna = columnas.at(static_cast<size_t>(i));
        encabezado->setText(i, columna.titulo);
        encabezado->setTextAlignment(i, alineacionQt(columna.alineacion));
        lista.header()->resizeSection(i,
                                      medidas.horizontalAdvance(QString(columna.letras, QLatin1Char('X'))) + margenes);
    }
}

void CargadorLista::vaciar(QTreeWidget &lista)
{
    lista.setProperty(CargasDeLista, cargaActual(lista) + 1);
    lista.clear();
}

void CargadorLista::abrir(const QString &sentencia)
{
    m_base.AbrirRecordset(sentencia, m_filas, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly,
                          ado::adCmdUnspecified, true);
    seguirSiVigente();
}

bool CargadorLista::hayFilas() const
{
    return !m_filas.BOF();
}

void CargadorLista::agregarFila(const QStringList &textos)
{
    m_pendientes.append(new FilaLista(m_modelo, textos));
}

void CargadorLista::cerrar()
{
    seguirSiVigente();
    mostrarFilas();
    m_base.CierraRecordset(m_filas);
}

void SumasImportes::sumar(int indice, const rt::Variant &valor)
{
    if (!valor.isNull())
        m_sumas.at(static_cast<size_t>(indice)) += rt::CCur(valor);
}

QString SumasImportes::texto(int indice) const
{
    return ImporteLista(rt::Variant(suma(indice)));
}

QString ImporteLista(const rt::Variant &valor)
{
    return FmtMoneda(gUtil->ValorNumerico(valor), 2, true);
}
