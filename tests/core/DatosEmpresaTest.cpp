#include "core/DatosEmpresa.h"

#include "support/PruebaCore.h"

#include "core/ConfiguracionSesion.h"

#include <gtest/gtest.h>

namespace {

class DatosEmpresa : public PruebaCore {
protected:
    DatosEmpresa()
    {
        db.execute(
            "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NOMBRE', 'La Empresa SA'), ('CUIT', '30-12345678-9'), "
            "('CONDIVAEMPRESA', '1'), ('INICIOACTIVIDADES', ' 01-02-2003 '), ('NROINGRESOSBRUTOS', '901-1'), "
            "('INICIO_ACTIVIDADES_UN_1', '05-06-2007'), ('CONDICIONIVA_UN_1', ' 4 ')");
        db.execute("INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, razon_social, Cuit) VALUES "
                   "('0001', 'Central', 'Sucursal Uno SRL', '30-99999999-1'), "
                   "('0002', 'Norte', 'Sin Cuit SA', '')");
        abrirBaseDemo();
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
    const Resultado r = cargar("1");
    EXPECT_EQ(r.razonSocial, "Sucursal Uno SRL");
    EXPECT_EQ(r.cuit, "30-99999999-1");
    EXPECT_EQ(r.inicio, "05-06-2007");
    // A unit key that is missing falls back to the company's.
    EXPECT_EQ(r.ingresosBrutos, "901-1");
    EXPECT_EQ(r.condicion, "4");
    EXPECT_EQ(gCondicionIvaTexto, "4");
    EXPECT_EQ(gCondicionIva, 4);
}

TEST_F(DatosEmpresa, UnitWithoutTaxNumberOrUnknownTakesTheCompanys)
{
    for (const QString &unidad : QStringList{" 2 ", "9", QString()}) {
        const Resultado r = cargar(unidad);
        EXPECT_EQ(r.razonSocial, "La Empresa SA") << unidad.toStdString();
        EXPECT_EQ(r.cuit, "30-12345678-9");
        EXPECT_EQ(r.inicio, "01-02-2003");
        EXPECT_EQ(r.ingresosBrutos, "901-1");
        EXPECT_EQ(r.condicion, "1");
        EXPECT_EQ(gCondicionIva, 1);
    }
}

TEST_F(DatosEmpresa, OutputsAlreadyFilledAreKept)
{
    QString razonSocial = "Dada", cuit, inicio, ingresosBrutos, condicion = "6";
    CargarDatosEmpresa(QString(), razonSocial, cuit, inicio, ingresosBrutos, condicion);
    EXPECT_EQ(razonSocial, "Dada");
    EXPECT_EQ(gCondicionIva, 6);
}

TEST_F(DatosEmpresa, MissingTaxConditionFailsAfterSettingItsText)
{
    db.execute("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CONDIVAEMPRESA'");
    gCondicionIva = 3;
    EXPECT_EQ(errorNumber([this] { cargar(QString()); }), rt::err::TypeMismatch);
    EXPECT_EQ(gCondicionIvaTexto, " ");
    EXPECT_EQ(gCondicionIva, 3);
}

} // namespace
