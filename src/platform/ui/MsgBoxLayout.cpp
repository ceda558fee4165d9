#include "platform/ui/MsgBoxLayout.h"

namespace ui {

namespace {

constexpr int ButtonsMask = 0x0F;
constexpr int IconMask = 0xF0;
constexpr int DefaultButtonMask = 0xF00;
constexpr int DefaultButtonShift = 8;

std::vector<MsgBoxResult> buttonsOf(int style)
{
    switch (style & ButtonsMask) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

MsgBoxIcon iconOf(int style)
{
    switch (style & IconMask) {
    case vbCritical:
        return MsgBoxIcon::Critical;
    case vbQuestion:
        return MsgBoxIcon::Question;
    case vbExclamation:
        return MsgBoxIcon::Exclamation;
    case vbInformation:
        return MsgBoxIcon::Information;
    default:
        return MsgBoxIcon::None;
    }
}

// Escape answers Cancel where there is one; a lone OK also closes on Escape;
// Yes/No and Abort/Retry/Ignore insist on a button.
std::optional<MsgBoxResult> escapeAnswerOf(const std::vector<MsgBoxResult> &buttons)
{
    for (MsgBoxResult answer : buttons) {
        if (answer == vbCancel)
            return vbCancel;
    }
    if (buttons.size() == 1)
        return buttons.front();
    return std::nullopt;
}

} // namespace

MsgBoxLayout msgBoxLayout(int style)
{
    MsgBoxLayout layout;
    layout.buttons = buttonsOf(style);
    layout.icon = iconOf(style);
    const auto defaultIndex = static_cast<std::size_t>((style & DefaultButtonMask) >> DefaultButtonShift);
    layout.defaultButton = defaultIndex < layout.buttons.size() ? defaultIndex : 0;
    layout.escapeAnswer = escapeAnswerOf(layout.buttons);
    return layout;
}

QString buttonText(MsgBoxResult answer)
{
    switch (answer) {
    case vbOK:
        return QStringLiteral("Aceptar");
    case vbCancel:
        return QStringLiteral("Cancelar");
    case vbAbort:
        return QStringLiteral("Anular");
    case vbRetry:
        return QStringLiteral("Reintentar");
    case vbIgnore:
        return QStringLiteral("Omitir");
    case vbYes:
        return QStringLiteral("Sí");
    case vbNo:
        return QStringLiteral("No");
    }
    return {};
}

} // namespace ui
