// The print of a voucher's accounting entry: which lines its selection takes and which of the
// three entry reports shows them, as the report library lays them out.

#include "PruebaRecibos.h"

#include "db/Conexiones.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/report/PreviewWindow.h"
#include "printdata/receipts/FormulasAsiento.h"
#include "session/ObjetosExternos.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Asiento {
    const char *nombre;
    rt::Variant periodo;
    const char *mes;
    const char *numero;
    bool centroCosto;
    bool ticket;
    const char *titulo;
    QStringList detalles; // the Detalle of each line shown
};

void PrintTo(const Asiento &caso, std::ostream *os)
{
    *os << caso.nombre;
}

class FormulasAsientoTest : public PruebaRecibos, public ::testing::WithParamInterface<Asiento> {
protected:
    FormulasAsientoTest()
    {
        // FC 101 has two entries: lines A of period 2024, month 3, entry 125; line B of 2023, 7, 9.
        // FC 102 is another voucher.
        const char *lineas[][5] = {{"101", "1", "2024, 3, 125", "'A1'", "D"},
                                   {"101", "2", "2024, 3, 125", "'A2'", "H"},
                                   {"101", "3", "2023, 7, 9", "'B1'", "D"},
                                   {"102", "1", "2024, 3, 126", "'C1'", "D"}};
        for (const auto &l : lineas) {
            const QStringList partes = QString::fromLatin1(l[2]).split(QStringLiteral(", "));
            linea(QStringLiteral("FC"), QString::fromLatin1(l[0]).toInt(), QString::fromLatin1(l[1]).toInt(),
                  QLatin1String(l[4]), QStringLiteral("EF1"), QStringLiteral("10"),
                  {QStringLiteral("PERIODO=") + partes[0], QStringLiteral("MES_OPERATIVO=") + partes[1],
                   QStringLiteral("[NUMERO ASIENTO]=") + partes[2], QStringLiteral("Detalle=") + QLatin1String(l[3])});
        }
        gImpresion->setCarpetaAplicacion(sourceReportsFolder());
        gImpresion->setConexion(&gBaseDatos->gCnn);
    }
    ~FormulasAsientoTest() override
    {
        if (report::PreviewWindow *vista = gImpresion->ultimaVistaPrevia())
            delete vista;
    }

    // Every text of the first page of the last report laid out.
    QStringList textos() const
    {
        const report::ReportDocument &documento = gImpresion->ultimoDocumento();
        QStringList resultado;
        for (const report::PageItem &item : documento.pages.value(0).items)
            resultado << documento.textOf(item, 0);
        return resultado;
    }
};

TEST_P(FormulasAsientoTest, SelectsTheEntryAndChoosesItsReport)
{
    const Asiento &caso = GetParam();
    FormulasAsiento(*gBaseDatos, QStringLiteral("FC "), QStringLiteral(" 0001"), QStringLiteral("00000101"),
                    QStringLiteral("X"), QLatin1String(caso.mes), QLatin1String(caso.numero), caso.periodo,
                    caso.centroCosto, true, caso.ticket);
    EXPECT_EQ(gImpresion->ultimoDocumento().title, QLatin1String(caso.titulo));
    EXPECT_FALSE(gImpresion->EnProceso()) << "the print library was left in process";
    EXPECT_EQ(gImpresion->Destino(), gImpresion->DestinoVentana());
    const QStringList texto = textos();
    QStringList detalles;
    for (const QString &t : texto) {
        if (t.size() == 2 && (t[0] == u'A' || t[0] == u'B' || t[0] == u'C'))
            detalles << t;
    }
    EXPECT_EQ(detalles, caso.detalles);
    EXPECT_TRUE(texto.contains(QStringLiteral("O'Brien SA"))) << "the company formula";
}

const Asiento Asientos[] = {
    {"PeriodZeroTakesEveryLineOfTheVoucher",
     rt::Variant(0),
     "",
     "",
     false,
     false,
     "Asiento Contable",
     {"A1", "A2", "B1"}},
    {"APeriodTakesOneEntry", rt::Variant(2024), "3", " 125 ", false, false, "Asiento Contable", {"A1", "A2"}},
    {"AnotherEntryOfTheVoucher",
     rt::Variant(QStringLiteral("2023")),
     "7",
     "9",
     false,
     false,
     "Asiento Contable",
     {"B1"}},
    {"TicketOf80mm", rt::Variant(0), "", "", false, true, "Asiento Contable (80 mm)", {"A1", "A2", "B1"}},
    {"CostCentreWinsOverTheTicket",
     rt::Variant(2024),
     "3",
     "125",
     true,
     true,
     "Asiento Contable por Centro de Costo",
     {"A1", "A2"}},
};

INSTANTIATE_TEST_SUITE_P(Asiento, FormulasAsientoTest, ::testing::ValuesIn(Asientos),
                         [](const ::testing::TestParamInfo<Asiento> &caso) { return std::string(caso.param.nombre); });

} // namespace
