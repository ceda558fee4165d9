#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The turn of one workstation at its print rows. The rows of AUX_MV_CPTE are keyed by the
// workstation alone, so two prints of one workstation at the same moment (two windows of the
// same user) would delete and rebuild each other's rows between building and reading them:
// a print holds the turn from before it builds its rows until its report has read them, and
// gives it back when the turn goes. The turns lie in a folder of the user's own (the session's
// runtime folder, else one in the user's cache folder, readable by the user alone), shared by
// every program of the user on the machine; no other user can put a file in a turn's place.
class TurnoImpresion {
public:
    // Waits until no other print of workstation `equipo` holds the turn, and takes it; the
    // window's events go on meanwhile. A turn held by a live print waits however long that
    // print lasts. A turn left by a program that has ended is taken over at once; a file in the
    // turn's place that names no live print of this machine (unreadable, of another machine) and
    // anything there that is not a plain file (a link, a folder, a named pipe, a socket, a
    // device: never opened) is taken over once it has stayed so for a couple of seconds. Where the
    // turn cannot be kept (no folder of the user's own, a file in the way that will not go) the
    // print goes on without it within a few seconds.
    explicit TurnoImpresion(const QString &equipo);
    ~TurnoImpresion();
    TurnoImpresion(const TurnoImpresion &) = delete;
    TurnoImpresion &operator=(const TurnoImpresion &) = delete;

    // True while a print of this thread waits for or holds its turn further up the stack: a
    // second click let in by the event pump during a print. That print cannot end while the
    // second one waits for it, so the second one must not start.
    static bool enCurso();

    // The file of workstation `equipo`'s turn, the same whatever the letter case and the blanks
    // around the key (as the rows' key compares); empty where there is no folder of the user's
    // own.
    static QString archivo(const QString &equipo);

private:
    // Counts this thread's prints under way for as long as the object lives, however its
    // construction ends.
    struct EnCurso {
        EnCurso();
        ~EnCurso();
        EnCurso(const EnCurso &) = delete;
        EnCurso &operator=(const EnCurso &) = delete;
    };

    bool tomar(const QString &ruta);
    bool relevar(const QString &ruta);

    EnCurso m_enCurso;
    std::unique_ptr<QLockFile> m_turno;
};
