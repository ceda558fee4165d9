#include "PruebaArranque.h"

#include "core/IniciarAplicacion.h"
#include "db/Conexiones.h"
#include "platform/outside/ClaveGuardada.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/Dialogs.h"
#include "session/CarpetasPrograma.h"
#include "session/Dll_Display.h"
#include "session/ObjetosExternos.h"
#include "session/RegistroErrores.h"
#include "session/Sesion.h"
#include "support/TestigoCartel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using support::BoxMatch;

const QString LoginIncorrecto = "El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente";
const QString UsuarioIncorrecto = "Usuario o Clave incorrecta";
const QString DemasiadosIntentos =
    "Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas";

struct CasoComando {
    const char *nombre;
    const char *comando;
    const char *logeado;
    const char *clave;
    const char *caja;
    const char *parametroAdicional;
    bool administrador;
};

// Listed and reported by its name.
void PrintTo(const CasoComando &c, std::ostream *os)
{
    *os << c.nombre;
}

class ComandoArranque : public PruebaArranque, public ::testing::WithParamInterface<CasoComando> { };

TEST_P(ComandoArranque, ConnectsAndLogsInFromTheCommandText)
{
    const CasoComando &caso = GetParam();
    SCOPED_TRACE(caso.nombre);
    iniciar(QString::fromUtf8(caso.comando));
    dialogos.verify();
    const DB_Dll &base = *gBaseDatos;
    EXPECT_TRUE(base.gOpenFlag);
    EXPECT_EQ(base.gServidor, "sqlite");
    EXPECT_EQ(base.gDBName, "DEMO");
    EXPECT_EQ(base.gUsuario, "DEMO");
    EXPECT_EQ(base.gUserPassWord, "DEMO");
    EXPECT_EQ(gUsuarioLogeado, QString::fromUtf8(caso.logeado));
    EXPECT_EQ(gClaveUsuario, QString::fromUtf8(caso.clave));
    EXPECT_EQ(gCaja, QLatin1String(caso.caja));
    EXPECT_EQ(gParametroAdicional, QLatin1String(caso.parametroAdicional));
    EXPECT_EQ(base.gEsAdmin, caso.administrador);
    EXPECT_EQ(gCadenaODBC, "DSN=DEMO; UID=DEMO; PWD=DEMO");
    EXPECT_FALSE(gEquipoUsuario.isEmpty());
    EXPECT_LE(gEquipoUsuario.size(), 50);
    EXPECT_EQ(gBuscador->ArchivoConsultas(), QDir(carpeta.path()).filePath("consultas.ntw"));
    EXPECT_TRUE(QFileInfo(gBuscador->ArchivoConsultas()).isFile());
    EXPECT_EQ(gCartel->ventanaActual(), nullptr) << "the banner is closed at the end";
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Usuario = '%1'")
                         .arg(QString::fromUtf8(caso.logeado))),
              1);
    EXPECT_EQ(textoConexion, QString());
}

INSTANTIATE_TEST_SUITE_P(
    Variantes, ComandoArranque,
    ::testing::Values(CasoComando{"every key",
                                  "@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=admin;@Caja=3;@Menu=M;"
                                  "@ParametroAdicional=PA;",
                                  "ADMIN", "admin", "3", "PA", true},
                      CasoComando{"keys anywhere in any case with blanks",
                                  "x @dbname = DEMO ; @server= sqlite; @usuario= OPERADOR;"
                                  "@password=oper;",
                                  "OPERADOR", "oper", "1", "", false},
                      CasoComando{"the database's own login needs no password",
                                  "@Server=sqlite;@DbName=DEMO;@Usuario=demo;", "demo", "", "1", "", false},
                      CasoComando{"a password equal to the database takes the stored one",
                                  "@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=demo;", "ADMIN", "admin", "1",
                                  "", true},
                      CasoComando{"@Usuario is found inside @UsuarioLogeado",
                                  "@DbName=DEMO;@Server=sqlite;@UsuarioLogeado=DEMO;", "DEMO", "", "1", "", false},
                      CasoComando{"the logged user differs from the database user",
                                  "@Server=sqlite;@DbName=DEMO;@Usuario=DEMO;@UsuarioLogeado=OPERADOR;@Password=oper;",
                                  "OPERADOR", "oper", "1", "", false},
                      CasoComando{"@Caja without its ; keeps the cash box empty",
                                  "@Server=sqlite;@DbName=DEMO;@Usuario=DEMO;@Caja=7", "DEMO", "", "", "", false},
                      CasoComando{"a group and a port around the server",
                                  "@Server=grupo/sqlite:1433;@DbName=DEMO;@Usuario=DEMO;", "DEMO", "", "1", "", false}),
    [](const ::testing::TestParamInfo<CasoComando> &parametro) { return std::to_string(parametro.index); });

