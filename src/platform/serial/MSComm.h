#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSerialPort;

namespace serial {

// The system's side of the port's wait: the bytes it still holds for the line, dropping them,
// and the time that passes. The port's own asks the device and a steady clock.
class ColaSalida {
public:
    virtual ~ColaSalida() = default;
    // Bytes the system holds for the line of the open device `descriptor`.
    virtual qint64 pendientes(qintptr descriptor) = 0;
    // Drops them.
    virtual void descartar(qintptr descriptor) = 0;
    // Milliseconds on a clock that only goes forward.
    virtual qint64 ahoraMs() = 0;
    // Lets `ms` milliseconds pass.
    virtual void esperar(qint64 ms) = 0;
};

// The serial-port control: a port chosen by its number, opened and closed, and bytes written
// to it. The line is 9600 baud, no parity, 8 data bits, 1 stop bit, without flow control.
// Failures throw rt::RuntimeError with the control's numbers:
//   8002 the port cannot be opened (no such device, no permission, a bad port number),
//   8005 the port is already open (a new port number or a second open),
//   8012 the port is not open (bytes written to a closed port),
//   8020 the bytes could not be written or did not drain.
class MSComm {
public:
    // Gives the device of port number `n` (1 for COM1).
    using Dispositivos = std::function<QString(int n)>;

    // `dispositivos` names the device behind each port number; by default defaultDevice.
    // `cola` answers for the system's queue and clock; by default the device's own.
    explicit MSComm(Dispositivos dispositivos = defaultDevice, std::unique_ptr<ColaSalida> cola = {});
    ~MSComm();
    MSComm(const MSComm &) = delete;
    MSComm &operator=(const MSComm &) = delete;

    // The device that stands for COMn on this platform: "/dev/ttyS<n-1>".
    static QString defaultDevice(int n);

    int CommPort() const { return m_port; }
    // Chooses the port for the next open. Throws 8002 when n is below 1, 8005 while open.
    void setCommPort(int n);

    bool PortOpen() const;
    // True opens the device of CommPort with the line settings above; false closes it once
    // every byte written has left, waiting at most 5 seconds more than the bytes need at 9600
    // baud: bytes still waiting then are dropped, the port is closed and 8020 thrown. Opening
    // an open port throws 8005; closing a closed one does nothing.
    void setPortOpen(bool abrir);

    // Writes `bytes` to the open port as they are. Throws 8012 when it is closed, 8020 when the
    // device refuses them.
    void setOutput(const QByteArray &bytes);

private:
    void drenar();

    Dispositivos m_dispositivos;
    std::unique_ptr<ColaSalida> m_cola;
    int m_port = 1;
    std::unique_ptr<QSerialPort> m_serie;
};

} // namespace serial
