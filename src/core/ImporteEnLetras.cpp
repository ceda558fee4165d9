#include "core/ImporteEnLetras.h"

#include "platform/runtime/Format.h"
#include "platform/runtime/NumberText.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <cmath>

namespace {

// Six groups of three digits: units, thousands, millions, thousands of millions, billions and
// thousands of billions.
constexpr int Grupos = 6;

struct Digitos {
    QString texto; // 18 digits, left-padded with zeros

    int grupo(int g) const { return g > Grupos ? 0 : texto.mid(3 * (Grupos - g), 3).toInt(); }
    // The count of a scale word that spans two groups (millions: 3 and 4; billions: 5 and 6).
    int cuenta(int g) const { return grupo(g) + 1000 * grupo(g + 1); }
};

QString palabrasDelGrupo(const TablasNumeros &t, int valor)
{
    const int h = valor / 100;
    const int tu = valor % 100;
    const int decena = tu / 10;
    const int u = tu % 10;
    QString palabraDecena;
    QString palabraUnidad;
    if (u == 0)
        palabraDecena = t.decenas[decena];
    else if (tu >= 11 && tu <= 15)
        palabraDecena = t.especiales[tu];
    else {
        palabraUnidad = t.unidades[u];
        palabraDecena = t.prefijos[decena];
    }
    const QString centena = valor == 100 ? t.centenas[10] : t.centenas[h];
    return centena + QStringLiteral(" ") + palabraDecena + palabraUnidad + QStringLiteral(" ");
}

// "un millón" and "un billón" say the one themselves: the group's own "un" is not repeated.
bool unoDichoPorLaEscala(const Digitos &d, int g)
{
    return (g == 3 || g == 5) && d.cuenta(g) == 1;
}

QString palabraDeEscala(const Digitos &d, int g)
{
    if (g == 2 && d.cuenta(3) > 0)
        return d.cuenta(3) == 1 ? QStringLiteral("un millón ") : QStringLiteral(" millones ");
    if (g == 4 && d.cuenta(5) > 0)
        return d.cuenta(5) == 1 ? QStringLiteral("un billón ") : QStringLiteral(" billones ");
    return {};
}

QString fijarAncho(const QString &texto, int ancho)
{
    return ancho == 0 ? texto : texto.left(ancho).leftJustified(ancho, QLatin1Char(' '));
}

struct Partes {
    QString entero;
    QString centavos; // two digits
};

// The amount as a form prints its money figure: rounded to cents by Format, halves away from
// zero, the minus sign only where the figure keeps one (-0,005 prints -0,01, -0,004 prints 0,00).
// So the words say the cents and the sign printed beside them.
Partes partesDeLaCifra(const QString &importe, qsizetype separador)
{
    if (rt::numbertext::parseNumber(importe, rt::regional())) {
        try {
            const QString cifra = rt::formatNumber(gUtil->ValorNumerico(importe), QStringLiteral("0.00"));
            const qsizetype coma = cifra.indexOf(rt::regional().decimalSeparator);
            return {cifra.left(coma), cifra.mid(coma + 1)};
        } catch (const rt::RuntimeError &) {
            // Beyond the money range: the figures are taken as they are written.
        }
    }
    return {importe.left(separador), (importe.mid(separador + 1) + QStringLiteral("000")).left(2)};
}

// The whole part in words. NumeroEnLetras says "cero" for anything under one, so a negative
// amount under one peso is given its "menos " here, as a larger one gets it there.
QString enteroEnLetras(const Partes &partes)
{
    const QString palabras = NumeroEnLetras(partes.entero);
    if (partes.entero.startsWith(QLatin1Char('-')) && !palabras.startsWith(QLatin1String("menos ")))
        return QStringLiteral("menos ") + palabras;
    return palabras;
}

} // namespace

TablasNumeros CargarTablasNumeros()
{
    TablasNumeros t;
    t.unidades = {"", "un", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"};
    t.decenas = {"", "diez", "veinte", "treinta", "cuarenta", "cincuenta", "sesenta", "setenta", "ochenta", "noventa"};
    t.centenas = {"",           "ciento",      "doscientos",  "trescientos", "cuatrocientos",
                  "quinientos", "seiscientos", "setecientos", "ochocientos", "novecientos",
                  "cien"};
    t.prefijos = {"",           "dieci",      "veinti",     "treinta y ", "cuarenta y ", "cincuenta y ",
                  "sesenta y ", "setenta y ", "ochenta y ", "noventa y "};
    t.especiales = {"",  "1", "2",  "3",    "4",    "5",     "6",       "7",
                    "8", "9", "10", "once", "doce", "trece", "catorce", "quince"};
    return t;
}

QString NumeroEnLetras(const QString &Numero)
{
    const TablasNumeros tablas = CargarTablasNumeros();
    const double valor = rt::numbertext::parseNumber(Numero, rt::regional()).value_or(0.0);
    const double x = std::fabs(valor);
    if (x < 1)
        return QStringLiteral("cero");
    const Digitos d{
        QString::number(std::floor(x), 'f', 0).rightJustified(3 * Grupos, QLatin1Char('0')).right(3 * Grupos)};
    int n = Grupos;
    while (n > 0 && d.grupo(n) == 0)
        --n;
    QString texto;
    for (int g = 1; g <= n; ++g) {
        if (!unoDichoPorLaEscala(d, g))
            texto.prepend(palabrasDelGrupo(tablas, d.grupo(g)));
        if (g % 2 == 1 && d.grupo(g + 1) != 0)
            texto.prepend(QStringLiteral(" mil "));
        texto.prepend(palabraDeEscala(d, g));
    }
    texto = texto.simplified();
    if (texto.isEmpty())
        return QStringLiteral("cero");
    return valor < 0 ? QStringLiteral("menos ") + texto : texto;
}

QString ImporteEnLetras(const QString &Importe, std::optional<int> Ancho, const std::optional<QString> &Moneda,
                        [[maybe_unused]] const std::optional<QString> &Centavos)
{
    const QString moneda = Moneda ? QStringLiteral(" ") + rt::Trim(*Moneda) + QStringLiteral(" ") : QStringLiteral(" ");
    const QChar separador =
        rt::formatNumber(25.5, QStringLiteral("#.#")).contains(QLatin1Char(',')) ? QLatin1Char(',') : QLatin1Char('.');
    const int ancho = Ancho.value_or(0);
    const QString importe = QString(Importe).remove(QLatin1Char(' '));
    const qsizetype posicion = importe.indexOf(separador);
    if (posicion < 0)
        return fijarAncho(rt::RTrim(NumeroEnLetras(importe) + moneda), ancho) + QStringLiteral(" con 00/100");
    const Partes partes = partesDeLaCifra(importe, posicion);
    const QString entero = enteroEnLetras(partes);
    if (partes.centavos.toInt() < 1)
        return fijarAncho(rt::RTrim(entero + moneda), ancho);
    return fijarAncho(rt::RTrim(entero + moneda + QStringLiteral("con ") + partes.centavos + QStringLiteral("/100")),
                      ancho);
}
