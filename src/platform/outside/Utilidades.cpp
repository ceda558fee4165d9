#include "platform/outside/Utilidades.h"

#include "platform/ado/Recordset.h"
#include "platform/outside/ClaveGuardada.h"
#include "platform/outside/FormGeometry.h"
#include "platform/outside/SelectorFecha.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QRegularExpression>

namespace outside {

QString Utilidades::ValorCampo(const ado::Field &campo) const
{
    try {
        return ValorCampo(campo.Value());
    } catch (const rt::RuntimeError &error) {
        // Readers that step past the last row rely on getting "" there.
        if (error.Number != rt::err::AdoBofOrEof)
            throw;
        return {};
    }
}

QString Utilidades::ValorCampo(const rt::Variant &valor) const
{
    if (valor.isNull() || valor.isEmpty())
        return {};
    return rt::CStr(valor);
}

rt::Currency Utilidades::ValorNumerico(const rt::Variant &valor) const
{
    if (valor.isNull() || valor.isEmpty())
        return {};
    if (valor.type() == rt::VarType::String && valor.asString().trimmed().isEmpty())
        return {};
    try {
        return rt::CCur(valor);
    } catch (const rt::RuntimeError &error) {
        if (error.Number != rt::err::TypeMismatch)
            throw;
        return {};
    }
}

QString Utilidades::TextoSQL(const QString &texto, int ancho) const
{
    if (ancho <= 0)
        return {};
    QString result = texto;
    result.replace(QLatin1Char('\''), QChar(0x00B4));
    return result.left(ancho).leftJustified(ancho, QLatin1Char(' '));
}

QString Utilidades::AjustarAncho(const QString &texto, int ancho) const
{
    return texto.rightJustified(ancho, QLatin1Char(' '));
}

QString Utilidades::LimpiarTextoFijo(const QString &campo) const
{
    qsizetype largo = campo.size();
    while (largo > 0 && (campo.at(largo - 1) == QLatin1Char(' ') || campo.at(largo - 1) == QChar(0)))
        --largo;
    return campo.left(largo);
}

int Utilidades::ContarPalabras(const QString &texto) const
{
    static const QRegularExpression separators(QStringLiteral("\\s+"));
    return static_cast<int>(texto.split(separators, Qt::SkipEmptyParts).size());
}

QString Utilidades::QuitarCaracter(const QString &texto, const QString &caracter, const QString &reemplazo) const
{
    if (caracter.isEmpty())
        return texto;
    QString result = texto;
    return result.replace(caracter, reemplazo);
}

QString Utilidades::LimpiarTextoFormula(const QString &texto) const
{
    QString result;
    result.reserve(texto.size());
    for (const QChar c : texto) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c.category() == QChar::Other_Control)
            continue;
        result += c;
    }
    return result.trimmed().isEmpty() ? QString() : result;
}

QString Utilidades::TextoDespacho(const QString &texto) const
{
    return texto.simplified();
}

QString Utilidades::ReemplazarTexto(const QString &texto, const QString &buscado, const QString &reemplazo) const
{
    if (buscado.isEmpty())
        return texto;
    return rt::Replace(texto, buscado, reemplazo);
}

QString Utilidades::FormatoCodigo(const QString &codigo, int ancho) const
{
    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    const QString trimmed = codigo.trimmed();
    if (digitsOnly.match(trimmed).hasMatch())
        return trimmed.rightJustified(ancho, QLatin1Char('0'));
    return trimmed;
}

QString Utilidades::AgregarBarra(const QString &carpeta) const
{
    if (carpeta.isEmpty() || carpeta.endsWith(QLatin1Char('/')) || carpeta.endsWith(QLatin1Char('\\')))
        return carpeta;
    return carpeta + QLatin1Char('/');
}

QString Utilidades::CodificarClave(const QString &texto) const
{
    return codificarClave(texto);
}

QString Utilidades::DecodificarClave(const QString &guardado) const
{
    return decodificarClave(guardado);
}

void Utilidades::PrepararFormulario(QWidget *formulario, int) const
{
    centreOnScreen(formulario);
}

int Utilidades::TratarError(const rt::RuntimeError &error, std::optional<int> botones, const QString &rutina) const
{
    if (error.Number == 0)
        return 0;
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.Number)
                            + QStringLiteral(") ") + error.Description.trimmed();
    const QString titulo = rutina.isEmpty() ? error.Source : error.Source + QStringLiteral(" - ") + rutina;
    return ui::MsgBox(mensaje, botones.value_or(ui::vbCritical + ui::vbAbortRetryIgnore), titulo);
}

QString Utilidades::ElegirFecha() const
{
    SelectorFecha selector(rt::Date().date(), QApplication::activeWindow());
    if (selector.exec() != QDialog::Accepted)
        return {};
    return selector.fecha().toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace outside
