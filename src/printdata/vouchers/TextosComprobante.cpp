#include "printdata/vouchers/TextosComprobante.h"

#include "core/Formatos.h"
#include "platform/runtime/Text.h"

#include <QRegularExpression>

QString ConvierteAcentosRTF(QString &Texto)
{
    static const QRegularExpression escapeHex(QStringLiteral("\\\\'([cdefCDEF][0-9a-fA-F])"));
    QString resultado;
    qsizetype desde = 0;
    for (auto it = escapeHex.globalMatch(Texto); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QChar letra(m.captured(1).toUShort(nullptr, 16));
        // Only letters: the Latin-1 signs × and ÷ stay escaped.
        if (!letra.isLetter())
            continue;
        resultado += Texto.mid(desde, m.capturedStart() - desde) + letra;
        desde = m.capturedEnd();
    }
    resultado += Texto.mid(desde);
    static const std::pair<const char *, const char *> cortas[] = {
        {"\\e1", "á"}, {"\\e9", "é"}, {"\\ed", "í"}, {"\\f3", "ó"}, {"\\fa", "ú"}};
    for (const auto &[escape, letra] : cortas)
        resultado =
            rt::Replace(resultado, QString::fromLatin1(escape), QString::fromUtf8(letra), rt::CompareMode::Text);
    Texto = resultado;
    return resultado;
}

namespace {

// The leading digits of a text as Val reads a whole part: blanks skipped, a sign, then digits
// up to the first other character; leading zeros dropped.
QString digitosEnteros(const QString &texto, bool &negativo)
{
    QString t = texto.trimmed();
    negativo = t.startsWith(QLatin1Char('-'));
    if (negativo || t.startsWith(QLatin1Char('+')))
        t = t.mid(1).trimmed();
    QString digitos;
    for (const QChar c : t) {
        if (!c.isDigit())
            break;
        digitos += c;
    }
    while (digitos.startsWith(QLatin1Char('0')))
        digitos.remove(0, 1);
    return digitos;
}

} // namespace

QString FormatoNroAS400(const QString &Texto, int Enteros, int Decimales)
{
    const QString separador = SeparadorDecimal() == QLatin1String(",") ? QStringLiteral(",") : QStringLiteral(".");
    const int posicion = rt::InStr(Texto, separador);
    bool negativo = false;
    QString entero = digitosEnteros(posicion == 0 ? Texto : rt::Left(Texto, posicion - 1), negativo);
    QString decimales;
    if (posicion == 0) {
        decimales = QString(Decimales, QLatin1Char('0'));
    } else {
        decimales = rt::Mid(Texto, posicion + 1).trimmed();
        decimales = decimales.size() >= Decimales ? decimales.left(Decimales)
                                                  : decimales.leftJustified(Decimales, QLatin1Char('0'));
    }
    entero = entero.rightJustified(std::max(Enteros, 1), QLatin1Char('0'));
    // The sign of a value between -1 and 0 lies only in the text: the whole part is zero.
    return (negativo ? QStringLiteral("-") : QString()) + entero + decimales;
}

bool EsTipo(const QString &tc, std::initializer_list<const char *> tipos)
{
    const QString recortado = tc.trimmed();
    for (const char *tipo : tipos) {
        if (recortado.compare(QLatin1String(tipo), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