TEST_F(PruebaArranque, WithoutServerTheConnectionDialogAsksForIt)
{
    guion.responder({"ADMIN", "admin", "DEMO", "sqlite"});
    iniciar("@DbName=VENTAS;@Usuario=ana;");
    ASSERT_EQ(guion.vistos().size(), 1u);
    EXPECT_EQ(guion.vistos()[0].base, "VENTAS");
    EXPECT_EQ(guion.vistos()[0].servidor, QString());
    EXPECT_EQ(guion.vistos()[0].usuario, "ana");
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gDBName, "DEMO");
    EXPECT_EQ(gBaseDatos->gUsuario, "DEMO");
    EXPECT_EQ(gUsuarioLogeado, "ADMIN");
    EXPECT_TRUE(gBaseDatos->gEsAdmin);
}

TEST_F(PruebaArranque, ThreeFailedLoginsEndTheProgram)
{
    for (int i = 0; i < 3; ++i)
        guion.responder({"ADMIN", QStringLiteral("otra%1").arg(i)});
    dialogos.expectMsgBox(BoxMatch::text(LoginIncorrecto).withTitle("Atencion!"));
    for (int i = 0; i < 3; ++i)
        dialogos.expectMsgBox(BoxMatch::text(UsuarioIncorrecto).withTitle("Atencion"));
    dialogos.expectMsgBox(BoxMatch::text(DemasiadosIntentos).withTitle("Atencion!"));
    EXPECT_THROW(iniciar("@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=mala;"), ui::ProgramEnded);
    dialogos.verify();
    ASSERT_EQ(guion.vistos().size(), 3u);
    EXPECT_EQ(guion.vistos()[0].clave, "mala");
    EXPECT_EQ(guion.vistos()[1].clave, "otra0");
    for (const BoxesAcceso &visto : guion.vistos()) {
        EXPECT_EQ(visto.base, "DEMO");
        EXPECT_EQ(visto.servidor, "sqlite");
        EXPECT_EQ(visto.usuario, "ADMIN");
    }
    EXPECT_EQ(contar("SELECT COUNT(*) FROM V_MV_CPTEACCIONES WHERE Tipo_accion = 'A' AND "
                     "SYSTEMUSER = 'Intento de inicio de sesion fallido'"),
              3);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM Control_Acceso"), 0);
}

struct CasoDialogo {
    const char *nombre;
    const char *comando;
    const char *usuario;
    const char *clave;
    bool administrador;
};

// Listed and reported by its name.
void PrintTo(const CasoDialogo &c, std::ostream *os)
{
    *os << c.nombre;
}

class LoginPorDialogo : public PruebaArranque, public ::testing::WithParamInterface<CasoDialogo> { };

