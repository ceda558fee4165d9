#include "DbFixtures.h"

#include "core/CarpetasPrograma.h"
#include "db/ArchivoBases.h"
#include "db/LBM_Common.h"
#include "platform/outside/ClaveGuardada.h"
#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ArchivoBasesTest : public support::ProgramTest {
protected:
    ArchivoBasesTest() { setCarpetaEscritura(carpeta.path()); }

    QString ruta() const { return QDir(carpeta.path()).filePath(QStringLiteral("BASES.TXT")); }

    void escribir(const QByteArray &bytes) const
    {
        QFile archivo(ruta());
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(bytes);
    }

    QByteArray leer() const
    {
        QFile archivo(ruta());
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
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
    EXPECT_FALSE(archivo.buscar(QStringLiteral("A / S")).has_value());
}

TEST_F(ArchivoBasesTest, FindsTheFirstRecordWithTheTrimmedKeyInItsCase)
{
    escribir("VENTAS / SRV,ventas,ventas,X,srv\r\nVENTAS / SRV,otra,otra,Y,srv2\r\n");
    const ArchivoBases archivo;
    const auto encontrado = archivo.buscar(QStringLiteral("  VENTAS / SRV "));
    ASSERT_TRUE(encontrado.has_value());
    EXPECT_EQ(encontrado->Base, QStringLiteral("ventas"));
    EXPECT_EQ(encontrado->Servidor, QStringLiteral("srv"));
    EXPECT_FALSE(archivo.buscar(QStringLiteral("ventas / srv")).has_value());
}

struct CasoAgregado {
    const char *nombre;
    QString sufijo;
    bool oracle;
    QString quintoCampo;
};

TEST_F(ArchivoBasesTest, AppendsOneLineWithTheStoredPasswordAndTheServerField)
{
    const CasoAgregado casos[] = {
        {"plain server", {}, false, QStringLiteral("srv01:1433")},
        {"oracle", {}, true, QStringLiteral("#srv01:1433")},
        {"suffix", QStringLiteral("inst"), false, QStringLiteral("srv01:1433/inst:")},
    };
    for (const CasoAgregado &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QFile::remove(ruta());
        AgregarBaseArchivo(QStringLiteral(" VENTAS / SRV01 "), QStringLiteral("ventas "), QStringLiteral(" ventas"),
                           QStringLiteral("ventas"), QStringLiteral("srv01:1433 "), caso.sufijo, caso.oracle);
        const QString esperado = QStringLiteral("VENTAS / SRV01,ventas,ventas,")
                                 + outside::codificarClave(QStringLiteral("ventas")) + QStringLiteral(",")
                                 + caso.quintoCampo + QStringLiteral("\r\n");
        EXPECT_EQ(QString::fromUtf8(leer()), esperado);
    }
}

TEST_F(ArchivoBasesTest, WritesAndReadsUtf8)
{
    AgregarBaseArchivo(QStringLiteral("AÑO / SRV"), QStringLiteral("año"), QStringLiteral("año"),
                       QStringLiteral("contraseña"), QStringLiteral("srv"), {}, false);
    AgregarBaseArchivo(QStringLiteral("B / SRV"), QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("b"),
                       QStringLiteral("srv"), {}, false);
    EXPECT_TRUE(leer().startsWith(QStringLiteral("AÑO / SRV,año,año,").toUtf8()));
    const auto encontrado = ArchivoBases().buscar(QStringLiteral("AÑO / SRV"));
    ASSERT_TRUE(encontrado.has_value());
    EXPECT_EQ(encontrado->Base, QStringLiteral("año"));
    EXPECT_EQ(outside::decodificarClave(encontrado->Password), QStringLiteral("contraseña"));
    EXPECT_EQ(ArchivoBases().registros().size(), 2);
}

TEST_F(ArchivoBasesTest, AnUnwritableFileRaisesAFileAccessError)
{
    setCarpetaEscritura(QDir(carpeta.path()).filePath(QStringLiteral("no-existe")));
    try {
        AgregarBaseArchivo(QStringLiteral("A / S"), QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a"),
                           QStringLiteral("s"), {}, false);
        FAIL() << "no error raised";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, 75);
    }
}

} // namespace
