// The key filter of Dll_Texto: the date, number, hour and plate rules of ClsDatosOk.
#include "components/Dll_Texto.h"

#include "components/TeclasTexto.h"
#include "platform/runtime/Conversions.h"

#include <QLineEdit>
#include <algorithm>

namespace {

const QString TagFecha = QStringLiteral("FECHA");
const QString TagHora = QStringLiteral("FMTHORA");
const QString TagPatente = QStringLiteral("FMTPATENTE");

constexpr int AnchoFecha = 10;
constexpr int AnchoHora = 5;
constexpr int AnchoPatente = 7;

// Replacing a box's text puts its caret at the start, so the caret read back then is 0.
constexpr int CaretTrasReemplazo = 0;

constexpr QChar Blanco = QLatin1Char(' ');

bool tieneTag(const QLineEdit *box, const QString &tag)
{
    return Tag(box).compare(tag, Qt::CaseInsensitive) == 0;
}

bool esDigito(int codigo)
{
    return codigo >= '0' && codigo <= '9';
}

bool esMayuscula(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// The position the rules write at: the number of characters before the caret, 0 counting as 1.
// A caret past the layout (a longer text put in by the program) writes on its last position.
int posicionEscritura(const QLineEdit *box, int ancho)
{
    return std::clamp(box->cursorPosition(), 1, ancho);
}

// 1-based, as the rules count positions.
void ponerEn(QString &texto, int posicion, QChar c)
{
    texto[posicion - 1] = c;
}

// Blanks every character of a date or hour layout that is not a digit, except its separators.
void limpiarDisposicion(QString &texto, std::initializer_list<int> separadores)
{
    for (int posicion = 1; posicion <= texto.size(); ++posicion) {
        const bool separador = std::find(separadores.begin(), separadores.end(), posicion) != separadores.end();
        if (!separador && !esDigito(texto.at(posicion - 1).unicode()))
            ponerEn(texto, posicion, Blanco);
    }
}

void limpiarPatente(QString &texto)
{
    for (int posicion = 1; posicion <= 3; ++posicion) {
        const QChar c = texto.at(posicion - 1);
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            ponerEn(texto, posicion, c.toUpper());
        else if (!esMayuscula(c))
            ponerEn(texto, posicion, Blanco);
    }
    for (int posicion = 5; posicion <= AnchoPatente; ++posicion)
        if (!esDigito(texto.at(posicion - 1).unicode()))
            ponerEn(texto, posicion, Blanco);
}

QChar caracter(qint16 codigo)
{
    return QChar(static_cast<char16_t>(codigo));
}

} // namespace

qint16 Dll_Texto::ClsDatosOk(QLineEdit *Textos, qint16 &KeyAscii)
{
    if (tieneTag(Textos, TagFecha)) {
        reglaFecha(Textos, KeyAscii);
        return KeyAscii;
    }
    const bool patente = tieneTag(Textos, TagPatente);
    if (MaxLength(Textos) == 0 && !patente)
        reglaNumero(Textos, KeyAscii);
    if (tieneTag(Textos, TagHora))
        reglaHora(Textos, KeyAscii);
    else if (patente)
        reglaPatente(Textos, KeyAscii);
    if (KeyAscii == tecla::Enter)
        KeyAscii = 0;
    return KeyAscii;
}

void Dll_Texto::reglaFecha(QLineEdit *Textos, qint16 &KeyAscii)
{
    int p = posicionEscritura(Textos, AnchoFecha);
    QString s = m_util.TextoSQL(Textos->text(), AnchoFecha);
    ponerEn(s, 3, QLatin1Char('/'));
    ponerEn(s, 6, QLatin1Char('/'));
    // Entering a box selects its date: typing over a selection replaces it, as in any text box,
    // instead of writing at the caret that the selection left at its end.
    const bool sobreSeleccion = Textos->hasSelectedText() && (esDigito(KeyAscii) || KeyAscii == tecla::Retroceso);
    if (sobreSeleccion) {
        const int inicio = Textos->selectionStart();
        for (int posicion = inicio + 1; posicion <= std::min(Textos->selectionEnd(), AnchoFecha); ++posicion)
            if (posicion != 3 && posicion != 6)
                ponerEn(s, posicion, Blanco);
        p = std::min(inicio + 1, AnchoFecha);
    }
    if (sobreSeleccion && KeyAscii == tecla::Retroceso) {
        // Backspace erases just the selection; the caret stays where it began.
        Textos->setText(s);
        --p;
    } else if (esDigito(KeyAscii)) {
        if (p == 3 || p == 6)
            ++p;
        ponerEn(s, p, caracter(KeyAscii));
        Textos->setText(s);
        p = p < MaxLength(Textos) ? p + 1 : CaretTrasReemplazo;
    } else if (KeyAscii == tecla::Retroceso) {
        if (p == 3 || p == 6)
            --p;
        ponerEn(s, p, Blanco);
        Textos->setText(s);
        p = p > 1 ? p - 1 : CaretTrasReemplazo;
    } else if (KeyAscii == tecla::Enter && !rt::IsDate(Textos->text())) {
        s.clear();
    }
    limpiarDisposicion(s, {3, 6});
    Textos->setText(s);
    Textos->setCursorPosition(p);
    KeyAscii = 0;
}

void Dll_Texto::reglaNumero(const QLineEdit *Textos, qint16 &KeyAscii)
{
    if (KeyAscii == ',' || KeyAscii == '.') {
        const QString simbolo = SimboloDec();
        KeyAscii = Textos->text().contains(simbolo) ? 0 : static_cast<qint16>(simbolo.at(0).unicode());
    } else if (!esDigito(KeyAscii) && KeyAscii != '-' && KeyAscii != tecla::Retroceso) {
        KeyAscii = 0;
    }
}

void Dll_Texto::reglaHora(QLineEdit *Textos, qint16 &KeyAscii)
{
    int p = posicionEscritura(Textos, AnchoHora);
    QString s = m_util.TextoSQL(Textos->text(), AnchoHora);
    ponerEn(s, 3, QLatin1Char(':'));
    if (esDigito(KeyAscii)) {
        if (p == 3)
            p = 4;
        ponerEn(s, p, caracter(KeyAscii));
        Textos->setText(s);
        p = p < MaxLength(Textos) ? p + 1 : CaretTrasReemplazo;
    } else if (KeyAscii == tecla::Retroceso) {
        if (p == 3)
            p = 2;
        ponerEn(s, p, Blanco);
        Textos->setText(s);
        p = p > 1 ? p - 1 : CaretTrasReemplazo;
    } else if (KeyAscii == tecla::Enter) {
        if (!rt::IsDate(Textos->text()))
            s.clear();
    } else {
        KeyAscii = 0;
    }
    limpiarDisposicion(s, {3});
    Textos->setText(s);
    Textos->setCursorPosition(p);
}

void Dll_Texto::reglaPatente(QLineEdit *Textos, qint16 KeyAscii)
{
    int p = posicionEscritura(Textos, AnchoPatente);
    QString s = m_util.TextoSQL(Textos->text(), AnchoPatente);
    ponerEn(s, 4, Blanco);
    if (KeyAscii == tecla::Retroceso) {
        if (p == 4)
            p = 3;
        ponerEn(s, p, Blanco);
        Textos->setText(s);
        p = p > 1 ? p - 1 : CaretTrasReemplazo;
    } else if (KeyAscii != tecla::Enter) {
        if (p == 4)
            p = 5;
        ponerEn(s, p, caracter(KeyAscii));
        p = p < MaxLength(Textos) ? p + 1 : Textos->cursorPosition();
    }
    limpiarPatente(s);
    if (KeyAscii == tecla::Enter && !esMayuscula(s.at(2)))
        s.clear();
    Textos->setText(s);
    Textos->setCursorPosition(p);
}
