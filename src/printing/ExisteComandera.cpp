#include "printing/ExisteComandera.h"

#include "core/ServiciosVarios.h"
#include "platform/runtime/Text.h"
#include "printing/RegistroComandera.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"

#include <QFile>

QString ArchivoComanderas()
{
    return CarpetaEscritura() + QStringLiteral("Comanderas.cfg");
}

bool ExisteComandera(const QString &archivo, const QString &claveEquipo, const QString &ComanderaBuscada,
                     RegistroComandera &registro)
{
    QFile file(archivo);
    if (!ExisteArchivo(archivo) || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 registros = file.size() / RegistroComandera::Largo;
    for (qint64 n = 0; n < registros; ++n) {
        const QByteArray bytes = file.read(RegistroComandera::Largo);
        if (bytes.size() != RegistroComandera::Largo)
            return false;
        registro = RegistroComandera::desdeBytes(bytes);
        if (registro.ClaveEquipo.compare(claveEquipo, Qt::CaseInsensitive) != 0 || registro.NombreComandera.isEmpty())
            continue;
        if (ComanderaBuscada.isEmpty() || registro.NombreComandera.compare(ComanderaBuscada, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool ExisteComandera(const QString &ComanderaBuscada, RegistroComandera &registro)
{
    const QString clave = rt::Trim(gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo());
    return ExisteComandera(ArchivoComanderas(), clave, ComanderaBuscada, registro);
}
