#include "grid/QvDbGrid.h"

#include "db/Conexiones.h"
#include "grid/GrillaFlex.h"
#include "grid/ListaCampos.h"
#include "grid/PalabrasSQL.h"
#include "grid/SentenciasGrilla.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/PropertyBag.h"
#include "session/ModError.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <functional>

namespace {

const QString Marca = QStringLiteral("» ");

// The menu item of a Find or Order value; a value with no item fails as the menu does.
QAction *itemDeMenu(QMenu *menu, int valor)
{
    const QList<QAction *> items = menu->actions();
    if (valor < 1 || valor > items.size())
        throw rt::RuntimeError(rt::err::GridIndexOutOfBounds, QStringLiteral("Index out of bounds"));
    return items.at(valor - 1);
}

// Reads one key of the bag through `asignar`; a value that cannot be read is skipped.
template <class T>
void leer(const ui::PropertyBag &bolsa, const QString &clave, const T &porDefecto,
          const std::function<void(const T &)> &asignar)
{
    const QVariant valor = bolsa.ReadProperty(clave, QVariant::fromValue(porDefecto));
    if (!valor.canConvert<T>())
        return;
    // A stored value the property refuses leaves it as it was.
    rt::resumeNext([&] { asignar(valor.value<T>()); });
}

} // namespace

QvDbGrid::QvDbGrid(QWidget *parent)
    : QWidget(parent)
{
    construirControles();
    MsFlexGrid = MSFlexGrid1;
    TxtEdit = txtEdit1;
    InitProperties();
    m_PaginaActual = 1;
    m_CamposSel.clear();
    CboRegistros->setEditText(QString());
    setEnabled(false);
}

// Nothing to release: the main connection belongs to the program, not to the grid.
QvDbGrid::~QvDbGrid() = default;

template <class T> void QvDbGrid::asignar(T &propiedad, const T &valor, const QString &clave)
{
    propiedad = valor;
    emit PropertyChanged(clave);
}

void QvDbGrid::setConString(const QString &valor)
{
    if (gBaseDatos->gOpenFlag)
        static_cast<void>(gBaseDatos->gCnn.DefaultDatabase());
    else
        gBaseDatos->OpenServerADODB(false, 3, valor, true, true);
    emit PropertyChanged(QStringLiteral("ConString"));
}

void QvDbGrid::setSql(const QString &valor)
{
    m_sql = valor + QStringLiteral(" ");
    emit PropertyChanged(QStringLiteral("SQL"));
}

void QvDbGrid::setPrimaryKey(const QString &valor)
{
    asignar(m_PrimaryKey, valor, QStringLiteral("PrimaryKey"));
}

void QvDbGrid::setFind(int valor)
{
    m_Find = valor;
    marcarMenu(menuBuscar, valor);
    emit PropertyChanged(QStringLiteral("Find"));
}

void QvDbGrid::setOrder(int valor)
{
    m_Order = valor;
    marcarMenu(menuOrden, valor);
    emit PropertyChanged(QStringLiteral("Order"));
}

void QvDbGrid::marcarMenu(QMenu *menu, int valor)
{
    QAction *elegido = itemDeMenu(menu, valor);
    QAction *otro = itemDeMenu(menu, valor == 1 ? 2 : 1);
    elegido->setText(Marca + rt::Trim(elegido->text()).remove(Marca));
    otro->setText(rt::Trim(otro->text()).remove(Marca));
}

void QvDbGrid::setAlignCommandBar(long valor)
{
    m_AlignCommandBar = valor;
    UserControl_Resize();
    emit PropertyChanged(QStringLiteral("AlignCommandBar"));
}

void QvDbGrid::setAlignFilterBar(long valor)
{
    m_AlignFilterBar = valor;
    UserControl_Resize();
    emit PropertyChanged(QStringLiteral("AlignFilterBar"));
}

void QvDbGrid::setPageSize(long valor)
{
    asignar(m_PageSize, valor, QStringLiteral("PageSize"));
}

