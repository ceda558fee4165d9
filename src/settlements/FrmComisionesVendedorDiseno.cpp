// The settlement window's controls, their design values and their events.
#include "settlements/FrmComisionesVendedor.h"

#include "components/FhOcx.h"
#include "components/TeclasTexto.h"
#include "core/BarraEstado.h"
#include "core/StatusBar.h"
#include "platform/ui/SkinFramework.h"
#include "settlements/ListaCobranzas.h"
#include "settlements/ListaVendedores.h"
#include "settlements/SeleccionListas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Design size of the window and of the lists whose width the layout rule keeps, in pixels.
constexpr int AnchoDiseno = 1180;
constexpr int AltoDiseno = 760;
constexpr int Margen = 4;
constexpr int AnchoVendedores = 380;
constexpr int AnchoComprobantes = 520;
constexpr int AnchoCampo = 70;

template <class T> T *nombrado(T *control, const QString &nombre)
{
    control->setObjectName(nombre);
    return control;
}

QPushButton *boton(const QString &nombre, const QString &texto, QWidget *padre)
{
    return nombrado(new QPushButton(texto, padre), nombre);
}

} // namespace

void FrmComisionesVendedor::crearControles()
{
    setObjectName(QStringLiteral("FrmComisionesVendedor"));
    setWindowTitle(QStringLiteral("Comisiones por Vendedor"));
    resize(AnchoDiseno, AltoDiseno);

    auto *cliente = new QWidget(this);
    setCentralWidget(cliente);

    frameFiltros = nombrado(new QFrame(cliente), QStringLiteral("frameFiltros"));
    frameFiltros->setFrameShape(QFrame::StyledPanel);
    auto *banda = new QHBoxLayout(frameFiltros);
    banda->addWidget(crearPanelFiltros(frameFiltros));
    banda->addWidget(crearComandos(frameFiltros), 1);
    Picture2 = nombrado(new QFrame(frameFiltros), QStringLiteral("Picture2"));
    banda->addWidget(Picture2);
    frameFiltros->setGeometry(Margen, 0, AnchoDiseno - 2 * Margen, frameFiltros->sizeHint().height());

    const int arriba = frameFiltros->geometry().bottom() + 1 + Margen;
    const int alto = (AltoDiseno - arriba) / 2;
    ListView1 = crearLista(QStringLiteral("ListView1"), cliente);
    ListView1->setGeometry(Margen, arriba, AnchoVendedores, alto);
    ListView2 = crearLista(QStringLiteral("ListView2"), cliente);
    ListView2->setGeometry(Margen + AnchoVendedores + Margen, arriba, AnchoDiseno - AnchoVendedores - 3 * Margen, alto);
    ListView3 = crearLista(QStringLiteral("ListView3"), cliente);
    ListView3->setGeometry(Margen, arriba + alto, AnchoComprobantes, alto);
    ListView5 = crearLista(QStringLiteral("ListView5"), cliente);
    ListView5->setGeometry(Margen + AnchoComprobantes + Margen, arriba + alto,
                           AnchoDiseno - AnchoComprobantes - 3 * Margen, alto);

    ListaVendedores::mostrarColumnas(*ListView1, font());
    ListaCobranzas::mostrarColumnas(*ListView2, font());

    sbStatusBar = nombrado(new StatusBar(this), QStringLiteral("sbStatusBar"));
    AgregarPanelesEstado(*sbStatusBar);
    setStatusBar(sbStatusBar);
    SkinFramework1 = nombrado(new ui::SkinFramework(this), QStringLiteral("SkinFramework1"));
    conectarEventos();
}

QFrame *FrmComisionesVendedor::crearPanelFiltros(QWidget *padre)
{
    picFiltros = nombrado(new QFrame(padre), QStringLiteral("picFiltros"));
    picFiltros->setAutoFillBackground(true);
    auto *rejilla = new QGridLayout(picFiltros);
    rejilla->setContentsMargins(Margen, Margen, Margen, Margen);

    Label2 = nombrado(new QLabel(QStringLiteral("Nro Liq. :"), picFiltros), QStringLiteral("Label2"));
    CmbLiquidacion = nombrado(new QComboBox(picFiltros), QStringLiteral("CmbLiquidacion"));
    CmbLiquidacion->setEditable(true);
    CmbLiquidacion->setInsertPolicy(QComboBox::NoInsert);
    CmbLiquidacion->setEditText(QStringLiteral("Combo1"));
    CmbLiquidacion->setMinimumContentsLength(22);
    auto *numero = crearCampo(0, QStringLiteral("IdLiquidacion"), QString(), 0, picFiltros);
    Label3 = nombrado(new QLabel(QStringLiteral("Fecha : "), picFiltros), QStringLiteral("Label3"));
    FhOcx1 = nombrado(new FhOcx(picFiltros), QStringLiteral("FhOcx1"));
    Label1 = nombrado(new QLabel(QStringLiteral("Vendedor :"), picFiltros), QStringLiteral("Label1"));
    auto *vendedor = crearCampo(1, QStringLiteral("idvendedor"), QStringLiteral("V_TA_VENDEDORES"), 4, picFiltros);

    rejilla->addWidget(Label2, 0, 0);
    rejilla->addWidget(CmbLiquidacion, 0, 1);
    rejilla->addWidget(numero, 0, 2, Qt::AlignLeft);
    rejilla->addWidget(Label3, 1, 0);
    rejilla->addWidget(FhOcx1, 1, 1, 1, 2);
    rejilla->addWidget(Label1, 2, 0);
    rejilla->addWidget(vendedor, 2, 1, Qt::AlignLeft);
    return picFiltros;
}

