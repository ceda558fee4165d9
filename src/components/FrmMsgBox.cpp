#include "components/FrmMsgBox.h"

#include "platform/outside/FormGeometry.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int MilisegundosPorSegundo = 1000;

} // namespace

FrmMsgBox::FrmMsgBox(QWidget *parent)
    : QDialog(parent)
    , m_espera(this)
{
    setObjectName(QStringLiteral("FrmMsgBox"));
    setWindowTitle(QStringLiteral("Aviso al operador"));

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    m_mensaje = new QLabel(QStringLiteral("Atencion!"), this);
    m_mensaje->setObjectName(QStringLiteral("LblMensaje"));
    m_mensaje->setWordWrap(true);
    auto *linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    m_aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_aceptar->setObjectName(QStringLiteral("CmdAceptar"));

    auto *mensaje = new QHBoxLayout;
    mensaje->addWidget(image1, 0, Qt::AlignTop);
    mensaje->addWidget(m_mensaje, 1);
    auto *columna = new QVBoxLayout(this);
    columna->addLayout(mensaje);
    columna->addWidget(linea);
    columna->addWidget(m_aceptar, 0, Qt::AlignRight);

    m_espera.setSingleShot(true);
    connect(&m_espera, &QTimer::timeout, this, &QWidget::hide);
    connect(m_aceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
}

void FrmMsgBox::ActualizarLeyenda()
{
    setWindowTitle(Titulo);
    m_mensaje->setText(Mensaje);
    m_mensaje->repaint();
}

void FrmMsgBox::showEvent(QShowEvent *evento)
{
    if (!m_cargado) {
        m_cargado = true;
        setWindowTitle(Titulo);
        m_mensaje->setText(Mensaje);
        adjustSize();
        outside::centreOnScreen(this);
    }
    QDialog::showEvent(evento);
    // A timer, not a loop watching the clock: the wait costs nothing and survives midnight.
    if (Espera > 0)
        m_espera.start(Espera * MilisegundosPorSegundo);
}

void FrmMsgBox::CmdAceptar_Click()
{
    setWindowTitle(QStringLiteral("ATENCION"));
    m_mensaje->clear();
    m_espera.stop();
    m_cargado = false;
    accept();
}
