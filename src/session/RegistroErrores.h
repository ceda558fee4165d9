#pragma once

#include "platform/runtime/DateTime.h"

#include <QString>

// The error log "QVERR.LOG": one line per answered error dialog, appended and closed at once.
class RegistroErrores {
public:
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

    // Appends the line, taking the time from the program's clock (rt::Now). False when the file
    // cannot be opened or written: the line is lost.
    static bool agregar(const QString &archivo, const QString &rutina, const QString &mensaje, int respuesta);
};
