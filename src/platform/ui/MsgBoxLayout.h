#pragma once

#include "platform/ui/Dialogs.h"

#include <QString>
#include <optional>
#include <vector>

namespace ui {

enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };

// What a message box of a given style shows and how it answers, independent of any toolkit.
struct MsgBoxLayout {
    std::vector<MsgBoxResult> buttons; // in the order they are shown, left to right
    MsgBoxIcon icon = MsgBoxIcon::None;
    std::size_t defaultButton = 0; // index into buttons: the one Enter presses
    // The answer Escape and the window's close button give; none where the box has no way
    // out but its buttons (Yes/No, Abort/Retry/Ignore).
    std::optional<MsgBoxResult> escapeAnswer;
};

// Decodes the style bits of MsgBox: buttons (low four bits), icon (16, 32, 48, 64) and default
// button (256, 512). Unknown button sets show OK alone; a default button past the last one falls
// back to the first. Other bits (modality, help button) change nothing here.
MsgBoxLayout msgBoxLayout(int style);

// The Spanish caption of the button that gives `answer` ("Aceptar", "Cancelar", ...).
QString buttonText(MsgBoxResult answer);

} // namespace ui
