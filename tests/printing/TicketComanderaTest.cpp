#include "TicketEsperado.h"

#include "printing/TicketComandera.h"
#include "support/ProgramGlobals.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace {

LineaComanda linea(const char *descripcion, double precio, double cantidad, double preparada, double aFacturar,
                   const char *talle)
{
    return {QString::fromUtf8(descripcion),      rt::Currency::fromDouble(precio),
            rt::Currency::fromDouble(cantidad),  rt::Currency::fromDouble(preparada),
            rt::Currency::fromDouble(aFacturar), QString::fromUtf8(talle)};
}

const std::vector<LineaComanda> Mesa12 = {
    linea("Milanesa napolitana con papas fritas", 4500, 2, 0, 0, "C"),
    linea("Ensalada mixta", 1800, 1, 1, 0, "c"),
    linea("Agua mineral sin gas 500 ml", 900, 2, 0, 0, "B"),
    linea("Vino tinto Malbec, copa", 1500, 3, 0, 1, "b"),
    linea("Café d'Angelo", 2.5, 1.25, 0, 0, ""),
    linea("Parrillada para dos", 6000, 2, 3, 2, "CB"),
};

RegistroComandera registroCompleto(bool dosLineas)
{
    RegistroComandera r;
    r.ImprimeEmpresa = r.ImprimeDomicilio = r.ImprimeComprobante = r.ImprimeCliente = r.ImprimePie = true;
    r.Pie = QString::fromUtf8("¡Gracias por su visita!");
    r.DetalleEnDosLineas = dosLineas;
    return r;
}

const char *const EncabezadoCompleto = "{AC}DISTRIBUIDORA PAMPEANA S.A.\n"
                                       "{NC}Av. San Martin 1234 - Santa Rosa\n"
                                       "{ND}\n12/04/24 21:07\nMESA:12  Mozo:PEREZ JUAN CARL\n"
                                       "{ND}PE 000900000001X\n"
                                       "{NI}CONSUMIDOR FINAL\n\n\n";
const char *const EncabezadoMinimo = "{ND}\n12/04/24 21:07\nMESA:12  Mozo:PEREZ JUAN CARL\n";

struct Caso {
    const char *nombre;
    RegistroComandera registro;
    bool cocina;
    bool barra;
    std::vector<LineaComanda> lineas;
    double importe;
    const char *encabezado;
    const char *cuerpo; // everything after the header
};

class TicketComanderaTest : public support::ProgramTest {
protected:
    QByteArray imprimir(const Caso &caso) const
    {
        DatosComanda datos;
        datos.Mesa = QStringLiteral("12");
        datos.Mozo = QStringLiteral("PEREZ JUAN CARL");
        datos.Cliente = QStringLiteral("CONSUMIDOR FINAL");
        datos.Empresa = QStringLiteral("DISTRIBUIDORA PAMPEANA S.A.");
        datos.Domicilio = QStringLiteral("Av. San Martin 1234 - Santa Rosa");
        datos.Importe = rt::Currency::fromDouble(caso.importe);
        datos.Lineas = caso.lineas;
        return TicketComandera(caso.registro, caso.cocina, caso.barra)
            .bytes(QStringLiteral("PE"), QStringLiteral("000900000001X"), datos, at(2024, 4, 12, 21, 7, 45));
    }
};

TEST_F(TicketComanderaTest, EachLayoutGivesItsBytes)
{
    const Caso casos[] = {
        {"ordinary, one line an article", registroCompleto(false), false, false, Mesa12, 29103.12, EncabezadoCompleto,
         "[2,00 X $ 4500,00] Milan$ 9000,00\n"
         "[1,00 X $ 1800,00] Ensal$ 1800,00\n"
         "[2,00 X $ 900,00] Agua m$ 1800,00\n"
         "[3,00 X $ 1500,00] Vino $ 4500,00\n"
         "[1,25 X $ 2,50] Café d'A$    3,12\n"
         "[2,00 X $ 6000,00] Parri$ 12000,00\n"
         "\n\n{AD}TOTAL $ 29103,12\n\n\n\n{NC}¡Gracias por su visita!\n\n\n\n{CORTE}"},
        {"ordinary, two lines an article", registroCompleto(true), false, false, Mesa12, 29103.12, EncabezadoCompleto,
         "{NI}[2,00 X $ 4500,00]\nMilanesa napolitana con $ 9000,00\n"
         "{NI}[1,00 X $ 1800,00]\nEnsalada mixta          $ 1800,00\n"
         "{NI}[2,00 X $ 900,00]\nAgua mineral sin gas 500$ 1800,00\n"
         "{NI}[3,00 X $ 1500,00]\nVino tinto Malbec, copa $ 4500,00\n"
         "{NI}[1,25 X $ 2,50]\nCafé d'Angelo           $    3,12\n"
         "{NI}[2,00 X $ 6000,00]\nParrillada para dos     $ 12000,00\n"
         "\n\n{AD}TOTAL $ 29103,12\n\n\n\n{NC}¡Gracias por su visita!\n\n\n\n{CORTE}"},
        {"kitchen: what is still to prepare, no prices, no footer", registroCompleto(false), true, false, Mesa12,
         29103.12, EncabezadoCompleto,
         "2,00  Milanesa napolitana con pap\n      as fritas\n"
         "-1,00  Parrillada para dos\n"
         "\n\n{AD}\n\n** COCINA **\n\n\n\n\n\n{CORTE}"},
        {"bar: what is still to invoice, two-line layout", registroCompleto(true), false, true, Mesa12, 29103.12,
         EncabezadoCompleto,
         "{NI}2,00  Agua mineral sin gas 500 ml\n"
         "{NI}2,00  Vino tinto Malbec, copa\n"
         "\n\n{AD}\n\n** BARRA **\n\n\n\n\n\n{CORTE}"},
        {"ordinary without lines",
         {},
         false,
         false,
         {},
         0,
         EncabezadoMinimo,
         "\n\n{AD}TOTAL $     0,00\n\n\n\n\n\n\n{CORTE}"},
        {"kitchen without lines",
         {},
         true,
         false,
         {},
         0,
         EncabezadoMinimo,
         "\n\n{AD}\n\n** COCINA **\n\n\n\n\n\n{CORTE}"},
        {"description of 27 characters, one outside the code page",
         {},
         true,
         false,
         {linea("Bife de chorizo con ensalaΩ", 1, 1, 0, 0, "C")},
         1,
         EncabezadoMinimo,
         "1,00  Bife de chorizo con ensala?\n\n\n{AD}\n\n** COCINA **\n\n\n\n\n\n{CORTE}"},
        {"description of 28 characters",
         {},
         true,
         false,
         {linea("Bife de chorizo con ensalada", 1, 1, 0, 0, "C")},
         1,
         EncabezadoMinimo,
         "1,00  Bife de chorizo con ensalad\n      a\n\n\n{AD}\n\n** COCINA **\n\n\n\n\n\n{CORTE}"},
        {"description of 100 characters",
         {},
         false,
         true,
         {linea("0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789",
                1, 1.5, 0, 0, "B")},
         1,
         EncabezadoMinimo,
         "1,50  012345678901234567890123456\n"
         "      789012345678901234567890123\n"
         "      456789012345678901234567890\n"
         "\n\n{AD}\n\n** BARRA **\n\n\n\n\n\n{CORTE}"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const QByteArray bytes = imprimir(caso);
        EXPECT_EQ(bytes, TicketEsperado(caso.encabezado) + TicketEsperado(caso.cuerpo)) << bytes.toHex().toStdString();
    }
}

} // namespace
