#include "printing/TurnoImpresion.h"

#include "platform/ui/Dialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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

// Whether the file in the turn's place names a print of this machine whose program still runs.
// A link is never a turn, whatever it points to.
bool tieneDuenoVivo(const QLockFile &turno, const QString &ruta)
{
    const QFileInfo info(ruta);
    if (info.isSymLink() || !info.isFile())
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
        if (m_turno->tryLock(0))
            return true;
        if (m_turno->error() != QLockFile::LockFailedError)
            return false;
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
    QLockFile guardia(ruta + QStringLiteral(".rmlock"));
    if (!guardia.tryLock(0))
        return false;
    if (!tieneDuenoVivo(*m_turno, ruta)) {
        const QFileInfo info(ruta);
        if (info.isDir() && !info.isSymLink())
            QDir(ruta).removeRecursively();
        else
            QFile::remove(ruta);
    }
    return m_turno->tryLock(0);
}

bool TurnoImpresion::enCurso()
{
    return turnosEnCurso > 0;
}
