#include "core/IniciarAplicacion.h"

#include "core/Auditoria.h"
#include "core/ConfiguracionSesion.h"
#include "core/Estadisticas.h"
#include "core/Login.h"
#include "core/ParametrosComando.h"
#include "core/Permisos.h"
#include "core/ServiciosVarios.h"
#include "db/Conexiones.h"
#include "db/frmAcceso.h"
#include "platform/ado/Connection.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/CarpetasPrograma.h"
#include "session/Dll_Display.h"
#include "session/ObjetosExternos.h"
#include "session/Programa.h"
#include "session/RegistroErrores.h"
#include "session/Sesion.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using rt::CompareMode;

const QString ArchivoIni = QStringLiteral("CN000pr.INI");
const QString ClaveGuardadaUsuario = QStringLiteral("* *");
constexpr int LargoIdentidad = 50;
constexpr int IntentosLogin = 3;

bool iguales(const QString &a, const QString &b)
{
    return rt::StrComp(a, b, CompareMode::Text) == 0;
}

// While another program holds the database for writing, a statement of the start-up waits up to
// the command time-out: the banner says so, instead of a still "Iniciando Aplicacion".
class AvisoDeEspera {
public:
    AvisoDeEspera()
    {
        gBaseDatos->gCnn.setLockWaitHandler([] {
            bool cancelado = false;
            gCartel->CartelMostrar(cancelado, rt::Variant(QStringLiteral("Esperando la Base de Datos")),
                                   rt::Variant(QStringLiteral("ocupada por otro programa")),
                                   rt::Variant(QStringLiteral("Espere por favor")));
        });
    }
    ~AvisoDeEspera() { gBaseDatos->gCnn.setLockWaitHandler({}); }
    AvisoDeEspera(const AvisoDeEspera &) = delete;
    AvisoDeEspera &operator=(const AvisoDeEspera &) = delete;
};

// One run of the start-up: the values worked out on the way and the one error rule.
class Arranque {
public:
    Arranque(bool usarArchivoIni, const QString &textoComando, QString &textoConexion, long ubicacionCursor)
        : m_usarArchivoIni(usarArchivoIni)
        , m_textoComando(textoComando)
        , m_textoConexion(textoConexion)
        , m_ubicacionCursor(ubicacionCursor)
        , m_pasos([this](const rt::RuntimeError &error) { return tratarError(error); })
    {
    }

    void ejecutar();

private:
    enum class Resultado { Entro, Reabierta };

    int tratarError(const rt::RuntimeError &error);
    // Runs one statement of step `paso` under the error rule: error 5 skips it, any other ends
    // the program. True when it ran to its end.
    bool sentencia(const char *paso, const std::function<void()> &cuerpo);
    [[noreturn]] void terminar() const;

    void abrirCartel();
    void leerArchivoIni();
    void identificarEquipo();
    void leerParametros();
    void leerParametro(const QString &clave, QString &destino, const QString &siFalta);
    void servidorOracle();
    void conectar(bool pideParametros, const QString &cadena);
    void prepararConexion();
    void prepararBase();
    void claveGuardada();
    bool validar();
    void iniciarSesion();
    Resultado pedirLogin();
    void reabrir(const frmAcceso &dialogo);
    void recalcularAdministrador();

    bool m_usarArchivoIni;
    QString m_textoComando;
    QString &m_textoConexion;
    long m_ubicacionCursor;
    rt::StepRunner m_pasos;
    const char *m_paso = "1";
    QString m_carpeta;
    QString m_comando;
    QString m_servidor;
    QString m_base;
    QString m_usuario;
    QString m_clave;
};

int Arranque::tratarError(const rt::RuntimeError &error)
{
    gCartel->CartelCerrar();
    if (error.Number == rt::err::InvalidProcedureCall)
        return rt::AnswerIgnore;
    // Ending in silence would leave the operator waiting for a window that never comes: the error
    // is logged, then shown, with where its trace was left.
    const QString registro = CarpetaEscritura() + QStringLiteral("QVERR.LOG");
    const QString rutina = QStringLiteral("IniciarAplicacion, paso ") + QLatin1String(m_paso);
    const QString mensaje =
        QStringLiteral("Error ") + QString::number(error.Number) + QStringLiteral(": ") + error.Description;
    const QString rastro = RegistroErrores::agregar(registro, rutina, mensaje, 0)
                               ? QStringLiteral("Se escribió en el registro de errores ")
                               : QStringLiteral("No se puede escribir el registro de errores ");
    ui::MsgBox(
        QStringLiteral("El programa no pudo iniciarse (%1).\r\n%2\r\n\r\n%3%4").arg(rutina, mensaje, rastro, registro),
        ui::vbCritical + ui::vbOKOnly, NombrePrograma);
    terminar();
}

