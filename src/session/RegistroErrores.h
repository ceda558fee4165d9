#pragma once

#include "platform/runtime/DateTime.h"

#include <QFile>
#include <QString>

// The error log "QVERR.LOG": one line per answered error dialog, appended. Every writer of the
// log opens it here, so none of them waits on what lies at its path.
class RegistroErrores {
public:
    // Opens the log for appending, created when missing. Anything at the path that is not a
    // plain file (a named pipe, a device, a folder, a link to one of them) is refused at once,
    // without waiting for a reader: it cannot be written.
    explicit RegistroErrores(const QString &archivo);

    // Whether the log opened.
    bool abierto() const { return m_archivo.isOpen(); }

    // Appends the line, taking the time from the program's clock (rt::Now). False when the log
    // is not open or the line does not go in whole: it is lost.
    bool escribir(const QString &rutina, const QString &mensaje, int respuesta);

    // "QVERR.LOG" in the application folder, or in the user's data folder when the
    // application folder cannot be written.
    static QString archivoPorDefecto();

    // The word written for a message-box answer: 4 "Reintentar", 5 "Ignorar", 3 "Abortar",
    // 2 "Cancelar", 6 "Sí", 7 "No"; any other answer gives "".
    static QString palabraRespuesta(int respuesta);

    // One line, ended by CR LF: the date as mm-dd-yyyy, " ", the time as hh:mm:ss,
    // " Rutina: " and the routine part trimmed (" - " and the routine, or nothing),
    // " Mensaje " and the message trimmed, " Respondió : " and the answer's word.
    static QString linea(const rt::DateTime &momento, const QString &rutina, const QString &mensaje, int respuesta);

    // Opens the log, appends the line and closes it. False when it cannot be opened or written.
    static bool agregar(const QString &archivo, const QString &rutina, const QString &mensaje, int respuesta);

private:
    QFile m_archivo;
};
