// Every SQL text the program sends on its way to a settlement (connection class, start-up and
// session, settlement window, generator and lists) runs on the embedded schema with the demo
// rows. Keys in braces are sample values taken from the settlement of March the fixture builds.

#include "SettlementRun.h"
#include "SqlCorpus.h"

#include "demo/DemoDatabase.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "support/TestDatabase.h"

#include <QMap>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const CorpusEntry &entry, std::ostream *out)
{
    *out << entry.name;
}

namespace {

class SqlCorpus : public ::testing::TestWithParam<CorpusEntry> {
protected:
    // One demo database with a settlement of March, copied for each text.
    static void SetUpTestSuite()
    {
        s_model = new TestDatabase;
        s_model->fillDemo(demo::MinimumCollections, 1);
        const long number = SettlementRun(s_model->connection()).generate(QStringLiteral("01/03/2024"),
                                                                          QStringLiteral("31/03/2024"));
        const auto sample = s_model->rows(QStringLiteral(
            "SELECT c.idVendedor, c.CbTc, c.IdCobranza, a.Tc, a.idComprobante FROM V_COMISIONES_VENDEDOR_COB c JOIN "
            "V_COMISIONES_VENDEDOR_APL a ON a.IdLiquidacion = c.IdLiquidacion AND a.CbTc = c.CbTc AND a.IdCobranza = "
            "c.IdCobranza WHERE c.CbTc = 'CB' AND c.idVendedor <> '' ORDER BY c.rowid LIMIT 1"));
        ASSERT_EQ(sample.size(), 1) << "the demo settlement has no paid voucher to sample";
        const QString collection = rt::CStr(sample[0][2]);
        s_values = {{"n", QString::number(number)},
                    {"seller", rt::CStr(sample[0][0])},
                    {"cbtc", rt::CStr(sample[0][1])},
                    {"cobranza", collection},
                    {"suc", collection.mid(0, 4)},
                    {"num", collection.mid(4, 8)},
                    {"let", collection.mid(12, 1)},
                    {"tc", rt::CStr(sample[0][3])},
                    {"comprobante", rt::CStr(sample[0][4])}};
        s_values["articulo"] = rt::CStr(s_model->value(substituted(
            QStringLiteral("SELECT IdArticulo FROM V_COMISIONES_VENDEDOR_DET WHERE Tc = '{tc}' AND IdComprobante = "
                           "'{comprobante}'"))));
        s_values["articulo25"] = s_values["articulo"].leftJustified(25);
    }
    static void TearDownTestSuite()
    {
        delete s_model;
        s_model = nullptr;
    }

    void SetUp() override { m_db = TestDatabase::copyOf(*s_model); }

    static QString substituted(QString text)
    {
        for (auto it = s_values.cbegin(); it != s_values.cend(); ++it)
            text.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value());
        return text;
    }

    static TestDatabase *s_model;
    static QMap<QString, QString> s_values;
    std::unique_ptr<TestDatabase> m_db;
};

TestDatabase *SqlCorpus::s_model = nullptr;
QMap<QString, QString> SqlCorpus::s_values;

TEST_P(SqlCorpus, Runs)
{
    const CorpusEntry &entry = GetParam();
    ado::Connection &connection = entry.target == Target::Statistics ? m_db->statisticsConnection() : m_db->connection();
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

INSTANTIATE_TEST_SUITE_P(Program, SqlCorpus, ::testing::ValuesIn(corpusEntries()),
                         [](const ::testing::TestParamInfo<CorpusEntry> &entry) { return std::string(entry.param.name); });

// The statements the generator sends, gathered while it builds a settlement, all ran: the
// run above would have thrown otherwise. Their count shows that every stage had work to do.
TEST(SettlementGeneration, SendsEveryStageOnTheDemoRows)
{
    TestDatabase db;
    db.fillDemo(demo::MinimumCollections, 1);
    SettlementRun run(db.connection());
    run.generate(QStringLiteral("01/03/2024"), QStringLiteral("30/04/2024"));
    const QString all = run.sent().join(QLatin1Char('\n'));
    for (const char *stage : {"INSERT INTO V_COMISIONES_VENDEDOR_COB", "UPDATE V_COMISIONES_VENDEDOR_COB SET Descuentos",
                              "INSERT INTO V_COMISIONES_VENDEDOR_APL (", "INSERT INTO V_COMISIONES_VENDEDOR_DET",
                              "OBSERVACIONES = 'Cancelacion total comprobante'", "and id <> ",
                              "update V_COMISIONES_VENDEDOR_APL SET COMISION", "update V_COMISIONES_VENDEDOR_COB SET COMISION"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(stage))) << stage;
}

// The access row keeps its entry time as the text written; it is no date the engine converts.
TEST(AccessLog, KeepsTheEntryTextAsWritten)
{
    TestDatabase db;
    db.execute(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,"
                              "NombreUsuario) VALUES ('PC01','ADMIN','COMISIONES','COMISIONES POR VENDEDOR','05/03/24 10:15',"
                              "'ADMIN')\r"));
    db.execute(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(rt::CStr(db.value(QStringLiteral("SELECT Ingreso FROM Control_Acceso"))), "05/03/24 10:15");
}

// The error row and the statistics time-out are added through updatable recordsets.
TEST(UpdatableRecordsets, AddTheErrorRowAndTheTimeOut)
{
    TestDatabase db;
    ado::Recordset errors;
    errors.Open(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), db.connection(), ado::adOpenDynamic,
                ado::adLockOptimistic);
    errors.AddNew();
    errors.Fields(QStringLiteral("Proceso")).setValue(QStringLiteral("comisiones"));
    errors.Fields(QStringLiteral("Fecha")).setValue(rt::DateTime::fromParts(2024, 3, 5, 10, 15));
    errors.Fields(QStringLiteral("Error")).setValue(2627);
    errors.Fields(QStringLiteral("Descripcion")).setValue(QStringLiteral("Violation of PRIMARY KEY"));
    errors.Fields(QStringLiteral("sql")).setValue(QStringLiteral("BEGIN TRANSACTION \r\rINSERT INTO X VALUES (1)\r"));
    errors.Update();
    errors.Close();
    EXPECT_EQ(rt::CDate(db.value(QStringLiteral("SELECT Fecha FROM AUX_ERR"))), rt::DateTime::fromParts(2024, 3, 5, 10, 15));

    ado::Recordset settings;
    settings.Open(QStringLiteral("SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TimeOut'"),
                  db.statisticsConnection(), ado::adOpenDynamic, ado::adLockOptimistic);
    ASSERT_TRUE(settings.BOF());
    settings.AddNew();
    settings.Fields(QStringLiteral("Grupo")).setValue(QStringLiteral("BaseDeDatos"));
    settings.Fields(QStringLiteral("Clave")).setValue(QStringLiteral("TIMEOUT"));
    settings.Fields(QStringLiteral("Valor")).setValue(QStringLiteral("0"));
    settings.Fields(QStringLiteral("PoliticaNegocio")).setValue(false);
    settings.Update();
    settings.Close();
    ado::Recordset check;
    check.Open(QStringLiteral("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TimeOut'"),
               db.statisticsConnection());
    ASSERT_FALSE(check.BOF());
    EXPECT_EQ(rt::CStr(check(QStringLiteral("Valor"))), "0");
}

} // namespace
