#include "printdata/receipts/SentenciasRecibos.h"

#include "db/DB_Dll.h"

namespace SentenciasRecibos {

namespace {

QString q(const QString &valor)
{
    return DB_Dll::escaparComillas(valor);
}

} // namespace

QString borrarFilas(const QString &usuario)
{
    return QStringLiteral("DELETE AUX_MV_CPTE WHERE USUARIO = '") + q(usuario) + QStringLiteral("'");
}

QString escritorFilas()
{
    return QStringLiteral("SELECT TOP 1 * FROM AUX_MV_CPTE ");
}

QString aplicaciones(const QString &tipo, const QString &clave)
{
    return QStringLiteral("SELECT CUENTA,TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, SUM(IMPORTE) AS IMPORTE, TC_PRINT, "
                          "IDCOMPROBANTE_PRINT, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN From MV_APLICACION ")
           + QStringLiteral(" WHERE TC_PRINT = '") + q(tipo) + QStringLiteral("' AND IDCOMPROBANTE_PRINT = '")
           + q(clave)
           + QStringLiteral("' GROUP BY CUENTA, TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, TC_PRINT, IDCOMPROBANTE_PRINT, "
                            "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN ORDER BY TCO_ORIGEN, IDCOMPROBANTE_ORIGEN");
}

QString asientos(const QString &tipo, const QString &sucursal, const QString &numero, const QString &letra)
{
    // SECUENCIA numbers the voucher's entry lines: the same receipt always prints the same rows.
    return QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE TC = '") + q(tipo) + QStringLiteral("' AND SUCURSAL = '")
           + q(sucursal) + QStringLiteral("' AND NUMERO = '") + q(numero) + QStringLiteral("' AND LETRA = '") + q(letra)
           + QStringLiteral("' ORDER BY SECUENCIA");
}

QString otrosAplicados(const QString &tipo, const QString &clave, bool esRecibo, const QString &cuenta,
                       const QString &tc)
{
    QString texto = QStringLiteral("SELECT * FROM MV_APLICACION WHERE TC_PRINT = '") + q(tipo)
                    + QStringLiteral("' AND IDCOMPROBANTE_PRINT = '") + q(clave);
    texto += esRecibo ? QStringLiteral("' AND (TC = 'NC' OR TC = 'CB' OR TC = 'CBCT' OR TC = 'CBFP') ")
                      : QStringLiteral("' AND (TC = 'NCC' OR TC = 'NCCP' OR TC = 'ND' OR TC = 'FC'  OR TC = 'PG' OR "
                                       "TC = 'OPG' OR TC = 'CJA' OR TC = 'CC' OR TC = 'RC') ");
    texto += condicionCuenta(cuenta);
    // Type codes compare trimmed: a type passed or stored with blanks is still the printed voucher.
    texto += QStringLiteral(" AND NOT (LTRIM(RTRIM(TC)) = '") + q(tc.trimmed())
             + QStringLiteral("' AND IDCOMPROBANTE = '") + q(clave) + QStringLiteral("')");
    return texto + QStringLiteral(" ORDER BY IDCOMPROBANTE_PRINT");
}

QString contarFilas(const QString &tc, const QString &clave, const QString &usuario)
{
    return QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE WHERE TC = '") + q(tc)
           + QStringLiteral("' AND IDCOMPROBANTE = '") + q(clave) + QStringLiteral("' AND USUARIO = '") + q(usuario)
           + QStringLiteral("'");
}

QString filaEnBlanco(const QString &tc, const QString &clave, const QString &usuario)
{
    return QStringLiteral(" INSERT INTO AUX_MV_CPTE (TC,IDCOMPROBANTE,IDCOMPLEMENTO, USUARIO,COLUMNA4,TIPO) VALUES ('")
           + q(tc) + QStringLiteral("','") + q(clave) + QStringLiteral("',0,'") + q(usuario)
           + QStringLiteral("','  ','1')");
}

QString copiarFilas(int copia, const QString &tc, const QString &clave, const QString &usuario)
{
    // The work table has more columns than the copy sets: the list is named on both sides.
    const QString columnas = QStringLiteral(
        " IDCOMPROBANTE, IDCOMPLEMENTO, COLUMNA1, COLUMNA2, COLUMNA3, COLUMNA4, COLUMNA5, COLUMNA6, COLUMNA7, "
        "COLUMNA8, Encabezado, PieDePagina, COLUMNA9, COLUMNA10, COLUMNA11");
    return QStringLiteral(" INSERT INTO AUX_MV_CPTE (TC, USUARIO, TIPO, Seccion,") + columnas
           + QStringLiteral(") SELECT TC, USUARIO, '") + QString::number(copia) + QStringLiteral("', Seccion,")
           + columnas + QStringLiteral(" FROM AUX_MV_CPTE WHERE IDCOMPROBANTE = '") + q(clave)
           + QStringLiteral("' AND TC = '") + q(tc) + QStringLiteral("' AND USUARIO = '") + q(usuario)
           + QStringLiteral("' AND TIPO = '1' ");
}

QString cabecera(const QString &tipo, const QString &clave)
{
    return QStringLiteral("SELECT * From V_MV_CPTE ") + QStringLiteral(" WHERE TC = '") + q(tipo)
           + QStringLiteral("' AND IDCOMPROBANTE = '") + q(clave) + QStringLiteral("'");
}

QString condicionCuenta(const QString &cuenta)
{
    const QString recortada = cuenta.trimmed();
    if (recortada.isEmpty())
        return {};
    return QStringLiteral(" AND CUENTA = '") + q(recortada) + QStringLiteral("' ");
}

QString documentoCompras(const QString &tipo, const QString &documento, const QString &cuenta)
{
    return QStringLiteral("SELECT FECHA,IMPORTE FROM C_MV_CPTE WHERE TC = '") + q(tipo)
           + QStringLiteral("' AND IDCOMPROBANTE = '") + q(documento) + QStringLiteral("' ") + condicionCuenta(cuenta);
}

QString documentoVentas(const QString &tipo, const QString &documento, const QString &cuenta)
{
    return QStringLiteral("SELECT FECHA,IMPORTE FROM V_MV_CPTE WHERE TC = '") + q(tipo)
           + QStringLiteral("' AND IDCOMPROBANTE = '") + q(documento) + QStringLiteral("' ") + condicionCuenta(cuenta);
}

QString documentoAsientos(const QString &tipo, const QString &documento, const QString &cuenta)
{
    return QStringLiteral("SELECT FECHA,IMPORTE FROM MV_ASIENTOS WHERE TC = '") + q(tipo)
           + QStringLiteral("' AND SUCURSAL + NUMERO + LETRA = '") + q(documento) + QStringLiteral("' ")
           + condicionCuenta(cuenta);
}

QString documentoAsientosPorPartes(const QString &tipo, const QString &sucursal, const QString &numero,
                                   const QString &letra, const QString &cuenta)
{
    return QStringLiteral("SELECT FECHA,CABIMPORTE, FECHASUBDIARIO FROM MV_ASIENTOS WHERE TC = '") + q(tipo)
           + QStringLiteral("' AND SUCURSAL = '") + q(sucursal) + QStringLiteral("' AND NUMERO = '") + q(numero)
           + QStringLiteral("' AND LETRA = '") + q(letra) + QStringLiteral("' ") + condicionCuenta(cuenta);
}

QString saldoDocumento(const QString &tipo, const QString &sucursal, const QString &numero, const QString &letra,
                       const QString &cuenta, bool conBlanco)
{
    return QStringLiteral("SELECT SALDO FROM VE_SALDOAPLICACION WHERE TCO_ORIGEN = '") + q(tipo)
           + QStringLiteral("' AND SUCURSAL_ORIGEN = '") + q(sucursal) + QStringLiteral("' AND NUMERO_ORIGEN = '")
           + q(numero) + QStringLiteral("' AND LETRA_ORIGEN = '") + q(letra)
           + (conBlanco ? QStringLiteral("' ") : QStringLiteral("'")) + condicionCuenta(cuenta);
}

QString cuentasIva()
{
    return QStringLiteral("SELECT * FROM TA_CUENTASIVA with(nolock)  ");
}

QString cuenta(const QString &codigo, bool porCodigoOpcional)
{
    return (porCodigoOpcional ? QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  '")
                              : QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '"))
           + q(codigo) + QStringLiteral("'");
}

QString cuentaDeMedio(const QString &codigo, const QString &medio)
{
    return QStringLiteral("select * from ma_cuentas where LTRIM(RTRIM(codigo)) = '") + q(codigo.trimmed())
           + QStringLiteral("' and MedioDePago = '") + q(medio) + QStringLiteral("'");
}

} // namespace SentenciasRecibos
