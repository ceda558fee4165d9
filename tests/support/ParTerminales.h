#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace support {

// A pair of linked pseudo-terminals made by socat: bytes written to one end arrive at the
// other. The two links lie in a temporary folder of their own; socat is stopped when the pair
// goes. Both ends are raw, without echo.
class ParTerminales {
public:
    // Starts socat and waits (at most a few seconds) for both links; check listo() afterwards.
    ParTerminales();
    ~ParTerminales();
    ParTerminales(const ParTerminales &) = delete;
    ParTerminales &operator=(const ParTerminales &) = delete;

    // Whether both links appeared in time; otherwise why not.
    bool listo() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // The end the program writes to, and the end a test reads from.
    QString extremoPrograma() const;
    QString extremoPrueba() const;

    // Opens the test's end for reading, and holds the program's end open too, so that socat
    // keeps the pair when the program closes its port. Call it before the program writes.
    bool abrir();
    // The test's own descriptor of the program's end (-1 before abrir): it reads the line
    // settings the program's port set.
    int descriptorPrograma() const { return m_programa; }
    // What has arrived at the test's end: waits until `esperados` bytes are there or the
    // deadline passes, then a short while more for any byte beyond them.
    QByteArray leer(qsizetype esperados, int plazoMs = 5000);

private:
    QTemporaryDir m_carpeta;
    QProcess m_socat;
    QString m_error;
    int m_lectura = -1;
    int m_programa = -1;
};

} // namespace support
