#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>

class QComboBox;
class QKeyEvent;
class QLineEdit;

// Key codes of the key-down handlers (the virtual-key numbers the rules speak of).
namespace tecla {
inline constexpr int Retroceso = 8;
inline constexpr int Tabulador = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Arriba = 38;
inline constexpr int Abajo = 40;
inline constexpr int F5 = 116;
} // namespace tecla

// Gives a text box the two keyboard events the program's windows handle: key-down, with the
// virtual-key code and the shift state, for every key; then key-press, with the character
// code, for the keys that type something (printable characters, Backspace, Enter, Escape).
// A key-press handler may change the code in place: 0 drops the key, another code types that
// character instead; an unchanged code lets the box handle the key itself.
// Installed as an event filter of the box, which owns it.
class TeclasTexto : public QObject {
public:
    using KeyDown = std::function<void(QLineEdit *box, int &KeyCode, int Shift)>;
    using KeyPress = std::function<void(QLineEdit *box, qint16 &KeyAscii)>;

    // Filters the key events of `box` through the handlers (either may be empty).
    static TeclasTexto *instalar(QLineEdit *box, KeyDown alBajar, KeyPress alPulsar);
    // The same for the text box of an editable combo box. The combo box keeps the focus and
    // hands its keys to the text box directly, past any filter: the keys are taken where they
    // arrive, and the handlers get the text box.
    static TeclasTexto *instalar(QComboBox *combo, KeyDown alBajar, KeyPress alPulsar);

    // The virtual-key code of a Qt key (Enter 13, Up 38, Down 40, F5 116, letters and digits
    // their capital/digit codes); 0 for keys the program does not know.
    static int codigoTecla(const QKeyEvent &evento);
    // The character code a key types (8 Backspace, 13 Enter, 27 Escape, the character for a
    // printable key); 0 when the key types nothing (arrows, function keys, control shortcuts).
    static qint16 codigoCaracter(const QKeyEvent &evento);
    // The shift state of the key and mouse handlers: 1 Shift, 2 Ctrl, 4 Alt, added up.
    static int estadoMayusculas(Qt::KeyboardModifiers modificadores);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    TeclasTexto(QObject *origen, QLineEdit *box, KeyDown alBajar, KeyPress alPulsar);
    // True when the key-press handler took the key away from the box.
    bool pulsar(const QKeyEvent &evento);

    QObject *m_origen; // where the key events arrive: the box, or the combo box that holds it
    QLineEdit *m_box;
    KeyDown m_alBajar;
    KeyPress m_alPulsar;
};
