#include "core/ParametrosComando.h"

#include "support/PruebaCore.h"

#include <gtest/gtest.h>

namespace {

class ParametrosComando : public support::ProgramTest { };

struct CasoValor {
    const char *comando;
    const char *clave;
    const char *crudo;
    const char *limpio;
};

TEST_F(ParametrosComando, AValueRunsFromTheKeyToTheFirstSemicolonAfterIt)
{
    const CasoValor casos[] = {
        {"@Server=srv01;@DbName=VENTAS;", "@DbName", "=VENTAS", "VENTAS"},
        {"@server= srv01 ; x", "@Server", "= srv01 ", "srv01"},
        {"@UsuarioLogeado=pepe;@Usuario=ana;", "@Usuario", "Logeado=pepe", "Logeadopepe"},
        {"@UsuarioLogeado=pepe;@Usuario=ana;", "@UsuarioLogeado", "=pepe", "pepe"},
        {"@Password=a=b;", "@Password", "=a=b", "ab"},
        {"@Caja=;", "@Caja", "=", ""},
        {"@ParametroAdicional=abcdefghijklmnopqrstuvwxyz", "@ParametroAdicional", "=abcdefghijklmnopqr",
         "abcdefghijklmnopqr"},
        {"@ParametroAdicional=abc", "@ParametroAdicional", "=abc", "abc"},
        {"@ParametroAdicional=; @Caja=1;", "@ParametroAdicional", "=", ""},
    };
    for (const CasoValor &caso : casos) {
        SCOPED_TRACE(std::string(caso.comando) + " / " + caso.clave);
        const QString comando = QString::fromUtf8(caso.comando);
        ASSERT_TRUE(ExisteParametro(comando, QLatin1String(caso.clave)));
        const QString crudo = ValorParametro(comando, QLatin1String(caso.clave));
        EXPECT_EQ(crudo, QLatin1String(caso.crudo));
        EXPECT_EQ(LimpiarValor(crudo), QLatin1String(caso.limpio));
    }
}

TEST_F(ParametrosComando, AKeyWithoutItsSemicolonRaisesError5)
{
    EXPECT_EQ(errorNumber([] { ValorParametro("@Caja=7", "@Caja"); }), 5);
    EXPECT_EQ(errorNumber([] { ValorParametro("@Server=srv;@DbName=VENTAS", "@DbName"); }), 5);
    EXPECT_FALSE(ExisteParametro("@Server=srv;", "@Caja"));
}

TEST_F(ParametrosComando, TheIniFileCommandReadsBackAsTheSameValues)
{
    const QString comando = ComandoDesdeIni("srv01", "VENTAS", "ana", "clave");
    EXPECT_EQ(comando, "@server=srv01; @dbname= VENTAS; @usuario= ana; @Password= clave; "
                       "@ParametroAdicional=; @Caja=1;kemb@");
    const std::pair<const char *, const char *> valores[] = {
        {"@Server", "srv01"},   {"@DbName", "VENTAS"},       {"@Usuario", "ana"},
        {"@Password", "clave"}, {"@ParametroAdicional", ""}, {"@Caja", "1"},
    };
    for (const auto &[clave, valor] : valores)
        EXPECT_EQ(LimpiarValor(ValorParametro(comando, QLatin1String(clave))), QLatin1String(valor)) << clave;
}

TEST_F(ParametrosComando, ServerNameDropsTheGroupAndThePort)
{
    const std::pair<const char *, const char *> casos[] = {
        {"srv01:1433", "srv01"},
        {"grupo/srv01:1433", "srv01"},
        {"a/b/c", "b/c"},
        {"srv01\\SQLEXPRESS", "srv01\\SQLEXPRESS"},
        {"", ""},
        {"a/b:1/c:2", "b"},
    };
    for (const auto &[texto, nombre] : casos)
        EXPECT_EQ(ObtenerNombreServidor(QLatin1String(texto)), QLatin1String(nombre)) << texto;
}

TEST_F(ParametrosComando, TheProcessCommandLineIsEmptyWithoutArguments)
{
    // The test runner removes its own flags before the application object reads the arguments.
    EXPECT_EQ(LineaComandoProceso(), QString());
}

} // namespace
