#include "platform/outside/DialogoArchivo.h"
#include "support/WidgetTest.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DialogoArchivo, TurnsTheProgramsFilterIntoTheDialogs)
{
    EXPECT_EQ(outside::DialogoArchivo::qtFilter(QStringLiteral("Base de Datos de Microsoft Access |*.MDB")),
              QStringLiteral("Base de Datos de Microsoft Access (*.MDB *.mdb)"));
    EXPECT_EQ(outside::DialogoArchivo::qtFilter(QStringLiteral("Textos|*.txt;*.csv|Todos|*.*")),
              QStringLiteral("Textos (*.txt *.TXT *.csv *.CSV);;Todos (*.*)"));
}

class DialogoArchivoTest : public support::WidgetTest { };

TEST_F(DialogoArchivoTest, GivesTheChosenFileOrTellsItWasCancelled)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("base.mdb"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    outside::DialogoArchivo dialogo;
    dialogo.setDialogTitle(QStringLiteral("Buscar Base de Datos"));
    dialogo.setFilter(QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    onNextModal([&path](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Buscar Base de Datos"));
        window->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(window)->accept();
    });
    dialogo.ShowOpen();
    EXPECT_FALSE(dialogo.Cancelled());
    EXPECT_EQ(dialogo.FileName(), path);

    onNextModal([](QWidget *window) { static_cast<QDialog *>(window)->reject(); });
    dialogo.ShowOpen();
    EXPECT_TRUE(dialogo.Cancelled());
    EXPECT_EQ(dialogo.FileName(), path);
}

} // namespace
