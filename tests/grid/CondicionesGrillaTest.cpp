// The search conditions and the sort order of the paged grid.

#include "grid/CondicionesGrilla.h"
#include "grid/TablaEquivalencias.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using CondicionesGrilla::Columna;

const TablaEquivalencias Alias(QStringLiteral("SELECT Codigo as Cod, Nombre, Alta FROM Clientes "));

TEST(CondicionDeBusqueda, NamesTheColumnsExpressionConvertedUnlessItReadsAsTextAndKeepsTheTextOneLiteral)
{
    using CondicionesGrilla::condicionColumna;
    struct Caso {
        Columna columna;
        const char *texto;
        std::optional<QString> condicion;
    };
    for (const Caso &caso : {
             Caso{{QStringLiteral("Nombre")},
                  "abc",
                  QStringLiteral(" CHARINDEX('abc', CONVERT(NVARCHAR,[Nombre])) > 0")},
             Caso{
                 {QStringLiteral("Cod"), false, true}, "O'Hara", QStringLiteral(" CHARINDEX('O''Hara', [Codigo]) > 0")},
             Caso{{QStringLiteral("Cod"), false, true}, "a%b", QStringLiteral(" [Codigo] LIKE '%a%b%'")},
             Caso{{QStringLiteral("Nombre")}, "[ab]_", QStringLiteral(" CONVERT(NVARCHAR,[Nombre]) LIKE '%[ab]_%'")},
             Caso{{QStringLiteral("Alta"), true}, "05/03/2024", QStringLiteral(" [Alta] = '05/03/2024'")},
             Caso{{QStringLiteral("Alta"), true}, "abc", std::nullopt},
         }) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(condicionColumna(caso.columna, QString::fromUtf8(caso.texto), Alias), caso.condicion);
    }
}

TEST(CondicionDeBusqueda, AllColumnsJoinTheirPiecesWithOrAndLeaveDatesOutUnlessTheTextIsADate)
{
    const QList<Columna> columnas{
        {QStringLiteral("Cod")}, {QStringLiteral("Nombre")}, {QStringLiteral("Alta"), true}, {QStringLiteral("ID")}};
    EXPECT_EQ(CondicionesGrilla::condicionTodas(columnas, QStringLiteral("abc"), Alias),
              QStringLiteral(" ( CHARINDEX('abc', CONVERT(NVARCHAR,[Codigo])) > 0 or  CHARINDEX('abc', "
                             "CONVERT(NVARCHAR,[Nombre])) > 0 or  CHARINDEX('abc', CONVERT(NVARCHAR,[ID])) > 0) "));
    EXPECT_EQ(CondicionesGrilla::condicionTodas(columnas, QStringLiteral("01/02/2024"), Alias),
              QStringLiteral(" ( CHARINDEX('01/02/2024', CONVERT(NVARCHAR,[Codigo])) > 0 or  CHARINDEX('01/02/2024', "
                             "CONVERT(NVARCHAR,[Nombre])) > 0 or  [Alta] = '01/02/2024' or  CHARINDEX('01/02/2024', "
                             "CONVERT(NVARCHAR,[ID])) > 0) "));
    EXPECT_EQ(CondicionesGrilla::condicionTodas({{QStringLiteral("Alta"), true}}, QStringLiteral("abc"), Alias),
              QString());
}

TEST(CondicionDeBusqueda, SearchesAccumulateJoinedByAnd)
{
    QString filtro;
    for (const char *texto : {"abc", "def"})
        filtro = CondicionesGrilla::agregarCondicion(
            filtro, *CondicionesGrilla::condicionColumna({QStringLiteral("Nombre")}, QString::fromUtf8(texto), Alias));
    EXPECT_EQ(filtro, QStringLiteral(" CHARINDEX('abc', CONVERT(NVARCHAR,[Nombre])) > 0 and  CHARINDEX('def', "
                                     "CONVERT(NVARCHAR,[Nombre])) > 0"));
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