TEST_P(LoginPorDialogo, RightsAreThoseOfTheUserWhoLoggedIn)
{
    const CasoDialogo &caso = GetParam();
    SCOPED_TRACE(caso.nombre);
    guion.responder({QString(), "mal"});
    guion.responder({QLatin1String(caso.usuario), QLatin1String(caso.clave)});
    dialogos.expectMsgBox(BoxMatch::text(LoginIncorrecto));
    dialogos.expectMsgBox(BoxMatch::text(UsuarioIncorrecto));
    iniciar(QLatin1String(caso.comando));
    dialogos.verify();
    EXPECT_EQ(gUsuarioLogeado, QLatin1String(caso.usuario));
    EXPECT_EQ(gClaveUsuario, QLatin1String(caso.clave));
    EXPECT_EQ(gBaseDatos->gEsAdmin, caso.administrador);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM Control_Acceso WHERE Usuario = '%1'")
                         .arg(QLatin1String(caso.usuario))),
              1);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM V_MV_CPTEACCIONES"), 1);
}

INSTANTIATE_TEST_SUITE_P(Usuarios, LoginPorDialogo,
                         ::testing::Values(CasoDialogo{"administrator named, operator logs in",
                                                       "@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=mala;",
                                                       "OPERADOR", "oper", false},
                                           CasoDialogo{"operator named, administrator logs in",
                                                       "@Server=sqlite;@DbName=DEMO;@Usuario=OPERADOR;@Password=mala;",
                                                       "ADMIN", "admin", true}),
                         [](const ::testing::TestParamInfo<CasoDialogo> &parametro) {
                             return std::to_string(parametro.index);
                         });

TEST_F(PruebaArranque, CancelarInTheLoginDialogEndsTheProgram)
{
    guion.responder({.cancelar = true});
    dialogos.expectMsgBox(BoxMatch::text(LoginIncorrecto));
    EXPECT_THROW(iniciar("@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=mala;"), ui::ProgramEnded);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM Control_Acceso"), 0);
}

TEST_F(PruebaArranque, ADatabaseThatDoesNotExistEndsTheProgram)
{
    dialogos.expectMsgBox(BoxMatch::title(" Error de Conexion a Base de Datos"), ui::vbNo);
    EXPECT_THROW(iniciar("@Server=sqlite;@DbName=NOEXISTE;@Usuario=ADMIN;@Password=admin;"), ui::ProgramEnded);
    dialogos.verify();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_FALSE(QFileInfo::exists(QDir(db.folder()).filePath("NOEXISTE.db")));
}

TEST_F(PruebaArranque, AnotherDatabaseTypedInTheDialogIsOpenedAndCheckedAgain)
{
    {
        // The copy folds the fixture's rows into its file, which then serves as a second database.
        const auto copia = TestDatabase::copyOf(db);
    }
    ASSERT_TRUE(QFile::copy(db.path(), QDir(db.folder()).filePath("OTRA.db")));
    guion.responder({"ADMIN", "admin", "otra"});
    dialogos.expectMsgBox(BoxMatch::text(LoginIncorrecto));
    iniciar("@Server=sqlite;@DbName=DEMO;@Usuario=OPERADOR;@Password=mala;");
    dialogos.verify();
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gDBName, "otra");
    EXPECT_EQ(gBaseDatos->gUsuario, "otra");
    EXPECT_TRUE(gBaseDatos->gConnString.contains("Database =otra;"));
    EXPECT_EQ(gCadenaODBC, "DSN=otra; UID=otra; PWD=otra");
    EXPECT_TRUE(gBaseDatos->gEsAdmin);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM Control_Acceso"), 0) << "the access row goes to the new database";
    ado::Recordset filas = gBaseDatos->gCnn.Execute("SELECT COUNT(*) FROM Control_Acceso");
    EXPECT_EQ(rt::CLng(filas.Fields(0).Value()), 1);
}

