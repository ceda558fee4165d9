#include "ReportFixture.h"

#include "platform/ado/Recordset.h"
#include "platform/report/Expression.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLoader.h"
#include "platform/report/ReportRunner.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using reporttest::pageTexts;

// Salespersons 0001 and 0002 with three collections between them; 0003 has none.
class ReportEngineTest : public ::testing::Test {
protected:
    ReportEngineTest()
    {
        m_db.execute(QStringLiteral(
            "INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'Ana'), ('0002', 'Beto'), ('0003', 'Ceci');"
            "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, TotalCobrado, Comision, idVendedor) "
            "VALUES (1, 'CB', 'a', 100, 0, '0001'), (1, 'CB', 'b', 200, 10, '0001'), (1, 'NC', 'c', 50, 5, '0002');"));
    }

    report::ReportDocument run(const QByteArray &json, const report::ReportRequest &request = {})
    {
        m_definition = report::parseReport(json, m_folder.path(), QStringLiteral("Prueba.rpt"));
        return report::runReport(m_definition, m_db.connection(), request);
    }

    TestDatabase m_db;
    QTemporaryDir m_folder;
    report::ReportDefinition m_definition;
};

const QByteArray kCollections = R"({
  "tables": [{"table": "V_COMISIONES_VENDEDOR_COB", "alias": "COB"}],
  "sort": ["+{COB.IdCobranza}"],
  "groups": [{"name": "Vendedor", "field": "{COB.idVendedor}",
              "header": {"height": 5, "items": [{"text": "G {COB.idVendedor} {#TodoG}", "at": [0, 0, 50, 5]}]},
              "footer": {"height": 5, "items": [{"text": "F {COB.idVendedor} {#CobradoG} {#CuantasG} {#Todo}", "at": [0, 0, 90, 5]}]}}],
  "sums": [{"name": "CobradoG", "field": "{COB.TotalCobrado}", "reset": "Vendedor"},
           {"name": "TodoG", "field": "{COB.TotalCobrado}", "reset": "Vendedor", "whole": true},
           {"name": "Todo", "field": "{COB.TotalCobrado}", "whole": true},
           {"name": "CuantasG", "kind": "count", "reset": "Vendedor"},
           {"name": "Cobrado", "field": "{COB.TotalCobrado}"},
           {"name": "Cuantas", "kind": "count"}],
  "detail": [{"height": 5, "items": [{"text": "D {COB.IdCobranza} {#CobradoG} {#Cobrado}", "at": [0, 0, 90, 5]},
                                      {"text": "sin comision", "at": [100, 0, 30, 5], "suppress": "{COB.Comision} <> 0"}]},
             {"height": 5, "suppress": "{COB.CbTc} <> 'NC'", "items": [{"text": "nota de credito", "at": [0, 0, 50, 5]}]}],
  "reportFooter": {"height": 5, "items": [{"text": "T {#Cobrado} {#Cuantas}", "at": [0, 0, 90, 5]}]}
})";

TEST_F(ReportEngineTest, GroupsRunningAndWholeSumsAndSuppressConditions)
{
    const QStringList pages = pageTexts(run(kCollections));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].toStdString(),
              "G 0001 300,00\nD a 100,00 100,00\nsin comision\nD b 300,00 300,00\nF 0001 300,00 2 350,00\n"
              "G 0002 50,00\nD c 50,00 350,00\nnota de credito\nF 0002 50,00 1 350,00\nT 350,00 3");
}

TEST_F(ReportEngineTest, SelectionAndCallerSortReachTheQuery)
{
    report::ReportRequest request;
    request.selection = QStringLiteral("{v_comisiones_vendedor_cob.IDVENDEDOR} = '0001' or {COB.CbTc} = 'NC'");
    request.sortFields = {QString(), QStringLiteral("-{COB.TotalCobrado}")};
    const QStringList pages = pageTexts(run(kCollections, request));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].startsWith(QStringLiteral("G 0001 300,00\nD b 200,00 200,00\nD a 300,00 300,00")))
        << pages[0].toStdString();

    request.selection = QStringLiteral("{COB.IdCobranza} = 'zzz'");
    EXPECT_EQ(pageTexts(run(kCollections, request)).value(0), QStringLiteral("T 0 0"));
}

