#include "printing/TurnoImpresion.h"

#include <QCryptographicHash>
#include <QDir>
#include <chrono>

namespace {

thread_local int turnosTomados = 0;

} // namespace

QString TurnoImpresion::archivo(const QString &equipo)
{
    // The workstation's key compares without regard to letter case, as the rows' key does.
    const QByteArray clave = QCryptographicHash::hash(equipo.trimmed().toUpper().toUtf8(), QCryptographicHash::Sha1);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("comisiones-impresion-%1.lock").arg(QString::fromLatin1(clave.toHex())));
}

TurnoImpresion::TurnoImpresion(const QString &equipo)
    : m_turno(archivo(equipo))
{
    // A print lasts as long as its message boxes wait for the operator: only a turn whose
    // program has ended is stale.
    m_turno.setStaleLockTime(0);
    // Looked at every tenth of a second: the lock's own wait grows to seconds between looks.
    while (!m_turno.tryLock(std::chrono::milliseconds(100)) && m_turno.error() == QLockFile::LockFailedError) { }
    ++turnosTomados;
}

TurnoImpresion::~TurnoImpresion()
{
    --turnosTomados;
}

bool TurnoImpresion::enCurso()
{
    return turnosTomados > 0;
}
