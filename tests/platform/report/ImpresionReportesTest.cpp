#include "ReportFixture.h"

#include "platform/report/ImpresionReportes.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/ReportError.h"
#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kReport = R"({"title": "Prueba",
  "tables": [{"table": "V_TA_VENDEDORES", "alias": "VEN"}],
  "sort": ["{VEN.IdVendedor}"],
  "formulas": {"Empresa": "", "Moneda": "sin moneda"},
  "reportHeader": {"height": 6, "items": [{"text": "{@Empresa} / {@Moneda}", "at": [0, 0, 150, 6]}]},
  "detail": {"height": 5, "items": [{"text": "{VEN.IdVendedor} {VEN.Nombre}", "at": [0, 0, 100, 5]}]}})";

class ImpresionReportesTest : public support::ProgramTest {
protected:
    ImpresionReportesTest()
    {
        m_db.execute(QStringLiteral(
            "INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0001', 'Ana'), ('0002', 'Beto')"));
        QDir(m_app.path()).mkdir(QStringLiteral("Reportes"));
        reporttest::writeFile(reportsFolder(), QStringLiteral("Prueba.rpt"), kReport);
        m_impresion.setCarpetaAplicacion(m_app.path() + QLatin1Char('\\'));
        m_impresion.setDestino(m_impresion.DestinoArchivo());
        m_impresion.setArchivoDestino(QDir(m_app.path()).filePath(QStringLiteral("salida.pdf")));
    }

    ~ImpresionReportesTest() override
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<report::PreviewWindow *>(window))
                delete window;
        }
    }

    QString reportsFolder() const { return QDir(m_app.path()).filePath(QStringLiteral("Reportes")); }

    QString print(const QString &name, const QString &formula = {}, const QString &selection = {})
    {
        m_impresion.ImprimirReporte(name, {QString()}, selection, TestDatabase::connectionString(), formula);
        return reporttest::pageTexts(m_impresion.ultimoDocumento()).join(QLatin1Char('\f'));
    }

    TestDatabase m_db;
    QTemporaryDir m_app;
    report::ImpresionReportes m_impresion;
};

TEST_F(ImpresionReportesTest, FindsTheReportByNameOrPathInAnyLetterCase)
{
    reporttest::writeFile(m_app.path(), QStringLiteral("SUELTO.RPT"), kReport);
    const QString windowsPath = QDir::toNativeSeparators(reportsFolder()).replace(QLatin1Char('/'), QLatin1Char('\\'))
                                + QStringLiteral("\\prueba.RPT");
    for (const QString &name :
         {QStringLiteral("Prueba"), QStringLiteral("PRUEBA.rpt"), QStringLiteral("prueba.Rpt"), windowsPath,
          QStringLiteral("Suelto"), m_app.path() + QStringLiteral("/Otra/Prueba.rpt")}) {
        EXPECT_TRUE(print(name).contains(QStringLiteral("0002 Beto"))) << name.toStdString();
    }
    const auto error = errorOf([&] { print(QStringLiteral("RP_Inexistente")); });
    EXPECT_EQ(error.Number, report::err::ReportFile);
    EXPECT_TRUE(error.Description.contains(QStringLiteral("RP_Inexistente")));
}

TEST_F(ImpresionReportesTest, FormulasOfTheCallOverrideAssignedOnes)
{
    m_impresion.AsignarFormulas(
        {QStringLiteral("Empresa = 'Asignada'"), QString(), QStringLiteral("Moneda = 'Pesos'")});
    EXPECT_TRUE(print(QStringLiteral("Prueba"), QStringLiteral("EMPRESA = 'O'Brien e Hijos'"))
                    .startsWith(QStringLiteral("O'Brien e Hijos / Pesos")));
    EXPECT_TRUE(print(QStringLiteral("Prueba")).startsWith(QStringLiteral("Asignada / Pesos")));
    m_impresion.AsignarFormulas({QString()});
    EXPECT_TRUE(print(QStringLiteral("Prueba")).startsWith(QStringLiteral(" / sin moneda")));
    EXPECT_THROW(m_impresion.AsignarFormulas({QStringLiteral("Empresa")}), rt::RuntimeError);
}

TEST_F(ImpresionReportesTest, TerminarEndsTheBatchOfAssignedFormulasAndPrinter)
{
    m_impresion.AsignarFormulas({QStringLiteral("Empresa = 'Asignada'")});
    m_impresion.setNombreImpresora(QStringLiteral("Epson FX"));
    m_impresion.setControladorImpresora(QStringLiteral("Epson FX"));
    m_impresion.setPuertoImpresora(QStringLiteral("LPT1:"));
    m_impresion.setEnProceso(true);
    m_impresion.Terminar(30);
    EXPECT_FALSE(m_impresion.EnProceso());
    EXPECT_TRUE(m_impresion.NombreImpresora().isEmpty());
    EXPECT_TRUE(m_impresion.ControladorImpresora().isEmpty());
    EXPECT_TRUE(m_impresion.PuertoImpresora().isEmpty());
    EXPECT_TRUE(print(QStringLiteral("Prueba")).startsWith(QStringLiteral(" / sin moneda")));
}

