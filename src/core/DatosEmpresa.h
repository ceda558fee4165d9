#pragma once

#include <QString>

// The fiscal identity under which documents are issued for a business unit. A unit of
// v_ta_unidadNegocio with a tax number gives its own name and number and the keys
// "INICIO_ACTIVIDADES_UN_", "INGRESOS_BRUTOS_UN_" and "CONDICIONIVA_UN_" followed by the unit;
// every output still empty then comes from the company keys "NOMBRE", "cuit", "CONDIVAEMPRESA",
// "INICIOACTIVIDADES" and "NROINGRESOSBRUTOS". Outputs keep what they held unless set here.
// Sets gCondicionIvaTexto, then gCondicionIva; throws RuntimeError 13 (after setting the text)
// when the tax condition is not a whole number, and lets any other failure through.
void CargarDatosEmpresa(const QString &UnidadNegocio, QString &RazonSocial, QString &Cuit, QString &InicioActividades,
                        QString &IngresosBrutos, QString &CondicionIva);