TEST_F(ReportEngineTest, SelectionOnAnUnknownTableReachesTheCaller)
{
    report::ReportRequest request;
    request.selection = QStringLiteral("{V_MV_CPTE.TC} = 'FC'");
    EXPECT_EQ(errorNumber([&] { run(kCollections, request); }), report::err::Formula);
}

TEST_F(ReportEngineTest, FieldNamesWithBlanksAndApostrophesRunOnTheDatabase)
{
    m_db.execute(QStringLiteral(
        "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, Importe, Detalle, \"NUMERO ASIENTO\") "
        "VALUES ('FC', '0001', '00000001', 'A', 10, 'O''Higgins', 125), ('FC', '0001', '00000002', 'A', 20, 'Otro', 125);"));
    report::ReportRequest request;
    request.selection = QStringLiteral("{MV_ASIENTOS.NUMERO ASIENTO} = 125 AND {mv_asientos.Detalle} = 'O''Higgins'");
    const QStringList pages = pageTexts(run(R"({"tables": [{"table": "MV_ASIENTOS"}],
        "detail": {"height": 5, "items": [{"text": "{MV_ASIENTOS.NUMERO} {MV_ASIENTOS.NUMERO ASIENTO}", "at": [0, 0, 50, 5]}]}})",
                                            request));
    EXPECT_EQ(pages.value(0), QStringLiteral("00000001 125"));
}

TEST_F(ReportEngineTest, PagesBreakWithHeadersFootersAndPageCount)
{
    QString rows;
    for (int i = 0; i < 12; ++i)
        rows += QStringLiteral("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('%1', 'X');").arg(100 + i);
    m_db.execute(rows);
    // A4 portrait, 10 mm margins: 277 mm less a 20 mm header and a 10 mm footer leave room for four 55 mm rows.
    const report::ReportDocument document = run(R"({"tables": [{"table": "V_TA_VENDEDORES"}],
        "sort": ["{V_TA_VENDEDORES.IdVendedor}"],
        "pageHeader": {"height": 20, "items": [{"text": "Cabecera", "at": [0, 0, 50, 5]}]},
        "detail": {"height": 55, "items": [{"text": "{V_TA_VENDEDORES.IdVendedor}", "at": [0, 0, 50, 5]}]},
        "pageFooter": {"height": 10, "items": [{"text": "Página {PageNumber} de {TotalPages}", "at": [0, 0, 50, 5]}]}})");
    const QStringList pages = pageTexts(document);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(pages[0], QStringLiteral("Cabecera\n0001\n0002\n0003\n100\nPágina 1 de 4"));
    EXPECT_EQ(pages[3], QStringLiteral("Cabecera\n109\n110\n111\nPágina 4 de 4"));
    EXPECT_DOUBLE_EQ(document.pages[0].items.last().rect.top(), 297.0 - 10 - 10);
}

TEST_F(ReportEngineTest, GroupOnNewPageAndRepeatedHeader)
{
    const QStringList pages = pageTexts(run(R"({"tables": [{"table": "V_COMISIONES_VENDEDOR_COB", "alias": "COB"}],
        "sort": ["{COB.IdCobranza}"],
        "groups": [{"name": "V", "field": "{COB.idVendedor}", "newPage": true, "repeatHeader": true,
                    "header": {"height": 10, "items": [{"text": "Vendedor {COB.idVendedor}", "at": [0, 0, 50, 5]}]}}],
        "detail": {"height": 150, "items": [{"text": "{COB.IdCobranza}", "at": [0, 0, 50, 5]}]}})"));
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0], QStringLiteral("Vendedor 0001\na"));
    EXPECT_EQ(pages[1], QStringLiteral("Vendedor 0001\nb"));
    EXPECT_EQ(pages[2], QStringLiteral("Vendedor 0002\nc"));
}

const QByteArray kWithSubreport = R"({
  "tables": [{"table": "V_TA_VENDEDORES", "alias": "VEN"}],
  "sort": ["{VEN.IdVendedor}"],
  "formulas": {"Titulo": "del principal"},
  "detail": {"height": 5, "items": [{"text": "{VEN.Nombre}", "at": [0, 0, 50, 5]}, {"subreport": "Cobranzas", "x": 10}]},
  "subreports": [{"name": "Cobranzas", "links": [{"field": "{COB.idVendedor}", "main": "{VEN.IdVendedor}"}],
    "tables": [{"table": "V_COMISIONES_VENDEDOR_COB", "alias": "COB"}],
    "sort": ["{COB.IdCobranza}"],
    "formulas": {"Titulo": "propio"},
    "sums": [{"name": "Total", "field": "{COB.TotalCobrado}"}],
    "detail": {"height": 5, "items": [{"text": "  {COB.IdCobranza} {@Titulo}", "at": [0, 0, 50, 5]}]},
    "reportFooter": {"height": 5, "items": [{"text": "  total {#Total}", "at": [0, 0, 50, 5]}]}}]
})";

