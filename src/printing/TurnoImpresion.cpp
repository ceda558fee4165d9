#include "printing/TurnoImpresion.h"

#include "platform/ui/Dialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local int turnosEnCurso = 0;

// A file in the turn's place that names no live print is taken over after EsperaRelevo: long
// enough for a print that has just made the file to write its name in it. Past EsperaMaxima
// the print goes on without a turn. The turn is looked at every Pausa.
constexpr qint64 EsperaRelevo = 2000;
constexpr qint64 EsperaMaxima = 5000;
constexpr unsigned long PausaMs = 50;

// A folder of this user alone: a real folder (not a link), owned by the user, closed to others.
bool esPropia(const QString &carpeta)
{
    struct stat datos { };
    return !carpeta.isEmpty() && ::lstat(QFile::encodeName(carpeta).constData(), &datos) == 0 && S_ISDIR(datos.st_mode)
           && datos.st_uid == ::geteuid() && (datos.st_mode & 077) == 0;
}

QString carpetaTurnos()
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!esPropia(base))
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty() || !QDir().mkpath(base))
        return {};
    const QString carpeta = QDir(base).filePath(QStringLiteral("comisiones"));
    ::mkdir(QFile::encodeName(carpeta).constData(), 0700);
    return esPropia(carpeta) ? carpeta : QString();
}

// Whether nothing or a plain file lies at `ruta`. QLockFile reads whatever it finds in a turn's
// place, and a named pipe or a device would hold the print there without end: anything else (a
// link, whatever it points to, a folder, a pipe, a socket, a device) is never opened.
bool esLlano(const QString &ruta)
{
    struct stat datos { };
    if (::lstat(QFile::encodeName(ruta).constData(), &datos) != 0)
        return errno == ENOENT;
    return S_ISREG(datos.st_mode);
}

// The guard by which QLockFile removes a stale turn: it reads that place too.
QString lugarGuardia(const QString &ruta)
{
    return ruta + QStringLiteral(".rmlock");
}

// Removes whatever lies at `ruta` without opening it: a folder with all it holds, anything else
// by its name alone.
void quitar(const QString &ruta)
{
    const QByteArray nombre = QFile::encodeName(ruta);
    struct stat datos { };
    if (::lstat(nombre.constData(), &datos) == 0 && S_ISDIR(datos.st_mode))
        QDir(ruta).removeRecursively();
    else
        ::unlink(nombre.constData());
}

// Whether the file in the turn's place names a print of this machine whose program still runs.
bool tieneDuenoVivo(const QLockFile &turno, const QString &ruta)
{
    if (!esLlano(ruta))
        return false;
    qint64 pid = 0;
    QString maquina;
    QString programa;
    if (!turno.getLockInfo(&pid, &maquina, &programa) || maquina != QSysInfo::machineHostName())
        return false;
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

TurnoImpresion::EnCurso::EnCurso()
{
    ++turnosEnCurso;
}

TurnoImpresion::EnCurso::~EnCurso()
{
    --turnosEnCurso;
}

QString TurnoImpresion::archivo(const QString &equipo)
{
    const QString carpeta = carpetaTurnos();
    if (carpeta.isEmpty())
        return {};
    // The workstation's key compares without regard to letter case, as the rows' key does.
    const QByteArray clave = QCryptographicHash::hash(equipo.trimmed().toUpper().toUtf8(), QCryptographicHash::Sha1);
    return QDir(carpeta).filePath(QStringLiteral("impresion-%1.lock").arg(QString::fromLatin1(clave.toHex())));
}

TurnoImpresion::TurnoImpresion(const QString &equipo)
{
    const QString ruta = archivo(equipo);
    if (ruta.isEmpty())
        return;
    m_turno = std::make_unique<QLockFile>(ruta);
    // A print lasts as long as its message boxes wait for the operator: only a turn whose
    // program has ended is stale.
    m_turno->setStaleLockTime(0);
    tomar(ruta);
}

TurnoImpresion::~TurnoImpresion() = default;

bool TurnoImpresion::tomar(const QString &ruta)
{
    QElapsedTimer sinDueno;
    sinDueno.start();
    for (;;) {
        if (esLlano(ruta) && esLlano(lugarGuardia(ruta))) {
            if (m_turno->tryLock(0))
                return true;
            if (m_turno->error() != QLockFile::LockFailedError)
                return false;
        }
        if (tieneDuenoVivo(*m_turno, ruta))
            sinDueno.restart();
        else if (sinDueno.hasExpired(EsperaRelevo) && relevar(ruta))
            return true;
        else if (sinDueno.hasExpired(EsperaMaxima))
            return false;
        ui::DoEvents();
        QThread::msleep(PausaMs);
    }
}

// Under the guard by which QLockFile removes a stale turn, so that of two prints taking over
// the same file the second finds the first one's turn and waits.
bool TurnoImpresion::relevar(const QString &ruta)
{
    const QString lugar = lugarGuardia(ruta);
    if (!esLlano(lugar))
        quitar(lugar);
    QLockFile guardia(lugar);
    if (!esLlano(lugar) || !guardia.tryLock(0))
        return false;
    if (!tieneDuenoVivo(*m_turno, ruta))
        quitar(ruta);
    return esLlano(ruta) && m_turno->tryLock(0);
}

bool TurnoImpresion::enCurso()
{
    return turnosEnCurso > 0;
}
