#include "core/ConfiguracionSesion.h"

#include "core/Configuracion.h"
#include "core/DatosEmpresa.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

QString gArchivoTareas;
bool gMaderera = false;
QString gUnidadNegocio;
qint16 gCondicionIva = 0;
QString gCondicionIvaTexto;
QString Top_Default;
bool MostrarStockenConsultas = false;
bool EXIGECLAVECONSULTALIKEARTICULOS = false;
bool UsaConsultaLike = false;
bool UsaMultilesMonedas = false;
bool UsaFacturaProforma = false;
bool USACCOSTO = false;
bool USA_STK_STOCK_UDKG = false;
bool SS_BloqueoActivo = false;
bool AsignacionAutomaticaDeLoteING = false;
bool AsignacionAutomaticaDeLoteINGOP = false;
bool RazonSocialPorUneg = false;
bool VALIDACODIGOBARRA = false;
bool V_ModificaCPrecio = false;
bool C_ModificaCPrecio = false;
bool PideClave_StockNeg = false;
bool PideClave_MarkUpBase = false;
bool PideClave_LimiteCredito = false;
bool ModuloOrdenDeTrabajo = false;
QString TituloClientes;
QString TituloProveedores;
QString UNIDADDEMEDIDA_M3;
QString UNIDADDEMEDIDA_BL;
QString UNIDADDEMEDIDA_KG;
QString MAD_TIRAS;
QString MAD_P2;
QString MAD_ML;
QString MAD_M2;
QString MAD_HOJAS;
QString MAD_ML_P2;
QString MAD_M2_P2;
QString MAD_ML_M2;
QString CuentaCtroDist;
qint16 PERIODO = 0;
rt::Currency MaxDto;
rt::Currency MaxDtoProforma;

namespace {

// The focus background when the configuration gives none: cyan (blue-green-red order).
constexpr quint32 ColorFondoPorDefecto = 16776960;

bool igual(const QString &a, const QString &b)
{
    return rt::StrComp(a, b, rt::CompareMode::Text) == 0;
}

void flagSI(bool &setting, const QString &clave)
{
    rt::resumeNext([&] { setting = igual(Cfg(clave), QStringLiteral("SI")); });
}

void flagSIRecortado(bool &setting, const QString &clave)
{
    rt::resumeNext([&] { setting = igual(rt::Trim(Cfg(clave)), QStringLiteral("SI")); });
}

// The second read is not trimmed, so " NO" counts as set.
void flagNoVacioNiNO(bool &setting, const QString &clave)
{
    rt::resumeNext([&] { setting = !rt::Trim(Cfg(clave)).isEmpty() && !igual(Cfg(clave), QStringLiteral("NO")); });
}

void texto(QString &setting, const QString &clave)
{
    rt::resumeNext([&] { setting = rt::Trim(Cfg(clave)); });
}

void moneda(rt::Currency &setting, const QString &clave)
{
    rt::resumeNext([&] { setting = gUtil->ValorNumerico(rt::Trim(Cfg(clave))); });
}

qint16 entero(const QString &clave)
{
    return rt::CInt(rt::Val(Cfg(clave)));
}

void cargarUsuario()
{
    ado::Recordset rs;
    const QString sql = QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ")
                        + gBaseDatos->literal(gUsuarioLogeado);
    rt::resumeNext([&] {
        gBaseDatos->AbrirRecordset(sql, rs, &gBaseDatos->gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly,
                                   ado::adCmdUnspecified, true);
    });
    bool hayFila = false;
    rt::resumeNext([&] { hayFila = !rs.BOF(); });
    if (hayFila) {
        rt::resumeNext([&] { gUnidadNegocio = gUtil->ValorCampo(rs.Fields(QStringLiteral("UNegocio"))); });
        // The user's right can switch the proforma off, never on.
        if (UsaFacturaProforma)
            rt::resumeNext([&] { UsaFacturaProforma = rt::CBool(rs.Fields(QStringLiteral("verproforma")).Value()); });
    }
    if (gUnidadNegocio.isEmpty())
        gUnidadNegocio = QStringLiteral("   1");
}

void cargarColores()
{
    rt::resumeNext(
        [&] { gColorFondo = static_cast<quint32>(rt::CLng(gUtil->ValorNumerico(Cfg(QStringLiteral("CFondo"))))); });
    rt::resumeNext(
        [&] { gColorLetra = static_cast<quint32>(rt::CLng(gUtil->ValorNumerico(Cfg(QStringLiteral("CLetra"))))); });
    if (gColorFondo == 0)
        gColorFondo = ColorFondoPorDefecto;
}

void cargarCondicionIva()
{
    rt::resumeNext([&] {
        gCondicionIva = entero(QStringLiteral("CONDIVAEMPRESA"));
        if (gCondicionIva == 0)
            gCondicionIva = entero(QStringLiteral("CONDIVA"));
    });
    rt::resumeNext([&] {
        QString razonSocial, cuit, inicio, ingresosBrutos, condicion;
        CargarDatosEmpresa(gUnidadNegocio, razonSocial, cuit, inicio, ingresosBrutos, condicion);
    });
    rt::resumeNext([&] { gCondicionIva = rt::CInt(gCondicionIvaTexto); });
    if (gCondicionIva == 0)
        gCondicionIva = 1;
}

} // namespace

