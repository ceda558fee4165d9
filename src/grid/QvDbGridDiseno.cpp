#include "components/TeclasTexto.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

template <class T> T *crear(QWidget *padre, const QString &nombre)
{
    auto *control = new T(padre);
    control->setObjectName(nombre);
    return control;
}

QToolButton *imagen(QWidget *padre, const QString &nombre, const QString &ayuda, QStyle::StandardPixmap dibujo)
{
    auto *boton = crear<QToolButton>(padre, nombre);
    boton->setToolTip(ayuda);
    boton->setIcon(padre->style()->standardIcon(dibujo));
    boton->setAutoRaise(true);
    return boton;
}

QPushButton *botonPagina(QWidget *padre, const QString &nombre, const QString &ayuda, QStyle::StandardPixmap dibujo)
{
    auto *boton = crear<QPushButton>(padre, nombre);
    boton->setToolTip(ayuda);
    boton->setIcon(padre->style()->standardIcon(dibujo));
    boton->setFocusPolicy(Qt::NoFocus);
    return boton;
}

QMenu *menuDeDosItems(QWidget *padre, const QString &nombre, const QString &primero, const QString &segundo)
{
    auto *menu = crear<QMenu>(padre, nombre);
    menu->addAction(primero);
    menu->addAction(segundo);
    return menu;
}

} // namespace

