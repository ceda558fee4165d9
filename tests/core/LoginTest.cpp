#include "core/Login.h"

#include "support/PruebaCore.h"

#include "db/Conexiones.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

class Login : public PruebaCore {
protected:
    Login()
    {
        agregarUsuario("ANA", "cn000pr", "Secreta1");
        agregarUsuario("O'NEILL", "cn000pr", "trebol");
        agregarUsuario("BETO", "VORN", "clave");
        agregarUsuario("CARLA", "OTRO", "clave");
        db.execute("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('SINCLAVE', 'cn000pr', NULL)");
        abrirBaseDemo();
    }

    void agregarUsuario(const QString &nombre, const QString &sistema, const QString &clave)
    {
        db.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('%1', '%2', '%3')")
                       .arg(QString(nombre).replace("'", "''"), sistema, gUtil->CodificarClave(clave)));
    }
};

TEST_F(Login, ChecksTheUserAgainstTA_USUARIOS)
{
    // User, password, valid, and whether gUsuarioLogeado takes the name as typed.
    const std::tuple<const char *, const char *, bool, bool> casos[] = {
        {"ANA", "Secreta1", true, true},
        // The password and the name compare without regard to case.
        {"ANA", "SECRETA1", true, true},
        {"ana", "secreta1", true, true},
        {"ANA", "otra", false, true},
        {"ANA", "", false, true},
        // The name is looked up trimmed but kept as typed.
        {"  ANA ", "Secreta1", true, true},
        {"O'NEILL", "trebol", true, true},
        {"O'NEILL", "x' OR '1'='1", false, true},
        {"x' OR '1'='1", "", false, false},
        {"BETO", "clave", true, true},
        {"CARLA", "clave", false, false},
        {"NADIE", "clave", false, false},
        // The database's own login needs no password.
        {"DEMO", "cualquiera", true, true},
        {"demo", "", true, true},
    };
    for (const auto &[usuario, clave, valido, encontrado] : casos) {
        gUsuarioLogeado = "anterior";
        EXPECT_EQ(ValidaUsuario(usuario, clave), valido) << usuario << " / " << clave;
        EXPECT_EQ(gUsuarioLogeado, encontrado ? usuario : "anterior") << usuario << " / " << clave;
    }
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Login, NullPasswordMatchesWhatAnEmptyStoredPasswordDecodesTo)
{
    EXPECT_TRUE(ValidaUsuario("SINCLAVE", gUtil->DecodificarClave(QString())));
    EXPECT_FALSE(ValidaUsuario("SINCLAVE", "algo"));
}

TEST_F(Login, BlankDatabaseNameLetsNoBlankUserIn)
{
    gBaseDatos->gDBName.clear();
    EXPECT_FALSE(ValidaUsuario(QString(), QString()));
}

} // namespace