// Every statement of the load runs on its own: a failure skips it and nothing is shown.
void CargarConfiguracion(const QString &Carpeta)
{
    gTablaConfiguracion = QStringLiteral("ta_configuracion");
    rt::resumeNext([&] {
        MostrarStockenConsultas =
            igual(gUtil->ValorCampo(Cfg(QStringLiteral("MostrarStockenConsultas"))), QStringLiteral("SI"));
    });
    texto(TituloClientes, QStringLiteral("TituloClientes"));
    texto(TituloProveedores, QStringLiteral("TituloProveedores"));
    gArchivoTareas = Carpeta + QStringLiteral("QVDOCTareas.ntw");
    flagSI(EXIGECLAVECONSULTALIKEARTICULOS, QStringLiteral("EXIGECLAVECONSULTALIKEARTICULOS"));
    flagSI(UsaConsultaLike, QStringLiteral("UsaConsultaLike"));
    rt::resumeNext([&] { gCantidadDecimales = Cfg(QStringLiteral("CantidadDecimales")); });
    flagSI(gConfidencialidad, QStringLiteral("SS_CONFIDENCIALIDAD"));
    flagSI(UsaMultilesMonedas, QStringLiteral("UsaMultilesMonedas"));
    flagSI(UsaFacturaProforma, QStringLiteral("UsaFacturaProforma"));
    flagSI(USACCOSTO, QStringLiteral("USACCOSTO"));
    flagSI(USA_STK_STOCK_UDKG, QStringLiteral("USA_STK_STOCK_UDKG"));
    cargarUsuario();
    texto(UNIDADDEMEDIDA_M3, QStringLiteral("UNIDADDEMEDIDA_M3"));
    texto(UNIDADDEMEDIDA_BL, QStringLiteral("UNIDADDEMEDIDA_BL"));
    texto(UNIDADDEMEDIDA_KG, QStringLiteral("UNIDADDEMEDIDA_KG"));
    rt::resumeNext([&] { PERIODO = entero(QStringLiteral("PERIODO")); });
    flagSIRecortado(RazonSocialPorUneg, QStringLiteral("RazonSocialPorUneg"));
    flagSIRecortado(VALIDACODIGOBARRA, QStringLiteral("VALIDACODIGOBARRA"));
    cargarColores();
    rt::resumeNext([&] {
        ModuloOrdenDeTrabajo = !igual(rt::Trim(Cfg(QStringLiteral("ModuloOrdenDeTrabajo"))), QStringLiteral("NO"));
    });
    flagNoVacioNiNO(V_ModificaCPrecio, QStringLiteral("V_ModificaCPrecio"));
    flagNoVacioNiNO(C_ModificaCPrecio, QStringLiteral("C_ModificaCPrecio"));
    flagNoVacioNiNO(gMaderera, QStringLiteral("MADERERA"));
    for (auto [setting, clave] : {std::pair{&MAD_TIRAS, "MAD_TIRAS"},
                                  {&MAD_P2, "MAD_P2"},
                                  {&MAD_ML, "MAD_ML"},
                                  {&MAD_M2, "MAD_M2"},
                                  {&MAD_HOJAS, "MAD_HOJAS"},
                                  {&MAD_ML_P2, "MAD_ML_P2"},
                                  {&MAD_M2_P2, "MAD_M2_P2"},
                                  {&MAD_ML_M2, "MAD_ML_M2"},
                                  {&CuentaCtroDist, "CuentaCtroDist"}})
        texto(*setting, QString::fromLatin1(clave));
    moneda(MaxDto, QStringLiteral("MaxDto"));
    moneda(MaxDtoProforma, QStringLiteral("MaxDtoProforma"));
    flagNoVacioNiNO(PideClave_StockNeg, QStringLiteral("PideClave_StockNeg"));
    flagNoVacioNiNO(PideClave_MarkUpBase, QStringLiteral("PideClave_MarkUpBase"));
    flagNoVacioNiNO(PideClave_LimiteCredito, QStringLiteral("PideClave_LimiteCredito"));
    flagSI(SS_BloqueoActivo, QStringLiteral("SS_BloqueoActivo"));
    flagSI(gUtilizarFechaDia, QStringLiteral("UTILIZARFECHADIA"));
    flagSI(AsignacionAutomaticaDeLoteING, QStringLiteral("AsignacionAutomaticaDeLoteING"));
    flagSI(AsignacionAutomaticaDeLoteINGOP, QStringLiteral("AsignacionAutomaticaDeLoteINGOP"));
    cargarCondicionIva();
    rt::resumeNext([&] {
        Top_Default = Cfg(QStringLiteral("Top_Default"));
        if (rt::Trim(Top_Default).isEmpty())
            Top_Default = QStringLiteral("1000");
    });
}

void reiniciarConfiguracionSesion()
{
    for (QString *setting :
         {&gArchivoTareas, &gUnidadNegocio, &gCondicionIvaTexto, &Top_Default, &TituloClientes, &TituloProveedores,
          &UNIDADDEMEDIDA_M3, &UNIDADDEMEDIDA_BL, &UNIDADDEMEDIDA_KG, &MAD_TIRAS, &MAD_P2, &MAD_ML, &MAD_M2, &MAD_HOJAS,
          &MAD_ML_P2, &MAD_M2_P2, &MAD_ML_M2, &CuentaCtroDist})
        setting->clear();
    for (bool *setting : {&gMaderera, &MostrarStockenConsultas, &EXIGECLAVECONSULTALIKEARTICULOS, &UsaConsultaLike,
                          &UsaMultilesMonedas, &UsaFacturaProforma, &USACCOSTO, &USA_STK_STOCK_UDKG, &SS_BloqueoActivo,
                          &AsignacionAutomaticaDeLoteING, &AsignacionAutomaticaDeLoteINGOP, &RazonSocialPorUneg,
                          &VALIDACODIGOBARRA, &V_ModificaCPrecio, &C_ModificaCPrecio, &PideClave_StockNeg,
                          &PideClave_MarkUpBase, &PideClave_LimiteCredito, &ModuloOrdenDeTrabajo})
        *setting = false;
    gCondicionIva = 0;
    PERIODO = 0;
    MaxDto = {};
    MaxDtoProforma = {};
}
