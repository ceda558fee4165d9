#include "core/Estadisticas.h"

#include "core/Configuracion.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace {

constexpr qint16 TiempoEsperaPorDefecto = 90;

} // namespace

void ConectarEstadisticas()
{
    gTiempoEspera = TiempoEsperaPorDefecto;
    DB_Dll &estadisticas = *gBaseEstadisticas;
    rt::resumeNext([&] {
        if (estadisticas.gOpenFlag)
            estadisticas.gCnn.Close();
    });
    estadisticas.gProveedor = gBaseDatos->pSQLOLEDB();
    estadisticas.gServidor = gBaseDatos->gServidor;
    estadisticas.gDBName = QStringLiteral("QV_ESTADISTICAS");
    estadisticas.gUsuario = QStringLiteral("QV_ESTADISTICAS");
    estadisticas.gUserPassWord = QStringLiteral("ZX_PALABRACLAVE");
    rt::resumeNext([&] { estadisticas.OpenServerADODB(false, 3, {}, true, false); });
    if (estadisticas.gOpenFlag) {
        rt::resumeNext([&] { estadisticas.gCnn.setDefaultDatabase(QStringLiteral("QV_ESTADISTICAS")); });
        rt::resumeNext([&] { gTiempoEspera = rt::CInt(gUtil->ValorNumerico(CfgQV(QStringLiteral("TimeOut")))); });
        if (gTiempoEspera == 0) {
            rt::resumeNext([&] {
                GrabaCfgQV(QStringLiteral("TimeOut"), rt::Variant::integer(gTiempoEspera), {}, false,
                           QStringLiteral("BaseDeDatos"), true);
            });
        }
    }
    if (gTiempoEspera == 0)
        gTiempoEspera = TiempoEsperaPorDefecto;
}
