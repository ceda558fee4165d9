#include "platform/report/ExpressionEvaluator.h"
#include "platform/report/ValueFormatter.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

// The values of one work row of a letter-A invoice line, as the print rows hold them: amounts
// with the workstation's decimal comma, the VAT rate with a point, a bonus left Null.
class FilaFactura : public report::ValueScope {
public:
    rt::Variant field(const report::FieldName &field) const override
    {
        return m_campos.value(field.field.toUpper(), rt::Variant::null());
    }
    rt::Variant formula(const QString &) const override { return {}; }
    rt::Variant sum(const QString &) const override { return {}; }

private:
    QHash<QString, rt::Variant> m_campos{{QStringLiteral("CANTIDAD"), rt::Variant(QStringLiteral("6"))},
                                         {QStringLiteral("PRECIO"), rt::Variant(QStringLiteral("540,00"))},
                                         {QStringLiteral("TOTAL"), rt::Variant(QStringLiteral("3920,40"))},
                                         {QStringLiteral("ALICUOTA"), rt::Variant(QStringLiteral("10.5"))},
                                         {QStringLiteral("BONIF"), rt::Variant(QStringLiteral("0"))},
                                         {QStringLiteral("BLANCO"), rt::Variant(QString())},
                                         {QStringLiteral("TIPO"), rt::Variant(QStringLiteral("IN"))}};
};

TEST(CalculoFormulasTest, ArithmeticOnWorkRowTextsAsTheFormsShowIt)
{
    const struct {
        const char *formula;
        const char *esperado;
    } casos[] = {
        {"{R.CANTIDAD} * {R.PRECIO} * (100 - {R.BONIF}) / 100", "3240"},
        {"{R.TOTAL} - {R.CANTIDAD} * {R.PRECIO}", "680,4"},
        {"{R.ALICUOTA} + 0", "10,5"},
        {"-{R.PRECIO} + 40", "-500"},
        {"10-4-3", "3"},
        {"Round(2.675, 2)", "2,68"},
        {"Round(-0.5)", "-1"},
        {"{R.BLANCO} + 1", "1"},
        {"{R.NINGUNO} * 2", ""},
        {"{R.PRECIO} / {R.NINGUNO}", ""},
        {"IIf({R.TIPO} = 'OC', 1, {R.CANTIDAD} * 2)", "12"},
        {"{R.CANTIDAD} * 2 > 11 and {R.TIPO} = 'IN'", "Verdadero"},
        {"{R.PRECIO} - 40 > {R.CANTIDAD} * 80", "Verdadero"},
        {"{R.PRECIO} - 40 = {R.CANTIDAD} * 80 + 20", "Verdadero"},
    };
    const FilaFactura fila;
    for (const auto &caso : casos) {
        const auto expresion = report::parseFormula(QString::fromLatin1(caso.formula));
        ASSERT_TRUE(expresion) << caso.formula;
        EXPECT_EQ(report::formatReportValue(report::evaluate(*expresion, fila), QString()),
                  QString::fromLatin1(caso.esperado))
            << caso.formula;
    }
}

} // namespace
