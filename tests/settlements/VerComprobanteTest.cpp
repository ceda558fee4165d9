// "Ver  Comprobante" on the fixture settlement: the receipt of the collection clicked is shown
// in the preview through the whole print road; with no collection or voucher clicked (the label
// blank or still at its start-up text) nothing happens.

#include "PruebaVentanaComandos.h"

#include "platform/report/ImpresionReportes.h"
#include "platform/report/PreviewWindow.h"
#include "platform/runtime/Conversions.h"
#include "session/ObjetosExternos.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

class VerComprobante : public PruebaVentanaComandos {
protected:
    VerComprobante() { db.execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('CONDIVAEMPRESA', '1')"); }

    static int vistasPrevias()
    {
        int vistas = 0;
        for (QWidget *ventana : QApplication::topLevelWidgets())
            vistas += qobject_cast<report::PreviewWindow *>(ventana) && ventana->isVisible() ? 1 : 0;
        return vistas;
    }

    QString textos() const
    {
        QStringList lineas;
        const report::ReportDocument &documento = gImpresion->ultimoDocumento();
        for (int i = 0; i < documento.pages.size(); ++i) {
            for (const report::PageItem &item : documento.pages[i].items) {
                if (item.kind == report::PageItem::Kind::Text)
                    lineas << documento.textOf(item, i);
            }
        }
        return lineas.join(QLatin1Char('\n'));
    }
};

TEST_F(VerComprobante, TheCollectionClickedIsShownAsItsReceipt)
{
    cargarVendedorUno();
    clicFila(lista(2), "CB", "000100000011X");
    QTest::mouseClick(boton(QStringLiteral("CmdReimprimir")), Qt::LeftButton);
    EXPECT_EQ(vistasPrevias(), 1);
    const QString texto = textos();
    EXPECT_TRUE(texto.contains(QStringLiteral("RECIBO"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("N° 0001-00000011")));
    EXPECT_TRUE(texto.contains(QStringLiteral("ORIGINAL")));
}

TEST_F(VerComprobante, WithoutAKeyNothingIsShownNorPrinted)
{
    // The start-up text first, as the window shows it before any click.
    const std::optional<QString> textos[] = {std::nullopt, QStringLiteral("   "), QString(), QStringLiteral(" ... ")};
    QLabel *estado = control<QLabel>(QStringLiteral("lblEstado"));
    ASSERT_EQ(estado->text(), QStringLiteral("..."));
    for (const std::optional<QString> &texto : textos) {
        SCOPED_TRACE(texto.value_or(QStringLiteral("(start-up)")).toStdString());
        if (texto)
            estado->setText(*texto);
        QTest::mouseClick(boton(QStringLiteral("CmdReimprimir")), Qt::LeftButton);
        EXPECT_EQ(vistasPrevias(), 0);
        EXPECT_TRUE(dialogos.shown().empty());
        EXPECT_TRUE(gImpresion->ultimoDocumento().pages.isEmpty());
        EXPECT_EQ(rt::CLng(db.rows(QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE")).first().first()), 0)
            << "no print rows";
    }
}

} // namespace
