#include "DemoSettlement.h"

#include "db/Conexiones.h"
#include "session/CarpetasPrograma.h"
#include "session/Sesion.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/VentanaGeneracion.h"
#include "support/ProgramGlobals.h"
#include "support/PruebaCore.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

namespace {

// The settlement window as the generator sees it, showing nothing.
class SilentWindow : public VentanaGeneracion {
public:
    void mostrarEstado(const QString &) override { }
    void procesarEventos() override { }
    void Detalleon(bool) override { }
    void Inicializa() override { }
    bool recalcular() const override { return false; }
};

} // namespace

void buildSettlement(const QString &from, const QString &to)
{
    const QTemporaryDir writable;
    setCarpetaEscritura(writable.path());
    gUsuarioLogeado = QStringLiteral("ADMIN");
    abrirBaseDemo(writable.filePath(QStringLiteral("QVERR.LOG")));
    {
        support::ScriptedDialogs dialogs;
        dialogs.expectMsgBox(support::BoxMatch::text(QStringLiteral("PROCESO FINALIZADO")));
        SilentWindow window;
        QString desde = from, hasta = to, vendedor, borrar;
        GeneradorComisiones(*gBaseDatos, window).GeneraComisionesNew(desde, hasta, vendedor, borrar);
        dialogs.verify();
    }
    support::resetProgramGlobals();
}
