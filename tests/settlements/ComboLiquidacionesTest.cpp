// The settlement combo's entries.

#include "PruebaLiquidacion.h"

#include "db/Conexiones.h"
#include "platform/runtime/DateTime.h"
#include "settlements/ComboLiquidaciones.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

QStringList entradas(const QComboBox &combo)
{
    QStringList textos;
    for (int i = 0; i < combo.count(); ++i)
        textos << combo.itemText(i);
    return textos;
}

class Combo : public PruebaLiquidacion {
protected:
    QComboBox combo;
    std::vector<long> errores;
    int respuesta = rt::AnswerIgnore;
    rt::ErrorHandler tratar = [this](const rt::RuntimeError &error) {
        errores.push_back(error.Number);
        return respuesta;
    };
};

TEST_F(Combo, ListsNewThenEveryStoredSettlementHighestFirst)
{
    combo.addItem(QStringLiteral("vieja"));
    EXPECT_TRUE(ComboLiquidaciones::llenar(combo, *gBaseDatos, tratar));
    EXPECT_EQ(entradas(combo),
              (QStringList{QStringLiteral("Nueva Liquidacion"), QStringLiteral("13     01/04/24-30/04/24"),
                           QStringLiteral("12     01/03/24-31/03/24"), QStringLiteral("7     01/01/24-31/01/24")}));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_TRUE(errores.empty());
}

TEST(ComboEntradas, TheNumberIsTheEntrysFirstSixCharacters)
{
    const QString entrada = ComboLiquidaciones::textoEntrada(123456, rt::DateTime::fromParts(2023, 12, 1),
                                                             rt::DateTime::fromParts(2024, 1, 15));
    EXPECT_EQ(entrada, QStringLiteral("123456     01/12/23-15/01/24"));
    EXPECT_EQ(ComboLiquidaciones::numeroDeEntrada(entrada), QStringLiteral("123456"));
    EXPECT_EQ(ComboLiquidaciones::numeroDeEntrada(QStringLiteral("7     01/01/24-31/01/24")), QStringLiteral("7     "));
}

TEST_F(Combo, AHeaderTableThatCannotBeReadIsPutToTheOperator)
{
    db.execute(QStringLiteral("DROP TABLE V_COMISIONES_VENDEDOR_CAB"));
    dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error")),
                          ui::vbAbort);
    EXPECT_TRUE(ComboLiquidaciones::llenar(combo, *gBaseDatos, tratar));
    EXPECT_EQ(entradas(combo), QStringList{QStringLiteral("Nueva Liquidacion")});
    EXPECT_EQ(errores, std::vector<long>{rt::err::AdoObjectClosed});
}

TEST_F(Combo, LeavingAtTheFirstFailureSkipsTheSelection)
{
    db.execute(QStringLiteral("DROP TABLE V_COMISIONES_VENDEDOR_CAB"));
    dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error")),
                          ui::vbAbort);
    respuesta = ui::vbAbort;
    EXPECT_FALSE(ComboLiquidaciones::llenar(combo, *gBaseDatos, tratar));
    EXPECT_EQ(errores.size(), 1U);
}

} // namespace
