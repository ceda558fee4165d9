#include "printing/ImpresionPrograma.h"

#include "db/Conexiones.h"
#include "platform/report/ImpresionReportes.h"
#include "printing/DatosImpresionPrograma.h"
#include "printing/ImprimirComprobante.h"
#include "printing/ModImprimeEnComandera.h"
#include "printing/ObjetoImpresion.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QFileInfo>

void ImprimirComprobanteGenerico(QString &TC, QString &IdComprobante, QString &Cuenta)
{
    DatosImpresionPrograma datos(*gBaseDatos);
    ObjetoImpresionReportes objeto(*gImpresion);
    // The forms lie where the print library looks for reports: "Reportes" in the application
    // folder, or that folder itself.
    QString carpeta = gImpresion->CarpetaAplicacion().trimmed();
    if (carpeta.isEmpty())
        carpeta = CarpetaAplicacion();
    const QString reportes = gUtil->AgregarBarra(carpeta) + QStringLiteral("Reportes");
    const ServiciosImpresion servicios{
        *gBaseDatos, datos, objeto, &gModImprimeEnComandera.get(), QFileInfo(reportes).isDir() ? reportes : carpeta,
        gCadenaODBC};
    ImprimirComprobanteGenerico(servicios, TC, IdComprobante, Cuenta);
}