TEST_F(ReportEngineTest, LinkedSubreportFollowsEachMainRow)
{
    const report::ReportDocument document = run(kWithSubreport);
    EXPECT_EQ(pageTexts(document).value(0).toStdString(),
              "Ana\n  a propio\n  b propio\n  total 300,00\nBeto\n  c propio\n  total 50,00\nCeci\n  total 0");
    const report::PageItem &subLine = document.pages[0].items[1];
    EXPECT_DOUBLE_EQ(subLine.rect.left(), 10.0 + 10.0) << "the sub-report stands where its item says";
}

TEST_F(ReportEngineTest, SubreportsNamedByTheCallerTakeItsFormulas)
{
    report::ReportRequest request;
    request.formulas = {QStringLiteral("Titulo = 'del llamador'")};
    request.subreports = {QStringLiteral("cobranzas")};
    EXPECT_TRUE(pageTexts(run(kWithSubreport, request)).value(0).contains(QStringLiteral("  a del llamador")));

    request.subreports = {QStringLiteral("Inexistente")};
    const auto error = errorOf([&] { run(kWithSubreport, request); });
    EXPECT_EQ(error.Number, report::err::ReportFile);
    EXPECT_TRUE(error.Description.contains(QStringLiteral("Inexistente")));
}

TEST_F(ReportEngineTest, ImagesFromABinaryFieldAndFromAFile)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    ado::Recordset rows;
    rows.Open(QStringLiteral("SELECT * FROM AUX_MV_CPTEQR"), m_db.connection(), ado::adOpenKeyset,
              ado::adLockOptimistic);
    rows.AddNew();
    rows.Fields(QStringLiteral("TC")).setValue(rt::Variant(QStringLiteral("FC")));
    rows.Fields(QStringLiteral("QR_AFIP")).setValue(rt::Variant(png));
    rows.Update();
    picture.scaled(10, 10).save(m_folder.filePath(QStringLiteral("logo.png")));

    const report::ReportDocument document = run(R"({"tables": [{"table": "AUX_MV_CPTEQR", "alias": "QR"}],
        "detail": {"height": 30, "items": [{"image": [0, 0, 40, 40], "field": "{QR.QR_AFIP}"},
                                           {"image": [50, 0, 20, 20], "file": "logo.png"}]}})");
    ASSERT_EQ(document.pages.size(), 1);
    ASSERT_EQ(document.pages[0].items.size(), 2);
    EXPECT_EQ(document.pages[0].items[0].image.size(), QSize(40, 20));
    EXPECT_EQ(document.pages[0].items[1].image.size(), QSize(10, 10));

    EXPECT_EQ(errorNumber([&] {
                  run(R"({"tables": [{"table": "AUX_MV_CPTEQR"}],
                      "detail": {"height": 30, "items": [{"image": [0, 0, 20, 20], "file": "falta.png"}]}})");
              }),
              report::err::ReportFile);
}

TEST_F(ReportEngineTest, UnreadableTextsRaiseFormulaErrors)
{
    for (const char *text : {"{Desconocido}", "{VEN.Nombre", "{#NoDefinido}"}) {
        const QByteArray json = QByteArray(R"({"tables": [{"table": "V_TA_VENDEDORES", "alias": "VEN"}],
            "detail": {"height": 5, "items": [{"text": ")")
                                + text + R"(", "at": [0, 0, 50, 5]}]}})";
        EXPECT_EQ(errorNumber([&] { run(json); }), report::err::Formula) << text;
    }
}

// The report's three readers of a formula: the selection, a computed formula printed as {@F} (%1)
// and a suppress condition (%2).
const QString kFormulaReaders = QStringLiteral(R"({"tables": [{"table": "V_COMISIONES_VENDEDOR_COB", "alias": "COB"}],
    "sort": ["{COB.IdCobranza}"], "computed": {"F": "%1"},
    "detail": {"height": 5, "items": [{"text": "{@F}", "at": [0, 0, 50, 5], "suppress": "%2"}]}})");

