#include "session/RegistroErrores.h"

#include "support/LimiteDeArchivo.h"
#include "support/TestHelpers.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    EXPECT_TRUE(RegistroErrores::agregar(path, "A", "uno", 5));
    EXPECT_TRUE(RegistroErrores::agregar(path, "B", "dos", 3));
    EXPECT_EQ(fileText(path),
              RegistroErrores::linea(moment, "A", "uno", 5) + RegistroErrores::linea(moment, "B", "dos", 3));
    EXPECT_FALSE(RegistroErrores::agregar(dir.path(), "A", "uno", 5));
    // A log that takes no more bytes (a full disk) keeps what it held and says the line is lost.
    const QString antes = fileText(path);
    {
        const LimiteDeArchivo lleno(static_cast<rlim_t>(QFileInfo(path).size()));
        EXPECT_FALSE(RegistroErrores::agregar(path, "C", "tres", 4));
    }
    EXPECT_EQ(fileText(path), antes);
}

} // namespace
