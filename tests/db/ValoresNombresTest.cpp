#include "db/PruebaDb.h"
#include "platform/runtime/Regional.h"

#include <gtest/gtest.h>

namespace {

class ValuesAndNames : public support::ProgramTest {
protected:
    DB_Dll db;
};

TEST_F(ValuesAndNames, SQLValueWritesLiterals)
{
    const rt::RegionalScope spanish(rt::RegionalSettings::spanishArgentina());
    struct Case {
        rt::Variant value;
        const char *type;
        const char *literal;
    };
    const Case cases[] = {
        {rt::Variant::null(), "@", "0"},
        {rt::Variant::null(), "'", "NULL"},
        {rt::Variant::null(), "", "NULL"},
        {1234.5, "@", "1234.5"},
        {"1234,5", "@", "1234.5"},
        {"", "@", "0"},
        {"-0,25", "@", "-0.25"},
        {"0,0001", "@", "0.0001"},
        {"-12,3456", "@", "-12.3456"},
        {"PEREZ", "'", "'PEREZ'"},
        {"D'ANGELO", "'", "'D''ANGELO'"},
        {"x' OR '1'='1", "'", "'x'' OR ''1''=''1'"},
        {"A", "", "A"},
        {42, "#", "42"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(db.SQLValue(c.value, QString::fromUtf8(c.type)), QString::fromUtf8(c.literal)) << c.literal;
}

TEST_F(ValuesAndNames, TypeCodeSets)
{
    EXPECT_EQ(db.ADOComilla(133), "'");
    EXPECT_EQ(db.ADOComilla(202), "'");
    EXPECT_EQ(db.ADOComilla(3), QString());
    EXPECT_TRUE(db.ADONumeric("5"));
    EXPECT_TRUE(db.adodate("7"));
    EXPECT_FALSE(db.adodate(rt::Variant()));
    EXPECT_FALSE(db.ADOText("texto"));
    EXPECT_TRUE(db.ADOCurrency(6));
    EXPECT_TRUE(db.ADOBoolean(11));
    EXPECT_FALSE(db.ADOBoolean(6));
    for (int code : {20, 14, 5, 3, 131, 4, 2, 16, 21, 19, 18, 17})
        EXPECT_TRUE(db.ADONumeric(code)) << code;
    for (int code : {7, 133, 137, 134, 135, 64})
        EXPECT_TRUE(db.adodate(code) && !db.ADOText(code)) << code;
}

TEST_F(ValuesAndNames, NameHelpers)
{
    QString twoParts = "dbo.CLIENTES";
    EXPECT_EQ(db.stSTF(twoParts, 0), "dbo");
    EXPECT_EQ(db.stSTF(twoParts, 1), "CLIENTES");
    EXPECT_EQ(twoParts, "dbo.CLIENTES");
    QString threeParts = "base.dbo.CLIENTES";
    EXPECT_EQ(db.stSTF(threeParts, 0), "dbo.CLIENTES");
    EXPECT_EQ(threeParts, "dbo.CLIENTES");
    QString plain = "CLIENTES";
    EXPECT_EQ(db.stSTF(plain, 1), "CLIENTES");

    EXPECT_EQ(db.AddBrackets("MIS DATOS"), "[MIS DATOS]");
    EXPECT_EQ(db.AddBrackets("[MIS DATOS]"), "[MIS DATOS]");
    EXPECT_EQ(db.AddBrackets("DATOS"), "DATOS");
    EXPECT_EQ(db.StripBrackets("[MIS DATOS]"), "MIS DATOS");
    EXPECT_EQ(db.StripBrackets("[ABC"), "AB");
    EXPECT_EQ(db.StripBrackets("ABC"), "ABC");
    EXPECT_EQ(db.StripConnect("CLIENTES ->conexion"), "CLIENTES");
    EXPECT_EQ(db.StripConnect("CLIENTES"), "CLIENTES");
    EXPECT_EQ(db.StripFileName("C:\\Datos\\base.mdb"), "C:\\Datos");
    EXPECT_EQ(db.StripFileName("/datos/base.db"), "/datos");
    EXPECT_EQ(db.StripFileName("base.mdb"), QString());
    EXPECT_EQ(db.StripFileName("\\base.mdb"), QString());
    QString owner = "dbo.T";
    EXPECT_EQ(db.StripOwner(owner), "T");
    EXPECT_EQ(owner, "T");
}

TEST_F(ValuesAndNames, NamesThatCannotBeCutRaiseInvalidArgument)
{
    EXPECT_EQ(errorNumber([this] { db.StripConnect("->x"); }), rt::err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([this] { db.StripBrackets("["); }), rt::err::InvalidProcedureCall);
}

} // namespace
