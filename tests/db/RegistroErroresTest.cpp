#include "session/RegistroErrores.h"
#include "db/DbFixtures.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

TEST(RegistroErrores, WritesEachAnswerAsItsWord)
{
    const std::pair<int, const char *> words[] = {{4, "Reintentar"}, {5, "Ignorar"}, {3, "Abortar"}, {2, "Cancelar"},
                                                  {6, "Sí"},         {7, "No"},      {1, ""},        {0, ""}};
    for (const auto &[answer, word] : words)
        EXPECT_EQ(RegistroErrores::palabraRespuesta(answer), QString::fromUtf8(word)) << answer;
}

TEST(RegistroErrores, FormatsTheLineFieldByField)
{
    const rt::DateTime moment = rt::DateTime::fromParts(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(RegistroErrores::linea(moment, "CierraRecordset", "  Ha ocurrido algo  ", 4),
              "03-05-2024 14:07:09 Rutina: - CierraRecordset Mensaje Ha ocurrido algo Respondió : Reintentar\r\n");
    EXPECT_EQ(RegistroErrores::linea(moment, QString(), "x", 1),
              "03-05-2024 14:07:09 Rutina:  Mensaje x Respondió : \r\n");
}

TEST(RegistroErrores, AppendsOneLinePerCallAndLosesItQuietlyWhenItCannotWrite)
{
    QTemporaryDir dir;
    const rt::DateTime moment = rt::DateTime::fromParts(2023, 12, 31, 23, 59, 58);
    const PinnedClock clock(moment);
    const QString path = dir.filePath("QVERR.LOG");
    RegistroErrores::agregar(path, "A", "uno", 5);
    RegistroErrores::agregar(path, "B", "dos", 3);
    EXPECT_EQ(fileText(path),
              RegistroErrores::linea(moment, "A", "uno", 5) + RegistroErrores::linea(moment, "B", "dos", 3));
    RegistroErrores::agregar(dir.path(), "A", "uno", 5);
}

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
