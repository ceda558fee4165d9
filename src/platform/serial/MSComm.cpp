#include "platform/serial/MSComm.h"

#include "platform/runtime/RuntimeError.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QThread>
#include <sys/ioctl.h>
#include <termios.h>

namespace serial {

namespace {

constexpr int Baudios = 9600;
// Ten bits a byte on the line (start, eight data, stop), and a margin for a slow device.
constexpr qint64 MargenDrenadoMs = 5000;
// How often the system's queue is looked at while it empties.
constexpr unsigned long EsperaColaMs = 10;

[[noreturn]] void fallar(long numero, const QString &texto, const QString &detalle = {})
{
    throw rt::RuntimeError(numero,
                           detalle.isEmpty() ? texto : texto + QStringLiteral(" (") + detalle + QLatin1Char(')'),
                           QStringLiteral("MSComm"));
}

} // namespace

MSComm::MSComm(Dispositivos dispositivos)
    : m_dispositivos(std::move(dispositivos))
{
}

MSComm::~MSComm() = default;

QString MSComm::defaultDevice(int n)
{
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

void MSComm::setCommPort(int n)
{
    if (PortOpen())
        fallar(rt::err::CommPortOpen, QStringLiteral("El puerto ya está abierto"));
    if (n < 1)
        fallar(rt::err::CommPortInvalid, QStringLiteral("Número de puerto no válido"), QString::number(n));
    m_port = n;
}

bool MSComm::PortOpen() const
{
    return m_serie && m_serie->isOpen();
}

void MSComm::setPortOpen(bool abrir)
{
    if (!abrir) {
        if (PortOpen())
            drenar();
        m_serie.reset();
        return;
    }
    if (PortOpen())
        fallar(rt::err::CommPortOpen, QStringLiteral("El puerto ya está abierto"));
    const QString dispositivo = m_dispositivos(m_port);
    auto serie = std::make_unique<QSerialPort>();
    serie->setPortName(dispositivo);
    serie->setBaudRate(Baudios);
    serie->setDataBits(QSerialPort::Data8);
    serie->setParity(QSerialPort::NoParity);
    serie->setStopBits(QSerialPort::OneStop);
    serie->setFlowControl(QSerialPort::NoFlowControl);
    if (!serie->open(QIODevice::ReadWrite))
        fallar(rt::err::CommPortInvalid, QStringLiteral("Número de puerto no válido"),
               dispositivo + QStringLiteral(": ") + serie->errorString());
    m_serie = std::move(serie);
}

void MSComm::setOutput(const QByteArray &bytes)
{
    if (!PortOpen())
        fallar(rt::err::CommPortClosed, QStringLiteral("La operación sólo es válida con el puerto abierto"));
    if (m_serie->write(bytes) != bytes.size())
        fallar(rt::err::CommWriteFailed, QStringLiteral("Error de escritura en el puerto"), m_serie->errorString());
}

// Bytes the system still holds for the line.
qint64 MSComm::pendientesSistema() const
{
    int pendientes = 0;
    return ioctl(static_cast<int>(m_serie->handle()), TIOCOUTQ, &pendientes) == 0 ? pendientes : 0;
}

// Every byte written leaves the program's buffer and the system's before the port closes. A
// device that takes none (a printer switched off, a port nobody reads) must not hold the
// program: past the time the bytes need and the margin, what is left is dropped, so that
// closing does not wait for it either, and the port is closed.
void MSComm::drenar()
{
    const qint64 necesarioMs = (m_serie->bytesToWrite() + pendientesSistema()) * 10 * 1000 / Baudios;
    const QDeadlineTimer plazo(necesarioMs + MargenDrenadoMs);
    bool vaciado = true;
    while (vaciado && m_serie->bytesToWrite() > 0)
        vaciado = m_serie->waitForBytesWritten(static_cast<int>(plazo.remainingTime()));
    while (vaciado && pendientesSistema() > 0) {
        vaciado = !plazo.hasExpired();
        QThread::msleep(EsperaColaMs);
    }
    if (!vaciado) {
        const QString detalle = m_serie->errorString();
        tcflush(static_cast<int>(m_serie->handle()), TCOFLUSH);
        m_serie.reset();
        fallar(rt::err::CommWriteFailed, QStringLiteral("Error de escritura en el puerto"), detalle);
    }
}

} // namespace serial
