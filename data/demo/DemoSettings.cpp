#include "demo/DemoSettings.h"

#include "demo/BatchInserter.h"
#include "demo/DemoCatalog.h"
#include "demo/SqlLiteral.h"
#include "platform/ado/Recordset.h"
#include "platform/outside/ClaveGuardada.h"

#include <utility>

namespace demo {

namespace {

using Setting = std::pair<const char *, QString>;

QList<Setting> companySettings()
{
    return {
        {"NOMBRE", company::name()},
        {"CUIT", company::cuit()},
        {"CONDIVAEMPRESA", QStringLiteral("1")},
        {"INICIOACTIVIDADES", QStringLiteral("01/06/1998")},
        {"NROINGRESOSBRUTOS", QStringLiteral("901-123456-7")},
        {"CALLE", QStringLiteral("Av. San Martin")},
        {"NUMERO", QStringLiteral("1234")},
        {"PISO", QString()},
        {"Departamento", QString()},
        {"LOCALIDAD", QStringLiteral("Santa Rosa")},
        {"CPOSTAL", QStringLiteral("6300")},
        {"PROVINCIA", QStringLiteral("La Pampa")},
        {"TELEFONO", QStringLiteral("02954 555-0100")},
        {"CantidadDecimales", QStringLiteral("2")},
        {"SeparadorHora", QStringLiteral(":")},
        {"UTILIZARFECHADIA", QStringLiteral("NO")},
        {"SS_CONFIDENCIALIDAD", QStringLiteral("NO")},
        {"MADERERA", QStringLiteral("NO")},
        {"CuentaDesCuentosOtorgados", QString::fromLatin1(account::DiscountsGranted)},
        {"CuentaDesCuentosObtenidos", QString::fromLatin1(account::DiscountsObtained)},
        {"CobranzasItems", QStringLiteral("10")},
        {"IncluirCuitLibrador", QStringLiteral("SI")},
        {"CTA_RET_OTRA_1.1.04.04", QStringLiteral("SU")},
        {"NoMostrarImportesEnOT", QStringLiteral("NO")},
        {"PrintLogo_FC_NC_ND", QStringLiteral("NO")},
        {"PrintLogo_Proforma", QStringLiteral("NO")},
        {"PrintLogo_Otros", QStringLiteral("NO")},
        {"RETAIL", QStringLiteral("NO")},
        {"IgnoraImportesCeroEnOC", QStringLiteral("NO")},
        {"RobaIvaProforma", QStringLiteral("NO")},
        {"copias_efactura", QStringLiteral("1")},
        {"RUTA_FORMULARIOS_EFACTURA", QStringLiteral("eFactura")},
        {"FechaInicioeFacQR", QStringLiteral("01/03/2021")},
    };
}

// Through an updatable recordset, not INSERT text: the engine would read values such as
// "01/03/2021" in a literal as dates, and these keys keep them as typed.
void addSetting(ado::Recordset &rs, const QString &key, const QString &value, const QString &auxiliary = {})
{
    rs.AddNew();
    rs.Fields(QStringLiteral("CLAVE")).setValue(key);
    rs.Fields(QStringLiteral("VALOR")).setValue(value);
    if (!auxiliary.isEmpty())
        rs.Fields(QStringLiteral("VALORAUX")).setValue(auxiliary);
    rs.Update();
}

void writeConfiguration(ado::Connection &company)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_CONFIGURACION"), company, ado::adOpenDynamic, ado::adLockOptimistic);
    for (const auto &[key, value] : companySettings())
        addSetting(rs, QString::fromLatin1(key), value);
    addSetting(rs, QStringLiteral("FormaDePago_UN_") + company::unit(), QString(), QStringLiteral("Contado"));
    rs.Close();
}

void writeUsers(ado::Connection &company)
{
    BatchInserter users(company, QStringLiteral("TA_USUARIOS"),
                        {QStringLiteral("NOMBRE"), QStringLiteral("SISTEMA"), QStringLiteral("Password"),
                         QStringLiteral("Administrador"), QStringLiteral("UNegocio"), QStringLiteral("verproforma")});
    users.add({sql::text(QStringLiteral("ADMIN")), sql::text(QStringLiteral("cn000pr")),
               sql::text(storedPassword(adminPassword())), sql::integer(1), sql::text(company::unit()),
               sql::integer(0)});
    users.add({sql::text(QStringLiteral("OPERADOR")), sql::text(QStringLiteral("cn000pr")),
               sql::text(storedPassword(operatorPassword())), sql::integer(0), sql::text(company::unit()),
               sql::integer(0)});
    users.flush();

    company.Execute(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) "
                                   "VALUES ('M01', 'comisiones', 'COMISIONES POR VENDEDOR')"));
    company.Execute(
        QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ADMIN', 'M01'), ('OPERADOR', 'M01')"));
}

void writeBusinessUnit(ado::Connection &company)
{
    company.Execute(
        QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, razon_social, Cuit, PDV, usaefc, "
                       "ruta_reporte) VALUES (%1, 'CASA CENTRAL', %2, %3, '0001', 0, '')")
            .arg(sql::text(company::unit()), sql::text(company::name()), sql::text(company::cuit())));
}

} // namespace

QString adminPassword()
{
    return QStringLiteral("admin");
}

QString operatorPassword()
{
    return QStringLiteral("operador");
}

QString storedPassword(const QString &plain)
{
    return outside::codificarClave(plain);
}

void writeSettings(ado::Connection &company)
{
    writeConfiguration(company);
    writeUsers(company);
    writeBusinessUnit(company);
}

void writeStatisticsSettings(ado::Connection &statistics)
{
    statistics.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, Grupo, PoliticaNegocio) "
                                      "VALUES ('TIMEOUT', '90', 'BaseDeDatos', 0)"));
}

} // namespace demo
