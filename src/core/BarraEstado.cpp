#include "core/BarraEstado.h"

#include "core/StatusBar.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>

namespace {

QLabel *panelDe(QStatusBar *barra, const char *clave)
{
    return barra->findChild<QLabel *>(QLatin1String(clave));
}

void escribir(QStatusBar *barra, const char *clave, const QString &texto)
{
    if (QLabel *panel = panelDe(barra, clave))
        panel->setText(texto);
}

void copiarAyuda(QStatusBar *barra, const char *clave)
{
    if (QLabel *panel = panelDe(barra, clave))
        panel->setToolTip(panel->text());
}

// The cash box of the session as the table stores it ("7" is kept as "0007").
QString codigoCaja()
{
    return gUtil->FormatoCodigo(rt::Trim(gCaja), 4);
}

// Looked up by the stored code, the one a created box gets, so a box is created only once.
QString descripcionCaja(const QString &tabla)
{
    return rt::CStr(gBaseDatos->DatosTabla(tabla, codigoCaja(), QStringLiteral("Descripcion"),
                                           QStringLiteral("IdCajas"), 8, {}, true, true));
}

void crearCajaSiFalta()
{
    if (!rt::Trim(descripcionCaja(QStringLiteral("@Admin_V_TA_Cajas"))).isEmpty())
        return;
    // The cash box comes from the command line: its quotes are doubled.
    gBaseDatos->EjecutaConsultaSQL(QStringLiteral("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('")
                                   + DB_Dll::escaparComillas(codigoCaja()) + QStringLiteral("','CAJA ")
                                   + DB_Dll::escaparComillas(gCaja) + QStringLiteral("')"));
}

QString textoVersion()
{
    const QStringList partes = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    QString texto = QStringLiteral("V.");
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            texto += QLatin1Char('.');
        texto += QString::number(i < partes.size() ? partes[i].toInt() : 0);
    }
    return texto;
}

} // namespace

void AgregarPanelesEstado(StatusBar &Barra)
{
    Barra.addPanel(QStringLiteral("MENSAJE"), 120, 1);
    Barra.addPanel(QStringLiteral("SERVER"), 120);
    Barra.addPanel(QStringLiteral("USUARIO"), 110);
    Barra.addPanel(QStringLiteral("BASEDEDATOS"), 110);
    Barra.addPanel(QStringLiteral("CAJA"), 110);
    Barra.addPanel(QStringLiteral("VERSION"), 70);
}

// Every step of the status bar is skipped when it fails.
void ActualizarBarraEstado(QStatusBar *Barra, const QString &Mensaje)
{
    if (!Barra)
        return;
    escribir(Barra, "MENSAJE", Mensaje);
    if (const QLabel *servidor = panelDe(Barra, "SERVER"); servidor && !servidor->text().isEmpty())
        return;
    rt::resumeNext([&] { escribir(Barra, "SERVER", QStringLiteral("Srv: ") + gBaseDatos->gServidor); });
    rt::resumeNext([&] {
        const QString usuario = gUsuarioLogeado.isEmpty() ? gBaseDatos->gUsuario : gUsuarioLogeado;
        escribir(Barra, "USUARIO", QStringLiteral("Uid: ") + usuario);
    });
    rt::resumeNext([&] { escribir(Barra, "BASEDEDATOS", QStringLiteral("Db: ") + gBaseDatos->gDBName); });
    if (gCaja.isEmpty())
        gCaja = QStringLiteral("1");
    rt::resumeNext(crearCajaSiFalta);
    rt::resumeNext(
        [&] { escribir(Barra, "CAJA", gCaja + QStringLiteral(" ") + descripcionCaja(QStringLiteral("V_TA_Cajas"))); });
    escribir(Barra, "VERSION", textoVersion());
    for (const char *clave : {"SERVER", "USUARIO", "BASEDEDATOS", "CAJA"})
        copiarAyuda(Barra, clave);
}
