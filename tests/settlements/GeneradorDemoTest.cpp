// A month's settlement built from the window on the demo database: its salespersons list and
// totals agree with the article commissions it was built from.

#include "PruebaGenerador.h"

#include "components/FhOcx.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "settlements/FrmComisionesVendedor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class GeneradorDemo : public PruebaGeneradorBase {
protected:
    GeneradorDemo()
    {
        db.fillDemo(300, 7);
        abrirConexion(QStringLiteral("sqlite"));
    }
    ~GeneradorDemo() override { gBaseDatos.reset(); }

    double suma(const QString &consulta) { return rt::CDbl(db.value(consulta)); }

    // An amount as the lists show it ("1.234,50") read back as a number.
    static double importeDeLista(QString texto)
    {
        texto.remove(QLatin1Char('.'));
        texto.replace(QLatin1Char(','), QLatin1Char('.'));
        return texto.toDouble();
    }

    TestDatabase db;
};

TEST_F(GeneradorDemo, AMonthBuiltFromTheWindowListsItsSalespersonsWithTheCommissionOfItsArticles)
{
    FrmComisionesVendedor formulario;
    formulario.Inicializa();
    formulario.show();
    FhOcx *rango = formulario.findChild<FhOcx *>(QStringLiteral("FhOcx1"));
    ASSERT_NE(rango, nullptr);
    rango->Fh_Desde = QStringLiteral("01/03/2024");
    rango->Fh_Hasta = QStringLiteral("31/03/2024");
    esperarFinal();
    QTest::mouseClick(formulario.findChild<QPushButton *>(QStringLiteral("CmdGenerar")), Qt::LeftButton);
    dialogos.verify();
    // The new settlement is offered in the combo.
    EXPECT_EQ(formulario.findChild<QComboBox *>(QStringLiteral("CmbLiquidacion"))->itemText(1),
              QStringLiteral("1     01/03/24-31/03/24"));
    EXPECT_TRUE(formulario.findChild<QLabel *>(QStringLiteral("lblEstado"))->text().isEmpty());

    const double articulos =
        suma(QStringLiteral("SELECT SUM(ImporteComision) FROM V_COMISIONES_VENDEDOR_DET WHERE IdLiquidacion = 1"));
    EXPECT_GT(articulos, 0);

    // The settlement confirmed in the number field lists its salespersons.
    QLineEdit *numero = formulario.findChild<QLineEdit *>(QStringLiteral("txtfields_0"));
    numero->setFocus();
    numero->setText(QStringLiteral("1"));
    QTest::keyClick(numero, Qt::Key_Return);
    const QTreeWidget *lista = formulario.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    ASSERT_GE(lista->topLevelItemCount(), 3) << "at least two salespersons and the total row";
    const QTreeWidgetItem *total = lista->topLevelItem(lista->topLevelItemCount() - 1);
    EXPECT_EQ(total->text(0), QStringLiteral("Tot"));
    EXPECT_NEAR(importeDeLista(total->text(2)), articulos, 0.005);
    double porVendedor = 0;
    for (int i = 0; i + 1 < lista->topLevelItemCount(); ++i)
        porVendedor += importeDeLista(lista->topLevelItem(i)->text(2));
    EXPECT_NEAR(porVendedor, articulos, 0.01);
}

} // namespace
