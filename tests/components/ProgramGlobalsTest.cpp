#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"

#include "components/Dll_Texto.h"
#include "components/ModExportarExcel.h"
#include "core/ConfiguracionSesion.h"
#include "core/SentenciasSQL.h"
#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Regional.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/QtDialogService.h"
#include "session/CarpetasPrograma.h"
#include "session/Dll_Display.h"

#include <QDate>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int CaughtProgramEnded = 3;

// Run apart: were EndProgram to end the process, the test would otherwise pass unseen.
TEST(ProgramGlobals, ResetPutsBackTheQtDialogServiceAndAThrowingEndProgram)
{
    support::ScriptedDialogs dialogs;
    support::resetProgramGlobals();
    EXPECT_NE(dynamic_cast<ui::QtDialogService *>(&ui::dialogService()), nullptr);
    EXPECT_EXIT(
        {
            ui::setEndProgramThrows(false);
            support::resetProgramGlobals();
            try {
                ui::EndProgram();
            } catch (const ui::ProgramEnded &) {
                std::_Exit(CaughtProgramEnded);
            }
        },
        testing::ExitedWithCode(CaughtProgramEnded), "");
}

class FixtureWithScriptedDialogs : public support::ProgramTest {
protected:
    support::ScriptedDialogs dialogs;
};

TEST_F(FixtureWithScriptedDialogs, AScriptedDialogsMemberStaysInstalledForTheTest)
{
    EXPECT_EQ(&ui::dialogService(), &dialogs);
}

// A global of each owner, changed as a test would leave it; the reset must put each back.
TEST_F(FixtureWithScriptedDialogs, ResetPutsBackTheGlobalsOfEveryFloor)
{
    QTemporaryDir carpeta;
    struct Global {
        const char *name;
        std::function<void()> change;
        std::function<bool()> atStart;
    };
    const Global globals[] = {
        {"clock", [] { rt::setClockForTests(rt::DateTime::fromParts(2001, 2, 3)); },
         [] { return rt::Date().date() == QDate::currentDate(); }},
        {"region", [] { rt::setRegional(rt::RegionalSettings::englishUnitedStates()); },
         [] { return rt::regional().decimalSeparator == QLatin1Char(','); }},
        {"gCartel", [] { gCartel.get(); }, [] { return !gCartel.exists(); }},
        {"CarpetaEscritura", [&] { setCarpetaEscritura(carpeta.path()); },
         [&] { return !CarpetaEscritura().startsWith(carpeta.path()); }},
        {"gBaseEstadisticas", [] { gBaseEstadisticas.get(); }, [] { return !gBaseEstadisticas.exists(); }},
        {"gBaseAuxiliar", [] { gBaseAuxiliar.get(); }, [] { return !gBaseAuxiliar.exists(); }},
        {"UsaFacturaProforma", [] { UsaFacturaProforma = true; }, [] { return !UsaFacturaProforma; }},
        {"gSentenciasScript", [] { gSentenciasScript << "DELETE X"; }, [] { return gSentenciasScript.isEmpty(); }},
        {"gTexto", [] { gTexto.get(); }, [] { return !gTexto.exists(); }},
        {"gAppExcel", [] { gAppExcel = std::make_unique<sheet::Workbook>(); }, [] { return !gAppExcel; }},
        {"gTituloExcel", [] { gTituloExcel = "Vendedores"; }, [] { return gTituloExcel.isEmpty(); }},
        {"gFilaEncabezado", [] { gFilaEncabezado = 3; }, [] { return gFilaEncabezado == 0; }},
    };
    for (const Global &global : globals)
        global.change();
    support::resetProgramGlobals();
    for (const Global &global : globals)
        EXPECT_TRUE(global.atStart()) << global.name;
}

} // namespace