TEST_F(PruebaArranque, AConnectionAlreadyOpenSkipsTheParametersButNotTheLogin)
{
    abrirBaseDemo();
    gUsuarioLogeado = "OPERADOR";
    gClaveUsuario = "oper";
    iniciar("@Server=otro;@DbName=OTRA;@Usuario=ADMIN;@Password=admin;@Caja=5;");
    EXPECT_EQ(gCaja, QString());
    EXPECT_EQ(gUsuarioLogeado, "OPERADOR");
    EXPECT_EQ(gBaseDatos->gDBName, "DEMO");
    EXPECT_EQ(contar("SELECT COUNT(*) FROM Control_Acceso WHERE Usuario = 'OPERADOR'"), 1);

    gClaveUsuario = "mala";
    guion.responder({"OPERADOR", "oper"});
    dialogos.expectMsgBox(BoxMatch::text(LoginIncorrecto));
    iniciar(QString());
    dialogos.verify();
}

// What lies where the start-up writes its error log, when a folder in the place of the look-up
// catalogue ends the start-up.
enum class Registro { Libre, BajoUnArchivo, Tuberia, EnlaceATuberia, EnlaceADispositivoLleno, EnlaceADispositivoNulo };

struct CasoFallo {
    const char *nombre;
    Registro registro;
};

// Listed and reported by its name.
void PrintTo(const CasoFallo &c, std::ostream *os)
{
    *os << c.nombre;
}

// What reached a pipe's reader.
QByteArray leido(int lector)
{
    char bytes[512];
    const ssize_t largo = ::read(lector, bytes, sizeof bytes);
    return QByteArray(bytes, largo > 0 ? static_cast<int>(largo) : 0);
}

class ArranqueFallido : public PruebaArranque, public ::testing::WithParamInterface<CasoFallo> { };

// The operator always learns why the program did not start, and whether the log kept it. A log
// that is not a plain file cannot be written: a reader holds each pipe open, so a log opened on
// it would take the line there instead of waiting.
TEST_P(ArranqueFallido, AnErrorThatEndsTheStartUpIsLoggedWithItsStepThenShown)
{
    const Registro lugar = GetParam().registro;
    QString escritura = carpeta.path() + '/';
    if (lugar == Registro::BajoUnArchivo) {
        QFile archivo(escritura + "archivo");
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        escritura = archivo.fileName() + "/carpeta/";
        setCarpetaEscritura(escritura);
    } else {
        ASSERT_TRUE(QDir(carpeta.path()).mkdir("consultas.ntw"));
    }
    const QString log = escritura + "QVERR.LOG";
    const QString tuberia = lugar == Registro::Tuberia ? log : QDir(carpeta.path()).filePath("tuberia");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
    const int lector = ::open(QFile::encodeName(tuberia).constData(), O_RDONLY | O_NONBLOCK);
    const std::map<Registro, QString> enlaces = {{Registro::EnlaceATuberia, tuberia},
                                                 {Registro::EnlaceADispositivoLleno, "/dev/full"},
                                                 {Registro::EnlaceADispositivoNulo, "/dev/null"}};
    if (enlaces.count(lugar)) {
        ASSERT_TRUE(QFile::link(enlaces.at(lugar), log));
    }
    const rt::DateTime momento = rt::DateTime::fromParts(2024, 4, 2, 9, 30, 5);
    const PinnedClock reloj(momento);
    const QString error = "Error 75: Error de acceso a la ruta o el archivo: " + escritura + "consultas.ntw";
    const bool registrado = lugar == Registro::Libre;
    dialogos.expectMsgBox(
        BoxMatch::text(
            "El programa no pudo iniciarse (IniciarAplicacion, paso 13).\r\n" + error + "\r\n\r\n"
            + (registrado ? "Se escribió en el registro de errores " : "No se puede escribir el registro de errores ")
            + log)
            .withTitle("comisiones"));
    EXPECT_THROW(iniciar("@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=admin;"), ui::ProgramEnded);
    dialogos.verify();
    EXPECT_EQ(gCartel->ventanaActual(), nullptr);
    if (registrado) {
        EXPECT_EQ(registro(), RegistroErrores::linea(momento, "IniciarAplicacion, paso 13", error, 0));
    }
    EXPECT_EQ(leido(lector), QByteArray());
    ::close(lector);
}

