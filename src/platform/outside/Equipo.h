#pragma once

#include <QString>

class QWidget;

namespace outside {

// The workstation's identity and a few services of its system.
class Equipo {
public:
    // The machine's host name.
    QString NombreEquipo() const;
    // The second identity text of the workstation: the name of the system user running the
    // program ("desconocido" when the environment gives none).
    QString UsuarioEquipo() const;
    // A folder the user can always write to, for files that have no other place.
    QString CarpetaAlternativa() const;
    // Keeps a form inside the screen that shows it: a form lying partly off the available
    // area is moved back in, and shrunk when it is larger than that area.
    void ProcesarFormulario(QWidget *formulario) const;
    // Opens a document or an address with the desktop's program for it, or starts a program
    // (a file that is executable), with `parametros` split at blanks. `resultado` becomes 1
    // when it was started or handed over, 0 otherwise. `carpeta` is the program's working folder
    // and the base of a relative address. The window handle, operation and window style are
    // accepted from the callers that pass them and left unused: the desktop decides them.
    void EjecutarArchivo(long ventana, const QString &operacion, const QString &destino, const QString &parametros,
                         const QString &carpeta, int estiloVentana, long &resultado) const;
};

} // namespace outside
