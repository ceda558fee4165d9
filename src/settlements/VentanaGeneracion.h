#pragma once

#include <QString>

// What the settlement generator uses of the window that runs it: the progress label, the
// event pump, the command locking and the re-initialisation of the closing step. The main
// window implements it; tests and the benchmark record the calls instead.
class VentanaGeneracion {
public:
    virtual ~VentanaGeneracion() = default;

    // Sets the progress label's caption and repaints the label at once.
    virtual void mostrarEstado(const QString &texto) = 0;
    // Processes the pending window events; a window may do it on a beat of its own rather than
    // at every call (ui::EventBeat).
    virtual void procesarEventos() = 0;
    // Enables (true) or disables (false) the commands and filters around a build.
    virtual void Detalleon(bool on) = 0;
    // Refills the settlement combo and empties the lists.
    virtual void Inicializa() = 0;
    // Whether "Recalcular" is ticked: the settlement named by the caller is rebuilt.
    virtual bool recalcular() const = 0;
};
