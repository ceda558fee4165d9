#include "PruebaComponentes.h"

#include "components/FrmDir.h"
#include "components/FrmMsgBox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

TEST_F(PruebaComponentes, TheTimedMessageHidesItselfAfterItsSeconds)
{
    FrmMsgBox mensaje;
    mensaje.Titulo = "Aviso";
    mensaje.Mensaje = "Se guardaron los cambios";
    mensaje.Espera = 2;
    mensaje.show();

    EXPECT_EQ(mensaje.windowTitle(), "Aviso");
    EXPECT_EQ(mensaje.LblMensaje()->text(), "Se guardaron los cambios");
    auto *espera = mensaje.findChild<QTimer *>();
    ASSERT_NE(espera, nullptr);
    EXPECT_TRUE(espera->isActive());
    EXPECT_TRUE(espera->isSingleShot());
    EXPECT_EQ(espera->interval(), 2000);
    // The wait is brought to its end instead of sat out: its end hides the window.
    espera->start(1);
    QTRY_VERIFY_WITH_TIMEOUT(!mensaje.isVisible(), 3000);

    mensaje.show();
    EXPECT_TRUE(mensaje.isVisible());
    EXPECT_TRUE(espera->isActive()) << "a second showing waits again";
    EXPECT_EQ(espera->interval(), 2000);
}

TEST_F(PruebaComponentes, LongWaitsAreKeptWhole)
{
    FrmMsgBox mensaje;
    mensaje.Espera = 600;
    mensaje.show();
    const auto *espera = mensaje.findChild<QTimer *>();
    ASSERT_NE(espera, nullptr);
    EXPECT_TRUE(espera->isActive());
    EXPECT_GT(espera->remainingTime(), 599000);
}

TEST_F(PruebaComponentes, AMessageWithoutWaitStaysUntilAccepted)
{
    for (const qint16 espera : {qint16(0), qint16(-5)}) {
        FrmMsgBox mensaje;
        EXPECT_EQ(mensaje.windowTitle(), "Aviso al operador");
        EXPECT_EQ(mensaje.LblMensaje()->text(), "Atencion!");
        mensaje.Espera = espera;
        mensaje.show();
        QApplication::processEvents();
        EXPECT_TRUE(mensaje.isVisible()) << espera;
        for (const QTimer *reloj : mensaje.findChildren<QTimer *>())
            EXPECT_FALSE(reloj->isActive()) << "nothing counts down to hiding it: " << espera;

        QTest::mouseClick(mensaje.CmdAceptar(), Qt::LeftButton);
        EXPECT_FALSE(mensaje.isVisible());
        EXPECT_EQ(mensaje.windowTitle(), "ATENCION");
        EXPECT_EQ(mensaje.LblMensaje()->text(), "");
    }
}

TEST_F(PruebaComponentes, TheCallerChangesTheTextsOfAShownMessage)
{
    FrmMsgBox mensaje;
    mensaje.Mensaje = "Procesando 1 de 3";
    mensaje.show();
    mensaje.Titulo = "Avance";
    mensaje.Mensaje = "Procesando 2 de 3";
    mensaje.ActualizarLeyenda();
    EXPECT_EQ(mensaje.windowTitle(), "Avance");
    EXPECT_EQ(mensaje.LblMensaje()->text(), "Procesando 2 de 3");
}

// The folder chooser on the volume that holds a scratch folder.
class ElegirCarpeta : public PruebaComponentes {
protected:
    ElegirCarpeta()
    {
        QDir(carpeta.path()).mkdir("informes");
        raiz = QStorageInfo(carpeta.path()).rootPath();
        const int unidad = dialogo.Drive1()->findText(raiz);
        EXPECT_GE(unidad, 0) << raiz.toStdString();
        dialogo.Drive1()->setCurrentIndex(unidad);
        dialogo.show();
    }

    void elegir(const QString &ruta)
    {
        const auto *modelo = static_cast<QFileSystemModel *>(dialogo.Dir1()->model());
        const QModelIndex indice = modelo->index(ruta);
        ASSERT_TRUE(indice.isValid()) << ruta.toStdString();
        dialogo.Dir1()->setCurrentIndex(indice);
    }

    QTemporaryDir carpeta;
    QString raiz;
    FrmDir dialogo;
};

TEST_F(ElegirCarpeta, TheDrivesAreTheMountedVolumes)
{
    EXPECT_EQ(dialogo.windowTitle(), "Seleccione un directorio");
    EXPECT_GE(dialogo.Drive1()->findText("/"), 0);
    for (int unidad = 0; unidad < dialogo.Drive1()->count(); ++unidad)
        EXPECT_TRUE(QDir(dialogo.Drive1()->itemText(unidad)).exists()) << unidad;
}

TEST_F(ElegirCarpeta, AcceptingWithoutAFolderGivesTheRootOfTheDrive)
{
    EXPECT_EQ(dialogo.LblDir()->text(), dialogo.Dir1Path());
    QTest::mouseClick(dialogo.CmdAceptar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.SelPath, raiz.endsWith('/') ? raiz : raiz + '/');
    EXPECT_FALSE(dialogo.isVisible());
}

TEST_F(ElegirCarpeta, AChosenFolderIsShownAndGiven)
{
    const QString informes = QDir(carpeta.path()).filePath("informes");
    elegir(informes);
    EXPECT_EQ(dialogo.LblDir()->text(), informes);
    QTest::mouseClick(dialogo.CmdAceptar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.SelPath, informes);
}

TEST_F(ElegirCarpeta, CancellingGivesAnEmptyPath)
{
    elegir(carpeta.path());
    dialogo.SelPath = "previa";
    QTest::mouseClick(dialogo.cmdCancelar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.SelPath, "");
    EXPECT_FALSE(dialogo.isVisible());
}

} // namespace