TEST_F(ImpresionReportesTest, WritesThePdfFileAsked)
{
    print(QStringLiteral("Prueba"), QStringLiteral("Empresa = 'ACME'"), QStringLiteral("{VEN.IdVendedor} = '0001'"));
    EXPECT_EQ(m_impresion.ultimaSalida(), m_impresion.ArchivoDestino());
    const QString text = reporttest::pdfText(m_impresion.ArchivoDestino());
    EXPECT_TRUE(text.contains(QStringLiteral("0001 Ana"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Beto")));
}

TEST_F(ImpresionReportesTest, ScreenPreviewsAreModelessSoTheCallersLoopRunsOn)
{
    m_impresion.setDestinoReporte(m_impresion.DestinoVentana());
    EXPECT_EQ(m_impresion.Destino(), m_impresion.DestinoPantalla());
    for (int copy = 0; copy < 2; ++copy)
        print(QStringLiteral("Prueba"));
    int shown = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *preview = qobject_cast<report::PreviewWindow *>(window)) {
            ++shown;
            EXPECT_TRUE(preview->isVisible());
            EXPECT_FALSE(preview->isModal());
        }
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_NE(m_impresion.ultimaVistaPrevia(), nullptr);
    m_impresion.ultimaVistaPrevia()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_impresion.ultimaVistaPrevia(), nullptr);
}

TEST_F(ImpresionReportesTest, ReportLogonTextReadsThroughTheProgramsConnection)
{
    const QString logon = QStringLiteral("DSN=DEMO; UID=DEMO; PWD=DEMO");
    EXPECT_THROW(m_impresion.ImprimirReporte(QStringLiteral("Prueba"), {}, {}, logon), rt::RuntimeError)
        << "without the program's connection the logon text is all there is";
    m_impresion.setConexion(&m_db.connection());
    m_impresion.ImprimirReporte(QStringLiteral("Prueba"), {}, {}, logon);
    EXPECT_TRUE(reporttest::pageTexts(m_impresion.ultimoDocumento()).value(0).contains(QStringLiteral("0001 Ana")));
}

TEST_F(ImpresionReportesTest, UnknownDestinationRaises)
{
    m_impresion.setDestino(-1);
    EXPECT_EQ(errorNumber([&] { print(QStringLiteral("Prueba")); }), rt::err::InvalidProcedureCall);
}

// The user's documents folder is a temporary one.
class DocumentsFolderTest : public ImpresionReportesTest {
protected:
    DocumentsFolderTest()
        : m_home(qgetenv("HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_fakeHome.path()));
    }
    ~DocumentsFolderTest() override { qputenv("HOME", m_home); }

    QByteArray m_home;
    QTemporaryDir m_fakeHome;
    support::ScriptedDialogs m_dialogs;
};

TEST_F(DocumentsFolderTest, WithoutAnyPrinterThePdfGoesToTheDocumentsFolderAndTheUserIsTold)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    m_dialogs.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("No hay ninguna impresora instalada"))
                               .withTitle(QStringLiteral("Aviso")));
    m_impresion.setDestino(m_impresion.DestinoImpresora());
    m_impresion.setNombreImpresora(QStringLiteral("Epson FX"));
    print(QStringLiteral("Prueba"), QStringLiteral("Empresa = 'ACME'"));
    m_dialogs.verify();
    const QString saved = m_impresion.ultimaSalida();
    EXPECT_TRUE(saved.startsWith(m_fakeHome.path())) << saved.toStdString();
    EXPECT_TRUE(m_dialogs.shown().at(0).text.contains(saved));
    EXPECT_TRUE(reporttest::pdfText(saved).contains(QStringLiteral("ACME / sin moneda")));
}

TEST_F(DocumentsFolderTest, MailDestinationLeavesThePdfToAttachInTheDocumentsFolder)
{
    m_impresion.setDestino(m_impresion.DestinoCorreo());
    print(QStringLiteral("Prueba"), QStringLiteral("Empresa = 'ACME'"));
    const QString saved = m_impresion.ultimaSalida();
    EXPECT_TRUE(saved.startsWith(m_fakeHome.path())) << saved.toStdString();
    EXPECT_TRUE(reporttest::pdfText(saved).contains(QStringLiteral("0002 Beto")));
}

} // namespace
