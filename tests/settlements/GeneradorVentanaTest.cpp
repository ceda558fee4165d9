// "Cargar Liquidacion >>" in the settlement window, offscreen on the fixture month: the date
// checks, a new settlement, the rebuild question, and the window locked while a build runs.

#include "PruebaGenerador.h"

#include "components/FhOcx.h"
#include "platform/runtime/Conversions.h"
#include "settlements/FrmComisionesVendedor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

using support::BoxMatch;

const QString PreguntaRecalcular =
    QStringLiteral("Esto borrará las comisiones calculadas y las generará tomando los % actuales. ¿Continuar?");

class GeneradorVentana : public PruebaGenerador {
protected:
    GeneradorVentana()
    {
        cargarMarzo();
        ventana = std::make_unique<FrmComisionesVendedor>();
        setControlWindow(ventana.get());
        ventana->Inicializa();
        ventana->show();
    }

    void fechas(const QString &desde, const QString &hasta)
    {
        FhOcx *rango = control<FhOcx>(QStringLiteral("FhOcx1"));
        rango->Fh_Desde = desde;
        rango->Fh_Hasta = hasta;
        rango->MostrarFechas();
    }

    void cargar() { QTest::mouseClick(control<QPushButton>(QStringLiteral("CmdGenerar")), Qt::LeftButton); }

    // Whether each control of the window is enabled, by object name.
    std::map<QString, bool> habilitados() const
    {
        std::map<QString, bool> estado;
        for (const QWidget *control : ventana->findChildren<QWidget *>()) {
            if (!control->objectName().isEmpty())
                estado[control->objectName()] = control->isEnabled();
        }
        return estado;
    }

    std::unique_ptr<FrmComisionesVendedor> ventana;
};

TEST_F(GeneradorVentana, MissingOrReversedDatesAreRefusedBeforeAnythingIsWritten)
{
    struct Caso {
        QString desde, hasta, aviso;
    };
    const QString sinRango = QStringLiteral("Debe informar el rango de fechas a consultar");
    const Caso casos[] = {{QString(), QStringLiteral("31/03/2024"), sinRango},
                          {QStringLiteral("01/03/2024"), QStringLiteral(" "), sinRango},
                          {QStringLiteral("02/01/2024"), QStringLiteral("15/12/2023"),
                           QStringLiteral("La fecha desde no puede ser mayor a la fecha hasta")}};
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.aviso.toStdString());
        fechas(caso.desde, caso.hasta);
        dialogos.expectMsgBox(BoxMatch::text(caso.aviso).withTitle(QStringLiteral("Aviso")));
        cargar();
        dialogos.verify();
        EXPECT_EQ(dialogos.shown().back().style, 64);
    }
    EXPECT_EQ(filas(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_CAB")), QStringList{"0"});

    // One day is a range.
    fechas(QStringLiteral("04/03/2024"), QStringLiteral("04/03/2024"));
    esperarFinal();
    cargar();
    dialogos.verify();
    EXPECT_EQ(filas(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB")), QStringList{"1"});
}

TEST_F(GeneradorVentana, ARebuildAsksFirstAndKeepsTheHighestNumber)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    db.execute(QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Comision = 0"));
    ventana->Inicializa();
    control<QLineEdit>(QStringLiteral("txtfields_0"))->setText(QStringLiteral("1"));
    control<QCheckBox>(QStringLiteral("chkRecalcular"))->setChecked(true);
    fechas(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));

    dialogos.expectMsgBox(BoxMatch::text(PreguntaRecalcular).withTitle(QStringLiteral("Aviso")), ui::vbNo);
    cargar();
    dialogos.verify();
    EXPECT_EQ(dialogos.shown().back().style, 68);
    EXPECT_EQ(filas(QStringLiteral("SELECT SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB")), QStringList{"0"});

    dialogos.expectMsgBox(BoxMatch::text(PreguntaRecalcular), ui::vbYes);
    esperarFinal();
    cargar();
    dialogos.verify();
    EXPECT_EQ(filas(QStringLiteral("SELECT MAX(IdLiquidacion), SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB")),
              QStringList{"1|177.5"});
}

TEST_F(GeneradorVentana, WhileABuildRunsOnlyTheProgressLabelActsAndTheWindowStaysOpen)
{
    const auto antes = habilitados();
    fechas(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    bool visto = false;
    // Runs at the build's first event pump.
    QTimer::singleShot(0, ventana.get(), [&] {
        visto = true;
        for (const char *nombre : {"CmdGenerar", "CmdBorrar", "CmdListar", "cmdSalir", "txtfields_0", "ListView1",
                                   "ListView5", "CmbLiquidacion", "chkRecalcular"})
            EXPECT_FALSE(control(QLatin1String(nombre))->isEnabled()) << nombre;
        EXPECT_TRUE(control(QStringLiteral("lblEstado"))->isEnabled());
        EXPECT_FALSE(ventana->close());
    });
    esperarFinal();
    cargar();
    dialogos.verify();
    EXPECT_TRUE(visto);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(habilitados(), antes);
}

TEST_F(GeneradorVentana, LeavingABuildThroughTheErrorDialogStoresNothingAndUnlocksTheWindow)
{
    const auto antes = habilitados();
    db.execute(QStringLiteral("DROP VIEW VT_COMISIONES_LISTA_CB_DESCUENTO"));
    fechas(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("VT_COMISIONES_LISTA_CB_DESCUENTO")), ui::vbIgnore);
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error (3704)")),
                          ui::vbAbort);
    esperarNadaGuardado();
    cargar();
    dialogos.verify();

    // The header, the collections, their split and the applied vouchers were written before
    // the failing query: none of them stays.
    for (const char *tabla : {"V_COMISIONES_VENDEDOR_CAB", "V_COMISIONES_VENDEDOR_COB", "V_COMISIONES_VENDEDOR_APL",
                              "V_COMISIONES_VENDEDOR_DET"})
        EXPECT_EQ(cuenta(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)), 0) << tabla;
    EXPECT_EQ(habilitados(), antes);
    EXPECT_TRUE(control(QStringLiteral("FhOcx1"))->isVisible());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("lblEstado"))->text().isEmpty());
    EXPECT_TRUE(ventana->close());
}

} // namespace