void QvDbGrid::setAnchoColFijo(bool valor)
{
    asignar(m_AnchoColFijo, valor, QStringLiteral("AnchoColFijo"));
}

void QvDbGrid::setCamposSel(const QString &valor)
{
    asignar(m_CamposSel, valor, QStringLiteral("CamposSel"));
}

void QvDbGrid::setCampos(const QString &valor)
{
    asignar(m_Campos, valor, QStringLiteral("Campos"));
}

void QvDbGrid::setOrdinalSel(const QString &valor)
{
    asignar(m_OrdinalSel, valor, QStringLiteral("OrdinalSel"));
}

void QvDbGrid::setColumnas(bool valor)
{
    asignar(m_Columnas, valor, QStringLiteral("Columnas"));
}

void QvDbGrid::setOcultarOrdenar(bool valor)
{
    asignar(m_OcultarOrdenar, valor, QStringLiteral("OcultarOrdenar"));
}

void QvDbGrid::setOrderBy(const QString &valor)
{
    asignar(m_OrderBy, valor, QStringLiteral("OrderBy"));
}

void QvDbGrid::setOrdenSent(int valor)
{
    asignar(m_OrdenSent, valor, QStringLiteral("OrdenSent"));
}

void QvDbGrid::setFormatDate(int valor)
{
    asignar(m_FormatDate, valor, QStringLiteral("FormatDate"));
}

void QvDbGrid::InitProperties()
{
    m_sql.clear();
    m_PrimaryKey = QStringLiteral("ID");
    m_Find = 2;
    m_Order = 1;
    m_AlignCommandBar = 2;
    m_AlignFilterBar = 1;
    m_PageSize = 4000;
    m_AnchoColFijo = false;
    m_CamposSel.clear();
    m_Campos.clear();
    m_OrdinalSel.clear();
    m_Columnas = false;
    m_OcultarOrdenar = false;
    m_OrderBy.clear();
    m_OrdenSent = 0;
    m_FormatDate = 103;
    marcarMenu(menuBuscar, m_Find);
    marcarMenu(menuOrden, m_Order);
}

void QvDbGrid::ReadProperties(const ui::PropertyBag &bolsa)
{
    leer<QString>(bolsa, QStringLiteral("SQL"), QString(), [this](const QString &v) { m_sql = v; });
    leer<QString>(bolsa, QStringLiteral("PrimaryKey"), QStringLiteral("ID"),
                  [this](const QString &v) { m_PrimaryKey = v; });
    leer<int>(bolsa, QStringLiteral("Find"), 2, [this](const int &v) { setFind(v); });
    leer<int>(bolsa, QStringLiteral("Order"), 1, [this](const int &v) { setOrder(v); });
    leer<long>(bolsa, QStringLiteral("AlignCommandBar"), 2, [this](const long &v) { m_AlignCommandBar = v; });
    leer<long>(bolsa, QStringLiteral("AlignFilterBar"), 1, [this](const long &v) { m_AlignFilterBar = v; });
    leer<long>(bolsa, QStringLiteral("PageSize"), 5, [this](const long &v) { m_PageSize = v; });
    leer<bool>(bolsa, QStringLiteral("AnchoColFijo"), true, [this](const bool &v) { m_AnchoColFijo = v; });
    leer<QString>(bolsa, QStringLiteral("CamposSel"), QString(), [this](const QString &v) { m_CamposSel = v; });
    leer<QString>(bolsa, QStringLiteral("Campos"), QString(), [this](const QString &v) { m_Campos = v; });
    leer<QString>(bolsa, QStringLiteral("OrdinalSel"), QString(), [this](const QString &v) { m_OrdinalSel = v; });
    leer<bool>(bolsa, QStringLiteral("Columnas"), false, [this](const bool &v) { setColumnas(v); });
    leer<QString>(bolsa, QStringLiteral("OrderBy"), QString(), [this](const QString &v) { setOrderBy(v); });
    leer<int>(bolsa, QStringLiteral("OrdenSent"), 0, [this](const int &v) { setOrdenSent(v); });
    leer<int>(bolsa, QStringLiteral("FormatDate"), 103, [this](const int &v) { setFormatDate(v); });
    UserControl_Resize();
}

