#include "core/ParametrosComando.h"

#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

using rt::CompareMode;

const QString ParametroAdicional = QStringLiteral("@ParametroAdicional");

} // namespace

QString LineaComandoProceso()
{
    QStringList argumentos = QCoreApplication::arguments();
    if (!argumentos.isEmpty())
        argumentos.removeFirst();
    return argumentos.join(QLatin1Char(' '));
}

bool ExisteParametro(const QString &Comando, const QString &Clave)
{
    return rt::InStr(1, Comando, Clave, CompareMode::Text) > 0;
}

QString ValorParametro(const QString &Comando, const QString &Clave)
{
    const int posicion = rt::InStr(1, Comando, Clave, CompareMode::Text);
    const int inicio = posicion + rt::Len(Clave);
    const int cierre = rt::InStr(posicion, Comando, QStringLiteral(";"));
    // Only this key is read without its ";": as many characters as the key itself has.
    if (cierre == 0 && rt::StrComp(Clave, ParametroAdicional, CompareMode::Text) == 0)
        return rt::Mid(Comando, inicio, rt::Len(ParametroAdicional));
    // Without ";" the length is negative and Mid raises error 5, as the start-up expects.
    return rt::Mid(Comando, inicio, cierre - inicio);
}

QString LimpiarValor(const QString &Valor)
{
    return rt::Trim(gUtil->QuitarCaracter(Valor, QStringLiteral("=")));
}

QString ComandoDesdeIni(const QString &Servidor, const QString &Base, const QString &Usuario, const QString &Clave)
{
    return QStringLiteral("@server=") + Servidor + QStringLiteral("; @dbname= ") + Base + QStringLiteral("; @usuario= ")
           + Usuario + QStringLiteral("; @Password= ") + Clave
           + QStringLiteral("; @ParametroAdicional=; @Caja=1;kemb@");
}

QString ObtenerNombreServidor(const QString &TextoServidor)
{
    QString nombre = TextoServidor;
    const int barra = rt::InStr(nombre, QStringLiteral("/"));
    if (barra > 0)
        nombre = rt::Mid(nombre, barra + 1);
    const int dosPuntos = rt::InStr(nombre, QStringLiteral(":"));
    if (dosPuntos > 0)
        nombre = rt::Left(nombre, dosPuntos - 1);
    return nombre;
}
