#include "PruebaImpresion.h"
#include "TicketEsperado.h"

#include "db/Conexiones.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/StepRunner.h"
#include "printing/LecturaComanda.h"
#include "printing/TicketComandera.h"
#include "session/ModError.h"

#include <gtest/gtest.h>

namespace {

class LecturaComandaTest : public PruebaImpresion {
protected:
    DatosComanda leer(const RegistroComandera &registro, const QString &TC, const QString &IdComprobante)
    {
        const rt::StepRunner pasos(
            [](const rt::RuntimeError &error) { return MostrarError(error, std::nullopt, QStringLiteral("Prueba")); });
        DatosComanda datos;
        EXPECT_TRUE(LecturaComanda(*gBaseDatos).leer(registro, TC, IdComprobante, pasos, datos));
        return datos;
    }

    QByteArray ticket(const RegistroComandera &registro, bool cocina, bool barra)
    {
        const DatosComanda datos = leer(registro, QStringLiteral("PE"), QStringLiteral("000900000001X"));
        return TicketComandera(registro, cocina, barra)
            .bytes(QStringLiteral("PE"), QStringLiteral("000900000001X"), datos,
                   rt::DateTime::fromParts(2024, 4, 12, 9, 5));
    }

    const rt::RegionalScope regional{rt::RegionalSettings::spanishArgentina()};
};

TEST_F(LecturaComandaTest, TheDemoOrderReadsWithItsLinesInOrder)
{
    db.fillDemo();
    const DatosComanda datos = leer({}, QStringLiteral("PE"), QStringLiteral("000900000001X"));
    EXPECT_EQ(datos.Mesa, "12");
    EXPECT_EQ(datos.Mozo, "PEREZ JUAN CARL");
    EXPECT_EQ(datos.Cliente, "CONSUMIDOR FINAL");
    EXPECT_EQ(datos.Importe, rt::Currency::fromDouble(29300));
    EXPECT_TRUE(datos.Empresa.isEmpty() && datos.Domicilio.isEmpty()) << "read without being printed";
    QStringList lineas;
    for (const LineaComanda &l : datos.Lineas)
        lineas << QStringLiteral("%1|%2|%3|%4|%5|%6")
                      .arg(l.Descripcion.left(12), QString::number(l.Importe.toDouble()),
                           QString::number(l.Cantidad.toDouble()), QString::number(l.Cantidadpreparada.toDouble()),
                           QString::number(l.CANTIDADAFACTURAR.toDouble()), l.talledefault);
    EXPECT_EQ(lineas,
              (QStringList{"Milanesa nap|4500|2|0|0|C", "Ensalada mix|1800|1|1|0|c", "Lomo a la pi|12000|0.75|0|0|C",
                           "Agua mineral|900|2|0|0|B", "Vino tinto M|1500|3|0|1|B", "Provoleta a |3200|1|0|0|CB"}));
}

TEST_F(LecturaComandaTest, BlankRecordTextsTakeTheSettingsAndMissingSettingsPrintABlank)
{
    db.execute("INSERT INTO V_MV_CPTE (TC, IdComprobante, Nombre, Importe, transporte, IdVendedor) "
               "VALUES ('PE', '000900000001X', ' Mesa de O''Neill ', 10, ' 4 ', '0007')");
    db.execute("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('0007', 'O''NEILL MARIA DEL CARMEN')");
    RegistroComandera registro;
    registro.ImprimeEmpresa = registro.ImprimeDomicilio = registro.ImprimeCliente = true;
    EXPECT_EQ(ticket(registro, false, false),
              TicketEsperado("{AC} \n{NC}    -  \n{ND}\n12/04/24 09:05\nMESA:4  Mozo:O'NEILL MARIA D\n"
                             "{NI}Mesa de O'Neill\n\n\n\n\n{AD}TOTAL $    10,00\n\n\n\n\n\n\n{CORTE}"));
    configurar({{"NOMBRE", "La Pampeana"}, {"CALLE", "Av. Roca"}, {"NUMERO", "12"}, {"LOCALIDAD", "Toay"}});
    const DatosComanda datos = leer(registro, QStringLiteral("PE"), QStringLiteral("000900000001X"));
    EXPECT_EQ(datos.Empresa, "La Pampeana");
    EXPECT_EQ(datos.Domicilio, "Av. Roca 12 - Toay");
    registro.Empresa = QStringLiteral("Parrilla");
    registro.Domicilio = QStringLiteral("Ruta 5 km 3");
    EXPECT_EQ(leer(registro, QStringLiteral("PE"), QStringLiteral("000900000001X")).Domicilio, "Ruta 5 km 3");
}

TEST_F(LecturaComandaTest, TheKitchenTicketOfTheDemoOrder)
{
    // The weighed article prints its quantity; a line without a prepared quantity prints all of
    // it; a prepared line, the bar's lines and a line whose article is not there stay out.
    db.fillDemo();
    db.execute("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdArticulo, Descripcion, Cantidad, Importe) "
               "VALUES ('PE', '000900000001X', 'NO-EXISTE', 'Plato del dia', 1, 10)");
    EXPECT_EQ(ticket({}, true, false), TicketEsperado("{ND}\n12/04/24 09:05\nMESA:12  Mozo:PEREZ JUAN CARL\n"
                                                      "2,00  Milanesa napolitana con pap\n      as fritas\n"
                                                      "0,75  Lomo a la pimienta (por kg)\n"
                                                      "1,00  Provoleta a la parrilla con\n"
                                                      "       orégano, ají molido y acei\n"
                                                      "      te de oliva\n"
                                                      "\n\n{AD}\n\n** COCINA **\n\n\n\n\n\n{CORTE}"));
}

TEST_F(LecturaComandaTest, AnOrderThatIsNotThereReadsEmpty)
{
    const DatosComanda datos = leer({}, QStringLiteral("PE"), QStringLiteral("0009'0000001X"));
    EXPECT_TRUE(datos.Mesa.isEmpty() && datos.Mozo.isEmpty() && datos.Lineas.empty());
    EXPECT_EQ(datos.Importe, rt::Currency());
}

} // namespace
