#include "core/DatosEmpresa.h"

#include "PruebaCore.h"

#include "core/ConfiguracionSesion.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

class DatosEmpresa : public PruebaCore {
protected:
    DatosEmpresa()
    {
        db.execute(QStringLiteral(
            "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NOMBRE', 'La Empresa SA'), ('CUIT', '30-12345678-9'), "
            "('CONDIVAEMPRESA', '1'), ('INICIOACTIVIDADES', ' 01-02-2003 '), ('NROINGRESOSBRUTOS', '901-1'), "
            "('INICIO_ACTIVIDADES_UN_1', '05-06-2007'), ('CONDICIONIVA_UN_1', ' 4 ')"));
        db.execute(QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, razon_social, Cuit) VALUES "
                                  "('   1', 'Central', 'Sucursal Uno SRL', '30-99999999-1'), "
                                  "('   2', 'Norte', 'Sin Cuit SA', '')"));
        abrirBaseDatos();
    }

    struct Resultado {
        QString razonSocial, cuit, inicio, ingresosBrutos, condicion;
    };

    Resultado cargar(const QString &unidad)
    {
        Resultado r;
        CargarDatosEmpresa(unidad, r.razonSocial, r.cuit, r.inicio, r.ingresosBrutos, r.condicion);
        return r;
    }
};

TEST_F(DatosEmpresa, UnitWithATaxNumberHasItsOwnIdentity)
{
    const Resultado r = cargar(QStringLiteral("1"));
    EXPECT_EQ(r.razonSocial, QStringLiteral("Sucursal Uno SRL"));
    EXPECT_EQ(r.cuit, QStringLiteral("30-99999999-1"));
    EXPECT_EQ(r.inicio, QStringLiteral("05-06-2007"));
    // A unit key that is missing falls back to the company's.
    EXPECT_EQ(r.ingresosBrutos, QStringLiteral("901-1"));
    EXPECT_EQ(r.condicion, QStringLiteral("4"));
    EXPECT_EQ(gCondicionIvaTexto, QStringLiteral("4"));
    EXPECT_EQ(gCondicionIva, 4);
}

TEST_F(DatosEmpresa, UnitWithoutTaxNumberOrUnknownTakesTheCompanys)
{
    for (const QString &unidad : {QStringLiteral("   2"), QStringLiteral("9"), QString()}) {
        const Resultado r = cargar(unidad);
        EXPECT_EQ(r.razonSocial, QStringLiteral("La Empresa SA")) << unidad.toStdString();
        EXPECT_EQ(r.cuit, QStringLiteral("30-12345678-9"));
        EXPECT_EQ(r.inicio, QStringLiteral("01-02-2003"));
        EXPECT_EQ(r.ingresosBrutos, QStringLiteral("901-1"));
        EXPECT_EQ(r.condicion, QStringLiteral("1"));
        EXPECT_EQ(gCondicionIva, 1);
    }
}

TEST_F(DatosEmpresa, OutputsAlreadyFilledAreKept)
{
    QString razonSocial = QStringLiteral("Dada"), cuit, inicio, ingresosBrutos, condicion = QStringLiteral("6");
    CargarDatosEmpresa(QString(), razonSocial, cuit, inicio, ingresosBrutos, condicion);
    EXPECT_EQ(razonSocial, QStringLiteral("Dada"));
    EXPECT_EQ(gCondicionIva, 6);
}

TEST_F(DatosEmpresa, MissingTaxConditionFailsAfterSettingItsText)
{
    db.execute(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CONDIVAEMPRESA'"));
    gCondicionIva = 3;
    try {
        cargar(QString());
        FAIL() << "no error raised";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, rt::err::TypeMismatch);
    }
    EXPECT_EQ(gCondicionIvaTexto, QStringLiteral(" "));
    EXPECT_EQ(gCondicionIva, 3);
}

} // namespace
