#include "grid/ListaCampos.h"

#include "grid/NombresSQL.h"
#include "platform/ado/Engine.h"
#include "platform/runtime/Text.h"

#include <QRegularExpression>

namespace {

using rt::CompareMode;

bool contiene(const QString &texto, const QString &buscado)
{
    return rt::InStr(texto, buscado, CompareMode::Text) > 0;
}

bool seOmite(int tipo)
{
    return tipo == ado::adLongVarWChar || tipo == ado::adLongVarBinary;
}

// Texts, and whole numbers: both read as text without a conversion.
bool seLeeComoTexto(int tipo)
{
    return tipo == ado::adChar || tipo == ado::adWChar || tipo == ado::adVarChar || tipo == ado::adVarWChar
           || tipo == ado::adLongVarChar || tipo == ado::adBSTR || tipo == ado::adTinyInt || tipo == ado::adSmallInt
           || tipo == ado::adInteger || tipo == ado::adBigInt;
}

QString posicion(int n)
{
    return QStringLiteral("|") + QString::number(n) + QStringLiteral("|");
}

// Appends an item after `separador`, or alone when the list is empty.
void agregar(QString &lista, const QString &separador, const QString &item)
{
    lista += lista.isEmpty() ? item : separador + item;
}

// The items of a select list, trimmed, split at the commas outside parentheses and names.
QStringList itemsDe(const QString &lista)
{
    QStringList items;
    for (const NombresSQL::Parte &parte : NombresSQL::partes(lista))
        items << parte.texto.trimmed();
    if (items.last().isEmpty())
        items.removeLast();
    return items;
}

} // namespace

QStringList ListaCampos::nombresDe(const QString &lista)
{
    static const QRegularExpression alias(
        QStringLiteral("\\bAS\\s*(\\[(?:[^\\]]|\\]\\])*\\]|\"(?:[^\"]|\"\")*\"|[^\\s\\[\\]\"]+)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList nombres;
    for (const QString &item : itemsDe(lista)) {
        const QRegularExpressionMatch encontrado = alias.match(item);
        nombres << NombresSQL::sinComillasDeNombre(encontrado.hasMatch() ? encontrado.captured(1) : item).trimmed();
    }
    return nombres;
}

QString ListaCampos::elegidosDe(const QString &lista)
{
    QStringList nombres = nombresDe(lista);
    const QStringList items = itemsDe(lista);
    for (int i = 0; i < nombres.size(); ++i)
        nombres[i] = i + 1 == nombres.size() ? items.at(i) : NombresSQL::entreCorchetes(nombres.at(i));
    return nombres.join(QStringLiteral(", "));
}

void ListaCampos::agregarPrimerCamino(const CampoSonda &campo, const QString &sonda, const QString &fecha)
{
    const QString nombre = NombresSQL::entreCorchetes(campo.nombre);
    if (campo.tipo == ado::adDBTimeStamp) {
        agregar(pListaCampos, QStringLiteral(","), nombre);
        Campos += (Campos.isEmpty() ? QStringLiteral(" CONVERT(NVARCHAR,") : QStringLiteral(", CONVERT(NVARCHAR,"))
                  + nombre + QStringLiteral(",") + fecha + QStringLiteral(") AS ") + nombre;
    } else if (campo.tipo == ado::adNumeric || campo.tipo == ado::adCurrency) {
        agregar(pListaCampos, QStringLiteral(","), nombre);
        const bool calculada =
            contiene(sonda, QStringLiteral(" AS ") + campo.nombre) || contiene(sonda, QStringLiteral(" AS ") + nombre);
        if (calculada)
            agregar(Campos, QStringLiteral(", "), nombre);
        else
            Campos += (Campos.isEmpty() ? QStringLiteral(" CONVERT(decimal(10â2),")
                                        : QStringLiteral(", CONVERT(Decimal(10â2),"))
                      + nombre + QStringLiteral(") AS ") + nombre;
    } else {
        agregar(pListaCampos, QStringLiteral(", "), nombre);
        agregar(Campos, QStringLiteral(", "), nombre);
    }
}

void ListaCampos::agregarSegundoCamino(const CampoSonda &campo, const QString &fecha)
{
    const QString nombre = NombresSQL::entreCorchetes(campo.nombre);
    if (campo.tipo == ado::adDBTimeStamp) {
        agregar(pListaCampos, QStringLiteral(","), nombre);
        Campos += (Campos.isEmpty() ? QStringLiteral("convert(nvarchar,") : QStringLiteral(",convert(nvarchar,"))
                  + nombre + QStringLiteral(",") + fecha + QStringLiteral(") as ") + nombre;
    } else {
        agregar(pListaCampos, QStringLiteral(", "), nombre);
        agregar(Campos, QStringLiteral(", "), nombre);
    }
}

void ListaCampos::agregarClave(const QString &clave, bool soloPrimeraForma)
{
    const bool tieneId = contiene(pListaCampos, QStringLiteral("[ID],"))
                         || (!soloPrimeraForma && contiene(pListaCampos, QStringLiteral(", [ID]")));
    if (tieneId)
        return;
    agregar(pListaCampos, QStringLiteral(", "), clave);
    agregar(Campos, QStringLiteral(", "), clave);
}

ListaCampos ListaCampos::armar(const QList<CampoSonda> &campos, const QString &sonda, const QString &CamposSel,
                               const QString &PrimaryKey, int FormatDate)
{
    ListaCampos lista;
    const QString fecha = QString::number(FormatDate);
    const QString clave = PrimaryKey.isEmpty() ? QStringLiteral("ID") : PrimaryKey;
    const bool todas = rt::Trim(CamposSel).isEmpty();
    QStringList fechas;
    QStringList textos;
    for (const CampoSonda &campo : campos) {
        if (seOmite(campo.tipo))
            continue;
        if (campo.tipo == ado::adDBTimeStamp)
            fechas << campo.nombre;
        if (seLeeComoTexto(campo.tipo))
            textos << campo.nombre;
        if (todas) {
            lista.filtros << campo.nombre;
            lista.agregarPrimerCamino(campo, sonda, fecha);
        } else {
            lista.agregarSegundoCamino(campo, fecha);
        }
    }
    lista.agregarClave(clave, !todas);

    QStringList mostradas = lista.filtros;
    if (!todas) {
        mostradas = nombresDe(CamposSel);
        lista.filtros = mostradas.mid(0, mostradas.size() - 1);
    }
    for (int n = 0; n < mostradas.size(); ++n) {
        if (fechas.contains(mostradas.at(n), Qt::CaseInsensitive))
            lista.pColumnasFecha += posicion(n);
        if (textos.contains(mostradas.at(n), Qt::CaseInsensitive))
            lista.pColumnasTexto += posicion(n);
    }
    return lista;
}
