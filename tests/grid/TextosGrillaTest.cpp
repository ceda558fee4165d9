// The text builders of the paged grid, as golden strings: the words of a query (table, probe,
// own conditions and order), the alias table, the page query in both dialects, the conditions,
// the count, the search conditions and the sort order.

#include "grid/CondicionesGrilla.h"
#include "grid/PalabrasSQL.h"
#include "grid/SentenciasGrilla.h"
#include "grid/TablaEquivalencias.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Palabras {
    const char *sql;
    const char *tabla;
    const char *sonda;
    const char *condicion;
    const char *orden;
};

void PrintTo(const Palabras &caso, std::ostream *os)
{
    *os << caso.sql;
}

class PalabrasDeLaConsulta : public ::testing::TestWithParam<Palabras> { };

// One rule finds the table for the paging clause and the column probe: FROM, WHERE, SELECT and
// ORDER BY count only as words of the statement, never inside a literal, a name or a subquery.
TEST_P(PalabrasDeLaConsulta, TableProbeConditionsAndOrderComeFromTheStatementsOwnWords)
{
    const Palabras &caso = GetParam();
    const PalabrasSQL palabras(QString::fromUtf8(caso.sql));
    EXPECT_EQ(palabras.tabla(), QString::fromUtf8(caso.tabla));
    EXPECT_EQ(palabras.sondaUnaFila(), QString::fromUtf8(caso.sonda));
    EXPECT_EQ(palabras.condicionPropia(), QString::fromUtf8(caso.condicion));
    EXPECT_EQ(palabras.ordenPropio(), QString::fromUtf8(caso.orden));
}

INSTANTIATE_TEST_SUITE_P(
    Consultas, PalabrasDeLaConsulta,
    ::testing::Values(
        Palabras{"SELECT * FROM Clientes  ", "Clientes", "SELECT TOP 1 * FROM Clientes  ", "", ""},
        Palabras{"SELECT * FROM Clientes where Activo = 1 ", "Clientes",
                 "SELECT TOP 1 * FROM Clientes where Activo = 1 ", "Activo = 1", ""},
        Palabras{"select Nombre from dbo.[Mis Clientes] with(nolock) WHERE Zona='x from y' order by Nombre desc ",
                 "dbo.[Mis Clientes]",
                 "select TOP 1 Nombre from dbo.[Mis Clientes] with(nolock) WHERE Zona='x from y' ", "Zona='x from y'",
                 " order by Nombre desc "},
        Palabras{"SELECT (SELECT MAX(Fecha) FROM Pagos WHERE Pagos.Id = C.Id) AS Ultimo, [From] FROM Clientes C "
                 "WHERE C.Id IN (SELECT Id FROM Activos ORDER BY Id) ORDER BY 1",
                 "Clientes",
                 "SELECT TOP 1 (SELECT MAX(Fecha) FROM Pagos WHERE Pagos.Id = C.Id) AS Ultimo, [From] FROM Clientes C "
                 "WHERE C.Id IN (SELECT Id FROM Activos ORDER BY Id) ",
                 "C.Id IN (SELECT Id FROM Activos ORDER BY Id)", " ORDER BY 1"},
        Palabras{"SELECT DISTINCT Zona FROM Clientes ORDER BY Zona", "Clientes",
                 "SELECT DISTINCT TOP 1 Zona FROM Clientes ", "", " ORDER BY Zona"},
        Palabras{"SELECT TOP 10 * FROM Clientes ORDER BY Saldo DESC", "Clientes",
                 "SELECT TOP 10 * FROM Clientes ORDER BY Saldo DESC", "", " ORDER BY Saldo DESC"},
        Palabras{"SELECT 'SELECT' AS [ORDER BY], x FROM T -- FROM U\n WHERE x > 0", "T",
                 "SELECT TOP 1 'SELECT' AS [ORDER BY], x FROM T -- FROM U\n WHERE x > 0", "x > 0", ""},
        Palabras{"SELECT * FROM (SELECT Id FROM T) AS D", "", "SELECT TOP 1 * FROM (SELECT Id FROM T) AS D", "", ""},
        Palabras{"exec sp_Clientes 1", "", "exec sp_Clientes 1", "", ""}));

