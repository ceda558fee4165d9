#include "session/Dll_Display.h"
#include "session/Lbf_CtrlDisplay.h"

#include "support/WidgetTest.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Cartel : public support::WidgetTest {
protected:
    Cartel() { gCartel.reset(); }
    ~Cartel() override { gCartel.reset(); }

    Lbf_CtrlDisplay *ventana() const { return gCartel->ventanaActual(); }
    QString linea(int i) const { return ventana()->LblCtrol(i)->text(); }
    QPushButton *cancelar() const { return ventana()->CmdDisplayCancelar(); }

    bool mostrar()
    {
        bool cancelado = false;
        gCartel->CartelMostrar(cancelado);
        return cancelado;
    }
};

TEST_F(Cartel, StartShowsACentredTranslucentWindowWithoutOwner)
{
    gCartel->CartelInicio(QStringLiteral("Conectando Base de Datos"), 0);
    ASSERT_NE(ventana(), nullptr);
    EXPECT_TRUE(ventana()->isVisible());
    EXPECT_FALSE(ventana()->isModal());
    EXPECT_EQ(ventana()->parentWidget(), nullptr);
    EXPECT_EQ(ventana()->windowTitle(), QStringLiteral("Conectando Base de Datos"));
    EXPECT_LT(ventana()->windowOpacity(), 1.0);
    EXPECT_FALSE(cancelar()->isVisible());
    EXPECT_FALSE(mostrar());
    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((ventana()->frameGeometry().center() - pantalla.center()).manhattanLength(), 2);
}

TEST_F(Cartel, LinesKeepTheirTextUnlessGivenAndNullEmptiesOne)
{
    gCartel->CartelInicio(QStringLiteral("Exportando"), 0);
    bool cancelado = true;
    gCartel->CartelMostrar(cancelado, QStringLiteral("Uno"), QStringLiteral("Dos"), 3);
    EXPECT_FALSE(cancelado);
    EXPECT_EQ(linea(0), QStringLiteral("Uno"));
    EXPECT_EQ(linea(1), QStringLiteral("Dos"));
    EXPECT_EQ(linea(2), QStringLiteral("3"));

    gCartel->CartelMostrar(cancelado, QStringLiteral("Primera"));
    EXPECT_EQ(linea(0), QStringLiteral("Primera"));
    EXPECT_EQ(linea(1), QStringLiteral("Dos"));

    gCartel->CartelMostrar(cancelado, std::nullopt, rt::Variant::null());
    EXPECT_EQ(linea(0), QStringLiteral("Primera"));
    EXPECT_EQ(linea(1), QString());
    EXPECT_EQ(linea(2), QStringLiteral("3"));
}

TEST_F(Cartel, CancelIsSeenFromTheNextCallOnAndStaysUntilClosed)
{
    gCartel->CartelInicio(QStringLiteral("Exportando"), 1);
    ASSERT_TRUE(cancelar()->isVisible());
    EXPECT_EQ(cancelar()->text(), QStringLiteral("&Cancelar"));
    EXPECT_FALSE(mostrar());

    // The click waits in the event queue, as a user's click does while the work runs.
    QPointer<QPushButton> boton = cancelar();
    QMetaObject::invokeMethod(
        boton, [boton] { QTest::mouseClick(boton, Qt::LeftButton); }, Qt::QueuedConnection);
    EXPECT_FALSE(mostrar()) << "the call that processes the click still reports no cancel";
    EXPECT_EQ(cancelar()->text(), QStringLiteral("Abortado"));
    EXPECT_TRUE(mostrar());
    EXPECT_TRUE(mostrar());

    gCartel->CartelCerrar();
    EXPECT_EQ(ventana(), nullptr);
    gCartel->CartelInicio(QStringLiteral("Otra vez"), 1);
    EXPECT_EQ(cancelar()->text(), QStringLiteral("&Cancelar"));
    EXPECT_FALSE(mostrar());
}

TEST_F(Cartel, ShowWithoutStartMakesAHiddenWindow)
{
    EXPECT_FALSE(mostrar());
    ASSERT_NE(ventana(), nullptr);
    EXPECT_FALSE(ventana()->isVisible());
}

TEST_F(Cartel, ClosingTwiceIsHarmless)
{
    gCartel->CartelInicio(QStringLiteral("Conectando"), 0);
    QPointer<Lbf_CtrlDisplay> primera = ventana();
    gCartel->CartelCerrar();
    gCartel->CartelCerrar();
    EXPECT_TRUE(primera.isNull());
    EXPECT_EQ(ventana(), nullptr);
}

TEST_F(Cartel, PictureTurnsThroughTwelveFramesWithoutBlockingTheEventLoop)
{
    gCartel->CartelInicio(QStringLiteral("Procesando"), 0);
    EXPECT_EQ(ventana()->cuadroActual(), 1);
    QList<int> vistos;
    // Fourteen frames take 1.4 s; a stopped picture fails at the deadline instead of hanging.
    const QDeadlineTimer plazo(10000);
    while (vistos.size() < 14 && !plazo.hasExpired()) {
        QTest::qWait(30);
        if (vistos.isEmpty() || vistos.last() != ventana()->cuadroActual())
            vistos << ventana()->cuadroActual();
    }
    EXPECT_EQ(vistos, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}));
    const QPixmap cuadro = ventana()->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap();
    EXPECT_EQ(cuadro.size(), QSize(32, 32));
}

TEST_F(Cartel, AlwaysOnTopKeepsPlaceAndSize)
{
    gCartel->CartelInicio(QStringLiteral("Procesando"), 0);
    const QRect antes = ventana()->geometry();
    gCartel->setSiempre_Visible(true);
    EXPECT_TRUE(ventana()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(ventana()->isVisible());
    EXPECT_EQ(ventana()->geometry(), antes);
    gCartel->setSiempre_Visible(false);
    EXPECT_FALSE(ventana()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
