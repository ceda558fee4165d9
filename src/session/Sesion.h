#pragma once

#include <QString>
#include <QtGlobal>

// Session state: one set per process, written at start-up and by the settings load, read by the
// rest of the program. Texts start empty, flags False and numbers 0.

// Workstation identity: upper-cased machine name, "|", upper-cased second identity text; at
// most 50 characters. Keys the per-user print work rows, the kitchen-printer file, INI sections.
extern QString gEquipoUsuario;
// The application user (a TA_USUARIOS.NOMBRE).
extern QString gUsuarioLogeado;
// The user's password in plain text; "* *" stands for the user's stored password.
extern QString gClaveUsuario;
// Report logon text: "DSN=" database "; UID=" user "; PWD=" password.
extern QString gCadenaODBC;
// Cash-box number from "@Caja".
extern QString gCaja;
// Free text from "@ParametroAdicional" (column Proceso of the audit rows).
extern QString gParametroAdicional;
// Text of "@Menu".
extern QString gMenu;
// INI value FlatToolbars.
extern double gFlatToolbars;
// Background and text colours of the focused text box (RGB values).
extern quint32 gColorFondo;
extern quint32 gColorLetra;
// Statistics time-out in seconds.
extern qint16 gTiempoEspera;
// Name of the configuration table.
extern QString gTablaConfiguracion;
// The configured money decimals, raw text.
extern QString gCantidadDecimales;
// The confidentiality switch (setting SS_CONFIDENCIALIDAD = "SI").
extern bool gConfidencialidad;
// The working-date switch.
extern bool gUtilizarFechaDia;

// Puts every variable above back to its start value.
void reiniciarSesion();
