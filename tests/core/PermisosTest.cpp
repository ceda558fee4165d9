#include "core/Permisos.h"

#include "support/PruebaCore.h"

#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

class Permisos : public PruebaCore {
protected:
    Permisos()
    {
        rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9));
        db.execute("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES "
                   "('M01', 'comisiones.exe', 'Comisiones por Vendedor'), "
                   "('M02', 'otroprograma', 'Otra Tarea')");
        db.execute("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ANA', 'M01'), ('BETO', 'M02'), "
                   "('D''ANGELO', 'M01')");
        abrirBaseDemo();
    }

    // The columns of the access rows, in the order of the table.
    QList<QList<rt::Variant>> accesos()
    {
        return db.rows("SELECT Maquina, Usuario, Formulario, Tarea, Ingreso, NombreUsuario "
                       "FROM Control_Acceso ORDER BY ID");
    }

    QString maquina() const { return gEquipo->NombreEquipo().trimmed().toUpper(); }
};

TEST_F(Permisos, WritesOneAccessRowWithTheUsersTask)
{
    // The user logged in, the connection's user, the task found and the user stored.
    const std::tuple<const char *, const char *, const char *, const char *> casos[] = {
        {"ANA", "DEMO", "COMISIONES POR VENDEDOR", "ANA"},
        {"ana", "OTRO", "COMISIONES POR VENDEDOR", "ANA"},
        // A leading blank is part of the name: no grant is found for it.
        {" ANA", "DEMO", "COMISIONES", "ANA"},
        // A grant for another program does not count.
        {"BETO", "DEMO", "COMISIONES", "BETO"},
        {"BETO", "OTRO", "", "BETO"},
        {"NADIE", "OTRO", "", "NADIE"},
        // The apostrophe cannot break the query; the row keeps the name without it.
        {"D'ANGELO", "OTRO", "COMISIONES POR VENDEDOR", "DANGELO"},
        {"x') OR ('1'='1", "OTRO", "", "X) OR (1=1"},
    };
    for (const auto &[usuario, usuarioConexion, tarea, guardado] : casos) {
        SCOPED_TRACE(usuario);
        db.execute("DELETE FROM Control_Acceso");
        gUsuarioLogeado = usuario;
        gBaseDatos->gUsuario = usuarioConexion;
        VerificarPermiso(QString());
        const auto filas = accesos();
        ASSERT_EQ(filas.size(), 1);
        EXPECT_EQ(filas[0][0].asString(), maquina());
        EXPECT_EQ(filas[0][1].asString(), guardado);
        EXPECT_EQ(filas[0][2].asString(), "COMISIONES");
        EXPECT_EQ(filas[0][3].asString(), tarea);
        EXPECT_EQ(filas[0][4].asString(), "15/03/24 14:05");
    }
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Permisos, EmptyUserTakesTheConnectionUser)
{
    VerificarPermiso(QString());
    EXPECT_EQ(gUsuarioLogeado, "DEMO");
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][1].asString(), "DEMO");
    EXPECT_EQ(filas[0][5].asString(), "DEMO");
}

TEST_F(Permisos, KeepsTheTypedNameBesideTheUpperCasedOne)
{
    gUsuarioLogeado = " Ana ";
    VerificarPermiso(QString());
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][1].asString(), "ANA");
    EXPECT_EQ(filas[0][5].asString(), " Ana ");
}

TEST_F(Permisos, AGivenProcessIsMatchedAnywhereInTheMenuEntry)
{
    gUsuarioLogeado = "BETO";
    VerificarPermiso("programa");
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][2].asString(), "PROGRAMA");
    EXPECT_EQ(filas[0][3].asString(), "OTRA TAREA");
}

} // namespace
