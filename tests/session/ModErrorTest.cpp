#include "session/ModError.h"

#include "support/PruebaCore.h"

#include "platform/ado/AdoErrors.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/ui/Dialogs.h"
#include "session/ObjetosExternos.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using support::BoxMatch;

class ReporteDeErrores : public PruebaCore {
protected:
    ReporteDeErrores() { rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9)); }

    const rt::RuntimeError sintaxis{-2147217900, "  Sintaxis incorrecta cerca de 'FROM'.  ", ado::SqlServerSource};
    const QString mensaje = "Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta cerca de 'FROM'.";
};

// The words of the answers are the error log's own; the line written here is its line.
TEST_F(ReporteDeErrores, ShowsTheErrorReturnsTheAnswerAndAppendsItsLine)
{
    dialogos.expectMsgBox(
        BoxMatch::text(mensaje).withTitle(ado::SqlServerSource + " - CfgAux Aviso al operador!!! - 2 "), ui::vbRetry);
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbAbort);
    EXPECT_EQ(MostrarError(sintaxis, std::nullopt, "CfgAux"), ui::vbRetry);
    EXPECT_EQ(MostrarError(rt::RuntimeError(5, "Llamada no válida"), std::nullopt, "Cfg"), ui::vbAbort);
    EXPECT_EQ(dialogos.shown().front().style, ui::vbCritical | ui::vbAbortRetryIgnore);
    EXPECT_EQ(textoLog(), "03-15-2024 14:05:09 Rutina: - CfgAux Mensaje " + mensaje + " Respondió : Reintentar\r\n"
                              + "03-15-2024 14:05:09 Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (5) Llamada "
                                "no válida Respondió : Abortar\r\n");
}

TEST_F(ReporteDeErrores, WithoutRoutineTheTitleAndLineHaveNoRoutine)
{
    dialogos.expectMsgBox(BoxMatch::text(mensaje).withTitle(ado::SqlServerSource + " Aviso al operador!!! - 2 "),
                          ui::vbIgnore);
    MostrarError(sintaxis);
    EXPECT_TRUE(textoLog().startsWith("03-15-2024 14:05:09 Rutina:  Mensaje Ha ocurrido"));
}

TEST_F(ReporteDeErrores, GivenStyleIsUsedAndAnOkAnswerHasNoWord)
{
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbOK);
    EXPECT_EQ(MostrarError(sintaxis, ui::vbOKOnly, "CargarGrid"), ui::vbOK);
    EXPECT_EQ(dialogos.shown().front().style, ui::vbOKOnly);
    EXPECT_TRUE(textoLog().endsWith(" Respondió : \r\n"));
}

TEST_F(ReporteDeErrores, ErrorZeroShowsNothingButCreatesTheLog)
{
    EXPECT_EQ(MostrarError(rt::RuntimeError(0, QString())), 0);
    EXPECT_TRUE(dialogos.shown().empty());
    ASSERT_TRUE(QFile::exists(ArchivoLogErrores()));
    EXPECT_TRUE(textoLog().isEmpty());
}

// A named pipe in the log's place is not waited on: a reader holds it open, so a log opened on it
// would take the line there.
TEST_F(ReporteDeErrores, UnwritableLogStillShowsTheBox)
{
    const QString tuberia = temporal.filePath("tuberia");
    ASSERT_TRUE(QDir(temporal.path()).mkdir("tuberia"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tuberia + "/QVERR.LOG").constData(), 0600), 0);
    const int lector = ::open(QFile::encodeName(tuberia + "/QVERR.LOG").constData(), O_RDONLY | O_NONBLOCK);
    for (const QString &carpeta : {temporal.filePath("no/existe"), tuberia}) {
        const VariableEntorno sinRegistro("TMP", carpeta);
        dialogos.expectMsgBox(BoxMatch::text(mensaje), ui::vbIgnore);
        EXPECT_EQ(MostrarError(sintaxis, std::nullopt, "Cfg"), ui::vbIgnore) << carpeta.toStdString();
    }
    char byte = 0;
    EXPECT_EQ(::read(lector, &byte, 1), 0) << "the pipe took a line";
    ::close(lector);
}

TEST_F(ReporteDeErrores, AnswersRetryAsLeaveWhereOnlyIgnoreGoesOn)
{
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbRetry);
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbIgnore);
    EXPECT_EQ(MostrarErrorSinReintento(sintaxis, "Cfg"), ui::vbAbort);
    EXPECT_EQ(MostrarErrorSinReintento(sintaxis, "Cfg"), ui::vbIgnore);
}

// Where the log goes: TEMP is only the switch, TMP the folder; the workstation's fallback folder
// (the home folder, here a temporary one) otherwise.
TEST_F(ReporteDeErrores, TheLogFollowsTheTemporaryFolderRule)
{
    QTemporaryDir casa;
    const VariableEntorno home("HOME", casa.path());
    // TEMP and TMP (nullptr: unset; "@" stands for the temporary folder), and whether the log goes to TMP.
    const std::tuple<const char *, const char *, bool> casos[] = {
        {"x", "@", true}, {"x", "  @  ", true},  {nullptr, "@", false},
        {"", "@", false}, {"x", nullptr, false}, {"x", "   ", false},
    };
    const auto valor = [this](const char *texto) -> std::optional<QString> {
        return texto ? std::optional(QString(texto).replace('@', temporal.path())) : std::nullopt;
    };
    for (const auto &[textoTemp, textoTmp, enTmp] : casos) {
        const VariableEntorno variableTemp("TEMP", valor(textoTemp));
        const VariableEntorno variableTmp("TMP", valor(textoTmp));
        EXPECT_EQ(QDir::cleanPath(ArchivoLogErrores()),
                  QDir(enTmp ? temporal.path() : casa.path()).filePath("QVERR.LOG"))
            << "TEMP=" << (textoTemp ? textoTemp : "-") << " TMP=" << (textoTmp ? textoTmp : "-");
    }
}

} // namespace
