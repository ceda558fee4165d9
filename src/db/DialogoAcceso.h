#pragma once

#include <QString>

// What the login and connection dialog (frmAcceso) shows and gives back to the connection
// class: its four boxes and the platform chosen (0 SQL Server, 1 Oracle).
struct DatosAcceso {
    QString TxtDbName;
    QString TxtServidor;
    QString TxtUserId;
    QString TxtUserPassword;
    int CboPlataformaDB = 0;
};

// The login and connection dialog as the connection class uses it. The dialog form installs
// itself here; tests install a scripted one.
class DialogoAcceso {
public:
    virtual ~DialogoAcceso() = default;
    // Loads the dialog, fills its boxes from `datos`, shows it modally and unloads it; returns
    // its Aceptar and leaves the boxes' texts and the platform in `datos`. Cancelar ends the
    // program. The dialog sets gUsuarioLogeado and gClaveUsuario itself on Conectar.
    virtual bool mostrar(DatosAcceso &datos) = 0;
    // Hides the dialog when it is shown.
    virtual void ocultar() = 0;
};

// The dialog in use. Throws RuntimeError 91 (object not set) when none is installed.
DialogoAcceso &dialogoAcceso();
// Installs a dialog (the caller keeps ownership); nullptr removes it.
void setDialogoAcceso(DialogoAcceso *dialogo);
