#include "grid/FrmCampos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *imagen(QWidget *padre, const QString &nombre, QStyle::StandardPixmap dibujo)
{
    auto *boton = new QToolButton(padre);
    boton->setObjectName(nombre);
    boton->setIcon(padre->style()->standardIcon(dibujo));
    boton->setAutoRaise(true);
    return boton;
}

} // namespace

FrmCampos::FrmCampos(QWidget *parent)
    : QDialog(parent)
    , LstLista(new QListWidget(this))
{
    setObjectName(QStringLiteral("FrmCampos"));
    setWindowTitle(QStringLiteral("Seleccionar Columnas"));
    auto *Label1 = new QLabel(QStringLiteral("Seleccionar Columnas"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto *Label2 = new QLabel(QStringLiteral("Control o Mayúscula para selección Múltiple"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    LstLista->setObjectName(QStringLiteral("LstLista"));
    LstLista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *ImgSube = imagen(this, QStringLiteral("ImgSube"), QStyle::SP_ArrowUp);
    auto *ImgBaja = imagen(this, QStringLiteral("ImgBaja"), QStyle::SP_ArrowDown);
    auto *ImgCancelar = imagen(this, QStringLiteral("ImgCancelar"), QStyle::SP_TitleBarCloseButton);
    ImgCancelar->setToolTip(QStringLiteral("Cerrar"));
    auto *CmdAll = new QPushButton(QStringLiteral("Todos"), this);
    CmdAll->setObjectName(QStringLiteral("CmdAll"));
    auto *CmdAplica = new QPushButton(QStringLiteral("Aplicar"), this);
    CmdAplica->setObjectName(QStringLiteral("CmdAplica"));
    CmdAplica->setDefault(true);

    auto *titulo = new QHBoxLayout;
    titulo->addWidget(Label1, 1);
    titulo->addWidget(ImgCancelar);
    auto *flechas = new QVBoxLayout;
    flechas->addStretch(1);
    flechas->addWidget(ImgSube);
    flechas->addWidget(ImgBaja);
    flechas->addStretch(1);
    auto *centro = new QHBoxLayout;
    centro->addWidget(LstLista, 1);
    centro->addLayout(flechas);
    auto *botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(CmdAll);
    botones->addWidget(CmdAplica);
    auto *todo = new QVBoxLayout(this);
    todo->addLayout(titulo);
    todo->addWidget(Label2);
    todo->addLayout(centro, 1);
    todo->addLayout(botones);
    resize(300, 380);

    connect(CmdAplica, &QPushButton::clicked, this, [this] { CmdAplica_Click(); });
    connect(CmdAll, &QPushButton::clicked, this, [this] { CmdAll_Click(); });
    connect(ImgSube, &QToolButton::clicked, this, [this] { ImgSube_Click(); });
    connect(ImgBaja, &QToolButton::clicked, this, [this] { ImgBaja_Click(); });
    connect(ImgCancelar, &QToolButton::clicked, this, [this] { ImgCancelar_Click(); });
    connect(LstLista, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) { alMarcar(item); });
    // Escape and the title bar close the window as its close image does.
    connect(this, &QDialog::rejected, this, [this] { Cancelar = true; });
}

void FrmCampos::showEvent(QShowEvent *event)
{
    if (!m_cargada)
        Form_Load();
    QDialog::showEvent(event);
}

void FrmCampos::Form_Load()
{
    m_cargada = true;
    Cancelar = false;
    m_eleccion.cargar(gCampos, gCamposSel, gOrdinalSel);
    mostrarLista(-1);
}

void FrmCampos::mostrarLista(int seleccionada)
{
    const QSignalBlocker bloqueo(LstLista);
    LstLista->clear();
    for (const EleccionColumnas::Entrada &entrada : m_eleccion.entradas()) {
        auto *item = new QListWidgetItem(entrada.texto, LstLista);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(entrada.marcada ? Qt::Checked : Qt::Unchecked);
    }
    if (seleccionada >= 0 && seleccionada < LstLista->count())
        LstLista->setCurrentRow(seleccionada);
}

void FrmCampos::alMarcar(QListWidgetItem *item)
{
    m_eleccion.marcar(LstLista->row(item), item->checkState() == Qt::Checked);
}

void FrmCampos::CmdAplica_Click()
{
    Cancelar = false;
    m_eleccion.aplicar(gCamposSel, gOrdinalSel, gCamposOrden);
    accept();
}

void FrmCampos::CmdAll_Click()
{
    m_eleccion.marcarTodas();
    mostrarLista(LstLista->currentRow());
    CmdAplica_Click();
}

void FrmCampos::ImgSube_Click()
{
    mostrarLista(m_eleccion.subir(LstLista->currentRow()));
}

void FrmCampos::ImgBaja_Click()
{
    mostrarLista(m_eleccion.bajar(LstLista->currentRow()));
}

void FrmCampos::ImgCancelar_Click()
{
    Cancelar = true;
    reject();
}
