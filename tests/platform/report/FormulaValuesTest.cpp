#include "platform/report/FormulaValues.h"
#include "platform/report/ReportError.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Case {
    const char *element;
    const char *name;
    const char *value;
};

// Test names show the text under test.
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.element;
}

class FormulaElement : public ::testing::TestWithParam<Case> { };

TEST_P(FormulaElement, GivesNameAndValue)
{
    const auto assignment = report::parseFormulaAssignment(QString::fromUtf8(GetParam().element));
    ASSERT_TRUE(assignment.has_value());
    EXPECT_EQ(assignment->name.toStdString(), GetParam().name);
    EXPECT_EQ(assignment->value.toStdString(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Elements, FormulaElement,
                         ::testing::Values(Case{"Empresa = 'ACME S.A.'", "Empresa", "ACME S.A."},
                                           Case{"   Empresa='ACME'   ", "Empresa", "ACME"},
                                           Case{"Empresa = 'O'Higgins Hnos.'", "Empresa", "O'Higgins Hnos."},
                                           Case{"Empresa = 'O''Higgins Hnos.'", "Empresa", "O'Higgins Hnos."},
                                           Case{"EMPRESA = ' '", "EMPRESA", " "},
                                           Case{"ENQUEMONEDA = '1'", "ENQUEMONEDA", "1"},
                                           Case{"ENQUEMONEDA = 1", "ENQUEMONEDA", "1"},
                                           Case{"Telefono= 'Telefono:4444-5555'", "Telefono", "Telefono:4444-5555"},
                                           Case{"Direccion = 'Calle = 12  '", "Direccion", "Calle = 12  "},
                                           Case{"Encabezado = \"ORIGINAL\"", "Encabezado", "ORIGINAL"},
                                           Case{"Empresa = 'sin cierre", "Empresa", "sin cierre"},
                                           Case{"Empresa = ''", "Empresa", ""}));

TEST(FormulaElementFaults, BlankElementsAreSkippedAndMalformedOnesRaise)
{
    EXPECT_FALSE(report::parseFormulaAssignment(QString()).has_value());
    EXPECT_FALSE(report::parseFormulaAssignment(QStringLiteral("    ")).has_value());
    for (const QString &bad : {QStringLiteral("Empresa 'ACME'"), QStringLiteral(" = 'ACME'")})
        EXPECT_EQ(errorNumber([&] { report::parseFormulaAssignment(bad); }), report::err::Formula) << bad.toStdString();
}

TEST(FormulaValuesApply, LaterElementWinsWhateverTheLetterCase)
{
    report::FormulaValues values;
    values.set(QStringLiteral("Empresa"), QStringLiteral("por defecto"));
    values.apply({QStringLiteral("Empresa = 'Primera'"), QString(), QStringLiteral("ENQUEMONEDA = '1'"),
                  QStringLiteral("EMPRESA = 'Segunda'")});
    EXPECT_EQ(values.value(QStringLiteral("empresa")), QStringLiteral("Segunda"));
    EXPECT_EQ(values.value(QStringLiteral("EnQueMoneda")), QStringLiteral("1"));
    EXPECT_FALSE(values.contains(QStringLiteral("Direccion")));
}

} // namespace