void QvDbGrid::WriteProperties(ui::PropertyBag &bolsa) const
{
    bolsa.WriteProperty(QStringLiteral("SQL"), m_sql);
    bolsa.WriteProperty(QStringLiteral("PrimaryKey"), m_PrimaryKey);
    bolsa.WriteProperty(QStringLiteral("Find"), m_Find, 2);
    bolsa.WriteProperty(QStringLiteral("Order"), m_Order, 1);
    bolsa.WriteProperty(QStringLiteral("AlignCommandBar"), qlonglong(m_AlignCommandBar), qlonglong(2));
    bolsa.WriteProperty(QStringLiteral("AlignFilterBar"), qlonglong(m_AlignFilterBar), qlonglong(1));
    bolsa.WriteProperty(QStringLiteral("PageSize"), qlonglong(m_PageSize));
    bolsa.WriteProperty(QStringLiteral("AnchoColFijo"), m_AnchoColFijo);
    bolsa.WriteProperty(QStringLiteral("CamposSel"), m_CamposSel);
    bolsa.WriteProperty(QStringLiteral("Campos"), m_Campos);
    bolsa.WriteProperty(QStringLiteral("OrdinalSel"), m_OrdinalSel);
    bolsa.WriteProperty(QStringLiteral("Columnas"), m_Columnas);
    bolsa.WriteProperty(QStringLiteral("OcultarOrdenar"), m_OcultarOrdenar);
    bolsa.WriteProperty(QStringLiteral("OrderBy"), m_OrderBy);
    bolsa.WriteProperty(QStringLiteral("OrdenSent"), m_OrdenSent);
    bolsa.WriteProperty(QStringLiteral("FormatDate"), m_FormatDate);
}

void QvDbGrid::aplicarVisibilidad()
{
    cmdColumnas->setVisible(m_Columnas);
    for (QWidget *control : {static_cast<QWidget *>(ImgOrdenN), static_cast<QWidget *>(ImgOrdenDesc),
                             static_cast<QWidget *>(ImgOrdenAsc), static_cast<QWidget *>(Toolbar2)})
        control->setVisible(!m_OcultarOrdenar);
}

void QvDbGrid::LoadQvDBGrid()
{
    m_sql = PalabrasSQL(m_sql).sinComentarios();
    if (!unaConsulta(m_sql))
        return;
    if (SentenciasGrilla::tieneUnionOAgrupacion(m_sql)) {
        setColumnas(false);
        setOcultarOrdenar(true);
    }
    Equias();
    setEnabled(true);
    aplicarVisibilidad();
    m_sql += QStringLiteral(" ");
    pTabla = PalabrasSQL(m_sql).tabla();
    pCantidadRegistros = 0;
    pClaveConNulos = false;
    m_PaginaActual = 1;
    m_UltimaPagina = 0;
    pFiltro.clear();
    pColumnaOrden = 0;
    pWhere.clear();
    pColumnasFecha.clear();
    pColumnasTexto.clear();
    CargarCampos();
    pCancelarCarga = false;
    if (!cmdColumnas->isHidden()) {
        const QString antes = m_CamposSel;
        LeerCampos();
        // A stored choice changes the columns shown: the lists follow them.
        if (m_CamposSel != antes)
            CargarCampos();
    }
    CargarPaginas();
}

void QvDbGrid::Equias()
{
    const rt::StepRunner pasos(
        [](const rt::RuntimeError &error) { return MostrarError(error, std::nullopt, QStringLiteral("Equias")); });
    pasos.run([this] { m_equias = TablaEquivalencias(m_sql); });
}

QString QvDbGrid::EquiCampo(const QString &Campo, bool Equivalencia) const
{
    return m_equias.EquiCampo(Campo, Equivalencia);
}

void QvDbGrid::Inicializa()
{
    MSFlexGrid1->Clear();
    setEnabled(false);
    txtEdit1->clear();
    txtEdit1->hide();
    setOrdenSent(3);
}
