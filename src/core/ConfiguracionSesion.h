#pragma once

#include "platform/runtime/Currency.h"

#include <QString>
#include <QtGlobal>

// The business settings loaded from TA_CONFIGURACION at start-up, each named after its key
// unless said. Texts start empty, flags False and numbers 0; CargarConfiguracion gives them
// their values once per run. The money decimals, the confidentiality and working-date switches,
// the configuration table's name and the focus colours live with the session state (Sesion.h).

extern QString gArchivoTareas; // application folder & "QVDOCTareas.ntw"
extern bool gMaderera; // "MADERERA": not empty and not "NO"
extern QString gUnidadNegocio; // the user's TA_USUARIOS.UNegocio, "   1" when empty
extern qint16 gCondicionIva; // company tax condition, never 0 after the load
extern QString gCondicionIvaTexto; // the tax condition text found by CargarDatosEmpresa
extern QString Top_Default; // "1000" when blank

// Flags: the value equals "SI".
extern bool MostrarStockenConsultas;
extern bool EXIGECLAVECONSULTALIKEARTICULOS;
extern bool UsaConsultaLike;
extern bool UsaMultilesMonedas;
extern bool UsaFacturaProforma; // and the user's verproforma when the user has a row
extern bool USACCOSTO;
extern bool USA_STK_STOCK_UDKG;
extern bool SS_BloqueoActivo;
extern bool AsignacionAutomaticaDeLoteING;
extern bool AsignacionAutomaticaDeLoteINGOP;
// Flags: the trimmed value equals "SI".
extern bool RazonSocialPorUneg;
extern bool VALIDACODIGOBARRA;
// Flags: not empty and not "NO".
extern bool V_ModificaCPrecio;
extern bool C_ModificaCPrecio;
extern bool PideClave_StockNeg;
extern bool PideClave_MarkUpBase;
extern bool PideClave_LimiteCredito;
// Flag: True unless the value is "NO".
extern bool ModuloOrdenDeTrabajo;
// Texts: the trimmed value.
extern QString TituloClientes;
extern QString TituloProveedores;
extern QString UNIDADDEMEDIDA_M3;
extern QString UNIDADDEMEDIDA_BL;
extern QString UNIDADDEMEDIDA_KG;
extern QString MAD_TIRAS;
extern QString MAD_P2;
extern QString MAD_ML;
extern QString MAD_M2;
extern QString MAD_HOJAS;
extern QString MAD_ML_P2;
extern QString MAD_M2_P2;
extern QString MAD_ML_M2;
extern QString CuentaCtroDist;
// Numbers.
extern qint16 PERIODO;
extern rt::Currency MaxDto;
extern rt::Currency MaxDtoProforma;

// Loads every setting above and those of Sesion.h from the main connection, `Carpeta` being
// the application folder with its trailing separator. A failing read leaves its setting as it
// was and is not reported (Cfg reports its own failures).
void CargarConfiguracion(const QString &Carpeta);

// Puts every setting above back to its start value.
void reiniciarConfiguracionSesion();
