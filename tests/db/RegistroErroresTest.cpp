#include "db/DbFixtures.h"
#include "db/RegistroErrores.h"
#include "platform/runtime/DateFunctions.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

// Pins the program's clock for one test.
class PinnedClock {
public:
    explicit PinnedClock(const rt::DateTime &moment) { rt::setClockForTests(moment); }
    ~PinnedClock() { rt::setClockForTests(std::nullopt); }
};

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(RegistroErrores, WritesEachAnswerAsItsWord)
{
    const std::pair<int, const char *> words[] = {{4, "Reintentar"}, {5, "Ignorar"}, {3, "Abortar"}, {2, "Cancelar"},
                                                  {6, "Sí"},         {7, "No"},      {1, ""},         {0, ""}};
    for (const auto &[answer, word] : words)
        EXPECT_EQ(RegistroErrores::palabraRespuesta(answer), QString::fromUtf8(word)) << answer;
}

TEST(RegistroErrores, FormatsTheLineFieldByField)
{
    const rt::DateTime moment = rt::DateTime::fromParts(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(RegistroErrores::linea(moment, QStringLiteral("CierraRecordset"), QStringLiteral("  Ha ocurrido algo  "), 4),
              QStringLiteral("03-05-2024 14:07:09 Rutina: - CierraRecordset Mensaje Ha ocurrido algo Respondió : Reintentar\r\n"));
    EXPECT_EQ(RegistroErrores::linea(moment, QString(), QStringLiteral("x"), 1),
              QStringLiteral("03-05-2024 14:07:09 Rutina:  Mensaje x Respondió : \r\n"));
}

TEST(RegistroErrores, AppendsOneLinePerCallAndLosesItQuietlyWhenItCannotWrite)
{
    QTemporaryDir dir;
    const PinnedClock clock(rt::DateTime::fromParts(2023, 12, 31, 23, 59, 58));
    const QString path = dir.filePath(QStringLiteral("QVERR.LOG"));
    RegistroErrores::agregar(path, QStringLiteral("A"), QStringLiteral("uno"), 5);
    RegistroErrores::agregar(path, QStringLiteral("B"), QStringLiteral("dos"), 3);
    EXPECT_EQ(readAll(path), QStringLiteral("12-31-2023 23:59:58 Rutina: - A Mensaje uno Respondió : Ignorar\r\n"
                                            "12-31-2023 23:59:58 Rutina: - B Mensaje dos Respondió : Abortar\r\n"));
    RegistroErrores::agregar(dir.path(), QStringLiteral("A"), QStringLiteral("uno"), 5);
}

class ErrorDialog : public support::ProgramTest {
protected:
    QString logFile() const { return dir.filePath(QStringLiteral("errores.log")); }

    QTemporaryDir dir;
    PinnedClock clock{rt::DateTime::fromParts(2024, 1, 2, 8, 30, 0)};
    DB_Dll db;
    support::ScriptedDialogs dialogs;
};

TEST_F(ErrorDialog, ShowsTheErrorLogsTheAnswerAndReturnsIt)
{
    db.setArchivoErrores(logFile());
    const rt::RuntimeError error(-2147217900, QStringLiteral(" Incorrect syntax near 'FROM'. "),
                                 QStringLiteral("Microsoft OLE DB Provider for SQL Server"));
    dialogs.expectMsgBox(BoxMatch::text(QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) Incorrect syntax near 'FROM'."))
                             .withTitle(QStringLiteral("Microsoft OLE DB Provider for SQL Server - AbrirRecordset Aviso al "
                                                       "operador!!! - 5 ")),
                         ui::vbRetry);
    EXPECT_EQ(db.TratamientoErrores(error, std::nullopt, QStringLiteral("AbrirRecordset")), ui::vbRetry);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbAbortRetryIgnore);
    EXPECT_EQ(readAll(logFile()),
              QStringLiteral("01-02-2024 08:30:00 Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error "
                             "(-2147217900) Incorrect syntax near 'FROM'. Respondió : Reintentar\r\n"));
}

TEST_F(ErrorDialog, TakesTheGivenButtonsAndNoRoutine)
{
    db.gLogErr = logFile();
    dialogs.expectMsgBox(BoxMatch::title(QStringLiteral("src Aviso al operador!!! - 5 ")), ui::vbOK);
    EXPECT_EQ(db.TratamientoErrores(rt::RuntimeError(5, QStringLiteral("x"), QStringLiteral("src")), 0), ui::vbOK);
    EXPECT_EQ(dialogs.shown().front().style, 0);
    EXPECT_EQ(readAll(logFile()), QStringLiteral("01-02-2024 08:30:00 Rutina:  Mensaje Ha ocurrido el Siguiente Error (5) x "
                                                 "Respondió : \r\n"));
}

TEST_F(ErrorDialog, ErrorZeroShowsAndWritesNothing)
{
    db.gLogErr = logFile();
    EXPECT_EQ(db.TratamientoErrores(rt::RuntimeError(0, QString()), std::nullopt, QStringLiteral("X")), 0);
    EXPECT_FALSE(QFile::exists(logFile()));
}

TEST_F(ErrorDialog, WithoutAFileNameTheLogGoesToTheWritableFolder)
{
    EXPECT_EQ(db.ArchivoErrores(), QString());
    EXPECT_TRUE(RegistroErrores::archivoPorDefecto().endsWith(QStringLiteral("/QVERR.LOG")));
    EXPECT_FALSE(RegistroErrores::archivoPorDefecto().contains(QStringLiteral("//")));
}

} // namespace
