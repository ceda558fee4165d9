#include "ReportFixture.h"

#include "platform/report/ReportError.h"
#include "platform/report/SelectionTranslator.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace {

using report::FormulaValues;
using report::TableRef;
using report::TableResolver;

QList<TableRef> tables()
{
    TableRef cob{QStringLiteral("V_COMISIONES_VENDEDOR_COB"), QStringLiteral("COB"), TableRef::Join::From, {}};
    TableRef asientos{QStringLiteral("MV_ASIENTOS"), QStringLiteral("MV_ASIENTOS"), TableRef::Join::From, {}};
    TableRef cpte{QStringLiteral("V_MV_CPTE"), QStringLiteral("V_MV_CPTE"), TableRef::Join::From, {}};
    TableRef aux{QStringLiteral("AUX_MV_CPTE"), QStringLiteral("AUX_MV_CPTE"), TableRef::Join::From, {}};
    return {cob, asientos, cpte, aux};
}

QString translate(const QString &formula)
{
    FormulaValues formulas;
    formulas.set(QStringLiteral("Empresa"), QStringLiteral("O'Brien S.A."));
    const TableResolver resolver(tables());
    return report::translateSelection(formula, resolver, formulas).bound();
}

// A selection formula and the condition it becomes.
using Case = reporttest::TextCase;

class SelectionTranslation : public ::testing::TestWithParam<Case> { };

