// The SQL texts of the connection class and of start-up and session run on the embedded schema
// with the demo rows and a settlement of March, built by the program's generator. Keys in
// braces are sample values taken from that settlement.

#include "DemoSettlement.h"

#include "demo/DemoDatabase.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "support/TestDatabase.h"

#include <QList>
#include <QMap>
#include <gtest/gtest.h>

namespace {

enum class Target { Company, Statistics };

// What the last text of an entry must give: rows, none, either, or no result set at all.
enum class Expect { Rows, NoRows, Any, Action };

// One SQL text of the program (or a short sequence, the last one checked), as it sends it,
// with sample values in braces.
struct CorpusEntry {
    const char *name;
    Target target;
    Expect expect;
    QList<const char *> texts;
};

// Listed and reported by its name.
void PrintTo(const CorpusEntry &c, std::ostream *os)
{
    *os << c.name;
}

const QList<CorpusEntry> ConnectionClassTexts = {
    {"ExisteEnTablaByText",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1  * FROM v_COMISIONES_VENDEDOR_CAB with(nolock)  WHERE LTRIM(RTRIM(IdLiquidacion)) ='{n}'"}},
    {"ExisteEnTablaByCondition",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_APL with(nolock)  WHERE  tc = '{tc}' and idcomprobante = '{comprobante}'"}},
    {"ExisteEnTablaConditionWithWhere",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_APL with(nolock)   where tc = '{tc}'"}},
    {"ExisteEnTablaByNumber",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_CAB with(nolock)  WHERE IdLiquidacion = {n}"}},
    {"ExisteEnTablaSTByText",
     Target::Company,
     Expect::Rows,
     {"SELECT * FROM V_TA_VENDEDORES with(nolock)   WHERE IdVendedor ='{seller}'"}},
    {"ExisteEnTablaSTByNumber",
     Target::Company,
     Expect::Rows,
     {"SELECT * FROM V_COMISIONES_VENDEDOR_CAB with(nolock)   WHERE IdLiquidacion = {n}"}},
    {"DatosTablaAdministratorFlag",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ADMIN' "}},
    {"DatosTablaUntrimmed",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM V_TA_VENDEDORES with(nolock)  WHERE IdVendedor ='{seller}' "}},
    {"DatosTablaWithCondition",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='admin '  AND SISTEMA = 'cn000pr'"}},
    {"BuscaMaximo",
     Target::Company,
     Expect::Rows,
     {"SELECT MAX(IdLiquidacion) AS MAYOR FROM V_COMISIONES_VENDEDOR_CAB"}},
    {"BuscaMaximoArticlesWithoutLeadingZero",
     Target::Company,
     Expect::Rows,
     {"SELECT MAX(IDARTICULO) AS MAYOR FROM V_MA_ARTICULOS WHERE substring(ltrim(idarticulo),1,1)<>'0'"}},
    {"BuscaMinimo",
     Target::Company,
     Expect::Rows,
     {"SELECT MIN(IdLiquidacion) AS MENOR FROM V_COMISIONES_VENDEDOR_CAB  with(nolock)  WHERE IdLiquidacion > 0"}},
    {"AddFieldNullable", Target::Company, Expect::Action, {"ALTER TABLE dbo.TA_CONFIG_FORM ADD ORDEN int Null "}},
    {"AddFieldWithDefault",
     Target::Company,
     Expect::Action,
     {"ALTER TABLE dbo.TA_CONFIG_FORM ADD ANCHO varchar(10) Not Null  CONSTRAINT DF_TA_CONFIG_FORM_ANCHO DEFAULT ('0')"}},
    {"ConfidentialAccounts",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1  * FROM SS_MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='1.1.01.01'"}},
    {"ConfidentialCashBoxAfterAdminInsert",
     Target::Company,
     Expect::Rows,
     {"INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('0001','CAJA 1')",
      "SELECT TOP 1 * FROM SS_V_TA_CAJAS with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='0001' "}},
    {"ConfidentialEntriesAndAccounts",
     Target::Company,
     Expect::Rows,
     {"SELECT *, SS_MA_CUENTAS.MEDIODEPAGO FROM SS_MV_ASIENTOS with(nolock) INNER JOIN SS_MA_CUENTAS ON "
      "SS_MV_ASIENTOS.Cuenta = SS_MA_CUENTAS.CODIGO WHERE TC = '{cbtc}' AND SUCURSAL = '{suc}' AND NUMERO = '{num}' AND "
      "LETRA = '{let}' AND SECUENCIA > 1 AND [DEBE-HABER] = 'D'"}},
    {"ConfidentialDepositsFamiliesAndDiaries",
     Target::Company,
     Expect::Any,
     {"SELECT * FROM SS_V_TA_DEPOSITO, SS_V_TA_FAMILIAS, SS_AC_CUENTASDIARIO, SS_AC_CUENTAS_DIARIO_CCOSTO"}},
};

const QList<CorpusEntry> StartUpTexts = {
    {"ServerDate", Target::Company, Expect::Rows, {"select  getDate() as fecha"}},
    {"CfgCompanyName",
     Target::Company,
     Expect::Rows,
     {"SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'NOMBRE'"}},
    {"CfgKeyInAnotherCase",
     Target::Company,
     Expect::Rows,
     {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'cuit'"}},
    {"CfgMissingKey",
     Target::Company,
     Expect::NoRows,
     {"SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'MaxDto'"}},
    {"CfgUpperCasedDateKey",
     Target::Company,
     Expect::NoRows,
     {"SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'"}},
    {"CfgQVTimeOut",
     Target::Statistics,
     Expect::Rows,
     {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"}},
    {"GrabaCfgQVRecordset",
     Target::Statistics,
     Expect::Rows,
     {"SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TimeOut'"}},
    {"ValidaUsuario",
     Target::Company,
     Expect::Rows,
     {"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'ADMIN' AND SISTEMA = 'cn000pr' OR NOMBRE = 'ADMIN' AND SISTEMA = 'VORN'"}},
    {"SessionUserRow",
     Target::Company,
     Expect::Rows,
     {"Select * from ta_usuarios  with(nolock)  where Nombre = 'OPERADOR'"}},
    {"StoredPasswordLookUp",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='ADMIN' "}},
    {"PermissionCheck",
     Target::Company,
     Expect::Rows,
     {"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) INNER JOIN "
      "TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'OPERADOR ') AND (TA_MENU.Proceso LIKE "
      "'%comisiones%')"}},
    {"AccessRowRolledBack",
     Target::Company,
     Expect::Action,
     {"BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES "
      "('PC01','ADMIN','COMISIONES','','05/03/24 10:15','ADMIN')\r",
      "ROLLBACK TRANSACTION"}},
    {"AccessLogFirstRow", Target::Company, Expect::Any, {"Select TOP 1 * from Control_Acceso  with(nolock) "}},
    {"FailedLoginAudit",
     Target::Company,
     Expect::Action,
     {" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,Proceso,"
      "ProcesoLote,Cuenta) VALUES ('    ','',0,'A','05/03/2024 10:15:00','ADMIN','PC01','Intento de inicio de sesion "
      "fallido','comisiones ','','')"}},
    {"ErrorRowRecordset", Target::Company, Expect::NoRows, {"select  top 1 * from AUX_ERR  with(nolock) "}},
    {"CashBoxLookUp",
     Target::Company,
     Expect::NoRows,
     {"SELECT TOP 1 * FROM V_TA_Cajas with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='0001' "}},
    {"CashBoxInsertedThenFound",
     Target::Company,
     Expect::Rows,
     {"INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('0001','CAJA 1')",
      "SELECT TOP 1 * FROM V_TA_Cajas with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='0001' "}},
    {"BusinessUnit",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1  * FROM v_ta_unidadNegocio with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='0001'"}},
};

// The settlement code's own texts run in the settlement tests and, for the generator, when the
// corpus fixture builds its settlement; this fallback of the discount account runs in neither.
const QList<CorpusEntry> SettlementTexts = {
    {"DiscountAccountOfTaxSettings",
     Target::Company,
     Expect::Rows,
     {"SELECT TOP 1 CB_DESCUENTO FROM TA_CUENTASIVA with(nolock)"}},
};

class SqlCorpus : public ::testing::TestWithParam<CorpusEntry> {
protected:
    // One demo database with a settlement of March, copied for each text.
    static void SetUpTestSuite()
    {
        s_model = std::make_unique<TestDatabase>();
        s_model->fillDemo(demo::MinimumCollections, 1);
        buildSettlement(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
        const auto sample = s_model->rows(QStringLiteral(
            "SELECT c.idVendedor, c.CbTc, c.IdCobranza, a.Tc, a.idComprobante, c.IdLiquidacion FROM "
            "V_COMISIONES_VENDEDOR_COB c JOIN V_COMISIONES_VENDEDOR_APL a ON a.IdLiquidacion = c.IdLiquidacion AND "
            "a.CbTc = c.CbTc AND a.IdCobranza = c.IdCobranza WHERE c.CbTc = 'CB' AND c.idVendedor <> '' ORDER BY c.rowid "
            "LIMIT 1"));
        ASSERT_EQ(sample.size(), 1) << "the demo settlement has no paid voucher to sample";
        const QString collection = rt::CStr(sample[0][2]);
        s_values = {{"n", rt::CStr(sample[0][5])},    {"seller", rt::CStr(sample[0][0])},
                    {"cbtc", rt::CStr(sample[0][1])}, {"suc", collection.mid(0, 4)},
                    {"num", collection.mid(4, 8)},    {"let", collection.mid(12, 1)},
                    {"tc", rt::CStr(sample[0][3])},   {"comprobante", rt::CStr(sample[0][4])}};
    }
    static void TearDownTestSuite() { s_model.reset(); }

    void SetUp() override { m_db = TestDatabase::copyOf(*s_model); }

    static QString substituted(QString text)
    {
        for (auto it = s_values.cbegin(); it != s_values.cend(); ++it)
            text.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value());
        return text;
    }

    static inline std::unique_ptr<TestDatabase> s_model;
    static inline QMap<QString, QString> s_values;
    std::unique_ptr<TestDatabase> m_db;
};

TEST_P(SqlCorpus, Runs)
{
    const CorpusEntry &entry = GetParam();
    ado::Connection &connection =
        entry.target == Target::Statistics ? m_db->statisticsConnection() : m_db->connection();
    for (qsizetype i = 0; i + 1 < entry.texts.size(); ++i)
        connection.Execute(substituted(QString::fromUtf8(entry.texts.at(i))));
    const QString last = substituted(QString::fromUtf8(entry.texts.last()));
    if (entry.expect == Expect::Action) {
        EXPECT_NO_THROW(connection.Execute(last)) << last.toStdString();
        return;
    }
    ado::Recordset rs;
    ASSERT_NO_THROW(rs.Open(last, connection)) << last.toStdString();
    if (entry.expect == Expect::Rows) {
        EXPECT_FALSE(rs.BOF()) << last.toStdString();
    } else if (entry.expect == Expect::NoRows) {
        EXPECT_TRUE(rs.BOF()) << last.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Program, SqlCorpus, ::testing::ValuesIn(ConnectionClassTexts + StartUpTexts + SettlementTexts),
                         [](const ::testing::TestParamInfo<CorpusEntry> &entry) {
                             return std::string(entry.param.name);
                         });

} // namespace
