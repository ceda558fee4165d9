#include "core/SentenciasSQL.h"

#include "db/Conexiones.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

ParesCampoValor gParesCampoValor;
ParesCampoValor FilaCampos;
QStringList gSentenciasScript;

namespace {

QString unidos(const ParesCampoValor &pares, QString ParCampoValor::*parte)
{
    QStringList textos;
    for (const ParCampoValor &par : pares)
        textos << par.*parte;
    return textos.join(QLatin1Char(','));
}

} // namespace

void AgregarCampoValor(const QString &Campo, QString &Valor, const QString &TipoCaracter, bool Primero)
{
    if (Primero)
        gParesCampoValor = {ParCampoValor{}};
    else
        gParesCampoValor.append(ParCampoValor{});
    Valor.remove(QLatin1Char('\''));
    ParCampoValor &ultimo = gParesCampoValor.last();
    ultimo.Campo = Campo;
    ultimo.Valor =
        rt::UCase(Valor) == QStringLiteral("NULL") ? QStringLiteral("Null") : gBaseDatos->SQLValue(Valor, TipoCaracter);
}

void ArmarInsert(QString &Sentencia, ParesCampoValor &Pares, bool Limpiar)
{
    Sentencia += QStringLiteral("(") + unidos(Pares, &ParCampoValor::Campo) + QStringLiteral(")");
    Sentencia += QStringLiteral(" VALUES (") + unidos(Pares, &ParCampoValor::Valor) + QStringLiteral(")");
    if (Limpiar)
        Pares.clear();
}

void ArmarInsertUpdate(ParesCampoValor &Pares, QStringList &Sentencias, const QString &Tabla, bool Actualizar,
                       QString &Condicion, bool Conservar)
{
    QString texto;
    if (!Actualizar) {
        texto = QStringLiteral("INSERT INTO ") + Tabla + QStringLiteral(" ");
        ArmarInsert(texto, Pares, false);
    } else {
        QStringList asignaciones;
        for (const ParCampoValor &par : Pares)
            asignaciones << par.Campo + QStringLiteral(" = ") + par.Valor;
        if (rt::InStr(Condicion, QStringLiteral("WHERE"), rt::CompareMode::Text) == 0)
            Condicion = QStringLiteral(" WHERE ") + Condicion;
        texto = QStringLiteral("UPDATE ") + Tabla + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(','))
                + QStringLiteral(" ") + Condicion;
    }
    Sentencias << texto << QString();
    if (!Conservar)
        Pares = {ParCampoValor{}};
}

QString AdaptarSQLMotor(const QString &Sentencia)
{
    if (!gBaseDatos->esOracle())
        return Sentencia;
    if (gUtil->ContarPalabras(Sentencia) < 2)
        return rt::UCase(Sentencia) == QStringLiteral("LEN") ? QStringLiteral("LENGTH") : Sentencia;
    const int top = rt::InStr(Sentencia, QStringLiteral("top "), rt::CompareMode::Text);
    if (top == 0)
        return Sentencia;
    const QString izquierda = rt::Left(Sentencia, top - 1);
    const QString resto = rt::Mid(Sentencia, top + 3);
    const int asterisco = rt::InStr(resto, QStringLiteral("*"));
    const QString cantidad = rt::Left(resto, asterisco - 1);
    const QString cola = rt::Mid(resto, asterisco + 1);
    return izquierda + QStringLiteral(" * ") + cola + QStringLiteral(" WHERE ROWNUM <= ") + cantidad;
}

void reiniciarSentenciasSQL()
{
    gParesCampoValor.clear();
    FilaCampos.clear();
    gSentenciasScript.clear();
}