void QvDbGrid::construirControles()
{
    MSFlexGrid1 = crear<GrillaFlex>(this, QStringLiteral("MSFlexGrid1"));
    txtEdit1 = crear<QLineEdit>(MSFlexGrid1->viewport(), QStringLiteral("txtEdit1"));
    txtEdit1->hide();
    construirComandos();
    construirFiltros();
    StatusBar1 = crear<QStatusBar>(this, QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    panelOrden = crear<QLabel>(StatusBar1, QStringLiteral("StatusBar1_Panel1"));
    StatusBar1->addWidget(panelOrden, 1);
    CmdCancel = crear<QPushButton>(StatusBar1, QStringLiteral("CmdCancel"));
    CmdCancel->setText(QStringLiteral("Cancelar carga..."));
    CmdCancel->hide();
    Pbar = crear<QProgressBar>(StatusBar1, QStringLiteral("Pbar"));
    Pbar->setMaximumWidth(160);
    Pbar->setTextVisible(false);
    StatusBar1->addPermanentWidget(CmdCancel);
    StatusBar1->addPermanentWidget(Pbar);
    conectarEventos();
}

void QvDbGrid::construirComandos()
{
    FrmComandos = crear<QFrame>(this, QStringLiteral("FrmComandos"));
    auto *fila = new QHBoxLayout(FrmComandos);
    fila->setContentsMargins(2, 2, 2, 2);
    lblPagSelect = crear<QLabel>(FrmComandos, QStringLiteral("lblPagSelect"));
    lblPagSelect->setText(QStringLiteral("Página:"));
    cboPagSelect = crear<QComboBox>(FrmComandos, QStringLiteral("cboPagSelect"));
    cboPagSelect->setMinimumContentsLength(5);
    lblPaginas = crear<QLabel>(FrmComandos, QStringLiteral("lblPaginas"));
    cmdPrimero = botonPagina(FrmComandos, QStringLiteral("cmdPrimero"), QStringLiteral("Primer Página"),
                             QStyle::SP_MediaSkipBackward);
    cmdAnterior = botonPagina(FrmComandos, QStringLiteral("cmdAnterior"), QStringLiteral("Página Anterior"),
                              QStyle::SP_MediaSeekBackward);
    cmdSiguiente = botonPagina(FrmComandos, QStringLiteral("cmdSiguiente"), QStringLiteral("Página Siguiente"),
                               QStyle::SP_MediaSeekForward);
    cmdUltimo = botonPagina(FrmComandos, QStringLiteral("cmdUltimo"), QStringLiteral("Última Página"),
                            QStyle::SP_MediaSkipForward);
    cmdColumnas = crear<QPushButton>(FrmComandos, QStringLiteral("cmdColumnas"));
    cmdColumnas->setText(QStringLiteral("Columnas"));
    cmdColumnas->setFocusPolicy(Qt::NoFocus);
    Toolbar2 = crear<QToolBar>(FrmComandos, QStringLiteral("Toolbar2"));
    menuOrden = menuDeDosItems(Toolbar2, QStringLiteral("Toolbar2_Menu"), QStringLiteral("  Ordemaniento Individual"),
                               QStringLiteral("  Ordenamiento Múltiple"));
    auto *modoOrden = crear<QToolButton>(Toolbar2, QStringLiteral("Toolbar2_Boton1"));
    modoOrden->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    modoOrden->setMenu(menuOrden);
    modoOrden->setPopupMode(QToolButton::InstantPopup);
    Toolbar2->addWidget(modoOrden);
    ImgOrdenN =
        imagen(FrmComandos, QStringLiteral("ImgOrdenN"), QStringLiteral("Orden Natural"), QStyle::SP_BrowserReload);
    ImgOrdenAsc =
        imagen(FrmComandos, QStringLiteral("ImgOrdenAsc"), QStringLiteral("Orden Ascendente"), QStyle::SP_ArrowUp);
    ImgOrdenDesc =
        imagen(FrmComandos, QStringLiteral("ImgOrdenDesc"), QStringLiteral("Orden Descendente"), QStyle::SP_ArrowDown);
    for (QWidget *control :
         std::initializer_list<QWidget *>{lblPagSelect, cboPagSelect, lblPaginas, cmdPrimero, cmdAnterior, cmdSiguiente,
                                          cmdUltimo, cmdColumnas, Toolbar2, ImgOrdenN, ImgOrdenAsc, ImgOrdenDesc})
        fila->addWidget(control);
    fila->addStretch(1);
}

void QvDbGrid::construirFiltros()
{
    FrmFiltros = crear<QFrame>(this, QStringLiteral("FrmFiltros"));
    auto *fila = new QHBoxLayout(FrmFiltros);
    fila->setContentsMargins(2, 2, 2, 2);
    Label2 = crear<QLabel>(FrmFiltros, QStringLiteral("Label2"));
    Label2->setText(QStringLiteral("Buscar por:"));
    CboFiltroCampo = crear<QComboBox>(FrmFiltros, QStringLiteral("CboFiltroCampo"));
    CboFiltroCampo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    txtBuscar = crear<QLineEdit>(FrmFiltros, QStringLiteral("txtBuscar"));
    Label1 = crear<QLabel>(FrmFiltros, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Registros:"));
    CboRegistros = crear<QComboBox>(FrmFiltros, QStringLiteral("CboRegistros"));
    CboRegistros->setEditable(true);
    CboRegistros->setInsertPolicy(QComboBox::NoInsert);
    for (const int tamano : {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 100, 500, 1000, 2000})
        CboRegistros->addItem(QString::number(tamano));
    Toolbar1 = crear<QToolBar>(FrmFiltros, QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    menuBuscar = menuDeDosItems(Toolbar1, QStringLiteral("Toolbar1_Menu"), QStringLiteral("  Buscar en Página Actual"),
                                QStringLiteral("  Buscar en todas las Páginas"));
    for (const auto &[clave, titulo] :
         {std::pair{"BUSCAR", "Buscar"}, std::pair{"ACTUALIZAR", "Actualizar"},
          std::pair{"AJUSTACOL", "Ajustar Columnas"}, std::pair{"Excel", "Exportar a Excel"}}) {
        QAction *boton = Toolbar1->addAction(QString::fromUtf8(titulo));
        boton->setObjectName(QString::fromUtf8(clave));
        connect(boton, &QAction::triggered, this, [this, boton] { Toolbar1_ButtonClick(boton->objectName()); });
    }
    if (auto *buscar = qobject_cast<QToolButton *>(Toolbar1->widgetForAction(Toolbar1->actions().first()))) {
        buscar->setMenu(menuBuscar);
        buscar->setPopupMode(QToolButton::MenuButtonPopup);
    }
    for (QWidget *control :
         std::initializer_list<QWidget *>{Label2, CboFiltroCampo, txtBuscar, Label1, CboRegistros, Toolbar1})
        fila->addWidget(control);
    fila->setStretchFactor(txtBuscar, 1);
}

void QvDbGrid::conectarEventos()
{
    connect(cboPagSelect, &QComboBox::activated, this, [this] { cboPagSelect_Click(); });
    connect(cmdPrimero, &QPushButton::clicked, this, [this] { cmdPrimero_Click(); });
    connect(cmdAnterior, &QPushButton::clicked, this, [this] { cmdAnterior_Click(); });
    connect(cmdSiguiente, &QPushButton::clicked, this, [this] { cmdSiguiente_Click(); });
    connect(cmdUltimo, &QPushButton::clicked, this, [this] { cmdUltimo_Click(); });
    connect(cmdColumnas, &QPushButton::clicked, this, [this] { cmdColumnas_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
    connect(ImgOrdenN, &QToolButton::clicked, this, [this] { ImgOrdenN_Click(); });
    connect(ImgOrdenAsc, &QToolButton::clicked, this, [this] { ImgOrdenAsc_Click(); });
    connect(ImgOrdenDesc, &QToolButton::clicked, this, [this] { ImgOrdenDesc_Click(); });
    connect(CboRegistros, &QComboBox::activated, this, [this] { CboRegistros_Click(); });
    for (int item = 1; item <= 2; ++item) {
        connect(menuBuscar->actions().at(item - 1), &QAction::triggered, this,
                [this, item] { ButtonMenuClick(menuBuscar, item, m_Find); });
        connect(menuOrden->actions().at(item - 1), &QAction::triggered, this,
                [this, item] { ButtonMenuClick(menuOrden, item, m_Order); });
    }
    TeclasTexto::instalar(txtBuscar,
                          [this](QLineEdit *, int &KeyCode, int) {
                              if (KeyCode == tecla::Enter)
                                  Buscar();
                          },
                          {});
    TeclasTexto::instalar(
        CboRegistros, [this](QLineEdit *, int &KeyCode, int Shift) { CboRegistros_KeyDown(KeyCode, Shift); },
        [this](QLineEdit *, qint16 &KeyAscii) { CboRegistros_KeyPress(KeyAscii); });

    connect(MSFlexGrid1, &GrillaFlex::Click, this, [this] { MSFlexGrid1_Click(); });
    connect(MSFlexGrid1, &GrillaFlex::DblClick, this, &QvDbGrid::MsFlexGridDblClick);
    connect(MSFlexGrid1, &GrillaFlex::GotFocus, this, &QvDbGrid::MsFlexGridGotFocus);
    connect(MSFlexGrid1, &GrillaFlex::LostFocus, this, &QvDbGrid::MsFlexGridLostFocus);
    connect(MSFlexGrid1, &GrillaFlex::EnterCell, this, [this] { MSFlexGrid1_EnterCell(); });
    connect(MSFlexGrid1, &GrillaFlex::LeaveCell, this, [this] { MSFlexGrid1_LeaveCell(); });
    connect(MSFlexGrid1, &GrillaFlex::RowColChange, this, &QvDbGrid::MSFlexGridRowColChange);
    connect(MSFlexGrid1, &GrillaFlex::KeyDown, this,
            [this](int &KeyCode, int Shift) { MSFlexGrid1_KeyDown(KeyCode, Shift); });
    connect(MSFlexGrid1, &GrillaFlex::KeyPress, this, [this](int &KeyAscii) { emit MSFlexGridKeyPress(KeyAscii); });
    connect(MSFlexGrid1, &GrillaFlex::KeyUp, this,
            [this](int &KeyCode, int Shift) { emit MSFlexGridKeyUp(KeyCode, Shift); });
    connect(MSFlexGrid1, &GrillaFlex::MouseDown, this, &QvDbGrid::MSFlexGridMouseDown);

    connect(txtEdit1, &QLineEdit::textChanged, this, &QvDbGrid::txtEditChange);
    txtEdit1->installEventFilter(this);
    TeclasTexto::instalar(
        txtEdit1, [this](QLineEdit *, int &KeyCode, int Shift) { emit txtEditKeyDown(KeyCode, Shift); },
        [this](QLineEdit *, qint16 &KeyAscii) {
            int codigo = KeyAscii;
            emit txtEditKeyPress(codigo);
            KeyAscii = static_cast<qint16>(codigo);
        });
}

bool QvDbGrid::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != txtEdit1)
        return QWidget::eventFilter(objeto, evento);
    switch (evento->type()) {
    case QEvent::FocusIn:
        txtEdit1_GotFocus();
        break;
    case QEvent::FocusOut:
        txtEdit1_LostFocus();
        break;
    case QEvent::MouseButtonRelease:
        emit txtEditClick();
        break;
    case QEvent::MouseButtonDblClick:
        emit txtEditDblClick();
        break;
    case QEvent::MouseMove: {
        const auto *raton = static_cast<QMouseEvent *>(evento);
        const int botones =
            (raton->buttons().testFlag(Qt::LeftButton) ? 1 : 0) | (raton->buttons().testFlag(Qt::RightButton) ? 2 : 0);
        emit txtEditMouseDown(botones, TeclasTexto::estadoMayusculas(raton->modifiers()),
                              float(raton->position().x() * GrillaFlex::TwipsPorPixel),
                              float(raton->position().y() * GrillaFlex::TwipsPorPixel));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

void QvDbGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void QvDbGrid::UserControl_Resize()
{
    const int ancho = width();
    const int altoComandos = FrmComandos->sizeHint().height();
    const int altoFiltros = FrmFiltros->sizeHint().height();
    const int altoEstado = StatusBar1->sizeHint().height();
    const bool comandosArriba = m_AlignCommandBar == 1;
    const bool comandosAbajo = m_AlignCommandBar >= 0 && m_AlignCommandBar <= 4 && !comandosArriba;
    const bool filtrosAbajo = m_AlignFilterBar == 2;
    const bool filtrosArriba = m_AlignFilterBar >= 0 && m_AlignFilterBar <= 4 && !filtrosAbajo;

    int arriba = 0;
    if (comandosArriba) {
        FrmComandos->setGeometry(0, arriba, ancho, altoComandos);
        arriba += altoComandos;
    }
    if (filtrosArriba) {
        FrmFiltros->setGeometry(0, arriba, ancho, altoFiltros);
        arriba += altoFiltros;
    }
    int abajo = height() - altoEstado;
    StatusBar1->setGeometry(0, abajo, ancho, altoEstado);
    if (filtrosAbajo) {
        abajo -= altoFiltros;
        FrmFiltros->setGeometry(0, abajo, ancho, altoFiltros);
    }
    if (comandosAbajo) {
        abajo -= altoComandos;
        FrmComandos->setGeometry(0, abajo, ancho, altoComandos);
    }
    MSFlexGrid1->setGeometry(0, arriba, ancho, qMax(0, abajo - arriba));
}
