#include "support/ProgramGlobals.h"

#include "components/Dll_Texto.h"
#include "components/ModExportarExcel.h"
#include "core/ConfiguracionSesion.h"
#include "core/SentenciasSQL.h"
#include "db/Conexiones.h"
#include "db/DialogoAcceso.h"
#include "db/frmAcceso.h"
#include "platform/ado/Connection.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Regional.h"
#include "platform/ui/Dialogs.h"
#include "printing/FrmMvVentas.h"
#include "session/CarpetasPrograma.h"
#include "session/Dll_Display.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

namespace support {

namespace {

// The platform's: the dialog service, EndProgram throwing, the clock, the region and the
// database engines.
void resetPlatform()
{
    ui::setDialogService(nullptr);
    ui::setEndProgramThrows(true);
    rt::setClockForTests(std::nullopt);
    rt::setRegional(rt::RegionalSettings::spanishArgentina());
    ado::Connection::setEngineFactory(nullptr);
}

// The session's: the variables, the outside helper objects, the banner and the writable folder.
void resetSession()
{
    reiniciarSesion();
    liberarObjetosExternos();
    liberarCartel();
    setCarpetaEscritura({});
}

// The database's: the connection objects, the connection dialog and the login form.
void resetDb()
{
    liberarConexiones();
    setDialogoAcceso(nullptr);
    liberarFrmAcceso();
}

// The core's: the business settings and the SQL builders' lists.
void resetCore()
{
    reiniciarConfiguracionSesion();
    reiniciarSentenciasSQL();
}

// The components': the text-box instance and the export in progress.
void resetComponents()
{
    liberarTexto();
    reiniciarExportarExcel();
}

// The printing's: the kitchen printer's host and its port.
void resetPrinting()
{
    liberarFrmMvVentas();
}

// One step per floor that keeps globals, from the top down: a higher floor's objects may still
// use a lower floor's while they go.
constexpr void (*resetSteps[])() = {
    resetPrinting, resetComponents, resetCore, resetDb, resetSession, resetPlatform,
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
