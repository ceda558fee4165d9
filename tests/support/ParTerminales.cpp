#include "support/ParTerminales.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace support {

namespace {

constexpr int PlazoEnlacesMs = 5000;
// How long the test's end stays quiet before the bytes are taken as complete.
constexpr int SilencioMs = 200;

} // namespace

ParTerminales::ParTerminales()
{
    if (!m_carpeta.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    const auto extremo = [](const QString &enlace) { return QStringLiteral("pty,raw,echo=0,link=") + enlace; };
    m_socat.setProgram(QStringLiteral("socat"));
    m_socat.setArguments({extremo(extremoPrograma()), extremo(extremoPrueba())});
    m_socat.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_socat.start();
    if (!m_socat.waitForStarted()) {
        m_error = QStringLiteral("socat did not start: ") + m_socat.errorString();
        return;
    }
    const QDeadlineTimer plazo(PlazoEnlacesMs);
    while (!QFileInfo::exists(extremoPrograma()) || !QFileInfo::exists(extremoPrueba())) {
        if (plazo.hasExpired() || m_socat.state() != QProcess::Running) {
            m_error = QStringLiteral("socat made no links in %1: %2").arg(m_carpeta.path(), m_socat.errorString());
            return;
        }
        QThread::msleep(10);
    }
}

ParTerminales::~ParTerminales()
{
    for (const int descriptor : {m_lectura, m_programa}) {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    if (m_socat.state() != QProcess::NotRunning) {
        m_socat.kill();
        m_socat.waitForFinished();
    }
}

QString ParTerminales::extremoPrograma() const
{
    return QDir(m_carpeta.path()).filePath(QStringLiteral("comandera"));
}

QString ParTerminales::extremoPrueba() const
{
    return QDir(m_carpeta.path()).filePath(QStringLiteral("impresora"));
}

bool ParTerminales::abrir()
{
    // socat ends the pair as soon as the last descriptor of an end closes, and the bytes not yet
    // read at the other end are lost with it.
    m_programa = ::open(QFile::encodeName(extremoPrograma()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    m_lectura = ::open(QFile::encodeName(extremoPrueba()).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (m_programa < 0 || m_lectura < 0)
        return false;
    termios modo{};
    if (::tcgetattr(m_lectura, &modo) != 0)
        return false;
    ::cfmakeraw(&modo);
    return ::tcsetattr(m_lectura, TCSANOW, &modo) == 0;
}

QByteArray ParTerminales::leer(qsizetype esperados, int plazoMs)
{
    QByteArray recibidos;
    if (m_lectura < 0)
        return recibidos;
    const QDeadlineTimer plazo(plazoMs);
    for (;;) {
        const bool completos = recibidos.size() >= esperados;
        if (!completos && plazo.hasExpired())
            return recibidos;
        pollfd espera{m_lectura, POLLIN, 0};
        const int esperaMs = completos ? SilencioMs : static_cast<int>(plazo.remainingTime());
        if (::poll(&espera, 1, esperaMs) <= 0) {
            if (completos)
                return recibidos;
            continue;
        }
        char bloque[4096];
        const ssize_t leidos = ::read(m_lectura, bloque, sizeof bloque);
        if (leidos > 0)
            recibidos.append(bloque, leidos);
        else if (leidos == 0 || errno != EAGAIN)
            return recibidos;
    }
}

} // namespace support
