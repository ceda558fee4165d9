#include "db/DbFixtures.h"
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
        {QStringLiteral("1234,5"), "@", "1234.5"},
        {QStringLiteral(""), "@", "0"},
        {QStringLiteral("-0,25"), "@", "-0.25"},
        {QStringLiteral("PEREZ"), "'", "'PEREZ'"},
        {QStringLiteral("D'ANGELO"), "'", "'D''ANGELO'"},
        {QStringLiteral("x' OR '1'='1"), "'", "'x'' OR ''1''=''1'"},
        {QStringLiteral("A"), "", "A"},
        {42, "#", "42"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(db.SQLValue(c.value, QString::fromUtf8(c.type)), QString::fromUtf8(c.literal)) << c.literal;
}

TEST_F(ValuesAndNames, TypeCodeSets)
{
    EXPECT_EQ(db.ADOComilla(133), QStringLiteral("'"));
    EXPECT_EQ(db.ADOComilla(202), QStringLiteral("'"));
    EXPECT_EQ(db.ADOComilla(3), QString());
    EXPECT_TRUE(db.ADONumeric(QStringLiteral("5")));
    EXPECT_TRUE(db.adodate(QStringLiteral("7")));
    EXPECT_FALSE(db.adodate(rt::Variant()));
    EXPECT_FALSE(db.ADOText(QStringLiteral("texto")));
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
    QString twoParts = QStringLiteral("dbo.CLIENTES");
    EXPECT_EQ(db.stSTF(twoParts, 0), QStringLiteral("dbo"));
    EXPECT_EQ(db.stSTF(twoParts, 1), QStringLiteral("CLIENTES"));
    EXPECT_EQ(twoParts, QStringLiteral("dbo.CLIENTES"));
    QString threeParts = QStringLiteral("base.dbo.CLIENTES");
    EXPECT_EQ(db.stSTF(threeParts, 0), QStringLiteral("dbo.CLIENTES"));
    EXPECT_EQ(threeParts, QStringLiteral("dbo.CLIENTES"));
    QString plain = QStringLiteral("CLIENTES");
    EXPECT_EQ(db.stSTF(plain, 1), QStringLiteral("CLIENTES"));

    EXPECT_EQ(db.AddBrackets(QStringLiteral("MIS DATOS")), QStringLiteral("[MIS DATOS]"));
    EXPECT_EQ(db.AddBrackets(QStringLiteral("[MIS DATOS]")), QStringLiteral("[MIS DATOS]"));
    EXPECT_EQ(db.AddBrackets(QStringLiteral("DATOS")), QStringLiteral("DATOS"));
    EXPECT_EQ(db.StripBrackets(QStringLiteral("[MIS DATOS]")), QStringLiteral("MIS DATOS"));
    EXPECT_EQ(db.StripBrackets(QStringLiteral("[ABC")), QStringLiteral("AB"));
    EXPECT_EQ(db.StripBrackets(QStringLiteral("ABC")), QStringLiteral("ABC"));
    EXPECT_EQ(db.StripConnect(QStringLiteral("CLIENTES ->conexion")), QStringLiteral("CLIENTES"));
    EXPECT_EQ(db.StripConnect(QStringLiteral("CLIENTES")), QStringLiteral("CLIENTES"));
    EXPECT_EQ(db.StripFileName(QStringLiteral("C:\\Datos\\base.mdb")), QStringLiteral("C:\\Datos"));
    EXPECT_EQ(db.StripFileName(QStringLiteral("/datos/base.db")), QStringLiteral("/datos"));
    EXPECT_EQ(db.StripFileName(QStringLiteral("base.mdb")), QString());
    EXPECT_EQ(db.StripFileName(QStringLiteral("\\base.mdb")), QString());
    QString owner = QStringLiteral("dbo.T");
    EXPECT_EQ(db.StripOwner(owner), QStringLiteral("T"));
    EXPECT_EQ(owner, QStringLiteral("T"));
}

TEST_F(ValuesAndNames, NamesThatCannotBeCutRaiseInvalidArgument)
{
    for (const auto &call : {std::function<void()>([this] { db.StripConnect(QStringLiteral("->x")); }),
                             std::function<void()>([this] { db.StripBrackets(QStringLiteral("[")); })}) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const rt::RuntimeError &error) {
            EXPECT_EQ(error.Number, rt::err::InvalidProcedureCall);
        }
    }
}

TEST_F(ValuesAndNames, ProviderNames)
{
    EXPECT_EQ(db.pJETOLEDB40(), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(db.pJETOLEDB35(), QStringLiteral("Microsoft.Jet.OLEDB.3.51"));
    EXPECT_EQ(db.pSQLOLEDB(), QStringLiteral("SQLOLEDB"));
}

} // namespace
