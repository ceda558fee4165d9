#include "session/Lbf_CtrlDisplay.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int AnchoVentana = 523;
constexpr int AltoVentana = 186;
constexpr int LadoCuadro = 32;
constexpr double Opacidad = 200.0 / 255.0;

// Frame `cuadro` (1 to 12) of the turning picture: twelve spokes round a hub, the spoke of the
// frame darkest and the ones behind it fading.
QPixmap dibujarCuadro(int cuadro)
{
    QPixmap imagen(LadoCuadro, LadoCuadro);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.translate(LadoCuadro / 2.0, LadoCuadro / 2.0);
    for (int rayo = 0; rayo < Lbf_CtrlDisplay::Cuadros; ++rayo) {
        const int distancia = (cuadro - 1 - rayo + Lbf_CtrlDisplay::Cuadros) % Lbf_CtrlDisplay::Cuadros;
        QColor color(0, 64, 160);
        color.setAlphaF(1.0 - distancia / static_cast<double>(Lbf_CtrlDisplay::Cuadros));
        pintor.save();
        pintor.rotate(rayo * 360.0 / Lbf_CtrlDisplay::Cuadros);
        pintor.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
        pintor.drawLine(QPointF(0, -6), QPointF(0, -14));
        pintor.restore();
    }
    return imagen;
}

} // namespace

Lbf_CtrlDisplay::Lbf_CtrlDisplay()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Lbf_CtrlDisplay"));
    setWindowTitle(QStringLiteral("Procesando Datos"));
    setFixedSize(AnchoVentana, AltoVentana);

    QFont fuente = font();
    fuente.setPointSize(12);
    fuente.setBold(true);
    for (int i = 0; i < 3; ++i) {
        auto *linea = new QLabel(this);
        linea->setObjectName(QStringLiteral("LblCtrol_%1").arg(i));
        linea->setGeometry(0, 8 + 24 * i, AnchoVentana - 2, 19);
        linea->setAlignment(Qt::AlignCenter);
        linea->setFont(fuente);
        m_lineas.at(static_cast<size_t>(i)) = linea;
    }
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(232, 88, 73, 65);
    m_image1->setAlignment(Qt::AlignCenter);
    m_cancelar = new QPushButton(QStringLiteral("&Cancelar "), this);
    m_cancelar->setObjectName(QStringLiteral("CmdDisplayCancelar"));
    m_cancelar->setGeometry(208, 156, 113, 25);
    connect(m_cancelar, &QPushButton::clicked, this, &Lbf_CtrlDisplay::CmdDisplayCancelar_Click);
    for (int cuadro = 1; cuadro <= Cuadros; ++cuadro)
        m_imageList1.at(static_cast<size_t>(cuadro - 1)) = dibujarCuadro(cuadro);
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    connect(m_timer1, &QTimer::timeout, this, &Lbf_CtrlDisplay::Timer1_Timer);

    // What the window does when it loads; it is centred once its frame is known.
    m_cancelar->setText(QStringLiteral("&Cancelar"));
    mostrarCuadro(1);
    setWindowOpacity(Opacidad);
    m_timer1->start();
}

void Lbf_CtrlDisplay::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_centrada) {
        m_centrada = true;
        centrar();
    }
}

void Lbf_CtrlDisplay::centrar()
{
    if (const QScreen *pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().center() - QRect(QPoint(), frameGeometry().size()).center());
}

void Lbf_CtrlDisplay::mostrarCuadro(int cuadro)
{
    m_cuadroActual = cuadro;
    m_image1->setPixmap(m_imageList1.at(static_cast<size_t>(cuadro - 1)));
}

void Lbf_CtrlDisplay::Timer1_Timer()
{
    ++m_contador;
    mostrarCuadro(m_contador);
    if (m_contador == Cuadros)
        m_contador = 0;
}

void Lbf_CtrlDisplay::CmdDisplayCancelar_Click()
{
    m_cancelar->setText(QStringLiteral("Abortado"));
}
