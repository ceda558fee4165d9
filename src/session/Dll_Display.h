#pragma once

#include "platform/runtime/Variant.h"
#include "session/LazyInstance.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class Lbf_CtrlDisplay;

// The progress banner of long runs: CartelInicio once, CartelMostrar once per step of the work
// (it repaints the banner, lets it animate and take the cancel click, and tells whether the user
// cancelled), CartelCerrar once at the end, also after a cancel. The window is made by the first
// call that needs it and released by CartelCerrar.
class Dll_Display {
public:
    Dll_Display();
    ~Dll_Display();
    Dll_Display(const Dll_Display &) = delete;
    Dll_Display &operator=(const Dll_Display &) = delete;

    // Shows the banner, modeless and without owner, titled `Titulo`; a non-zero
    // `PermiteCancelar` shows the "&Cancelar" button.
    void CartelInicio(const QString &Titulo, qint16 PermiteCancelar);

    // Sets the lines given (Null shows an empty line; an omitted line keeps its text), repaints,
    // sets Cancelado when the cancel button was pressed before this call, then processes the
    // pending events once. Without CartelInicio the window is made but not shown.
    void CartelMostrar(bool &Cancelado, const std::optional<rt::Variant> &L1 = std::nullopt,
                       const std::optional<rt::Variant> &l2 = std::nullopt,
                       const std::optional<rt::Variant> &l3 = std::nullopt);

    // Hides and releases the window; a later call makes a fresh one.
    void CartelCerrar();

    // True keeps the banner above every normal window; its place and size stay as they are.
    void setSiempre_Visible(bool valor);

    // The banner window, for tests; null when there is none.
    Lbf_CtrlDisplay *ventanaActual() const { return m_ventana.get(); }

private:
    Lbf_CtrlDisplay &ventana();
    static QString NullAVacio(const rt::Variant &valor);

    std::unique_ptr<Lbf_CtrlDisplay> m_ventana;
};

// The program's banner, made on first use.
extern core::LazyInstance<Dll_Display> gCartel;

// Releases the banner and its window; the next use makes a fresh one.
void liberarCartel();
