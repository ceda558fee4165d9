#include "db/PruebaDb.h"
#include "support/WidgetTest.h"

#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

ado::Error jetError(const char *state)
{
    return ScriptedServer::providerError(0, QString::fromLatin1(state), "Jet failure");
}

class OpenLocal : public support::WidgetTest {
protected:
    ~OpenLocal() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        gBaseDatos->gProveedor = "Microsoft.Jet.OLEDB.4.0";
        gBaseDatos->gUsuario = "admin";
        gBaseDatos->gUserPassWord = "pw";
        gBaseDatos->gExtended = "Mode=Share;";
        QFile file(folder.filePath("base.mdb"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList opened() const { return openedWith(server); }

    // Chooses base.mdb in the next file dialog, after checking its title.
    void chooseDatabaseFile()
    {
        onNextModal([this](QWidget *window) {
            auto *dialog = qobject_cast<QFileDialog *>(window);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Buscar Base de Datos");
            // Typed as a whole path: the dialog reads it without waiting for its folder view.
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(folder.filePath("base.mdb"));
            static_cast<QDialog *>(dialog)->accept();
        });
    }

    QTemporaryDir folder;
    ScriptedServer server;
    support::ScriptedDialogs dialogs;
};

TEST_F(OpenLocal, ABlankDatabaseIsChosenInTheFileDialog)
{
    chooseDatabaseFile();
    gBaseDatos->OpenLocalADODB();
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    const QString expected = "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =" + folder.filePath("base.mdb")
                             + ";User Id=admin;Password=pw;Mode=Share;";
    EXPECT_EQ(opened(), QStringList{expected});
    EXPECT_EQ(gBaseDatos->gConnString, expected);
}

TEST_F(OpenLocal, CancellingTheFileDialogOpensNothing)
{
    onNextModal([](QWidget *window) { qobject_cast<QDialog *>(window)->reject(); });
    gBaseDatos->OpenLocalADODB();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_TRUE(opened().isEmpty());
}

TEST_F(OpenLocal, AMissingFileAsksForAnotherOne)
{
    gBaseDatos->gDBName = "/no/existe.mdb";
    server.failOpens(1, jetError("3024"));
    chooseDatabaseFile();
    gBaseDatos->OpenLocalADODB(QString(), "UID", "PWD");
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    ASSERT_EQ(opened().size(), 2);
    EXPECT_TRUE(opened()[1].contains(";UID=admin;PWD=pw;"));
}

TEST_F(OpenLocal, APasswordIsAskedForThreeTimesAtMost)
{
    gBaseDatos->gDBName = folder.filePath("base.mdb");
    server.failOpens(4, jetError("3031"));
    for (const char *typed : {"uno", "dos", "tres"})
        dialogs.expectInputBox(BoxMatch::text("ingrese el password:").withTitle("Password Access"),
                               QString::fromLatin1(typed));
    dialogs.expectMsgBox(BoxMatch::text("-2147467259  Jet failure"));
    gBaseDatos->OpenLocalADODB();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    ASSERT_EQ(opened().size(), 4);
    EXPECT_TRUE(opened()[3].endsWith("Mode=Share; Jet OLEDB:Database Password=tres;"));
    EXPECT_EQ(dialogs.shown().back().style, ui::vbCritical);
}

TEST_F(OpenLocal, TheStoredPasswordCanAnswerForTheUser)
{
    gBaseDatos->gDBName = folder.filePath("base.mdb");
    gBaseDatos->gIgnoraPassWord = true;
    server.failOpens(1, jetError("3031"));
    gBaseDatos->OpenLocalADODB();
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    ASSERT_EQ(opened().size(), 2);
    EXPECT_TRUE(opened()[1].endsWith("Mode=Share;Jet OLEDB:Database Password=pw;"));
}

TEST_F(OpenLocal, AGivenStringIsUsedAsItStands)
{
    gBaseDatos->gDBName = "x.mdb";
    gBaseDatos->OpenLocalADODB("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=y.mdb");
    EXPECT_EQ(opened(), QStringList{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=y.mdb"});
}

} // namespace
