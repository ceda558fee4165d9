// The settlement window's resize rule, in twips.

#include "settlements/DisposicionVentana.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char *nombre;
    double ancho;
    double alto;
    RectanguloTwips filtros, vendedores, cobranzas, comprobantes, detalle;
};

// Listed and reported by its name.
void PrintTo(const Caso &c, std::ostream *os)
{
    *os << c.nombre;
}

void comprobar(const RectanguloTwips &obtenido, const RectanguloTwips &esperado, const char *control)
{
    SCOPED_TRACE(control);
    EXPECT_DOUBLE_EQ(obtenido.Left, esperado.Left);
    EXPECT_DOUBLE_EQ(obtenido.Top, esperado.Top);
    EXPECT_DOUBLE_EQ(obtenido.Width, esperado.Width);
    EXPECT_DOUBLE_EQ(obtenido.Height, esperado.Height);
}

class Redimension : public ::testing::TestWithParam<Caso> { };

TEST_P(Redimension, StretchesTheBandAndSharesTheHeightBetweenTheLists)
{
    const Caso &caso = GetParam();
    DisposicionVentana d;
    d.Width = caso.ancho;
    d.Height = caso.alto;
    d.altoBarraEstado = 300;
    d.frameFiltros = {60, 0, 14000, 1500};
    d.ListView1 = {60, 1560, 5700, 3000};
    d.ListView2 = {5820, 1560, 9000, 3000};
    d.ListView3 = {60, 4600, 7800, 3000};
    d.ListView5 = {7920, 4600, 7000, 3000};
    d.ajustar();
    comprobar(d.frameFiltros, caso.filtros, "frameFiltros");
    comprobar(d.ListView1, caso.vendedores, "ListView1");
    comprobar(d.ListView2, caso.cobranzas, "ListView2");
    comprobar(d.ListView3, caso.comprobantes, "ListView3");
    comprobar(d.ListView5, caso.detalle, "ListView5");
}

// Large: H = 10000 - (300 + 1500 + 500) = 7700, halved between the upper and lower lists.
// Too small: every negative height or width is refused and the steps after it use what the
// control kept, so the lower lists move under the upper ones' unchanged height.
INSTANTIATE_TEST_SUITE_P(Ventana, Redimension,
                         ::testing::Values(Caso{"Large",
                                                15000,
                                                10000,
                                                {60, 0, 14700, 1500},
                                                {60, 1560, 5700, 3850},
                                                {5820, 1560, 8900, 3850},
                                                {60, 5430, 7800, 3810},
                                                {7900, 5430, 7000, 3810}},
                                           Caso{"OddHeightHalvesInSinglePrecision",
                                                15000,
                                                10001,
                                                {60, 0, 14700, 1500},
                                                {60, 1560, 5700, 3850.5},
                                                {5820, 1560, 8900, 3850.5},
                                                {60, 5430.5, 7800, 3810.5},
                                                {7900, 5430.5, 7000, 3810.5}},
                                           Caso{"TooSmall",
                                                5000,
                                                2000,
                                                {60, 0, 4700, 1500},
                                                {60, 1560, 5700, 3000},
                                                {5820, 1560, 9000, 3000},
                                                {60, 4580, 7800, 3000},
                                                {7900, 4580, 7000, 3000}}),
                         [](const ::testing::TestParamInfo<Caso> &caso) { return std::string(caso.param.nombre); });

TEST(RectanguloTwips, FifteenTwipsMakeAPixel)
{
    const RectanguloTwips r = RectanguloTwips::desdePixeles(QRect(4, 10, 380, 200));
    EXPECT_DOUBLE_EQ(r.Left, 60);
    EXPECT_DOUBLE_EQ(r.Height, 3000);
    EXPECT_EQ((RectanguloTwips{60, 1567, 5700, 3850.5}).enPixeles(), QRect(4, 104, 380, 257));
}

} // namespace
