#include "db/TextosBusqueda.h"

#include <gtest/gtest.h>

namespace {

struct LookupCase {
    const char *name;
    QString (*build)();
    const char *expected;
};

const LookupCase lookupCases[] = {
    {"ExisteEnTabla text key, as the settlement window asks it",
     [] { return TextosBusqueda::existeEnTabla("v_COMISIONES_VENDEDOR_CAB", "12", "IdLiquidacion", 8, ""); },
     "SELECT TOP 1  * FROM v_COMISIONES_VENDEDOR_CAB with(nolock)  WHERE LTRIM(RTRIM(IdLiquidacion)) ='12'"},
    {"ExisteEnTabla trims a text key",
     [] { return TextosBusqueda::existeEnTabla("V_TA_VENDEDORES", "  0001 ", "IdVendedor", 8, ""); },
     "SELECT TOP 1  * FROM V_TA_VENDEDORES with(nolock)  WHERE LTRIM(RTRIM(IdVendedor)) ='0001'"},
    {"ExisteEnTabla doubles quotes in a text key",
     [] { return TextosBusqueda::existeEnTabla("TA_USUARIOS", "O'Brien", "NOMBRE", 8, ""); },
     "SELECT TOP 1  * FROM TA_USUARIOS with(nolock)  WHERE LTRIM(RTRIM(NOMBRE)) ='O''Brien'"},
    {"ExisteEnTabla date key",
     [] { return TextosBusqueda::existeEnTabla("T", " 01/02/2024 ", "F", 7, ""); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE F = 01/02/2024 "},
    {"ExisteEnTabla number key",
     [] { return TextosBusqueda::existeEnTabla("T", "12abc", "N", 3, ""); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 12"},
    {"ExisteEnTabla other type writes the value as given",
     [] { return TextosBusqueda::existeEnTabla("T", " 5 ", "B", 11, ""); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE B =  5 "},
    {"ExisteEnTabla condition without WHERE",
     [] { return TextosBusqueda::existeEnTabla("T", "x", "C", 8, "A = 1"); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE A = 1"},
    {"ExisteEnTabla condition holding where after a blank",
     [] { return TextosBusqueda::existeEnTabla("T", "x", "C", 8, "t1 where A = 1"); },
     "SELECT TOP 1 * FROM T with(nolock)  t1 where A = 1"},
    {"ExisteEnTabla condition starting with WHERE gets a second one",
     [] { return TextosBusqueda::existeEnTabla("T", "x", "C", 8, "WHERE A = 1"); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE WHERE A = 1"},
    {"ExisteEnTablaST compares the text key as given",
     [] { return TextosBusqueda::existeEnTablaST("T", " 12 ", "C", 8, ""); },
     "SELECT * FROM T with(nolock)   WHERE C =' 12 '"},
    {"ExisteEnTablaST doubles quotes",
     [] { return TextosBusqueda::existeEnTablaST("T", "a'b", "C", 8, ""); },
     "SELECT * FROM T with(nolock)   WHERE C ='a''b'"},
    {"ExisteEnTablaST number key",
     [] { return TextosBusqueda::existeEnTablaST("T", " 7", "C", 5, ""); },
     "SELECT * FROM T with(nolock)   WHERE C = 7"},
    {"ExisteEnTablaST condition",
     [] { return TextosBusqueda::existeEnTablaST("T", "", "", 8, "A = 1"); },
     "SELECT * FROM T with(nolock)   WHERE A = 1"},
    {"DatosTabla text key trimmed, the administrator check",
     [] { return TextosBusqueda::datosTabla("ta_usuarios", " ADMIN ", "nombre", 8, "", true); },
     "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ADMIN' "},
    {"DatosTabla text key with a condition",
     [] { return TextosBusqueda::datosTabla("T", "x", "C", 8, "SISTEMA = 'cn000pr'", true); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE LTRIM(RTRIM(C)) ='x'  AND SISTEMA = 'cn000pr'"},
    {"DatosTabla text key untrimmed, quotes doubled",
     [] { return TextosBusqueda::datosTabla("T", " it's ", "C", 8, "", false); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE C =' it''s ' "},
    {"DatosTabla date key between hashes",
     [] { return TextosBusqueda::datosTabla("T", " 01/02/2024", "F", 7, "", true); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE F = #01/02/2024# "},
    {"DatosTabla number key with a condition appended untrimmed",
     [] { return TextosBusqueda::datosTabla("T", "3", "N", 4, " X = 1 ", true); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 3 AND  X = 1 "},
    {"DatosTabla blank condition adds no AND but stays in the text",
     [] { return TextosBusqueda::datosTabla("T", "3", "N", 2, "  ", true); },
     "SELECT TOP 1 * FROM T with(nolock)  WHERE N = 3  "},
    {"BuscaMaximo without condition",
     [] { return TextosBusqueda::buscaMaximo("V_MA_ARTICULOS", "IDARTICULO", std::nullopt); },
     "SELECT MAX(IDARTICULO) AS MAYOR FROM V_MA_ARTICULOS"},
    {"BuscaMaximo with a condition trimmed",
     [] { return TextosBusqueda::buscaMaximo("T", "C", QStringLiteral(" A = 1 ")); },
     "SELECT MAX(C) AS MAYOR FROM T WHERE A = 1"},
    {"BuscaMaximo with an empty condition ends in WHERE",
     [] { return TextosBusqueda::buscaMaximo("T", "C", QString()); }, "SELECT MAX(C) AS MAYOR FROM T WHERE "},
    {"BuscaMinimo with a condition",
     [] { return TextosBusqueda::buscaMinimo("T", "C", QStringLiteral("A = 1")); },
     "SELECT MIN(C) AS MENOR FROM T  with(nolock)  WHERE A = 1"},
    {"BuscaMinimo without condition",
     [] { return TextosBusqueda::buscaMinimo("T", "C", std::nullopt); }, "SELECT MIN(C) AS MENOR FROM T  with(nolock) "},
};

TEST(TextosBusqueda, BuildsEachLookUpTextExactly)
{
    for (const LookupCase &c : lookupCases)
        EXPECT_EQ(c.build(), QString::fromUtf8(c.expected)) << c.name;
}

TEST(TextosBusqueda, TypeCodesCompareAsValues)
{
    EXPECT_EQ(TextosBusqueda::codigoTipo(8), 8);
    EXPECT_EQ(TextosBusqueda::codigoTipo(QStringLiteral("7")), 7);
    EXPECT_EQ(TextosBusqueda::codigoTipo(QStringLiteral("'")), -1);
    EXPECT_EQ(TextosBusqueda::codigoTipo(rt::Variant()), -1);
}

TEST(TextosBusqueda, NumbersAreWrittenWithADecimalPoint)
{
    EXPECT_EQ(TextosBusqueda::comoNumero(QStringLiteral(" 12.5xyz")), QStringLiteral("12.5"));
    EXPECT_EQ(TextosBusqueda::comoNumero(QStringLiteral("abc")), QStringLiteral("0"));
}

} // namespace