struct Alias {
    const char *sql;
    QList<TablaEquivalencias::Par> pares;
};

void PrintTo(const Alias &caso, std::ostream *os)
{
    *os << caso.sql;
}

class TablaDeAlias : public ::testing::TestWithParam<Alias> { };

TEST_P(TablaDeAlias, EachAliasedItemOfTheSelectListGivesItsWholeExpressionAndItsAliasBracketed)
{
    const TablaEquivalencias tabla(QString::fromUtf8(GetParam().sql));
    ASSERT_EQ(tabla.pares().size(), GetParam().pares.size());
    for (int i = 0; i < tabla.pares().size(); ++i) {
        EXPECT_EQ(tabla.pares().at(i).expresion, GetParam().pares.at(i).expresion) << i;
        EXPECT_EQ(tabla.pares().at(i).alias, GetParam().pares.at(i).alias) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Consultas, TablaDeAlias,
    ::testing::Values(
        Alias{"SELECT Codigo as [Cod], Nombre as Nom FROM T ", {{"[Codigo]", "[Cod]"}, {"[Nombre]", "[Nom]"}}},
        Alias{"SELECT SUM(Importe) as Total FROM T group by X ", {{"SUM(Importe)", "[Total]"}}},
        Alias{"SELECT ID, Importe * 2 AS Doble FROM T", {{"Importe * 2", "[Doble]"}}},
        Alias{"SELECT TOP (5) CAST(Importe AS int) AS Entero, LEFT(Nombre, 3) as Ini, ID, "
              "(SELECT MAX(Fecha) FROM P WHERE P.Id = T.Id) AS [Ultimo Pago] FROM T AS X",
              {{"CAST(Importe AS int)", "[Entero]"},
               {"LEFT(Nombre, 3)", "[Ini]"},
               {"(SELECT MAX(Fecha) FROM P WHERE P.Id = T.Id)", "[Ultimo Pago]"}}},
        Alias{"SELECT DISTINCT TOP 10 Codigo as Cod\nFROM T", {{"[Codigo]", "[Cod]"}}},
        Alias{"SELECT a,b AS c,d FROM T", {{"[b]", "[c]"}}},
        Alias{"SELECT C.[Razon Social] as Cliente, [T].[Saldo] AS [Saldo Actual] FROM T",
              {{"C.[Razon Social]", "[Cliente]"}, {"[T].[Saldo]", "[Saldo Actual]"}}},
        Alias{"SELECT Codigo  as Cod, Nombre as Nom FROM T", {{"[Codigo]", "[Cod]"}, {"[Nombre]", "[Nom]"}}},
        Alias{"SELECT * FROM T", {}}));

TEST(EquiCampo, TurnsAnAliasBackIntoItsExpressionAndAnExpressionIntoItsAlias)
{
    const TablaEquivalencias tabla(QStringLiteral("SELECT Codigo as [Cod], Nombre as Nom FROM T "));
    EXPECT_EQ(tabla.EquiCampo(QStringLiteral("[Cod]"), false), QStringLiteral("[Codigo]"));
    EXPECT_EQ(tabla.EquiCampo(QStringLiteral("[ nom ]"), false), QStringLiteral("[Nombre]"));
    EXPECT_EQ(tabla.EquiCampo(QStringLiteral("[Otro]"), false), QStringLiteral("[Otro]"));
    EXPECT_EQ(tabla.EquiCampo(QStringLiteral("[nombre]"), true), QStringLiteral("[Nom]"));
    EXPECT_EQ(tabla.EquiCampo(QStringLiteral("[Cod]"), true), QStringLiteral("[Cod]"));
}

SentenciasGrilla::Paginado pagina(const char *sql, long tamano, long numero, const char *filtro = "",
                                  const char *orden = "")
{
    SentenciasGrilla::Paginado p;
    p.sql = QString::fromUtf8(sql);
    p.PageSize = tamano;
    p.pagina = numero;
    p.pFiltro = QString::fromUtf8(filtro);
    p.OrderBy = QString::fromUtf8(orden);
    p.pWhere = SentenciasGrilla::ArmarWhere(p.sql, p.pFiltro);
    return p;
}

const char *const Filtro = " CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%'";

TEST(ArmarWhere, TheQuerysOwnConditionsGoInParenthesesWhenTheFilterIsAppended)
{
    using SentenciasGrilla::ArmarWhere;
    EXPECT_EQ(ArmarWhere(QStringLiteral("SELECT * FROM T  "), QString()), QString());
    EXPECT_EQ(ArmarWhere(QStringLiteral("SELECT * FROM T  "), QString::fromUtf8(Filtro)),
              QStringLiteral(" where  CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%'"));
    EXPECT_EQ(ArmarWhere(QStringLiteral("SELECT * FROM T WHERE a = 1 OR b = 2 ORDER BY c "), QString()),
              QStringLiteral("WHERE a = 1 OR b = 2"));
    EXPECT_EQ(ArmarWhere(QStringLiteral("SELECT * FROM T WHERE a = 1 OR b = 2 ORDER BY c "), QString::fromUtf8(Filtro)),
              QStringLiteral("WHERE (a = 1 OR b = 2) AND  CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%'"));
}

struct Paginacion {
    const char *caso;
    SentenciasGrilla::Paginado p;
    const char *clausula;
};

void PrintTo(const Paginacion &caso, std::ostream *os)
{
    *os << caso.caso;
}

SentenciasGrilla::Paginado enOracle(SentenciasGrilla::Paginado p)
{
    p.oracle = true;
    return p;
}

SentenciasGrilla::Paginado conFilas(SentenciasGrilla::Paginado p, long filas)
{
    p.filas = filas;
    return p;
}

SentenciasGrilla::Paginado conClave(SentenciasGrilla::Paginado p, const char *clave, bool nulos = false)
{
    p.clave = QString::fromUtf8(clave);
    p.claveConNulos = nulos;
    return p;
}

class ArmarSQLPaginado : public ::testing::TestWithParam<Paginacion> { };

TEST_P(ArmarSQLPaginado, LimitsThePageQueryToTheRowsOfOnePage)
{
    EXPECT_EQ(SentenciasGrilla::ArmarSQLPaginado(GetParam().p), QString::fromUtf8(GetParam().clausula));
}

INSTANTIATE_TEST_SUITE_P(
    Formas, ArmarSQLPaginado,
    ::testing::Values(
        Paginacion{"page 1 is the first rows in the order", pagina("SELECT * FROM Clientes  ", 50, 1),
                   " FROM (SELECT TOP 50 *  FROM Clientes   Order by ID ) AS Paginacion "},
        Paginacion{
            "page 3 in another order takes the keys numbered after the skipped rows",
            conFilas(pagina("SELECT * FROM Clientes WHERE Activo = 1 OR Tipo = 2 ORDER BY Nombre  ", 20, 3, Filtro,
                            " Order by [Nombre] Asc "),
                     200),
            " FROM (SELECT *  FROM Clientes WHERE ID IN (SELECT TOP 20 ID FROM (SELECT ID, ROW_NUMBER() OVER ( Order "
            "by [Nombre] Asc, ID ) AS Fila FROM Clientes WHERE (Activo = 1 OR Tipo = 2) AND  CONVERT(NVARCHAR,[Nombre]) "
            "LIKE '%ab%') AS Numeradas WHERE Fila > 40 AND Fila <= 60)) AS Paginacion "},
        Paginacion{"past the middle the rows are numbered from the other end",
                   conFilas(pagina("SELECT * FROM Clientes  ", 20, 3, "", " Order by [Nombre] Asc , YEAR(Alta) "), 70),
                   " FROM (SELECT *  FROM Clientes WHERE ID IN (SELECT TOP 20 ID FROM (SELECT ID, ROW_NUMBER() OVER ( "
                   "Order by [Nombre] Desc, YEAR(Alta) Desc, ID Desc ) AS Fila FROM Clientes ) AS Numeradas WHERE "
                   "Fila > 10 AND Fila <= 30)) AS Paginacion "},
        Paginacion{"ordered by another key, a page starts after the last key skipped",
                   conClave(pagina("SELECT * FROM Clientes  ", 10, 2), "Codigo"),
                   " FROM (SELECT TOP 10 *  FROM Clientes WHERE Codigo > (SELECT MAX(Codigo) FROM (SELECT TOP 10 "
                   "Codigo FROM Clientes   Order by Codigo ) AS Salto)   Order by Codigo ) AS Paginacion "},
        Paginacion{"ordered by the key descending, before the last key skipped, under the conditions",
                   pagina("SELECT * FROM Clientes WHERE Activo = 1 ", 10, 3, Filtro, " Order by [ID] Desc "),
                   " FROM (SELECT TOP 10 *  FROM Clientes WHERE ID < (SELECT MIN(ID) FROM (SELECT TOP 20 ID FROM "
                   "Clientes WHERE (Activo = 1) AND  CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%'  Order by [ID] Desc ) AS "
                   "Salto)  and  CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%' and (Activo = 1)  Order by [ID] Desc ) AS "
                   "Paginacion "},
        Paginacion{"keys with nulls take the skipped rows too",
                   conClave(pagina("SELECT * FROM Clientes WHERE Activo = 1 ", 10, 3), "Codigo", true),
                   " FROM (SELECT TOP 30 *  FROM Clientes WHERE Activo = 1  Order by Codigo ) AS Paginacion "},
        Paginacion{"Oracle without conditions", enOracle(pagina("SELECT * FROM Clientes  ", 50, 2)),
                   " FROM (SELECT *  FROM Clientes WHERE ROWNUM<=50 AND ID NOT IN (SELECT ID FROM Clientes  WHERE  "
                   "ROWNUM<=50  Order by ID )   Order by ID )  Paginacion "},
        Paginacion{
            "Oracle with conditions and order",
            enOracle(pagina("SELECT * FROM Clientes WHERE Activo = 1 ", 5, 2, Filtro, " Order by [Nombre] Desc ")),
            " FROM (SELECT *  FROM Clientes WHERE ROWNUM<=5 AND ID NOT IN (SELECT ID FROM Clientes WHERE "
            "(Activo = 1) AND  CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%' AND  ROWNUM<=5  Order by [Nombre] Desc, ID )  "
            "and  CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%' and (Activo = 1)  Order by [Nombre] Desc, ID )  Paginacion "},
        Paginacion{"a join is not paged", pagina("SELECT * FROM A INNER JOIN B ON A.Id = B.Id ", 50, 2), ""},
        Paginacion{"nor a grouping", pagina("SELECT Zona, COUNT(*) AS N FROM A group by Zona ", 50, 1), ""}));

TEST(SentenciaPagina, SelectListPagingConditionsAndAnOrderThroughTheDerivedTable)
{
    const QString sql = QStringLiteral("SELECT Codigo as Cod, Fecha FROM Clientes  ");
    const TablaEquivalencias alias(sql);
    const QString lista = QStringLiteral(
        "[Cod]| CONVERT(NVARCHAR|[Fecha]|103) AS [Fecha]| CONVERT(decimal(10,2)|[Saldo]) AS [Saldo]| ID");
    EXPECT_EQ(
        SentenciasGrilla::sentenciaPagina(lista, pagina(sql.toUtf8().constData(), 2, 1, "", " Order by [Fecha] Desc "),
                                          alias),
        QStringLiteral(
            "SELECT  [Codigo] as [Cod], CONVERT(NVARCHAR,[Fecha],103) AS [Fecha], CONVERT(decimal(10,2),[Saldo]) AS [Saldo], ID  "
            "FROM (SELECT TOP 2 *  FROM Clientes   Order by [Fecha] Desc, ID ) AS Paginacion    "
            "Order by Paginacion.[Fecha] Desc, Paginacion.ID "));
    const QString procedimiento = QStringLiteral("exec sp_Saldos 'a|b' ");
    EXPECT_EQ(SentenciasGrilla::sentenciaPagina(lista, pagina("exec sp_Saldos 'a|b' ", 2, 3, Filtro), alias),
              procedimiento);
}

TEST(OrdenExterior, NamesPlainColumnsThroughTheDerivedTableAndLeavesExpressions)
{
    using SentenciasGrilla::ordenExterior;
    EXPECT_EQ(ordenExterior(QString()), QString());
    EXPECT_EQ(ordenExterior(QStringLiteral(" Order by [A] Asc , [B] Desc ")),
              QStringLiteral(" Order by Paginacion.[A] Asc, Paginacion.[B] Desc "));
    EXPECT_EQ(ordenExterior(QStringLiteral(" ORDER BY Fecha DESC,YEAR(Alta), Nombre ")),
              QStringLiteral(" ORDER BY Paginacion.Fecha DESC, YEAR(Alta), Paginacion.Nombre "));
    EXPECT_EQ(ordenExterior(QStringLiteral(" Order by [a]]b] Desc ")),
              QStringLiteral(" Order by Paginacion.[a]]b] Desc "));
}

// Every query of a page orders the rows alike: the key ends the order, or is the whole order.
TEST(OrdenDePaginado, TheKeyEndsTheOrderOnceOrIsTheOrder)
{
    using SentenciasGrilla::ordenDePaginado;
    EXPECT_EQ(ordenDePaginado(QString(), QStringLiteral("ID")), QStringLiteral(" Order by ID "));
    EXPECT_EQ(ordenDePaginado(QStringLiteral(" Order by [A] Asc , [B] Desc "), QStringLiteral("ID")),
              QStringLiteral(" Order by [A] Asc , [B] Desc, ID "));
    EXPECT_EQ(ordenDePaginado(QStringLiteral(" ORDER BY Fecha, [id] DESC "), QStringLiteral("ID")),
              QStringLiteral(" ORDER BY Fecha, [id] DESC "));
}

TEST(Cuenta, AsksTheDatabaseForTheRowsAndKeyedRowsUnderTheFilter)
{
    EXPECT_EQ(
        SentenciasGrilla::cuenta(
            QStringLiteral("SELECT Nombre FROM Clientes with(nolock) WHERE a = 1 OR b = 2 ORDER BY Nombre "),
            QStringLiteral("Codigo"), QString::fromUtf8(Filtro)),
        QStringLiteral(
            "SELECT COUNT(*) AS Filas, COUNT(Codigo) AS Claves FROM Clientes with(nolock) WHERE (a = 1 OR b = 2) AND  "
            "CONVERT(NVARCHAR,[Nombre]) LIKE '%ab%'"));
    EXPECT_EQ(SentenciasGrilla::cuenta(QStringLiteral("SELECT * FROM Clientes  "), QString(), QString()),
              QStringLiteral("SELECT COUNT(*) AS Filas, COUNT(ID) AS Claves FROM Clientes "));
}

TEST(ArmarCampos, AnAliasItemBecomesItsExpressionAsTheAlias)
{
    const TablaEquivalencias alias(QStringLiteral("SELECT Codigo as Cod, Nombre as Nom FROM T "));
    EXPECT_EQ(
        SentenciasGrilla::ArmarCampos(QStringLiteral("[Cod], [Nom]|CONVERT(NVARCHAR,[Nom],103) AS [X],ID"), alias),
        QStringLiteral("[Codigo] as [Cod], [Nombre] as [Nom]|CONVERT(NVARCHAR,[Nom],103) AS [X],ID"));
}

} // namespace
