#include "core/Login.h"

#include "PruebaCore.h"

#include "core/ObjetosExternos.h"
#include "core/Sesion.h"
#include "db/Conexiones.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

class Login : public PruebaCore {
protected:
    Login()
    {
        agregarUsuario(QStringLiteral("ANA"), QStringLiteral("cn000pr"), QStringLiteral("Secreta1"));
        agregarUsuario(QStringLiteral("O'NEILL"), QStringLiteral("cn000pr"), QStringLiteral("trebol"));
        agregarUsuario(QStringLiteral("BETO"), QStringLiteral("VORN"), QStringLiteral("clave"));
        agregarUsuario(QStringLiteral("CARLA"), QStringLiteral("OTRO"), QStringLiteral("clave"));
        db.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('SINCLAVE', 'cn000pr', NULL)"));
        abrirBaseDatos();
    }

    void agregarUsuario(const QString &nombre, const QString &sistema, const QString &clave)
    {
        db.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('%1', '%2', '%3')")
                       .arg(QString(nombre).replace(QStringLiteral("'"), QStringLiteral("''")), sistema,
                            gUtil->CodificarClave(clave)));
    }
};

struct CasoLogin {
    const char *usuario;
    const char *clave;
    bool valido;
    bool encontrado; // gUsuarioLogeado takes the name as typed
};

// The case as the test names show it.
void PrintTo(const CasoLogin &c, std::ostream *os)
{
    *os << c.usuario << " / " << c.clave;
}

class LoginTabla : public Login, public ::testing::WithParamInterface<CasoLogin> {};

TEST_P(LoginTabla, ChecksTheUserAgainstTA_USUARIOS)
{
    const CasoLogin caso = GetParam();
    gUsuarioLogeado = QStringLiteral("anterior");
    const QString usuario = QString::fromUtf8(caso.usuario);
    EXPECT_EQ(ValidaUsuario(usuario, QString::fromUtf8(caso.clave)), caso.valido);
    EXPECT_EQ(gUsuarioLogeado, caso.encontrado ? usuario : QStringLiteral("anterior"));
    EXPECT_TRUE(dialogos.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Usuarios, LoginTabla,
    ::testing::Values(CasoLogin{"ANA", "Secreta1", true, true},
                      // The password and the name compare without regard to case.
                      CasoLogin{"ANA", "SECRETA1", true, true}, CasoLogin{"ana", "secreta1", true, true},
                      CasoLogin{"ANA", "otra", false, true}, CasoLogin{"ANA", "", false, true},
                      // The name is looked up trimmed but kept as typed.
                      CasoLogin{"  ANA ", "Secreta1", true, true},
                      CasoLogin{"O'NEILL", "trebol", true, true}, CasoLogin{"O'NEILL", "x' OR '1'='1", false, true},
                      CasoLogin{"x' OR '1'='1", "", false, false},
                      CasoLogin{"BETO", "clave", true, true}, CasoLogin{"CARLA", "clave", false, false},
                      CasoLogin{"NADIE", "clave", false, false},
                      // The database's own login needs no password.
                      CasoLogin{"DEMO", "cualquiera", true, true}, CasoLogin{"demo", "", true, true}));

TEST_F(Login, NullPasswordMatchesWhatAnEmptyStoredPasswordDecodesTo)
{
    EXPECT_TRUE(ValidaUsuario(QStringLiteral("SINCLAVE"), gUtil->DecodificarClave(QString())));
    EXPECT_FALSE(ValidaUsuario(QStringLiteral("SINCLAVE"), QStringLiteral("algo")));
}

TEST_F(Login, BlankDatabaseNameLetsNoBlankUserIn)
{
    gBaseDatos->gDBName.clear();
    EXPECT_FALSE(ValidaUsuario(QString(), QString()));
}

} // namespace
