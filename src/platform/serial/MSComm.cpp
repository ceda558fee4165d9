#include "platform/serial/MSComm.h"

#include "platform/runtime/RuntimeError.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>
#include <algorithm>
#include <sys/ioctl.h>
#include <termios.h>

namespace serial {

namespace {

constexpr int Baudios = 9600;
// Ten bits a byte on the line (start, eight data, stop), and a margin for a slow device.
constexpr qint64 MargenDrenadoMs = 5000;
// How often the system's queue is looked at while it empties.
constexpr qint64 EsperaColaMs = 10;

// The device's own queue, and a steady clock.
class ColaSistema : public ColaSalida {
public:
    ColaSistema() { m_reloj.start(); }

    qint64 pendientes(qintptr descriptor) override
    {
        int pendientes = 0;
        return ioctl(static_cast<int>(descriptor), TIOCOUTQ, &pendientes) == 0 ? pendientes : 0;
    }
    void descartar(qintptr descriptor) override { tcflush(static_cast<int>(descriptor), TCOFLUSH); }
    qint64 ahoraMs() override { return m_reloj.elapsed(); }
    void esperar(qint64 ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }

private:
    QElapsedTimer m_reloj;
};

[[noreturn]] void fallar(long numero, const QString &texto, const QString &detalle = {})
{
    throw rt::RuntimeError(numero,
                           detalle.isEmpty() ? texto : texto + QStringLiteral(" (") + detalle + QLatin1Char(')'),
                           QStringLiteral("MSComm"));
}

} // namespace

MSComm::MSComm(Dispositivos dispositivos, std::unique_ptr<ColaSalida> cola)
    : m_dispositivos(std::move(dispositivos))
    , m_cola(cola ? std::move(cola) : std::make_unique<ColaSistema>())
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

// Every byte written leaves the program's buffer and the system's before the port closes. A
// device that takes none (a printer switched off, a port nobody reads) must not hold the
// program: past the time the bytes need and the margin, what is left is dropped, so that
// closing does not wait for it either, and the port is closed.
void MSComm::drenar()
{
    const qintptr descriptor = m_serie->handle();
    const qint64 necesarioMs = (m_serie->bytesToWrite() + m_cola->pendientes(descriptor)) * 10 * 1000 / Baudios;
    const qint64 plazo = m_cola->ahoraMs() + necesarioMs + MargenDrenadoMs;
    const auto restante = [&] { return std::max<qint64>(plazo - m_cola->ahoraMs(), 0); };
    bool vaciado = true;
    while (vaciado && m_serie->bytesToWrite() > 0)
        vaciado = m_serie->waitForBytesWritten(static_cast<int>(restante()));
    while (vaciado && m_cola->pendientes(descriptor) > 0) {
        vaciado = restante() > 0;
        if (vaciado)
            m_cola->esperar(EsperaColaMs);
    }
    if (!vaciado) {
        const QString detalle = m_serie->errorString();
        m_cola->descartar(descriptor);
        m_serie.reset();
        fallar(rt::err::CommWriteFailed, QStringLiteral("Error de escritura en el puerto"), detalle);
    }
}

} // namespace serial