bool Arranque::sentencia(const char *paso, const std::function<void()> &cuerpo)
{
    m_paso = paso;
    bool completa = false;
    m_pasos.run([&] {
        cuerpo();
        completa = true;
    });
    return completa;
}

void Arranque::terminar() const
{
    ui::EndProgram();
}

void Arranque::abrirCartel()
{
    sentencia("1", [] { gCartel->CartelInicio(QStringLiteral("Conectando Base de Datos"), 0); });
    sentencia("1", [] {
        bool cancelado = false;
        gCartel->CartelMostrar(cancelado, rt::Variant(QStringLiteral("Iniciando Aplicacion")),
                               rt::Variant(NombrePrograma), rt::Variant(QStringLiteral("Espere por favor")));
    });
}

void Arranque::leerArchivoIni()
{
    if (!rt::Trim(m_comando).isEmpty() || !m_usarArchivoIni)
        return;
    // The section is built from the full identity, never from the cut gEquipoUsuario.
    const auto leer = [](const QString &clave, const QString &defecto) {
        const QString seccion = rt::UCase(gEquipo->NombreEquipo()) + QStringLiteral("|")
                                + rt::UCase(gEquipo->UsuarioEquipo()) + QStringLiteral("BaseDeDatos");
        QString valor;
        gIni->LeerIni(ArchivoIni, seccion, clave, defecto, valor);
        return valor;
    };
    QString servidor;
    QString base;
    QString usuario;
    QString clave;
    sentencia("5", [&] { servidor = leer(QStringLiteral("Servidor"), {}); });
    sentencia("5", [&] { base = leer(QStringLiteral("DbName"), {}); });
    sentencia("5", [&] {
        usuario =
            gUtil->DecodificarClave(leer(QStringLiteral("Usuario"), gUtil->CodificarClave(QStringLiteral("Quorvel"))));
    });
    sentencia("5", [&] {
        clave = gUtil->DecodificarClave(
            leer(QStringLiteral("UserPassWord"), gUtil->CodificarClave(QStringLiteral("tralvez"))));
    });
    for (QString *valor : {&servidor, &base, &usuario, &clave})
        *valor = gUtil->QuitarCaracter(*valor, QStringLiteral("|"));
    m_comando = ComandoDesdeIni(servidor, base, usuario, clave);
}

void Arranque::identificarEquipo()
{
    sentencia("6", [] {
        const QString identidad =
            rt::UCase(gEquipo->NombreEquipo()) + QStringLiteral("|") + rt::UCase(gEquipo->UsuarioEquipo());
        gEquipoUsuario =
            rt::Len(rt::Trim(identidad)) > LargoIdentidad ? rt::Left(identidad, LargoIdentidad) : identidad;
    });
    sentencia("7", [] {
        QString valor;
        gIni->LeerIni(ArchivoIni, gEquipoUsuario, QStringLiteral("FlatToolbars"), QStringLiteral("1"), valor);
        gFlatToolbars = rt::Val(valor);
    });
}

void Arranque::leerParametro(const QString &clave, QString &destino, const QString &siFalta)
{
    if (!ExisteParametro(m_comando, clave)) {
        destino = siFalta;
        return;
    }
    // A value without its ";" keeps what the target held; the cleaning runs on that.
    sentencia("9", [&] { destino = ValorParametro(m_comando, clave); });
    destino = LimpiarValor(destino);
}

void Arranque::leerParametros()
{
    leerParametro(QStringLiteral("@ParametroAdicional"), gParametroAdicional, {});
    leerParametro(QStringLiteral("@Menu"), gMenu, {});
    leerParametro(QStringLiteral("@Server"), m_servidor, {});
    leerParametro(QStringLiteral("@DbName"), m_base, {});
    leerParametro(QStringLiteral("@Usuario"), m_usuario, {});
    leerParametro(QStringLiteral("@UsuarioLogeado"), gUsuarioLogeado, rt::Trim(m_usuario));
    if (rt::Trim(gUsuarioLogeado).isEmpty())
        gUsuarioLogeado = rt::Trim(m_usuario);
    if (ExisteParametro(m_comando, QStringLiteral("@Password"))) {
        leerParametro(QStringLiteral("@Password"), m_clave, {});
        gClaveUsuario = iguales(m_clave, m_base) ? ClaveGuardadaUsuario : m_clave;
    }
    leerParametro(QStringLiteral("@Caja"), gCaja, QStringLiteral("1"));
}

