#include "db/frmAcceso.h"

#include "db/AccesoDirecto.h"
#include "db/DB_Dll.h"
#include "db/LBM_Common.h"
#include "platform/ado/Connection.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Errors of the registration that are passed over: the connection was already closed, and
// those the outside registration program reports when it is already set up.
bool seIgnora(long numero)
{
    return numero == rt::err::AdoObjectClosed || numero == -2147023840 || numero == 1056 || numero == 440
           || numero == 20480;
}

int avisarFalloRegistro(const rt::RuntimeError &error)
{
    if (seIgnora(error.Number))
        return rt::AnswerIgnore;
    const QString numero = (error.Number >= 0 ? QStringLiteral(" ") : QString()) + QString::number(error.Number);
    ui::MsgBox(QStringLiteral("SQL Server start failed.  ") + QStringLiteral("\r") + QStringLiteral("SQL-DMO error:  ")
                   + numero + QStringLiteral(" ") + error.Description,
               ui::vbOKOnly);
    return 0;
}

} // namespace

bool frmAcceso::ExisteBaseDeDatos(const QString &Servidor, const QString &Dbname, const QString &Usuario,
                                  const QString &Password, const QString &Proveedor)
{
    const QString cadena = QStringLiteral("PROVIDER=") + Proveedor + QStringLiteral(";") + QStringLiteral("Server=")
                           + Servidor + QStringLiteral(";") + QStringLiteral("Database =") + Dbname
                           + QStringLiteral(";") + QStringLiteral("UId=") + Usuario + QStringLiteral(";")
                           + QStringLiteral("Pwd=") + Password + QStringLiteral(";");
    ado::Connection prueba;
    try {
        prueba.Open(cadena, QString(), QString());
        prueba.Close();
        return true;
    } catch (const rt::RuntimeError &) {
        return false;
    }
}

bool frmAcceso::registrarConexion(const QString &clave)
{
    const QString base = TxtDbName->text();
    const QString servidor = TxtServidor->text();
    const QString baseMayusculas = rt::UCase(base);
    if (ExisteBaseDeDatos(servidor, baseMayusculas, baseMayusculas, baseMayusculas, QStringLiteral("SQLOLEDB"))) {
        AgregarBaseArchivo(clave, base, base, base, servidor, QString(), false);
        return true;
    }
    // The typed login, tried on a connection object of the dialog's own.
    DB_Dll prueba;
    prueba.gServidor = servidor;
    prueba.gUsuario = TxtUserId->text();
    prueba.gUserPassWord = TxtUserPassword->text();
    prueba.gDBName = base;
    prueba.OpenServerADODB(false, 3, QString(), false, false);
    if (prueba.gOpenFlag) {
        AgregarBaseArchivo(clave, base, base, base, servidor, QString(), false);
        return true;
    }
    ui::MsgBox(QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR ") + servidor
                   + QStringLiteral(" VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO"),
               ui::vbInformation + ui::vbOKOnly, QStringLiteral("AVISO AL OPERADOR"));
    return false;
}

void frmAcceso::CmdRegistrar_Click()
{
    const rt::StepRunner pasos(avisarFalloRegistro);
    QString clave;
    QString servidor;
    bool repetida = false;
    const bool probada = pasos.proceed([&] {
        QString parteServidor = rt::UCase(rt::Trim(TxtServidor->text()));
        const int dosPuntos = rt::InStr(parteServidor, QStringLiteral(":"));
        if (dosPuntos > 0)
            parteServidor = rt::Left(parteServidor, dosPuntos - 1);
        clave = rt::UCase(rt::Trim(TxtDbName->text())) + QStringLiteral(" / ") + parteServidor;
    }) && pasos.proceed([&] {
        m_encontrada.servidor.clear();
        DatosBase(clave);
        repetida = !rt::Trim(m_encontrada.servidor).isEmpty();
    }) && !repetida && pasos.proceed([&] {
        const rt::Currency puerto = gUtil->ValorNumerico(TxtPuerto->text());
        m_puerto = puerto == rt::Currency() ? QStringLiteral("1433") : rt::CStr(rt::Variant(puerto));
    }) && pasos.proceed([&] {
        for (QLineEdit *edit : {TxtServidor, TxtUserId, TxtUserPassword, TxtDbName})
            edit->setText(rt::Trim(edit->text()));
        servidor = TxtServidor->text();
    });
    if (repetida) {
        ui::MsgBox(QStringLiteral("La conexion que intenta registrar ya existe "), ui::vbInformation + ui::vbOKOnly,
                   QStringLiteral("Atencion"));
        return;
    }
    if (probada)
        pasos.run([&] { registrarConexion(clave); });
    const rt::StepRunner finales([](const rt::RuntimeError &error) {
        avisarFalloRegistro(error);
        return rt::AnswerIgnore;
    });
    finales.run([&] { lanzarRegistroOdbc(servidor, TxtDbName->text()); });
    finales.run([&] { llenarlist(); });
}

void frmAcceso::lanzarRegistroOdbc(const QString &servidor, const QString &base)
{
    const QString programa = CarpetaAplicacion() + QStringLiteral("ODBC.exe");
    if (!QFileInfo(programa).isFile())
        return;
    QProcess::startDetached(
        programa, {QStringLiteral("Server=") + servidor + QStringLiteral(";DB=") + base + QStringLiteral(";")});
}

void frmAcceso::CmdLineaComando_Click()
{
    const QString escritorio = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    try {
        AccesoDirecto::crear(escritorio, QCoreApplication::applicationFilePath());
    } catch (const rt::RuntimeError &) {
        ui::MsgBox(QStringLiteral("No se pudo crear el acceso directo en ") + escritorio,
                   ui::vbInformation + ui::vbOKOnly, QStringLiteral("Atencion"));
    }
}

bool frmAcceso::EjecutarCmdRegDB(const QString &Archivo, QString &ErrDevuelto)
{
    QStringList partes = QProcess::splitCommand(Archivo);
    QProcess proceso;
    if (!partes.isEmpty()) {
        const QString programa = partes.takeFirst();
        proceso.start(programa, partes);
    }
    if (!proceso.waitForStarted()) {
        ErrDevuelto = QStringLiteral("Error al ejecutar el comando");
        return false;
    }
    while (proceso.state() != QProcess::NotRunning && !proceso.waitForFinished(50))
        ui::DoEvents();
    return true;
}
