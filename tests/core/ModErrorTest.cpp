#include "core/ModError.h"

#include "PruebaCore.h"

#include "core/ObjetosExternos.h"
#include "platform/ado/AdoErrors.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using support::BoxMatch;

class ReporteDeErrores : public PruebaCore {
protected:
    ReporteDeErrores() { rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9)); }

    const rt::RuntimeError sintaxis{-2147217900, QStringLiteral("  Sintaxis incorrecta cerca de 'FROM'.  "),
                                    ado::SqlServerSource};
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta cerca de 'FROM'.");
};

struct CasoRespuesta {
    int respuesta;
    const char *palabra;
};

// The case as the test names show it.
void PrintTo(const CasoRespuesta &c, std::ostream *os)
{
    *os << c.palabra;
}

class RespuestasDelOperador : public ReporteDeErrores, public ::testing::WithParamInterface<CasoRespuesta> {};

TEST_P(RespuestasDelOperador, ReturnsTheAnswerAndLogsItsWord)
{
    const QString titulo = ado::SqlServerSource + QStringLiteral(" - CfgAux Aviso al operador!!! - 2 ");
    dialogos.expectMsgBox(BoxMatch::text(mensaje).withTitle(titulo), GetParam().respuesta);

    EXPECT_EQ(MostrarError(sintaxis, std::nullopt, QStringLiteral("CfgAux")), GetParam().respuesta);

    ASSERT_EQ(dialogos.shown().size(), 1u);
    EXPECT_EQ(dialogos.shown().front().style, ui::vbCritical | ui::vbAbortRetryIgnore);
    EXPECT_EQ(textoLog(), QStringLiteral("03-15-2024 14:05:09 Rutina: - CfgAux Mensaje ") + mensaje
                              + QStringLiteral(" Respondió : ") + QString::fromUtf8(GetParam().palabra)
                              + QStringLiteral("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Respuestas, RespuestasDelOperador,
                         ::testing::Values(CasoRespuesta{ui::vbAbort, "Abortar"}, CasoRespuesta{ui::vbRetry, "Reintentar"},
                                           CasoRespuesta{ui::vbIgnore, "Ignorar"}));

TEST_F(ReporteDeErrores, WithoutRoutineTheTitleAndLineHaveNoRoutine)
{
    dialogos.expectMsgBox(BoxMatch::text(mensaje).withTitle(ado::SqlServerSource + QStringLiteral(" Aviso al operador!!! - 2 ")),
                          ui::vbIgnore);
    MostrarError(sintaxis);
    EXPECT_TRUE(textoLog().startsWith(QStringLiteral("03-15-2024 14:05:09 Rutina:  Mensaje Ha ocurrido")));
}

TEST_F(ReporteDeErrores, LinesAreAppended)
{
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbRetry);
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbAbort);
    MostrarError(sintaxis, std::nullopt, QStringLiteral("Cfg"));
    MostrarError(rt::RuntimeError(5, QStringLiteral("Llamada no válida")), std::nullopt, QStringLiteral("Cfg"));
    const QStringList lineas = textoLog().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 2);
    EXPECT_TRUE(lineas.at(0).endsWith(QStringLiteral("Reintentar")));
    EXPECT_TRUE(lineas.at(1).endsWith(QStringLiteral("(5) Llamada no válida Respondió : Abortar")));
}

TEST_F(ReporteDeErrores, GivenStyleIsUsedAndAnOkAnswerHasNoWord)
{
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbOK);
    EXPECT_EQ(MostrarError(sintaxis, ui::vbOKOnly, QStringLiteral("CargarGrid")), ui::vbOK);
    EXPECT_EQ(dialogos.shown().front().style, ui::vbOKOnly);
    EXPECT_TRUE(textoLog().endsWith(QStringLiteral(" Respondió : \r\n")));
}

TEST_F(ReporteDeErrores, ErrorZeroShowsNothingButCreatesTheLog)
{
    EXPECT_EQ(MostrarError(rt::RuntimeError(0, QString())), 0);
    EXPECT_TRUE(dialogos.shown().empty());
    ASSERT_TRUE(QFile::exists(ArchivoLogErrores()));
    EXPECT_TRUE(textoLog().isEmpty());
}

TEST_F(ReporteDeErrores, UnwritableLogStillShowsTheBox)
{
    const VariableEntorno sinCarpeta("TMP", temporal.filePath(QStringLiteral("no/existe")));
    dialogos.expectMsgBox(BoxMatch::text(mensaje), ui::vbIgnore);
    EXPECT_EQ(MostrarError(sintaxis, std::nullopt, QStringLiteral("Cfg")), ui::vbIgnore);
}

TEST_F(ReporteDeErrores, AnswersRetryAsLeaveWhereOnlyIgnoreGoesOn)
{
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbRetry);
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbIgnore);
    EXPECT_EQ(MostrarErrorSinReintento(sintaxis, QStringLiteral("Cfg")), ui::vbAbort);
    EXPECT_EQ(MostrarErrorSinReintento(sintaxis, QStringLiteral("Cfg")), ui::vbIgnore);
}

// Where the log goes: TEMP is only the switch, TMP the folder; the workstation's fallback folder
// (the home folder, here a temporary one) otherwise.
struct CasoCarpeta {
    const char *temp; // nullptr: unset
    const char *tmp;  // nullptr: unset; "@" stands for the temporary folder
    bool enTmp;
};

// The case as the test names show it.
void PrintTo(const CasoCarpeta &c, std::ostream *os)
{
    *os << "TEMP=" << (c.temp ? c.temp : "-") << " TMP=" << (c.tmp ? c.tmp : "-");
}

class CarpetaDelLog : public ReporteDeErrores, public ::testing::WithParamInterface<CasoCarpeta> {
protected:
    QTemporaryDir casa;
    VariableEntorno home{"HOME", casa.path()};
};

TEST_P(CarpetaDelLog, FollowsTheTemporaryFolderRule)
{
    const auto valor = [this](const char *texto) -> std::optional<QString> {
        if (!texto)
            return std::nullopt;
        return QString::fromUtf8(texto).replace(QLatin1Char('@'), temporal.path());
    };
    const VariableEntorno temp2("TEMP", valor(GetParam().temp));
    const VariableEntorno tmp2("TMP", valor(GetParam().tmp));
    const QString carpeta = GetParam().enTmp ? temporal.path() : casa.path();
    EXPECT_EQ(QDir::cleanPath(ArchivoLogErrores()), QDir(carpeta).filePath(QStringLiteral("QVERR.LOG")));
}

INSTANTIATE_TEST_SUITE_P(Carpetas, CarpetaDelLog,
                         ::testing::Values(CasoCarpeta{"x", "@", true}, CasoCarpeta{"x", "  @  ", true},
                                           CasoCarpeta{nullptr, "@", false}, CasoCarpeta{"", "@", false},
                                           CasoCarpeta{"x", nullptr, false}, CasoCarpeta{"x", "   ", false}));

} // namespace