void Arranque::servidorOracle()
{
    if (rt::Trim(m_servidor).isEmpty() || rt::Left(m_servidor, 1) != QLatin1String("#"))
        return;
    m_servidor = rt::Mid(m_servidor, 2);
    if (m_textoConexion.isEmpty())
        m_textoConexion = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + m_base
                          + QStringLiteral(";User Id=") + m_usuario + QStringLiteral(";Password=") + m_clave
                          + QStringLiteral(";");
}

void Arranque::conectar(bool pideParametros, const QString &cadena)
{
    sentencia("11", [&] { gBaseDatos->OpenServerADODB(pideParametros, m_ubicacionCursor, cadena, true, true); });
    if (!gBaseDatos->gOpenFlag)
        terminar();
}

void Arranque::prepararConexion()
{
    sentencia("12", [] { ConectarEstadisticas(); });
    sentencia("12", [] { gBaseDatos->gCnn.setCommandTimeout(gTiempoEspera); });
    sentencia("12", [] { gBaseDatos->gCnn.setIsolationLevel(ado::adXactReadUncommitted); });
    // Reports read through the program's own connection rather than logging on again.
    sentencia("12", [] { gImpresion->setConexion(&gBaseDatos->gCnn); });
}

void Arranque::prepararBase()
{
    DB_Dll &base = *gBaseDatos;
    if (base.gDBName.isEmpty())
        return;
    sentencia("13", [&] {
        gCadenaODBC = QStringLiteral("DSN=") + base.gDBName + QStringLiteral("; UID=") + base.gUsuario
                      + QStringLiteral("; PWD=") + base.gUserPassWord;
    });
    sentencia("13", [&] { gImpresion->setCarpetaAplicacion(m_carpeta); });
    sentencia("13", [&] { base.gCnn.setDefaultDatabase(base.gDBName); });
    sentencia("13", [&] {
        gBuscador->setCadenaConexion(base.gConnString);
        gBuscador->setHabilitado(true);
        gBuscador->setArchivoConsultas(CarpetaEscritura() + QStringLiteral("consultas.ntw"));
    });
    sentencia("13", [] {
        if (!ExisteArchivo(gBuscador->ArchivoConsultas()))
            CargarTablasBusqueda();
    });
    sentencia("13", [&] { base.gCnn.setDefaultDatabase(base.gDBName); });
    sentencia("13", [&] { CargarConfiguracion(m_carpeta); });
}

void Arranque::claveGuardada()
{
    if (gClaveUsuario != ClaveGuardadaUsuario)
        return;
    sentencia("14", [] {
        rt::Variant tipo(QStringLiteral("'"));
        gClaveUsuario =
            rt::CStr(gBaseDatos->DatosTabla(QStringLiteral("ta_usuarios"), gUsuarioLogeado, QStringLiteral("password"),
                                            QStringLiteral("Nombre"), tipo, {}, true, false));
    });
    sentencia("14", [] { gClaveUsuario = gUtil->DecodificarClave(gClaveUsuario); });
}

bool Arranque::validar()
{
    // A check that fails to run lets nobody in.
    bool valido = false;
    sentencia("15", [&] { valido = ValidaUsuario(gUsuarioLogeado, gClaveUsuario); });
    return valido;
}

void Arranque::recalcularAdministrador()
{
    sentencia("16", [] {
        DB_Dll &base = *gBaseDatos;
        if (rt::Trim(base.gDBName).isEmpty() || !base.ExisteTablaDB(QStringLiteral("TA_USUARIOS")))
            return;
        const rt::Variant administrador =
            base.DatosTabla(QStringLiteral("ta_usuarios"), gUsuarioLogeado, QStringLiteral("Administrador"),
                            QStringLiteral("nombre"), 8, {}, true, false);
        base.gEsAdmin = rt::Val(gUtil->ValorCampo(administrador)) == 1;
    });
}

void Arranque::reabrir(const frmAcceso &dialogo)
{
    DB_Dll &base = *gBaseDatos;
    // The connection follows the login convention: the database's own name as user and password.
    base.gDBName = dialogo.TxtDbName->text();
    base.gServidor = dialogo.TxtServidor->text();
    base.gUsuario = base.gDBName;
    base.gUserPassWord = base.gDBName;
    conectar(rt::Trim(base.gServidor).isEmpty() || rt::Trim(base.gDBName).isEmpty(), QString());
    prepararConexion();
}

