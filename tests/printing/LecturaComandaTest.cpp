#include "PruebaImpresion.h"
#include "TicketEsperado.h"

#include "db/Conexiones.h"
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
            .bytes(QStringLiteral("PE"), QStringLiteral("000900000001X"), datos, at(2024, 4, 12, 9, 5));
    }
};

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

TEST_F(LecturaComandaTest, ALineWhoseArticleIsNotThereGoesToNeitherKitchenNorBar)
{
    db.execute("INSERT INTO V_MV_CPTE (TC, IdComprobante, transporte) VALUES ('PE', '000900000001X', '3')");
    db.execute("INSERT INTO V_MV_CPTEINSUMOS (TC, IdComprobante, IdArticulo, Descripcion, Cantidad, Importe) "
               "VALUES ('PE', '000900000001X', 'NO-EXISTE', 'Plato del dia', 1, 10)");
    for (const auto &[cocina, marca] : {std::pair{true, "COCINA"}, std::pair{false, "BARRA"}}) {
        const QByteArray vacio = TicketEsperado("{ND}\n12/04/24 09:05\nMESA:3  Mozo:\n\n\n{AD}\n\n** ") + marca
                                 + TicketEsperado(" **\n\n\n\n\n\n{CORTE}");
        EXPECT_EQ(ticket({}, cocina, !cocina), vacio) << marca;
    }
}

} // namespace
