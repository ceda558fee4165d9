#include "core/CarpetasPrograma.h"

#include "core/ObjetosExternos.h"
#include "platform/outside/WritableFolder.h"

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
