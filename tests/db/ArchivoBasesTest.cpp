#include "PruebaDb.h"

#include "db/ArchivoBases.h"
#include "db/LBM_Common.h"
#include "platform/outside/ClaveGuardada.h"
#include "session/CarpetasPrograma.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class ArchivoBasesTest : public support::ProgramTest {
protected:
    ArchivoBasesTest() { setCarpetaEscritura(carpeta.path()); }

    QString ruta() const { return QDir(carpeta.path()).filePath("BASES.TXT"); }

    void escribir(const QByteArray &bytes) const
    {
        QFile archivo(ruta());
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(bytes);
    }

    static void agregar(const QString &clave, const QString &sufijo = {}, bool oracle = false)
    {
        AgregarBaseArchivo(clave, "ventas ", " ventas", "ventas", "srv01:1433 ", sufijo, oracle);
    }

    QTemporaryDir carpeta;
};

struct CasoLectura {
    const char *nombre;
    QByteArray contenido;
    QStringList claves;
    QStringList servidores;
};

TEST_F(ArchivoBasesTest, ReadsFiveFieldsPerRecordWhateverTheLineBreaks)
{
    const CasoLectura casos[] = {
        {"two records", "A / S,A,A,X,S\r\nB / T,B,B,Y,T\r\n", {"A / S", "B / T"}, {"S", "T"}},
        {"incomplete last record ignored", "A / S,A,A,X,S\r\nB / T,B\r\n", {"A / S"}, {"S"}},
        {"last record without line end", "A / S,A,A,X,S\r\nB / T,B,B,Y,T", {"A / S", "B / T"}, {"S", "T"}},
        {"blanks around fields trimmed", "  A / S , A ,A, X ,s1:1433  \r\n", {"A / S"}, {"s1:1433"}},
        {"line feeds alone", "A / S,A,A,X,S\nB / T,B,B,Y,T\n", {"A / S", "B / T"}, {"S", "T"}},
        {"blank lines hold no field", "\r\nA / S,A,A,X,S\r\n\r\n", {"A / S"}, {"S"}},
        {"a comma inside a value shifts the fields", "A, B / S,A,A,X,S\r\n", {"A"}, {"X"}},
        {"empty file", "", {}, {}},
    };
    for (const CasoLectura &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        escribir(caso.contenido);
        QStringList claves;
        QStringList servidores;
        for (const RegistroBase &registro : ArchivoBases().registros()) {
            claves << registro.Clave;
            servidores << registro.Servidor;
        }
        EXPECT_EQ(claves, caso.claves);
        EXPECT_EQ(servidores, caso.servidores);
    }
}

TEST_F(ArchivoBasesTest, MissingFileHasNoRecords)
{
    const ArchivoBases archivo;
    EXPECT_EQ(archivo.ruta(), ruta());
    EXPECT_FALSE(archivo.existe());
    EXPECT_TRUE(archivo.registros().isEmpty());
    EXPECT_FALSE(archivo.buscar("A / S").has_value());
}

TEST_F(ArchivoBasesTest, FindsTheFirstRecordWithTheTrimmedKeyInItsCase)
{
    escribir("VENTAS / SRV,ventas,ventas,X,srv\r\nVENTAS / SRV,otra,otra,Y,srv2\r\n");
    const ArchivoBases archivo;
    const auto encontrado = archivo.buscar("  VENTAS / SRV ");
    ASSERT_TRUE(encontrado.has_value());
    EXPECT_EQ(encontrado->Base, "ventas");
    EXPECT_EQ(encontrado->Servidor, "srv");
    EXPECT_FALSE(archivo.buscar("ventas / srv").has_value());
}

TEST_F(ArchivoBasesTest, AppendsOneLineWithTheStoredPasswordAndTheServerField)
{
    const std::tuple<QString, bool, QString> casos[] = {
        {{}, false, "srv01:1433"}, {{}, true, "#srv01:1433"}, {"inst", false, "srv01:1433/inst:"}};
    for (const auto &[sufijo, oracle, quintoCampo] : casos) {
        SCOPED_TRACE(quintoCampo.toStdString());
        QFile::remove(ruta());
        agregar(" VENTAS / SRV01 ", sufijo, oracle);
        EXPECT_EQ(fileText(ruta()),
                  "VENTAS / SRV01,ventas,ventas," + outside::codificarClave("ventas") + "," + quintoCampo + "\r\n");
    }
}

TEST_F(ArchivoBasesTest, WritesAndReadsUtf8)
{
    AgregarBaseArchivo("AÑO / SRV", "año", "año", "contraseña", "srv", {}, false);
    agregar("B / SRV");
    EXPECT_TRUE(fileText(ruta()).startsWith("AÑO / SRV,año,año,"));
    const auto encontrado = ArchivoBases().buscar("AÑO / SRV");
    ASSERT_TRUE(encontrado.has_value());
    EXPECT_EQ(encontrado->Base, "año");
    EXPECT_EQ(outside::decodificarClave(encontrado->Password), "contraseña");
    EXPECT_EQ(ArchivoBases().registros().size(), 2);
}

TEST_F(ArchivoBasesTest, AnUnwritableFileRaisesAFileAccessError)
{
    setCarpetaEscritura(QDir(carpeta.path()).filePath("no-existe"));
    EXPECT_EQ(errorNumber([] { agregar("A / S"); }), 75);
}

} // namespace
