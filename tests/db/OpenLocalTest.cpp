#include "db/DbFixtures.h"
#include "support/WidgetTest.h"

#include <QFileDialog>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

ado::Error jetError(const char *state)
{
    return ScriptedServer::providerError(0, QString::fromLatin1(state), QStringLiteral("Jet failure"));
}

class OpenLocal : public support::WidgetTest {
protected:
    ~OpenLocal() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        gBaseDatos->gProveedor = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
        gBaseDatos->gUsuario = QStringLiteral("admin");
        gBaseDatos->gUserPassWord = QStringLiteral("pw");
        gBaseDatos->gExtended = QStringLiteral("Mode=Share;");
        QFile file(folder.filePath(QStringLiteral("base.mdb")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList openedWith() const
    {
        QStringList texts;
        for (const ScriptedCall &call : server.calls()) {
            if (call.kind == ScriptedCall::Kind::Open)
                texts << call.text;
        }
        return texts;
    }

    // Chooses base.mdb in the next file dialog, after checking its title.
    void chooseDatabaseFile()
    {
        onNextModal([this](QWidget *window) {
            auto *dialog = qobject_cast<QFileDialog *>(window);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Buscar Base de Datos"));
            // Typed as a whole path: the dialog reads it without waiting for its folder view.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(folder.filePath(QStringLiteral("base.mdb")));
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
    const QString expected = QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =") + folder.filePath(QStringLiteral("base.mdb"))
                             + QStringLiteral(";User Id=admin;Password=pw;Mode=Share;");
    EXPECT_EQ(openedWith(), QStringList{expected});
    EXPECT_EQ(gBaseDatos->gConnString, expected);
}

TEST_F(OpenLocal, CancellingTheFileDialogOpensNothing)
{
    onNextModal([](QWidget *window) { qobject_cast<QDialog *>(window)->reject(); });
    gBaseDatos->OpenLocalADODB();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_TRUE(openedWith().isEmpty());
}

TEST_F(OpenLocal, AMissingFileAsksForAnotherOne)
{
    gBaseDatos->gDBName = QStringLiteral("/no/existe.mdb");
    server.failOpens(1, jetError("3024"));
    chooseDatabaseFile();
    gBaseDatos->OpenLocalADODB(QString(), QStringLiteral("UID"), QStringLiteral("PWD"));
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    ASSERT_EQ(openedWith().size(), 2);
    EXPECT_TRUE(openedWith()[1].contains(QStringLiteral(";UID=admin;PWD=pw;")));
}

TEST_F(OpenLocal, APasswordIsAskedForThreeTimesAtMost)
{
    gBaseDatos->gDBName = folder.filePath(QStringLiteral("base.mdb"));
    server.failOpens(4, jetError("3031"));
    for (const char *typed : {"uno", "dos", "tres"})
        dialogs.expectInputBox(BoxMatch::text(QStringLiteral("ingrese el password:")).withTitle(QStringLiteral("Password Access")),
                               QString::fromLatin1(typed));
    dialogs.expectMsgBox(BoxMatch::text(QStringLiteral("-2147467259  Jet failure")));
    gBaseDatos->OpenLocalADODB();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    ASSERT_EQ(openedWith().size(), 4);
    EXPECT_TRUE(openedWith()[3].endsWith(QStringLiteral("Mode=Share; Jet OLEDB:Database Password=tres;")));
    EXPECT_EQ(dialogs.shown().back().style, ui::vbCritical);
}

TEST_F(OpenLocal, TheStoredPasswordCanAnswerForTheUser)
{
    gBaseDatos->gDBName = folder.filePath(QStringLiteral("base.mdb"));
    gBaseDatos->gIgnoraPassWord = true;
    server.failOpens(1, jetError("3031"));
    gBaseDatos->OpenLocalADODB();
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    ASSERT_EQ(openedWith().size(), 2);
    EXPECT_TRUE(openedWith()[1].endsWith(QStringLiteral("Mode=Share;Jet OLEDB:Database Password=pw;")));
}

TEST_F(OpenLocal, AGivenStringIsUsedAsItStands)
{
    gBaseDatos->gDBName = QStringLiteral("x.mdb");
    gBaseDatos->OpenLocalADODB(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=y.mdb"));
    EXPECT_EQ(openedWith(), QStringList{QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=y.mdb")});
}

} // namespace