TEST_F(ReportEngineTest, FormulasTooDeepOrDividingByZeroRaiseFormulaErrors)
{
    // `before` and `after` repeated `times` around `core`.
    const struct Shape {
        const char *before, *core, *after;
        int times;
    } shapes[] = {{"(", "{COB.IdCobranza} = 'a'", ")", 10000},
                  {"", "1", " + 1", 40000},
                  {"", "{COB.IdCobranza} = 'a'", " AND {COB.IdCobranza} = 'a'", 40000},
                  {"NOT ", "{COB.IdCobranza} = 'a'", "", 40000},
                  {"- ", "1", "", 40000},
                  {"NOT ", "{COB.IdCobranza} = 'a'", "", 1000000},
                  {"- ", "1", "", 1000000},
                  {"", "{COB.TotalCobrado} / 0", "", 1},
                  {"", "{COB.TotalCobrado} / ({COB.TotalCobrado} - {COB.TotalCobrado}) > 1", "", 1},
                  {"", "{COB.TotalCobrado} / {COB.Comision} > 1", "", 1},
                  {"", "{COB.TotalCobrado} / (1 * {@Cero}) > 1", "", 1}};
    const auto formula = [](const Shape &shape, int times) {
        return QString::fromLatin1(shape.before).repeated(times) + QString::fromLatin1(shape.core)
               + QString::fromLatin1(shape.after).repeated(times);
    };
    const char *underLimit[] = {"1", "Verdadero\nFalso\nFalso", "1\n1"}; // as each reader prints it
    for (int reader = 0; reader < 3; ++reader) {
        const auto print = [&](const QString &text) {
            QString texts[] = {QString(), QStringLiteral("1"), QString()};
            texts[reader] = text;
            report::ReportRequest request;
            request.selection = texts[0];
            request.formulas = {QStringLiteral("Cero = '0'")};
            return pageTexts(run(kFormulaReaders.arg(texts[1], texts[2]).toUtf8(), request)).value(0);
        };
        for (const Shape &shape : shapes)
            EXPECT_EQ(errorNumber([&] { print(formula(shape, shape.times)); }), report::err::Formula)
                << reader << " " << shape.core;
        EXPECT_EQ(print(formula(shapes[0], report::kFormulaDepthLimit - 1)).toStdString(), underLimit[reader]);
    }
    // An error the database meets while it reads the rows stays its own unless it is the selection's
    // division: a view that divides by zero under a selection without a division, a text that is
    // no date under a selection that divides.
    m_db.execute(QStringLiteral("CREATE VIEW V_COCIENTES AS SELECT IdCobranza, "
                                "TotalCobrado / Comision AS Cociente FROM V_COMISIONES_VENDEDOR_COB"));
    const struct Own {
        const char *table, *printed, *selection;
        long native;
        const char *description;
    } own[] = {{"V_COCIENTES", "{COB.Cociente}", "{COB.IdCobranza} = 'a'", 8134, "Divide by zero error encountered."},
               {"V_COMISIONES_VENDEDOR_COB", "{COB.IdCobranza}",
                "{COB.TotalCobrado} / 2 > 1 AND {COB.FechaCob} = '20240230'", 241,
                "Conversion failed when converting date and/or time from character string."}};
    for (const Own &error : own) {
        report::ReportRequest request;
        request.selection = QString::fromLatin1(error.selection);
        const QString json = QString(kFormulaReaders)
                                 .replace(QLatin1String("V_COMISIONES_VENDEDOR_COB"), QLatin1String(error.table))
                                 .arg(QLatin1String(error.printed), QString());
        const rt::RuntimeError raised = errorOf([&] { run(json.toUtf8(), request); });
        EXPECT_EQ(raised.Description.toStdString(), error.description) << error.selection;
        ASSERT_GT(m_db.connection().Errors().Count(), 0) << error.selection;
        EXPECT_EQ(m_db.connection().Errors()(0).NativeError, error.native) << error.selection;
    }
    // A computed formula that names itself would be read without end.
    EXPECT_EQ(errorNumber([&] { run(kFormulaReaders.arg(QStringLiteral("1 + {@F}"), QString()).toUtf8()); }),
              report::err::Formula);
}

} // namespace
