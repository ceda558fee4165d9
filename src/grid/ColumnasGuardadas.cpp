#include "grid/ColumnasGuardadas.h"

#include "db/DB_Dll.h"
#include "grid/NombresSQL.h"
#include "platform/outside/Utilidades.h"
#include "platform/runtime/Text.h"

#include <QRegularExpression>

namespace ColumnasGuardadas {

namespace {

QString ajustado(const QString &texto, int ancho)
{
    return rt::RTrim(outside::Utilidades().TextoSQL(texto, ancho));
}

QString condicion(const Claves &c)
{
    return QStringLiteral(" WHERE FORMULARIO = '") + c.formulario + QStringLiteral("' AND USUARIO= '") + c.usuario
           + QStringLiteral("' and Nombre = '") + c.nombre + QStringLiteral("'");
}

} // namespace

Claves claves(const QString &programa, const QString &lineaComando, const QString &usuario)
{
    static const QRegularExpression clave(QStringLiteral("@Password[^;]*(;|$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString linea = QString(lineaComando).remove(clave);
    return {ajustado(programa + linea, 100), ajustado(usuario, 50), ajustado(QStringLiteral("@QVDBGRID"), 50)};
}

QString valorGuardado(const QString &CamposSel)
{
    return NombresSQL::sinBlancosFuera(CamposSel).replace(u',', u'|');
}

QString camposDeValor(const QString &valor)
{
    return QString(valor).replace(u'|', u',');
}

QString leer(const Claves &claves)
{
    return QStringLiteral("SELECT * FROM TA_CONFIG_FORM") + condicion(claves);
}

QString borrar(const Claves &claves)
{
    return QStringLiteral("DELETE TA_CONFIG_FORM") + condicion(claves);
}

QString insertar(const Claves &c, const QString &valor)
{
    return QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) "
                          "VALUES ('")
           + c.formulario + QStringLiteral("','") + c.usuario + QStringLiteral("','@QvDbGrid','") + c.nombre
           + QStringLiteral("','CamposSel','@QvDbGrid','") + DB_Dll::escaparComillas(valor) + QStringLiteral("')");
}

} // namespace ColumnasGuardadas
