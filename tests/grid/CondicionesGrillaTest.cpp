// The search conditions and the sort order of the paged grid.

#include "grid/CondicionesGrilla.h"
#include "grid/TablaEquivalencias.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using CondicionesGrilla::Columna;

const TablaEquivalencias Alias(QStringLiteral("SELECT Codigo as Cod, Nombre, Alta FROM Clientes "));

TEST(CondicionDeBusqueda, NamesTheColumnsExpressionAndKeepsTheTextOneLiteral)
{
    using CondicionesGrilla::condicionColumna;
    EXPECT_EQ(condicionColumna({QStringLiteral("Nombre")}, QStringLiteral("abc"), Alias),
              QStringLiteral(" CONVERT(NVARCHAR,[Nombre]) LIKE '%abc%'"));
    EXPECT_EQ(condicionColumna({QStringLiteral("Cod")}, QStringLiteral("O'Hara"), Alias),
              QStringLiteral(" CONVERT(NVARCHAR,[Codigo]) LIKE '%O''Hara%'"));
    EXPECT_EQ(condicionColumna({QStringLiteral("Alta"), true}, QStringLiteral("05/03/2024"), Alias),
              QStringLiteral(" [Alta] = '05/03/2024'"));
    EXPECT_EQ(condicionColumna({QStringLiteral("Alta"), true}, QStringLiteral("abc"), Alias), std::nullopt);
}

TEST(CondicionDeBusqueda, AllColumnsJoinTheirPiecesWithOrAndLeaveDatesOutUnlessTheTextIsADate)
{
    const QList<Columna> columnas{
        {QStringLiteral("Cod")}, {QStringLiteral("Nombre")}, {QStringLiteral("Alta"), true}, {QStringLiteral("ID")}};
    EXPECT_EQ(
        CondicionesGrilla::condicionTodas(columnas, QStringLiteral("abc"), Alias),
        QStringLiteral(" ( CONVERT(NVARCHAR,[Codigo]) LIKE '%abc%' or  CONVERT(NVARCHAR,[Nombre]) LIKE '%abc%' or  "
                       "CONVERT(NVARCHAR,[ID]) LIKE '%abc%') "));
    EXPECT_EQ(
        CondicionesGrilla::condicionTodas(columnas, QStringLiteral("01/02/2024"), Alias),
        QStringLiteral(" ( CONVERT(NVARCHAR,[Codigo]) LIKE '%01/02/2024%' or  CONVERT(NVARCHAR,[Nombre]) LIKE "
                       "'%01/02/2024%' or  [Alta] = '01/02/2024' or  CONVERT(NVARCHAR,[ID]) LIKE '%01/02/2024%') "));
    EXPECT_EQ(CondicionesGrilla::condicionTodas({{QStringLiteral("Alta"), true}}, QStringLiteral("abc"), Alias),
              QString());
}

TEST(CondicionDeBusqueda, SearchesAccumulateJoinedByAnd)
{
    QString filtro;
    for (const char *texto : {"abc", "def"})
        filtro = CondicionesGrilla::agregarCondicion(
            filtro, *CondicionesGrilla::condicionColumna({QStringLiteral("Nombre")}, QString::fromUtf8(texto), Alias));
    EXPECT_EQ(filtro,
              QStringLiteral(" CONVERT(NVARCHAR,[Nombre]) LIKE '%abc%' and  CONVERT(NVARCHAR,[Nombre]) LIKE '%def%'"));
}

struct Orden {
    const char *caso;
    const char *antes;
    int OrdenSent;
    int Order;
    const char *caption;
    const char *despues;
};

void PrintTo(const Orden &caso, std::ostream *os)
{
    *os << caso.caso;
}

class ArmarOrden : public ::testing::TestWithParam<Orden> { };

TEST_P(ArmarOrden, BuildsTheOrderFromTheDirectionAndTheColumnUnderTheCursor)
{
    const Orden &caso = GetParam();
    EXPECT_EQ(CondicionesGrilla::ArmarOrden(
                  QString::fromUtf8(caso.antes), caso.OrdenSent, caso.Order, QString::fromUtf8(caso.caption),
                  QStringLiteral("SELECT Codigo as Cod, Nombre FROM Clientes ORDER BY Nombre DESC  "), Alias),
              QString::fromUtf8(caso.despues));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArmarOrden,
    ::testing::Values(
        Orden{"not chosen keeps the order", " Order by [X] Asc ", 3, 1, "Nombre", " Order by [X] Asc "},
        Orden{"natural takes the query's own", " Order by [X] Asc ", 0, 1, "Nombre", " ORDER BY Nombre DESC  "},
        Orden{"one column", " Order by [X] Asc ", 2, 1, "Cod", " Order by [Codigo] Desc "},
        Orden{"first of several", "", 1, 2, "Nombre", " Order by [Nombre] Asc "},
        Orden{"a second column follows", " Order by [A] Asc ", 2, 2, "B", " Order by [A] Asc , [B] Desc "},
        Orden{"a column sorted again moves last with its direction", " Order by [A] Asc , [B] Desc ", 1, 2, "B",
              " Order by [A] Asc , [B] Asc "},
        Orden{"the only column sorted again", " Order by [A] Asc ", 2, 2, "A", " Order by [A] Desc "}));

} // namespace
