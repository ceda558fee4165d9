#include "support/ProgramGlobals.h"

#include "core/ConfiguracionSesion.h"
#include "core/SentenciasSQL.h"
#include "db/Conexiones.h"
#include "db/DialogoAcceso.h"
#include "db/frmAcceso.h"
#include "platform/ui/Dialogs.h"
#include "session/CarpetasPrograma.h"
#include "session/Dll_Display.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace support {

namespace {

void resetDialogs()
{
    ui::setDialogService(nullptr);
    ui::setEndProgramThrows(true);
}

// The connection objects, the outside helper objects and the session variables.
void resetSession()
{
    gBaseDatos.reset();
    gBaseEstadisticas.reset();
    gBaseAuxiliar.reset();
    setDialogoAcceso(nullptr);
    liberarObjetosExternos();
    reiniciarSesion();
}

// The business settings, the SQL builders' lists and the progress banner.
void resetCoreSettings()
{
    reiniciarConfiguracionSesion();
    reiniciarSentenciasSQL();
    gCartel.reset();
}

// The login dialog and the folder of the files the program writes.
void resetStartup()
{
    liberarFrmAcceso();
    setCarpetaEscritura({});
}

// One step per area that keeps globals, in the order they were set up at start-up.
constexpr void (*resetSteps[])() = {
    resetDialogs,
    resetSession,
    resetCoreSettings,
    resetStartup,
};

} // namespace

void resetProgramGlobals()
{
    for (auto step : resetSteps)
        step();
}

ProgramTest::ProgramTest()
{
    resetProgramGlobals();
}

ProgramTest::~ProgramTest()
{
    resetProgramGlobals();
}

} // namespace support
