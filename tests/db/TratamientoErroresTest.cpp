#include "db/DB_Dll.h"
#include "db/PruebaDb.h"
#include "session/RegistroErrores.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

class ErrorDialog : public support::ProgramTest {
protected:
    QString logFile() const { return dir.filePath("errores.log"); }

    QTemporaryDir dir;
    PinnedClock clock{rt::DateTime::fromParts(2024, 1, 2, 8, 30, 0)};
    DB_Dll db;
    support::ScriptedDialogs dialogs;
};

TEST_F(ErrorDialog, ShowsTheErrorLogsTheAnswerAndReturnsIt)
{
    db.setArchivoErrores(logFile());
    const rt::RuntimeError error(-2147217900, " Incorrect syntax near 'FROM'. ",
                                 "Microsoft OLE DB Provider for SQL Server");
    dialogs.expectMsgBox(BoxMatch::text("Ha ocurrido el Siguiente Error (-2147217900) Incorrect syntax near 'FROM'.")
                             .withTitle("Microsoft OLE DB Provider for SQL Server - AbrirRecordset Aviso al "
                                        "operador!!! - 5 "),
                         ui::vbRetry);
    EXPECT_EQ(db.TratamientoErrores(error, std::nullopt, "AbrirRecordset"), ui::vbRetry);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbAbortRetryIgnore);
    EXPECT_EQ(fileText(logFile()),
              "01-02-2024 08:30:00 Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error "
              "(-2147217900) Incorrect syntax near 'FROM'. Respondió : Reintentar\r\n");
}

TEST_F(ErrorDialog, TakesTheGivenButtonsAndNoRoutine)
{
    db.gLogErr = logFile();
    dialogs.expectMsgBox(BoxMatch::title("src Aviso al operador!!! - 5 "), ui::vbOK);
    EXPECT_EQ(db.TratamientoErrores(rt::RuntimeError(5, "x", "src"), 0), ui::vbOK);
    EXPECT_EQ(dialogs.shown().front().style, 0);
    EXPECT_EQ(fileText(logFile()), "01-02-2024 08:30:00 Rutina:  Mensaje Ha ocurrido el Siguiente Error (5) x "
                                   "Respondió : \r\n");
}

TEST_F(ErrorDialog, ErrorZeroShowsAndWritesNothing)
{
    db.gLogErr = logFile();
    EXPECT_EQ(db.TratamientoErrores(rt::RuntimeError(0, QString()), std::nullopt, "X"), 0);
    EXPECT_FALSE(QFile::exists(logFile()));
}

TEST_F(ErrorDialog, WithoutAFileNameTheLogGoesToTheWritableFolder)
{
    EXPECT_EQ(db.ArchivoErrores(), QString());
    EXPECT_TRUE(RegistroErrores::archivoPorDefecto().endsWith("/QVERR.LOG"));
    EXPECT_FALSE(RegistroErrores::archivoPorDefecto().contains("//"));
}

} // namespace