QWidget *FrmComisionesVendedor::crearComandos(QWidget *padre)
{
    auto *comandos = new QWidget(padre);
    auto *rejilla = new QGridLayout(comandos);
    rejilla->setContentsMargins(0, 0, 0, 0);
    CmdGenerar = boton(QStringLiteral("CmdGenerar"), QStringLiteral("Cargar Liquidacion >>"), comandos);
    chkRecalcular = nombrado(new QCheckBox(QStringLiteral("Recalcular"), comandos), QStringLiteral("chkRecalcular"));
    chkRecalcular->setToolTip(
        QStringLiteral("Esta opción borrará el registro historico de comisiones tomando la actual."));
    CmdBorrar = boton(QStringLiteral("CmdBorrar"), QStringLiteral("Borrar Liquidacion"), comandos);
    CmdListar = boton(QStringLiteral("CmdListar"), QStringLiteral("Listar Liquidacion"), comandos);
    cmdCancelar = boton(QStringLiteral("cmdCancelar"), QStringLiteral("Cancelar"), comandos);
    cmdCancelar->setEnabled(false);
    CmdReimprimir = boton(QStringLiteral("CmdReimprimir"), QStringLiteral("Ver  Comprobante"), comandos);
    CmdExportaExcelLV = boton(QStringLiteral("CmdExportaExcelLV"), QStringLiteral("Excel Cobranzas"), comandos);
    cmdSalir = boton(QStringLiteral("cmdSalir"), QStringLiteral("&Salir"), comandos);
    lblEstado = nombrado(new QLabel(textoEstadoInicial(), comandos), QStringLiteral("lblEstado"));
    lblEstado->setAutoFillBackground(true);
    lblEstado->setFrameShape(QFrame::Panel);
    lblEstado->setFrameShadow(QFrame::Sunken);

    rejilla->addWidget(CmdGenerar, 0, 0);
    rejilla->addWidget(chkRecalcular, 0, 1);
    rejilla->addWidget(CmdBorrar, 0, 2);
    rejilla->addWidget(CmdListar, 0, 3);
    rejilla->addWidget(cmdCancelar, 1, 0);
    rejilla->addWidget(CmdReimprimir, 1, 1);
    rejilla->addWidget(CmdExportaExcelLV, 1, 2);
    rejilla->addWidget(cmdSalir, 1, 3);
    rejilla->addWidget(lblEstado, 2, 0, 1, 4);
    return comandos;
}

QTreeWidget *FrmComisionesVendedor::crearLista(const QString &nombre, QWidget *padre)
{
    auto *lista = nombrado(new QTreeWidget(padre), nombre);
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setAllColumnsShowFocus(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->header()->setStretchLastSection(false);
    lista->header()->setSectionsMovable(false);
    lista->setColumnCount(0);
    return lista;
}

QLineEdit *FrmComisionesVendedor::crearCampo(int Index, const QString &campo, const QString &tag, int largo,
                                             QWidget *padre)
{
    auto *box = nombrado(new QLineEdit(padre), QStringLiteral("txtfields_%1").arg(Index));
    setDataField(box, campo);
    if (!tag.isEmpty())
        setTag(box, tag);
    setMaxLength(box, largo);
    box->setFixedWidth(AnchoCampo);
    box->installEventFilter(this);
    TeclasTexto::instalar(
        box, [this, Index](QLineEdit *, int &KeyCode, int Shift) { txtfields_KeyDown(Index, KeyCode, Shift); },
        [this, Index](QLineEdit *, qint16 &KeyAscii) { txtfields_KeyPress(Index, KeyAscii); });
    m_txtfields[Index] = box;
    return box;
}

void FrmComisionesVendedor::conectarEventos()
{
    connect(CmbLiquidacion, &QComboBox::activated, this, [this] { Verliq(); });
    connect(CmbLiquidacion->lineEdit(), &QLineEdit::textEdited, this, [this] { Verliq(); });
    connect(CmdGenerar, &QPushButton::clicked, this,
            [this] { ejecutarComando(QStringLiteral("CmdGenerar_Click"), [this] { CmdGenerar_Click(); }); });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] { cmdCancelar_Click(); });
    connect(cmdSalir, &QPushButton::clicked, this, [this] { cmdSalir_Click(); });
    conectarComandos();
}