Arranque::Resultado Arranque::pedirLogin()
{
    sentencia("16", [] {
        ui::MsgBox(QStringLiteral("El usuario o clave en la base de datos es incorrecto!") + QStringLiteral("\r\n")
                       + QStringLiteral("Intentelo nuevamente"),
                   ui::vbCritical + ui::vbOKOnly, QStringLiteral("Atencion!"));
    });
    for (int intento = 1; intento <= IntentosLogin; ++intento) {
        frmAcceso &dialogo = FormularioAcceso();
        sentencia("16", [&] {
            dialogo.Cargar();
            dialogo.TxtDbName->setText(gBaseDatos->gDBName);
            dialogo.TxtServidor->setText(gBaseDatos->gServidor);
            dialogo.TxtUserId->setText(gUsuarioLogeado);
            dialogo.TxtUserPassword->setText(gClaveUsuario);
            dialogo.CboPlataformaDB->setCurrentIndex(0);
        });
        sentencia("16", [&] { dialogo.MostrarModal(); });
        bool valido = false;
        sentencia("16", [&] { valido = ValidaUsuario(gUsuarioLogeado, gClaveUsuario); });
        if (valido) {
            if (iguales(dialogo.TxtDbName->text(), gBaseDatos->gDBName)
                && iguales(dialogo.TxtServidor->text(), gBaseDatos->gServidor))
                return Resultado::Entro;
            reabrir(dialogo);
            return Resultado::Reabierta;
        }
        sentencia("16", [] {
            ui::MsgBox(QStringLiteral("Usuario o Clave incorrecta"), ui::vbInformation + ui::vbOKOnly,
                       QStringLiteral("Atencion"));
        });
        sentencia("16", [] {
            QString complemento = QStringLiteral("0");
            GrabarAccionCpte({}, {}, complemento, true, false, false,
                             QStringLiteral("Intento de inicio de sesion fallido"), {}, false);
        });
    }
    sentencia("17", [] {
        ui::MsgBox(QStringLiteral("Demasiados intentos para iniciar sesión!") + QStringLiteral("\r\n")
                       + QStringLiteral("Comuniquese con el administrador de sistemas"),
                   ui::vbCritical + ui::vbOKOnly, QStringLiteral("Atencion!"));
    });
    terminar();
}

void Arranque::iniciarSesion()
{
    bool porDialogo = false;
    for (;;) {
        prepararBase();
        claveGuardada();
        if (validar())
            break;
        porDialogo = true;
        if (pedirLogin() == Resultado::Entro)
            break;
    }
    // The rights are those of the user who logged in, not of the one the command line named.
    if (porDialogo)
        recalcularAdministrador();
}

void Arranque::ejecutar()
{
    instalarFrmAcceso();
    const AvisoDeEspera aviso;
    abrirCartel();
    sentencia("2", [this] { m_carpeta = CarpetaAplicacion(); });
    sentencia("3", [] {
        gColorLetra = 0;
        gColorFondo = 0xFFFFFF;
    });
    sentencia("4", [this] { m_comando = m_textoComando.isEmpty() ? LineaComandoProceso() : m_textoComando; });
    leerArchivoIni();
    identificarEquipo();
    if (!gBaseDatos->gOpenFlag) {
        leerParametros();
        servidorOracle();
        sentencia("11", [this] {
            DB_Dll &base = *gBaseDatos;
            base.gUsuario = m_base;
            base.gDBName = m_base;
            base.gUserPassWord = m_base;
            base.gServidor = ObtenerNombreServidor(m_servidor);
        });
        conectar(rt::Trim(m_servidor).isEmpty() || rt::Trim(m_usuario).isEmpty(), m_textoConexion);
        prepararConexion();
    }
    iniciarSesion();
    sentencia("18", [] { VerificarPermiso(QString()); });
    sentencia("19", [] { gCartel->CartelCerrar(); });
}

} // namespace

void IniciarAplicacion(bool UsarArchivoIni, const QString &TextoComando, QString &TextoConexion, long UbicacionCursor)
{
    Arranque(UsarArchivoIni, TextoComando, TextoConexion, UbicacionCursor).ejecutar();
}

void IniciarAplicacion(bool UsarArchivoIni, const QString &TextoComando, const QString &TextoConexion,
                       long UbicacionCursor)
{
    QString conexion = TextoConexion;
    IniciarAplicacion(UsarArchivoIni, TextoComando, conexion, UbicacionCursor);
}
