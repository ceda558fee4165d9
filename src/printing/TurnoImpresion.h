#pragma once

#include <QLockFile>
#include <QString>

// The turn of one workstation at its print rows. The rows of AUX_MV_CPTE are keyed by the
// workstation alone, so two prints of one workstation at the same moment (two windows of the
// same user) would delete and rebuild each other's rows between building and reading them:
// a print holds the turn from before it builds its rows until its report has read them, and
// gives it back when the turn goes. The turn lives in the system's temporary folder and is
// shared by every program of the machine; one left by a program that has ended is taken over.
class TurnoImpresion {
public:
    // Waits until no other print of workstation `equipo` holds the turn, and takes it. Where
    // the turn cannot be kept (the temporary folder cannot be written) the print goes on
    // without it.
    explicit TurnoImpresion(const QString &equipo);
    ~TurnoImpresion();
    TurnoImpresion(const TurnoImpresion &) = delete;
    TurnoImpresion &operator=(const TurnoImpresion &) = delete;

    // True while a print of this thread holds its turn further up the stack: a second click let in
    // by the event pump during a print. That print cannot end while the second one waits for it,
    // so the second one must not start.
    static bool enCurso();

private:
    static QString archivo(const QString &equipo);

    QLockFile m_turno;
};
