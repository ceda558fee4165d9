// The settlement window's four lists as the user drives them: the export caption follows the
// list with the focus, a header click sorts, a click drills down from salesperson to collection
// to voucher and leaves the clicked collection or voucher's key for "Ver  Comprobante".

#include "settlements/FrmComisionesVendedor.h"

#include "db/Conexiones.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "settlements/ExportacionListas.h"
#include "settlements/ListaAplicaciones.h"
#include "settlements/ListaCobranzas.h"
#include "settlements/ListaDetalle.h"
#include "settlements/ListaVendedores.h"
#include "settlements/OrdenLista.h"
#include "settlements/SeleccionListas.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Calls back when the list receives the focus.
class FocoLista : public QObject {
public:
    FocoLista(QTreeWidget &lista, std::function<void()> alRecibir)
        : QObject(&lista)
        , m_alRecibir(std::move(alRecibir))
    {
        lista.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusIn)
            m_alRecibir();
        return false;
    }

private:
    std::function<void()> m_alRecibir;
};

// The type and number of the selected row; empty without one, or on the total row, which
// stands for no collection or voucher.
std::pair<QString, QString> claveElegida(const QTreeWidget &lista)
{
    const QTreeWidgetItem *fila = lista.currentItem();
    if (!fila || esFilaTotal(fila))
        return {};
    return {fila->text(0), fila->text(1)};
}

} // namespace

void FrmComisionesVendedor::conectarListas()
{
    using ExportacionListas::Lista;
    const std::pair<QTreeWidget *, Lista> listas[] = {{ListView1, Lista::Vendedores},
                                                      {ListView2, Lista::Cobranzas},
                                                      {ListView3, Lista::Comprobantes},
                                                      {ListView5, Lista::Detalle}};
    for (const auto &[lista, rol] : listas) {
        const QString titulo = ExportacionListas::titulo(rol);
        new FocoLista(*lista, [this, titulo] { CmdExportaExcelLV->setText(titulo); });
    }
    ListaAplicaciones::mostrarColumnas(*ListView3, font());
    ListaDetalle::mostrarColumnas(*ListView5, font());
    OrdenLista::escucharEncabezado(*ListView1, [this](int columna) { ListView1_ColumnClick(columna); });
    OrdenLista::escucharEncabezado(*ListView2, [this](int columna) { ListView2_ColumnClick(columna); });
    OrdenLista::escucharEncabezado(*ListView3, [this](int columna) { ListView3_ColumnClick(columna); });
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_Click(); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1_DblClick(); });
    connect(ListView2, &QTreeWidget::itemClicked, this, [this] { ListView2_Click(); });
    connect(ListView3, &QTreeWidget::itemClicked, this, [this] { ListView3_Click(); });
}

void FrmComisionesVendedor::CargarLiquidacionComisiones(QString &, QString &)
{
    CargaCobranzas();
    QString vacio;
    CargaAplicacion(vacio, vacio);
    CargarDetalle(vacio, vacio, vacio, vacio);
}

void FrmComisionesVendedor::CargaAplicacion(QString &cbtc, QString &IdCobranza)
{
    ListaAplicaciones(*ListView3, font(), *gBaseDatos).cargar(m_liquidacion, *ListView1, cbtc, IdCobranza);
}

void FrmComisionesVendedor::CargarDetalle(QString &cbtc, QString &IdCobranza, QString &TC, QString &IdComprobante)
{
    ListaDetalle(*ListView5, font(), *gBaseDatos, [](const rt::RuntimeError &error) {
        return gUtil->TratarError(error);
    }).cargar(m_liquidacion, *ListView1, cbtc, IdCobranza, TC, IdComprobante);
}

void FrmComisionesVendedor::ListView1_ColumnClick(int columna)
{
    rt::resumeNext([&] { OrdenLista::columnaPulsada(*ListView1, columna); });
}

void FrmComisionesVendedor::ListView2_ColumnClick(int columna)
{
    rt::resumeNext([&] { OrdenLista::columnaPulsada(*ListView2, columna); });
}

void FrmComisionesVendedor::ListView3_ColumnClick(int columna)
{
    rt::resumeNext([&] { OrdenLista::columnaPulsada(*ListView3, columna); });
}

void FrmComisionesVendedor::ListView1_Click()
{
    ListView1_DblClick();
}

void FrmComisionesVendedor::ListView1_DblClick()
{
    // Without a loaded settlement there is nothing to drill into: the query would lack its number.
    const QTreeWidgetItem *fila = ListView1->currentItem();
    if (m_liquidacion.isEmpty() || !fila || rt::Trim(fila->text(0)).isEmpty() || esFilaTotal(fila))
        return;
    QString numero = m_liquidacion;
    QString vendedor = fila->text(0);
    // The loaders' own queries have reported why they failed; arranging the lists shows nothing.
    // A click that lands while the lists load overtakes this one, which then goes no further.
    rt::runRoutine([&] { rt::resumeNext([&] { CargarLiquidacionComisiones(numero, vendedor); }); });
}

void FrmComisionesVendedor::ListView2_Click()
{
    elegirComprobante(*ListView2);
}

void FrmComisionesVendedor::ListView3_Click()
{
    elegirComprobante(*ListView3);
}

void FrmComisionesVendedor::elegirComprobante(QTreeWidget &lista)
{
    const QTreeWidgetItem *fila = lista.currentItem();
    if (!fila || esFilaTotal(fila))
        return;
    // The key goes in first: a click that lands while the lists below load is the later one,
    // its key stays, and this refresh, overtaken, goes no further.
    lblEstado->setText(claveComprobante(*fila));
    rt::runRoutine([this] { RefrescarListasDependientes(); });
}

void FrmComisionesVendedor::RefrescarListasDependientes()
{
    using ExportacionListas::Lista;
    if (m_liquidacion.isEmpty())
        return;
    const auto cobranza = claveElegida(*ListView2);
    QString cbtc = cobranza.first;
    QString idcobranza = cobranza.second;
    switch (ExportacionListas::listaDeTitulo(CmdExportaExcelLV->text())) {
    case Lista::Cobranzas: {
        QString vacio;
        rt::resumeNext([&] { CargaAplicacion(cbtc, idcobranza); });
        rt::resumeNext([&] { CargarDetalle(cbtc, idcobranza, vacio, vacio); });
        break;
    }
    case Lista::Comprobantes: {
        const auto comprobante = claveElegida(*ListView3);
        QString tc = comprobante.first;
        QString idcomprobante = comprobante.second;
        rt::resumeNext([&] { CargarDetalle(cbtc, idcobranza, tc, idcomprobante); });
        break;
    }
    case Lista::Vendedores:
    case Lista::Detalle:
    case Lista::Ninguna:
        break;
    }
}
