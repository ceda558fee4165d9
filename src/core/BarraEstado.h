#pragma once

#include <QString>

class QStatusBar;
class StatusBar;

// Adds to the bar the six panels that ActualizarBarraEstado fills: "MENSAJE" (taking the free
// width), "SERVER", "USUARIO", "BASEDEDATOS", "CAJA" and "VERSION".
void AgregarPanelesEstado(StatusBar &Barra);

// Fills the bar's panels (QLabel children named by key) with the session's connection facts.
// "MENSAJE" receives `Mensaje` on every call; the other panels are filled only while "SERVER"
// is empty (the first call): "Srv: " server, "Uid: " user, "Db: " database, the cash box
// (created in the cash-box table with the description "CAJA " number when missing) and
// "V." version (QCoreApplication::applicationVersion, "major.minor.revision"). Missing panels
// and failing steps are skipped silently; never throws.
void ActualizarBarraEstado(QStatusBar *Barra, const QString &Mensaje);