TEST_P(SelectionTranslation, BecomesWhereCondition)
{
    EXPECT_EQ(translate(QString::fromUtf8(GetParam().text)).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, SelectionTranslation,
    ::testing::Values(
        // "Listar Liquidacion": number unquoted, three blanks before "and"; values stay in their places.
        Case{"{V_COMISIONES_VENDEDOR_COB.IdLiquidacion}=12   and {V_COMISIONES_VENDEDOR_COB.IdVendedor}= '0001'",
             "COB.IdLiquidacion = 12 AND COB.IdVendedor = '0001'"},
        Case{"{v_comisiones_vendedor_cob.idvendedor} = '0001'", "COB.idvendedor = '0001'"},
        Case{"{cob.CbTc} <> 'NC'", "COB.CbTc <> 'NC'"},
        Case{
            "{MV_ASIENTOS.PERIODO} = '2024' AND {MV_ASIENTOS.MES_OPERATIVO} = 7 AND {MV_ASIENTOS.NUMERO ASIENTO} = 125",
            "MV_ASIENTOS.PERIODO = '2024' AND MV_ASIENTOS.MES_OPERATIVO = 7 AND MV_ASIENTOS.[NUMERO ASIENTO] = 125"},
        Case{"{MV_ASIENTOS.TC} = 'FC' AND ({MV_ASIENTOS.PERIODO} = 3 or {MV_ASIENTOS.PERIODO} = 4)",
             "MV_ASIENTOS.TC = 'FC' AND (MV_ASIENTOS.PERIODO = 3 OR MV_ASIENTOS.PERIODO = 4)"},
        Case{"{MV_ASIENTOS.TC} = 'FC' or {MV_ASIENTOS.TC} = 'NC' and {MV_ASIENTOS.LETRA} = 'A'",
             "MV_ASIENTOS.TC = 'FC' OR MV_ASIENTOS.TC = 'NC' AND MV_ASIENTOS.LETRA = 'A'"},
        Case{"({MV_ASIENTOS.TC} = 'FC' or {MV_ASIENTOS.TC} = 'NC') and {MV_ASIENTOS.LETRA} = 'A'",
             "(MV_ASIENTOS.TC = 'FC' OR MV_ASIENTOS.TC = 'NC') AND MV_ASIENTOS.LETRA = 'A'"},
        Case{"({v_mv_cpte.tc} = 'OT') and ({V_MV_CPTE.IDCOMPROBANTE} = '000100000012A' )",
             "V_MV_CPTE.tc = 'OT' AND V_MV_CPTE.IDCOMPROBANTE = '000100000012A'"},
        Case{"{AUX_MV_CPTE.IDCOMPROBANTE} = '000100000012A' AND {AUX_MV_CPTE.IDCOMPLEMENTO} = 0 AND "
             "{Aux_MV_CPte.USUARIO} = 'PC1|ANA'",
             "AUX_MV_CPTE.IDCOMPROBANTE = '000100000012A' AND AUX_MV_CPTE.IDCOMPLEMENTO = 0 AND "
             "AUX_MV_CPTE.USUARIO = 'PC1|ANA'"},
        Case{"{AUX_MV_CPTE.USUARIO} = \"PC1|ANA\"", "AUX_MV_CPTE.USUARIO = 'PC1|ANA'"},
        Case{"{V_MV_CPTE.Nombre} = 'O''Higgins'", "V_MV_CPTE.Nombre = 'O''Higgins'"},
        Case{"{V_MV_CPTE.Nombre} = 'x'' OR 1=1 --'", "V_MV_CPTE.Nombre = 'x'' OR 1=1 --'"},
        Case{"{V_MV_CPTE.Nombre} = {@Empresa}", "V_MV_CPTE.Nombre = 'O''Brien S.A.'"},
        Case{"{MV_ASIENTOS.Importe} >= 10.5 and {MV_ASIENTOS.Importe} < -3 and {MV_ASIENTOS.Importe} != 0",
             "MV_ASIENTOS.Importe >= 10.5 AND MV_ASIENTOS.Importe < -3 AND MV_ASIENTOS.Importe <> 0"},
        Case{"not ({MV_ASIENTOS.TC} = 'FC') AND IsNull({V_MV_CPTE.Nombre})",
             "NOT (MV_ASIENTOS.TC = 'FC') AND V_MV_CPTE.Nombre IS NULL"},
        Case{"{MV_ASIENTOS.Importe} - 40 > {MV_ASIENTOS.Cantidad} * 80 + 20",
             "(MV_ASIENTOS.Importe - 40) > ((MV_ASIENTOS.Cantidad * 80) + 20)"},
        Case{"{MV_ASIENTOS.Importe} - ({MV_ASIENTOS.Cantidad} - 1) > 0",
             "(MV_ASIENTOS.Importe - (MV_ASIENTOS.Cantidad - 1)) > 0"},
        Case{"{MV_ASIENTOS.Importe} / ({MV_ASIENTOS.Cantidad} / 2) > 0",
             "(MV_ASIENTOS.Importe / (MV_ASIENTOS.Cantidad / 2)) > 0"},
        Case{"   ", ""}));

// A selection formula and the part of the error's description that tells what is wrong.
using Fault = reporttest::TextCase;

class UnreadableSelection : public ::testing::TestWithParam<Fault> { };

TEST_P(UnreadableSelection, RaisesFormulaErrorToTheCaller)
{
    const auto error = errorOf([&] { translate(QString::fromUtf8(GetParam().text)); });
    EXPECT_EQ(error.Number, report::err::Formula);
    EXPECT_TRUE(error.Description.contains(QString::fromUtf8(GetParam().expected))) << error.Description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faults, UnreadableSelection,
                         ::testing::Values(Fault{"{V_MV_CPTE_ELECTRONICOS.TC} = 'FC'", "V_MV_CPTE_ELECTRONICOS"},
                                           Fault{"{MV_ASIENTOS.TC} = 'FC", "falta cerrar un texto"},
                                           Fault{"{MV_ASIENTOS.TC = 'FC'", "falta la llave de cierre"},
                                           Fault{"{MV_ASIENTOS} = 1", "{TABLA.CAMPO}"},
                                           Fault{"{MV_ASIENTOS.TC} = = 'FC'", "se esperaba un valor"},
                                           Fault{"{MV_ASIENTOS.TC} 'FC'", "sobra texto"},
                                           Fault{"{MV_ASIENTOS.TC} = 'FC' AND", "termina antes de tiempo"},
                                           Fault{"{MV_ASIENTOS.TC} = 'FC' & 'A'", "'&'"},
                                           Fault{"({MV_ASIENTOS.TC} = 'FC'", "paréntesis"},
                                           Fault{"{MV_ASIENTOS.TC} like 'F%'", "sobra texto"},
                                           Fault{"{#Total} > 0", "{#Total}"},
                                           Fault{"Round({MV_ASIENTOS.Importe}) = 3", "Round"}));

} // namespace
