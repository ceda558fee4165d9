#include "core/Permisos.h"

#include "PruebaCore.h"

#include "core/ObjetosExternos.h"
#include "core/Sesion.h"
#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

class Permisos : public PruebaCore {
protected:
    Permisos()
    {
        rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9));
        db.execute(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES "
                                  "('M01', 'comisiones.exe', 'Comisiones por Vendedor'), "
                                  "('M02', 'otroprograma', 'Otra Tarea')"));
        db.execute(QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ANA', 'M01'), ('BETO', 'M02'), "
                                  "('D''ANGELO', 'M01')"));
        abrirBaseDatos();
    }

    // The columns of the access rows, in the order of the table.
    QList<QList<rt::Variant>> accesos()
    {
        return db.rows(QStringLiteral("SELECT Maquina, Usuario, Formulario, Tarea, Ingreso, NombreUsuario "
                                      "FROM Control_Acceso ORDER BY ID"));
    }

    QString maquina() const { return gEquipo->NombreEquipo().trimmed().toUpper(); }
};

struct CasoPermiso {
    const char *usuario;
    const char *usuarioConexion;
    const char *tarea;
    const char *usuarioGuardado;
};

// The case as the test names show it.
void PrintTo(const CasoPermiso &c, std::ostream *os)
{
    *os << c.usuario;
}

class PermisosTabla : public Permisos, public ::testing::WithParamInterface<CasoPermiso> {};

TEST_P(PermisosTabla, WritesOneAccessRowWithTheUsersTask)
{
    const CasoPermiso caso = GetParam();
    gUsuarioLogeado = QString::fromUtf8(caso.usuario);
    gBaseDatos->gUsuario = QString::fromUtf8(caso.usuarioConexion);
    VerificarPermiso(QString());
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][0].asString(), maquina());
    EXPECT_EQ(filas[0][1].asString(), QString::fromUtf8(caso.usuarioGuardado));
    EXPECT_EQ(filas[0][2].asString(), QStringLiteral("COMISIONES"));
    EXPECT_EQ(filas[0][3].asString(), QString::fromUtf8(caso.tarea));
    EXPECT_EQ(filas[0][4].asString(), QStringLiteral("15/03/24 14:05"));
    EXPECT_TRUE(dialogos.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Usuarios, PermisosTabla,
    ::testing::Values(CasoPermiso{"ANA", "DEMO", "COMISIONES POR VENDEDOR", "ANA"},
                      CasoPermiso{"ana", "OTRO", "COMISIONES POR VENDEDOR", "ANA"},
                      // A leading blank is part of the name: no grant is found for it.
                      CasoPermiso{" ANA", "DEMO", "COMISIONES", "ANA"},
                      // A grant for another program does not count.
                      CasoPermiso{"BETO", "DEMO", "COMISIONES", "BETO"},
                      CasoPermiso{"BETO", "OTRO", "", "BETO"}, CasoPermiso{"NADIE", "OTRO", "", "NADIE"},
                      // The apostrophe cannot break the query; the row keeps the name without it.
                      CasoPermiso{"D'ANGELO", "OTRO", "COMISIONES POR VENDEDOR", "DANGELO"},
                      CasoPermiso{"x') OR ('1'='1", "OTRO", "", "X) OR (1=1"}));

TEST_F(Permisos, EmptyUserTakesTheConnectionUser)
{
    VerificarPermiso(QString());
    EXPECT_EQ(gUsuarioLogeado, QStringLiteral("DEMO"));
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][1].asString(), QStringLiteral("DEMO"));
    EXPECT_EQ(filas[0][5].asString(), QStringLiteral("DEMO"));
}

TEST_F(Permisos, KeepsTheTypedNameBesideTheUpperCasedOne)
{
    gUsuarioLogeado = QStringLiteral(" Ana ");
    VerificarPermiso(QString());
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][1].asString(), QStringLiteral("ANA"));
    EXPECT_EQ(filas[0][5].asString(), QStringLiteral(" Ana "));
}

TEST_F(Permisos, AGivenProcessIsMatchedAnywhereInTheMenuEntry)
{
    gUsuarioLogeado = QStringLiteral("BETO");
    VerificarPermiso(QStringLiteral("programa"));
    const auto filas = accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0][2].asString(), QStringLiteral("PROGRAMA"));
    EXPECT_EQ(filas[0][3].asString(), QStringLiteral("OTRA TAREA"));
}

} // namespace