INSTANTIATE_TEST_SUITE_P(
    Registros, ArranqueFallido,
    ::testing::Values(CasoFallo{"the log takes the line", Registro::Libre},
                      CasoFallo{"the write folder lies below a plain file", Registro::BajoUnArchivo},
                      CasoFallo{"the log is a named pipe", Registro::Tuberia},
                      CasoFallo{"the log is a link to a named pipe", Registro::EnlaceATuberia},
                      CasoFallo{"the log is a link to a full device", Registro::EnlaceADispositivoLleno},
                      CasoFallo{"the log is a link to a device that takes anything", Registro::EnlaceADispositivoNulo}),
    [](const ::testing::TestParamInfo<CasoFallo> &parametro) { return std::to_string(parametro.index); });

TEST_F(PruebaArranque, AnOracleServerBuildsItsConnectionText)
{
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbNo);
    EXPECT_THROW(iniciar("@Server=#ORCL;@DbName=VENTAS;@Usuario=ana;@Password=pw;"), ui::ProgramEnded);
    EXPECT_EQ(textoConexion, "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=ana;Password=pw;");
    EXPECT_EQ(gBaseDatos->gServidor, "ORCL");
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
}

TEST_F(PruebaArranque, WhileAnotherProgramHoldsTheDatabaseTheBannerSaysItWaits)
{
    // The statistics database gives the main connection a one-second time-out.
    db.statisticsConnection().Execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '1')");
    ado::Connection otroPrograma;
    otroPrograma.Open(TestDatabase::connectionString());
    otroPrograma.BeginTrans();
    otroPrograma.Execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('OTRO', 'x')");
    // The access row cannot be written: the operator is told once the time-out has passed.
    dialogos.expectMsgBox(BoxMatch::textContaining("1222 : ").withTitle("Aviso al Operador!"));
    const TestigoCartel testigo;
    iniciar("@Server=sqlite;@DbName=DEMO;@Usuario=ADMIN;@Password=admin;");
    dialogos.verify();
    EXPECT_TRUE(testigo.vio("Esperando la Base de Datos")) << testigo.lineas().join(" | ").toStdString();
    EXPECT_EQ(gCartel->ventanaActual(), nullptr) << "the banner is closed at the end";
    otroPrograma.RollbackTrans();
}

class ArranqueDesdeIni : public PruebaArranque {
protected:
    QTemporaryDir datos;
    VariableEntorno xdg{"XDG_DATA_HOME", datos.path()};
};

TEST_F(ArranqueDesdeIni, AnEmptyCommandLineTakesTheConnectionFromTheIniFile)
{
    const QString carpetaDatos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_TRUE(carpetaDatos.startsWith(datos.path()));
    ASSERT_TRUE(QDir().mkpath(carpetaDatos));
    const QString seccion = gEquipo->NombreEquipo().toUpper() + "|" + gEquipo->UsuarioEquipo().toUpper();
    QFile ini(QDir(carpetaDatos).filePath("CN000pr.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[" + seccion
               + "BaseDeDatos]\nServidor=sql|ite\nDbName=DEMO\nUsuario=" + outside::codificarClave("ADMIN")
               + "\nUserPassWord=" + outside::codificarClave("admin") + "\n[" + seccion + "]\nFlatToolbars=0\n")
                  .toUtf8());
    ini.close();
    gFlatToolbars = 5;
    IniciarAplicacion(true, {}, textoConexion, 3);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gServidor, "sqlite");
    EXPECT_EQ(gUsuarioLogeado, "ADMIN");
    EXPECT_EQ(gClaveUsuario, "admin");
    EXPECT_EQ(gCaja, "1");
    EXPECT_EQ(gFlatToolbars, 0);
}

} // namespace
