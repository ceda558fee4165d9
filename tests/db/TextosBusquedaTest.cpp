#include "db/TextosBusqueda.h"

#include <gtest/gtest.h>

namespace {

struct LookupCase {
    const char *table;
    const char *key;
    const char *field;
    int type;
    const char *condition;
    const char *expected;
};

TEST(TextosBusqueda, ExisteEnTablaTrimsTextKeysAndTakesAConditionInstead)
{
    const LookupCase cases[] = {
        // As the settlement window asks it.
        {"v_COMISIONES_VENDEDOR_CAB", "12", "IdLiquidacion", 8, "",
         "SELECT TOP 1  * FROM v_COMISIONES_VENDEDOR_CAB with(nolock)  WHERE LTRIM(RTRIM(IdLiquidacion)) ='12'"},
        {"V_TA_VENDEDORES", "  0001 ", "IdVendedor", 8, "",
         "SELECT TOP 1  * FROM V_TA_VENDEDORES with(nolock)  WHERE LTRIM(RTRIM(IdVendedor)) ='0001'"},
        {"TA_USUARIOS", "O'Brien", "NOMBRE", 8, "",
         "SELECT TOP 1  * FROM TA_USUARIOS with(nolock)  WHERE LTRIM(RTRIM(NOMBRE)) ='O''Brien'"},
        {"T", " 01/02/2024 ", "F", 7, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE F = 01/02/2024 "},
        {"T", "12abc", "N", 3, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 12"},
        // Any other type writes the value as given.
        {"T", " 5 ", "B", 11, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE B =  5 "},
        {"T", "x", "C", 8, "A = 1", "SELECT TOP 1 * FROM T with(nolock)  WHERE A = 1"},
        // A condition holding "where", after a blank or at its start, brings its own.
        {"T", "x", "C", 8, "t1 where A = 1", "SELECT TOP 1 * FROM T with(nolock)  t1 where A = 1"},
        {"T", "x", "C", 8, "WHERE A = 1", "SELECT TOP 1 * FROM T with(nolock)  WHERE A = 1"},
    };
    for (const LookupCase &c : cases)
        EXPECT_EQ(TextosBusqueda::existeEnTabla(c.table, c.key, c.field, c.type, c.condition), c.expected) << c.key;
}

TEST(TextosBusqueda, ExisteEnTablaSTComparesTheKeyAsGiven)
{
    const LookupCase cases[] = {
        {"T", " 12 ", "C", 8, "", "SELECT * FROM T with(nolock)   WHERE C =' 12 '"},
        {"T", "a'b", "C", 8, "", "SELECT * FROM T with(nolock)   WHERE C ='a''b'"},
        {"T", " 7", "C", 5, "", "SELECT * FROM T with(nolock)   WHERE C = 7"},
        {"T", "", "", 8, "A = 1", "SELECT * FROM T with(nolock)   WHERE A = 1"},
    };
    for (const LookupCase &c : cases)
        EXPECT_EQ(TextosBusqueda::existeEnTablaST(c.table, c.key, c.field, c.type, c.condition), c.expected) << c.key;
}

TEST(TextosBusqueda, DatosTablaAddsTheConditionToTheKey)
{
    struct Case {
        LookupCase lookup;
        bool trim;
    };
    const Case cases[] = {
        // The administrator check.
        {{"ta_usuarios", " ADMIN ", "nombre", 8, "",
          "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ADMIN' "},
         true},
        {{"T", "x", "C", 8, "SISTEMA = 'cn000pr'",
          "SELECT TOP 1 * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='x'  AND SISTEMA = 'cn000pr'"},
         true},
        {{"T", " it's ", "C", 8, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE C =' it''s ' "}, false},
        // A date between hashes.
        {{"T", " 01/02/2024", "F", 7, "", "SELECT TOP 1 * FROM T with(nolock)  WHERE F = #01/02/2024# "}, true},
        // The condition is appended untrimmed; a blank one adds no AND but stays in the text.
        {{"T", "3", "N", 4, " X = 1 ", "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 3 AND  X = 1 "}, true},
        {{"T", "3", "N", 2, "  ", "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 3  "}, true},
    };
    for (const auto &[c, trim] : cases)
        EXPECT_EQ(TextosBusqueda::datosTabla(c.table, c.key, c.field, c.type, c.condition, trim), c.expected) << c.key;
}

TEST(TextosBusqueda, HighestAndLowestTakeAnOptionalCondition)
{
    EXPECT_EQ(TextosBusqueda::buscaMaximo("V_MA_ARTICULOS", "IDARTICULO", std::nullopt),
              "SELECT MAX(IDARTICULO) AS MAYOR FROM V_MA_ARTICULOS");
    EXPECT_EQ(TextosBusqueda::buscaMaximo("T", "C", " A = 1 "), "SELECT MAX(C) AS MAYOR FROM T WHERE A = 1");
    EXPECT_EQ(TextosBusqueda::buscaMaximo("T", "C", QString()), "SELECT MAX(C) AS MAYOR FROM T WHERE ");
    EXPECT_EQ(TextosBusqueda::buscaMinimo("T", "C", "A = 1"),
              "SELECT MIN(C) AS MENOR FROM T  with(nolock)  WHERE A = 1");
    EXPECT_EQ(TextosBusqueda::buscaMinimo("T", "C", std::nullopt), "SELECT MIN(C) AS MENOR FROM T  with(nolock) ");
}

TEST(TextosBusqueda, TypeCodesAndNumbers)
{
    EXPECT_EQ(TextosBusqueda::codigoTipo(8), 8);
    EXPECT_EQ(TextosBusqueda::codigoTipo("7"), 7);
    EXPECT_EQ(TextosBusqueda::codigoTipo("'"), -1);
    EXPECT_EQ(TextosBusqueda::codigoTipo(rt::Variant()), -1);
    EXPECT_EQ(TextosBusqueda::comoNumero(" 12.5xyz"), "12.5") << "numbers are written with a decimal point";
    EXPECT_EQ(TextosBusqueda::comoNumero("abc"), "0");
}

} // namespace
