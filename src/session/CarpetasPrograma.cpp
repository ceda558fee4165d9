#include "session/CarpetasPrograma.h"

#include "platform/outside/WritableFolder.h"
#include "session/ObjetosExternos.h"

namespace {

QString carpetaElegida;

} // namespace

QString CarpetaAplicacion()
{
    return gUtil->AgregarBarra(outside::applicationFolder());
}

QString CarpetaEscritura()
{
    return gUtil->AgregarBarra(carpetaElegida.isEmpty() ? outside::writableFolder() : carpetaElegida);
}

void setCarpetaEscritura(const QString &carpeta)
{
    carpetaElegida = carpeta;
}
