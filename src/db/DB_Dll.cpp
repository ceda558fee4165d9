#include "db/DB_Dll.h"

#include "db/Conexiones.h"
#include "db/DialogoAcceso.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/Programa.h"
#include "session/Sesion.h"

namespace {

using rt::CompareMode;

const QString Cr = QStringLiteral("\r");
const QString Crlf = QStringLiteral("\r\n");
const QString OracleProvider = QStringLiteral("OraOLEDB.Oracle.1");

bool holds(const QString &text, const QString &find)
{
    return rt::InStr(text, find, CompareMode::Text) > 0;
}

// The failure text of a server connection, built from the provider's first error. It names the
// main connection's server and user whichever object failed: only the main connection opens with
// its failures shown.
QString textoFalloConexion(const ado::Error &error)
{
    return QStringLiteral(" Estado de Sql: ") + error.SQLState + Cr + QStringLiteral("Numero de Error: ")
           + QString::number(error.Number) + Cr + QStringLiteral("Descripcion: ") + error.Description + Cr
           + QStringLiteral("Codigo Nativo: ") + QString::number(error.NativeError) + Cr + Crlf
           + QStringLiteral("Nombre de Proceso: ") + NombrePrograma + Cr + Crlf + Crlf
           + QStringLiteral("1. Verifique el Usuario, contraseña y base de datos") + Crlf
           + QStringLiteral("2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, "
                            "por ejemplo : ")
           + gBaseDatos->gServidor + QStringLiteral("\\PLEXOR") + Crlf
           + QStringLiteral("3. Verifique si el inicio de sesion para el usuario ") + gBaseDatos->gUsuario
           + QStringLiteral(" existe") + Crlf + Crlf + Crlf + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

bool esVerdadero(const rt::Variant &value)
{
    if (value.isNull() || value.isEmpty())
        return false;
    try {
        return rt::CBool(value);
    } catch (const rt::RuntimeError &) {
        return false;
    }
}

} // namespace

void DB_Dll::construirCadenaConexion()
{
    if (holds(gServidor, QStringLiteral("#"))) {
        gConnString = QStringLiteral("Provider=") + OracleProvider + QStringLiteral(";Data Source=") + gDBName
                      + QStringLiteral(";User Id=") + gUsuario + QStringLiteral(";Password=") + gUserPassWord
                      + QStringLiteral(";");
        return;
    }
    gConnString = QStringLiteral("PROVIDER=") + pSQLOLEDB() + QStringLiteral(";") + QStringLiteral("Server=")
                  + gServidor + QStringLiteral(";") + QStringLiteral("Database =") + gDBName + QStringLiteral(";")
                  + QStringLiteral("UId=") + gUsuario + QStringLiteral(";") + QStringLiteral("Pwd=") + gUserPassWord
                  + QStringLiteral(";") + gExtended;
}

bool DB_Dll::pasoDialogo()
{
    DatosAcceso datos{gDBName, gServidor, gUsuarioLogeado, gClaveUsuario, 0};
    gOpenFlag = dialogoAcceso().mostrar(datos);
    if (!gOpenFlag)
        return false;
    // The database login is named after the database, with the database name as password.
    gDBName = datos.TxtDbName;
    gServidor = datos.TxtServidor;
    gUsuario = datos.TxtDbName;
    gUserPassWord = datos.TxtDbName;
    if (datos.CboPlataformaDB > 0) {
        gProveedor = OracleProvider;
        if (!holds(gServidor, QStringLiteral("#")))
            gServidor = QStringLiteral("#") + gServidor;
    } else {
        gProveedor = pSQLOLEDB();
    }
    return true;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, long lCursor, const QString &ConnString, bool ValidaAdmin,
                             bool MuestraError)
{
    bool cerradoUnaVez = false;
    gOpenFlag = true;
    if (gProveedor.isEmpty())
        gProveedor = pSQLOLEDB();

    auto reabrirSiYaAbierta = [&](const rt::RuntimeError &error) {
        if (error.Number != rt::err::AdoObjectOpen || cerradoUnaVez)
            return false;
        cerradoUnaVez = true;
        // Already closed: the retry opens it anyway.
        rt::resumeNext([&] { gCnn.Close(); });
        return true;
    };
    // A failed open never leaves gOpenFlag True.
    auto handler = [&](const rt::RuntimeError &error) -> int {
        if (!MuestraError) {
            if (reabrirSiYaAbierta(error))
                return rt::AnswerRetry;
            gOpenFlag = false;
            return 0;
        }
        if (gCnn.Errors().Count() > 0) {
            const int answer = ui::MsgBox(textoFalloConexion(gCnn.Errors()(0)), ui::vbCritical + ui::vbYesNo,
                                          QStringLiteral(" Error de Conexion a Base de Datos"));
            if (answer != ui::vbYes) {
                gOpenFlag = false;
                return 0;
            }
            gCnn.Errors().Clear();
            try {
                dialogoAcceso().ocultar();
                if (!pasoDialogo())
                    return 0;
            } catch (const rt::RuntimeError &) {
                gOpenFlag = false;
                return 0;
            }
            construirCadenaConexion();
            return rt::AnswerRetry;
        }
        if (reabrirSiYaAbierta(error))
            return rt::AnswerRetry;
        ui::MsgBox(error.Description, ui::vbOKOnly);
        gOpenFlag = false;
        return 0;
    };

    const rt::StepRunner steps(handler);
    bool abierta = steps.proceed([&] {
        if (rt::Trim(ConnString).isEmpty())
            construirCadenaConexion();
        else
            gConnString = ConnString;
    });
    if (abierta && PideParametrosSQL) {
        abierta = steps.proceed([&] {
            if (pasoDialogo())
                construirCadenaConexion();
        });
        if (!gOpenFlag)
            return;
    }
    abierta = abierta && steps.proceed([&] { gCnn.setCursorLocation(static_cast<int>(lCursor)); });
    abierta = abierta && steps.proceed([&] {
        gCnn.Errors().Clear();
        gCnn.Open(gConnString, QString(), QString());
    });
    if (!abierta)
        return;
    if (!ValidaAdmin) {
        gEsAdmin = true;
        return;
    }
    if (rt::Trim(gDBName).isEmpty())
        return;
    if (!steps.proceed([&] { gCnn.setDefaultDatabase(gDBName); }))
        return;
    steps.run([&] {
        // The users live in the main database: it is asked whichever object is opening.
        if (!gBaseDatos->ExisteTablaDB(QStringLiteral("TA_USUARIOS")))
            return;
        if (!MuestraError) {
            gEsAdmin = true;
            return;
        }
        const rt::Variant administrador =
            DatosTabla(QStringLiteral("ta_usuarios"), gUsuarioLogeado, QStringLiteral("Administrador"),
                       QStringLiteral("nombre"), 8, {}, true, false);
        gEsAdmin = rt::Val(m_util.ValorCampo(administrador)) == 1;
    });
}

void DB_Dll::ReintentaConectar()
{
    gOpenFlag = false;
    const rt::StepRunner steps([this](const rt::RuntimeError &error) -> int {
        if (error.Number == rt::err::AdoObjectClosed)
            return rt::AnswerIgnore;
        gOpenFlag = false;
        if (error.Number == rt::err::AdoEFail)
            return 0;
        return TratamientoErrores(error, std::nullopt, QStringLiteral("AbrirRecordset"));
    });
    if (!steps.proceed([this] { gCnn.setCommandTimeout(90); }))
        return;
    if (!steps.proceed([this] { gCnn.Close(); }))
        return;
    // Each connection reopens with its own login, so the statistics connection comes back too.
    if (!steps.proceed([this] { gCnn.Open(gCnn.ConnectionString(), gUsuario, gUserPassWord); }))
        return;
    gOpenFlag = true;
}

bool DB_Dll::pasoArchivo()
{
    CmdDlg.setDialogTitle(QStringLiteral("Buscar Base de Datos"));
    CmdDlg.setFilter(QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    CmdDlg.ShowOpen();
    gDBName = CmdDlg.FileName();
    return !CmdDlg.Cancelled();
}

void DB_Dll::OpenLocalADODB(const QString &ConnString, const QString &CadenaID, const QString &CadenaPWD)
{
    constexpr int MaximoClaves = 3;
    int clavesProbadas = 0;
    QString clavePendiente;
    gOpenFlag = false;
    for (;;) {
        if (rt::Trim(gDBName).isEmpty() && !pasoArchivo())
            return;
        const QString cadena = !ConnString.isEmpty()
                                   ? ConnString
                                   : QStringLiteral("PROVIDER=") + gProveedor + QStringLiteral(";")
                                         + QStringLiteral("Data Source =") + gDBName + QStringLiteral(";") + CadenaID
                                         + QStringLiteral("=") + gUsuario + QStringLiteral(";") + CadenaPWD
                                         + QStringLiteral("=") + gUserPassWord + QStringLiteral(";") + gExtended
                                         + clavePendiente;
        try {
            gCnn.Errors().Clear();
            gCnn.Open(cadena, QString(), QString());
            gConnString = cadena;
            gOpenFlag = true;
            return;
        } catch (const rt::RuntimeError &error) {
            const QString estado = gCnn.Errors().Count() > 0 ? gCnn.Errors()(0).SQLState : QString();
            if (estado == QLatin1String("3024") || estado == QLatin1String("3051") || estado == QLatin1String("3044")) {
                if (!pasoArchivo())
                    return;
                continue;
            }
            // The file needs a password: the stored one, or asked for, up to three answers.
            if (estado == QLatin1String("3031") && clavesProbadas < MaximoClaves) {
                ++clavesProbadas;
                clavePendiente =
                    esVerdadero(gIgnoraPassWord)
                        ? QStringLiteral("Jet OLEDB:Database Password=") + gUserPassWord + QStringLiteral(";")
                        : QStringLiteral(" Jet OLEDB:Database Password=")
                              + ui::InputBox(QStringLiteral("ingrese el password:"), QStringLiteral("Password Access"))
                              + QStringLiteral(";");
                continue;
            }
            ui::MsgBox(QString::number(error.Number) + QStringLiteral("  ") + error.Description,
                       ui::vbCritical + ui::vbOKOnly);
            return;
        }
    }
}
