#include "SqlCorpus.h"

namespace {

const QList<CorpusEntry> ConnectionClassTexts = {
    {"ExisteEnTablaByText", Target::Company, Expect::Rows,
     {"SELECT TOP 1  * FROM v_COMISIONES_VENDEDOR_CAB with(nolock)  WHERE LTRIM(RTRIM(IdLiquidacion)) ='{n}'"}},
    {"ExisteEnTablaByCondition", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_APL with(nolock)  WHERE  tc = '{tc}' and idcomprobante = '{comprobante}'"}},
    {"ExisteEnTablaConditionWithWhere", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_APL with(nolock)   where tc = '{tc}'"}},
    {"ExisteEnTablaByNumber", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_CAB with(nolock)  WHERE IdLiquidacion = {n}"}},
    {"ExisteEnTablaSTByText", Target::Company, Expect::Rows,
     {"SELECT * FROM V_TA_VENDEDORES with(nolock)   WHERE IdVendedor ='{seller}'"}},
    {"ExisteEnTablaSTByNumber", Target::Company, Expect::Rows,
     {"SELECT * FROM V_COMISIONES_VENDEDOR_CAB with(nolock)   WHERE IdLiquidacion = {n}"}},
    {"DatosTablaAdministratorFlag", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ADMIN' "}},
    {"DatosTablaUntrimmed", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM V_TA_VENDEDORES with(nolock)  WHERE IdVendedor ='{seller}' "}},
    {"DatosTablaWithCondition", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='admin '  AND SISTEMA = 'cn000pr'"}},
    {"BuscaMaximo", Target::Company, Expect::Rows, {"SELECT MAX(IdLiquidacion) AS MAYOR FROM V_COMISIONES_VENDEDOR_CAB"}},
    {"BuscaMaximoArticlesWithoutLeadingZero", Target::Company, Expect::Rows,
     {"SELECT MAX(IDARTICULO) AS MAYOR FROM V_MA_ARTICULOS WHERE substring(ltrim(idarticulo),1,1)<>'0'"}},
    {"BuscaMinimo", Target::Company, Expect::Rows,
     {"SELECT MIN(IdLiquidacion) AS MENOR FROM V_COMISIONES_VENDEDOR_CAB  with(nolock)  WHERE IdLiquidacion > 0"}},
    {"AddFieldNullable", Target::Company, Expect::Action, {"ALTER TABLE dbo.TA_CONFIG_FORM ADD ORDEN int Null "}},
    {"AddFieldWithDefault", Target::Company, Expect::Action,
     {"ALTER TABLE dbo.TA_CONFIG_FORM ADD ANCHO varchar(10) Not Null  CONSTRAINT DF_TA_CONFIG_FORM_ANCHO DEFAULT ('0')"}},
    {"ConfidentialAccounts", Target::Company, Expect::Rows,
     {"SELECT TOP 1  * FROM SS_MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='1.1.01.01'"}},
    {"ConfidentialCashBoxAfterAdminInsert", Target::Company, Expect::Rows,
     {"INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('   1','CAJA 1')",
      "SELECT TOP 1 * FROM SS_V_TA_CAJAS with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='1' "}},
    {"ConfidentialEntriesAndAccounts", Target::Company, Expect::Rows,
     {"SELECT *, SS_MA_CUENTAS.MEDIODEPAGO FROM SS_MV_ASIENTOS with(nolock) INNER JOIN SS_MA_CUENTAS ON "
      "SS_MV_ASIENTOS.Cuenta = SS_MA_CUENTAS.CODIGO WHERE TC = '{cbtc}' AND SUCURSAL = '{suc}' AND NUMERO = '{num}' AND "
      "LETRA = '{let}' AND SECUENCIA > 1 AND [DEBE-HABER] = 'D'"}},
    {"ConfidentialDepositsFamiliesAndDiaries", Target::Company, Expect::Any,
     {"SELECT * FROM SS_V_TA_DEPOSITO, SS_V_TA_FAMILIAS, SS_AC_CUENTASDIARIO, SS_AC_CUENTAS_DIARIO_CCOSTO"}},
};

const QList<CorpusEntry> StartUpTexts = {
    {"ServerDate", Target::Company, Expect::Rows, {"select  getDate() as fecha"}},
    {"CfgCompanyName", Target::Company, Expect::Rows,
     {"SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'NOMBRE'"}},
    {"CfgKeyInAnotherCase", Target::Company, Expect::Rows,
     {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'cuit'"}},
    {"CfgMissingKey", Target::Company, Expect::NoRows,
     {"SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'MaxDto'"}},
    {"CfgUpperCasedDateKey", Target::Company, Expect::NoRows,
     {"SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'"}},
    {"CfgQVTimeOut", Target::Statistics, Expect::Rows,
     {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"}},
    {"GrabaCfgQVRecordset", Target::Statistics, Expect::Rows,
     {"SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TimeOut'"}},
    {"ValidaUsuario", Target::Company, Expect::Rows,
     {"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'ADMIN' AND SISTEMA = 'cn000pr' OR NOMBRE = 'ADMIN' AND SISTEMA = 'VORN'"}},
    {"SessionUserRow", Target::Company, Expect::Rows,
     {"Select * from ta_usuarios  with(nolock)  where Nombre = 'OPERADOR'"}},
    {"StoredPasswordLookUp", Target::Company, Expect::Rows,
     {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='ADMIN' "}},
    {"PermissionCheck", Target::Company, Expect::Rows,
     {"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) INNER JOIN "
      "TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'OPERADOR ') AND (TA_MENU.Proceso LIKE "
      "'%comisiones%')"}},
    {"AccessRowCommitted", Target::Company, Expect::Action,
     {"BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES "
      "('PC01','ADMIN','COMISIONES','COMISIONES POR VENDEDOR','05/03/24 10:15','ADMIN')\r",
      "COMMIT TRANSACTION"}},
    {"AccessRowRolledBack", Target::Company, Expect::Action,
     {"BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES "
      "('PC01','ADMIN','COMISIONES','','05/03/24 10:15','ADMIN')\r",
      "ROLLBACK TRANSACTION"}},
    {"AccessLogFirstRow", Target::Company, Expect::Any, {"Select TOP 1 * from Control_Acceso  with(nolock) "}},
    {"FailedLoginAudit", Target::Company, Expect::Action,
     {" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,Proceso,"
      "ProcesoLote,Cuenta) VALUES ('    ','',0,'A','05/03/2024 10:15:00','ADMIN','PC01','Intento de inicio de sesion "
      "fallido','comisiones ','','')"}},
    {"ErrorRowRecordset", Target::Company, Expect::NoRows, {"select  top 1 * from AUX_ERR  with(nolock) "}},
    {"CashBoxLookUp", Target::Company, Expect::NoRows,
     {"SELECT TOP 1 * FROM V_TA_Cajas with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='1' "}},
    {"CashBoxInsertedThenFound", Target::Company, Expect::Rows,
     {"INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('   1','CAJA 1')",
      "SELECT TOP 1 * FROM V_TA_Cajas with(nolock)  WHERE LTRIM(RTRIM(IdCajas)) ='1' "}},
    {"BusinessUnit", Target::Company, Expect::Rows,
     {"SELECT TOP 1  * FROM v_ta_unidadNegocio with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='0001'"}},
};

const QList<CorpusEntry> SettlementWindowTexts = {
    {"SettlementCombo", Target::Company, Expect::Rows,
     {"SELECT * FROM V_COMISIONES_VENDEDOR_CAB ORDER BY IDLIQUIDACION desc "}},
    {"SettlementDelete", Target::Company, Expect::Action,
     {"DELETE V_COMISIONES_VENDEDOR_CAB WHERE IDLIQUIDACION={n}", "DELETE FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION={n}",
      "DELETE FROM V_COMISIONES_VENDEDOR_APL WHERE IDLIQUIDACION={n}", "DELETE FROM V_COMISIONES_VENDEDOR_DET WHERE IDLIQUIDACION={n}"}},
    {"SettlementDeleteOfAnEmptyNumber", Target::Company, Expect::Action,
     {"DELETE V_COMISIONES_VENDEDOR_CAB WHERE IDLIQUIDACION=0"}},
    {"NewSettlementNumber", Target::Company, Expect::Rows,
     {"SELECT MAX(IDLIQUIDACION) AS NRO FROM v_COMISIONES_VENDEDOR_CAB"}},
    {"RangeAlreadySettled", Target::Company, Expect::Rows,
     {"SELECT * FROM V_COMISIONES_VENDEDOR_CAB WHERE Fecha_desde>='01/03/2024' and fecha_hasta<='31/03/2024'"}},
    {"RangeOverlappingInPart", Target::Company, Expect::NoRows,
     {"SELECT * FROM V_COMISIONES_VENDEDOR_CAB WHERE Fecha_desde>='10/03/2024' and fecha_hasta<='30/04/2024'"}},
    {"SettlementHeader", Target::Company, Expect::Action,
     {" INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion,FECHA_DESDE,FECHA_HASTA,USUARIO ) VALUES (7,'01/04/2024',"
      "'30/04/2024','ADMIN')"}},
    {"CollectionsOfOneSalesperson", Target::Company, Expect::Action,
     {" INSERT INTO V_COMISIONES_VENDEDOR_COB ( IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
      "idVendedor ) SELECT 7, Tc, SUCURSAL  + NUMERO + LETRA, Fecha, Importe, 0, ISNULL(idVendedor,'') From mv_asientos "
      "WHERE (Fecha>='01/04/2024' And Fecha<='30/04/2024') and (tc = 'cb' or tc = 'cbct' or tc = 'cbfp')  and ( "
      "[DEBE-HABER] = 'H') AND SECUENCIA = 1  AND IDVENDEDOR='{seller}'   AND NOT EXISTS(  SELECT * FROM "
      "V_COMISIONES_VENDEDOR_COB A  WHERE MV_ASIENTOS.TC = A.CBTC AND MV_ASIENTOS.SUCURSAL  + MV_ASIENTOS.NUMERO + "
      "MV_ASIENTOS.LETRA = A.IDCOBRANZA)"}},
    {"CreditNotesOfOneSalesperson", Target::Company, Expect::Action,
     {" INSERT INTO V_COMISIONES_VENDEDOR_COB ( IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, Comision, "
      "idVendedor ) SELECT 7, Tc, SUCURSAL  + NUMERO + LETRA, Fecha, (Importe * -1) , 0, isnull(idVendedor,'') From "
      "mv_asientos WHERE (Fecha>='01/04/2024' And Fecha<='30/04/2024') and (tc = 'NC' or tc = 'NCFP' )  and ( [DEBE-HABER] "
      "= 'H') AND SECUENCIA = 1 AND IDVENDEDOR='{seller}'   AND NOT EXISTS(  SELECT * FROM V_COMISIONES_VENDEDOR_COB A  "
      "WHERE MV_ASIENTOS.TC = A.CBTC AND MV_ASIENTOS.SUCURSAL  + MV_ASIENTOS.NUMERO + MV_ASIENTOS.LETRA = A.IDCOBRANZA) "}},
    {"DiscountAccountSetting", Target::Company, Expect::Rows,
     {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'CuentaDesCuentosOtorgados'"}},
    {"DiscountAccountOfTaxSettings", Target::Company, Expect::Rows, {"SELECT TOP 1 CB_DESCUENTO FROM TA_CUENTASIVA"}},
    {"CollectionsToSplit", Target::Company, Expect::Rows,
     {"SELECT * FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION = {n}"}},
    {"CollectionDebitLines", Target::Company, Expect::Rows,
     {"SELECT *, MA_CUENTAS.MEDIODEPAGO FROM MV_ASIENTOS with(nolock) INNER JOIN MA_CUENTAS ON MV_ASIENTOS.Cuenta = "
      "MA_CUENTAS.CODIGO WHERE TC = '{cbtc}' AND SUCURSAL = '{suc}' AND NUMERO = '{num}' AND LETRA = '{let}' AND SECUENCIA "
      "> 1 AND [DEBE-HABER] = 'D'"}},
    {"CollectionSplitUpdate", Target::Company, Expect::Action,
     {"UPDATE V_COMISIONES_VENDEDOR_COB SET Descuentos = 0, Efectivo = 1234.5,  Cheque = 0, Tarjeta = 0, Banco = 0, "
      "Retenciones = 12.3456, Otros = 0 where cbtc = '{cbtc}' and idcobranza = '{cobranza}'"}},
    {"VouchersPaidInFull", Target::Company, Expect::Rows,
     {"  SELECT {n} , A.TC as CbTc , A.SUCURSAL + A.NUMERO + A.LETRA AS IdCobranza , A.TCO_ORIGEN AS TC, A.SUCURSAL_ORIGEN + "
      "A.NUMERO_ORIGEN + A.LETRA_ORIGEN AS IdComprobante, 0 as Comision, 0 AS PagoParcial, '' as Observaciones FROM "
      "MV_APLICACION A INNER JOIN V_COMISIONES_VENDEDOR_COB B ON a.TC = b.CbTc And a.Sucursal + a.Numero + a.letra = "
      "b.IdCobranza inner join VE_CPTES_SALDOS  C ON c.TC = a.TCO_ORIGEN And c.Sucursal = a.SUCURSAL_ORIGEN And c.Numero = "
      "a.NUMERO_ORIGEN And c.letra = a.LETRA_ORIGEN Where c.Saldo = 0 AND (B.idliquidacion = {n} and ((b.CBtc = 'CB' OR "
      "B.CBTC = 'CBCT' OR B.CBTC = 'CBFP') and (A.TCo_origen <> 'NC' AND A.TCo_origen <> 'NCFP')  ) )"}},
    {"AppliedVouchersDelete", Target::Company, Expect::Action,
     {" delete V_COMISIONES_VENDEDOR_APL where idliquidacion = {n}"}},
    {"AppliedVoucherInsert", Target::Company, Expect::Action,
     {" INSERT INTO V_COMISIONES_VENDEDOR_APL ( IdLiquidacion, CbTc, IdCobranza, Tc, idComprobante, Comision, Observaciones ) "
      " values ( 7, 'CB', '000100009999X', 'FC', '000100009999A', 0, ''  )"}},
    {"CreditNotesAppliedToThemselves", Target::Company, Expect::Action,
     {"INSERT INTO V_COMISIONES_VENDEDOR_APL (IDLIQUIDACION,CBTC,IDCOBRANZA, TC, IDCOMPROBANTE) SELECT IDLIQUIDACION,CBTC, "
      "IDCOBRANZA,  CBTC, IDCOBRANZA FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION = {n} AND (CBTC = 'NC' OR CBTC = "
      "'NCFP') "}},
    {"ArticleDetailOfAppliedVouchers", Target::Company, Expect::Rows,
     {"  SELECT a.tc,a.idcomprobante, A.Articulo , A.cantidad ,ValorVtaConIVA,AlicuotaIVA,ValorVenta,PorcDescuentoCobranza,"
      "ImporteNeto,ImporteComision,a.Comision,IdLista,a.cbtc,a.idcobranza   from VT_COMISIONES_LISTA_CB_DESCUENTO  A  Inner "
      "Join v_comisiones_vendedor_apl B   on a.tc = b.tc and a.idcomprobante = b.idcomprobante  where b.idliquidacion = {n} "}},
    {"ArticleDetailDelete", Target::Company, Expect::Action, {" delete V_COMISIONES_VENDEDOR_DET where idliquidacion = {n}"}},
    {"ArticleDetailInsert", Target::Company, Expect::Action,
     {" INSERT INTO V_COMISIONES_VENDEDOR_DET ( IdLiquidacion,Tc,IdComprobante,IdArticulo,Cantidad,ValorVtaConIVA,"
      "AlicuotaIVA,ValorVenta,PorcDescuentoCobranza,ImporteNeto,ImporteComision,Comision,IdLista,cbtc,idcobranza )  values ( "
      "{n},'{tc}', '{comprobante}', '{articulo}', 3, 3630, 21, 3000, 2.5, 2925, 87.75, 3, '0001', '{cbtc}', '{cobranza}' )"}},
    // The fixture's settlement has already cleared the total of its cancelling credit note.
    {"CreditNotesCancellingInFull", Target::Company, Expect::Any,
     {"  select A.*,B.IMPORTE, b.tco_origen from V_COMISIONES_VENDEDOR_COB A INNER JOIN MV_APLICACION B ON a.cbtc = b.tc "
      "And a.IdCobranza = b.IdComprobante where (CBtc = 'NC' OR CBtc = 'NCFP' ) AND ABS(A.TOTALCOBRADO) = ABS(B.IMPORTE ) "
      "and (NOT TC_Print IS NULL ) AND A.idliquidacion = {n} "}},
    {"CancelledCreditNoteUpdates", Target::Company, Expect::Action,
     {"update V_COMISIONES_VENDEDOR_DET SET COMISION = 0, IMPORTECOMISION = 0  WHERE TC = 'NC' AND IDCOMPROBANTE = "
      "'000100000001A'",
      "update V_COMISIONES_VENDEDOR_COB SET TOTALCOBRADO = 0, COMISION = 0, OBSERVACIONES = 'Cancelacion total comprobante'  "
      "WHERE cbTC = 'NC' AND IDCOBRANZA = '000100000001A'"}},
    {"DuplicateArticleLines", Target::Company, Expect::Any,
     {"   select MAX(ID) as id,tc,idcomprobante,idarticulo,cantidad from V_COMISIONES_VENDEDOR_DET  where idliquidacion = {n} "
      " group by tc,idcomprobante,idarticulo,cantidad having count(*) > 1"}},
    {"DuplicateArticleLineUpdate", Target::Company, Expect::Action,
     {"update V_COMISIONES_VENDEDOR_DET SET COMISION = 0, IMPORTECOMISION = 0  WHERE TC = '{tc}' AND IDCOMPROBANTE = "
      "'{comprobante}' and idarticulo = '{articulo}' and id <> 99 and cantidad = 3"}},
    {"CommissionPerVoucher", Target::Company, Expect::Rows,
     {"select tc,idcomprobante, sum(importecomision) as comision from V_COMISIONES_VENDEDOR_DET where idliquidacion = {n} "
      "group by tc,IDComprobante "}},
    {"CommissionPerVoucherUpdate", Target::Company, Expect::Action,
     {"update V_COMISIONES_VENDEDOR_APL SET COMISION = 123.45 WHERE TC = '{tc}' AND IDCOMPROBANTE = '{comprobante}'"}},
    {"CommissionPerCollection", Target::Company, Expect::Rows,
     {"SELECT cbtc,idcobranza,sum(ImporteComision) as comision from V_COMISIONES_VENDEDOR_DET WHERE idliquidacion = {n} "
      "GROUP BY CbTc,IdCobranza"}},
    {"CommissionPerCollectionUpdate", Target::Company, Expect::Action,
     {"update V_COMISIONES_VENDEDOR_COB SET COMISION = -12.5 WHERE CBTC = '{cbtc}' AND IDCOBRANZA = '{cobranza}'"}},
};

const QList<CorpusEntry> SettlementListTexts = {
    {"SalespersonList", Target::Company, Expect::Rows,
     {"SELECT a.IDVENDEDOR, nombre, SUM(TOTALCOBRADO)  AS TotalCobrado, sum(Comision) as TotalComision    FROM "
      "[V_COMISIONES_VENDEDOR_COB] a  left outer join V_TA_VENDEDORES b on a.IdVendedor = b.idvendedor   where "
      "a.idliquidacion = {n}  GROUP BY a.IdVendedor , b.nombre order by a.idvendedor "}},
    {"SalespersonListWithoutNumber", Target::Company, Expect::NoRows,
     {"SELECT a.IDVENDEDOR, nombre, SUM(TOTALCOBRADO)  AS TotalCobrado, sum(Comision) as TotalComision    FROM "
      "[V_COMISIONES_VENDEDOR_COB] a  left outer join V_TA_VENDEDORES b on a.IdVendedor = b.idvendedor   where "
      "a.idliquidacion = 99  GROUP BY a.IdVendedor , b.nombre order by a.idvendedor "}},
    {"CollectionList", Target::Company, Expect::Rows,
     {" SELECT a.*, b.detalle FROM [V_COMISIONES_VENDEDOR_COB] a  left outer join mv_asientos b on a.cbtc = b.tc and "
      "a.idcobranza = b.sucursal+b.numero+b.letra and b.secuencia = 1  where a.idliquidacion = {n} and a.idvendedor = "
      "'{seller}' order by fechaCob, cbtc,Idcobranza "}},
    {"AppliedVoucherListOfSalesperson", Target::Company, Expect::Rows,
     {"  SELECT a.idLiquidacion, c.IdVendedor, b.FECHA ,b.nombre, a.Tc, a.IDComprobante , a.Comision , case when a.Tc = "
      "'NCFP' OR a.TC = 'NC' THEN  (b.NetoGravado + b.NetoNoGravado)  * -1 else  b.NetoGravado + b.NetoNoGravado END as "
      "Neto, case when a.Tc = 'NCFP' OR a.TC = 'NC' THEN   b.IMPORTE * -1 ELSE B.IMPORTE END as total, a.cbtc, "
      "a.idcobranza FROM [V_COMISIONES_VENDEDOR_APL]  a inner join V_COMISIONES_VENDEDOR_COB c on c.idLiquidacion = "
      "a.idLiquidacion And c.CbTc = a.CbTc And c.IdCobranza = a.IdCobranza left outer join V_MV_CPTE b on a.TC = b.TC And "
      "a.IdComprobante = b.IdComprobante where c.idliquidacion = {n} and c.idvendedor = '{seller}' order by  a.cbtc, "
      "a.idcobranza,a.tc,a.idcomprobante  "}},
    {"AppliedVoucherListOfCollection", Target::Company, Expect::Rows,
     {"  SELECT a.idLiquidacion, c.IdVendedor, b.FECHA ,b.nombre, a.Tc, a.IDComprobante , a.Comision , case when a.Tc = "
      "'NCFP' OR a.TC = 'NC' THEN  (b.NetoGravado + b.NetoNoGravado)  * -1 else  b.NetoGravado + b.NetoNoGravado END as "
      "Neto, case when a.Tc = 'NCFP' OR a.TC = 'NC' THEN   b.IMPORTE * -1 ELSE B.IMPORTE END as total, a.cbtc, "
      "a.idcobranza FROM [V_COMISIONES_VENDEDOR_APL]  a inner join V_COMISIONES_VENDEDOR_COB c on c.idLiquidacion = "
      "a.idLiquidacion And c.CbTc = a.CbTc And c.IdCobranza = a.IdCobranza left outer join V_MV_CPTE b on a.TC = b.TC And "
      "a.IdComprobante = b.IdComprobante where c.idliquidacion = {n} and c.idvendedor = '{seller}' and a.cbtc = '{cbtc}' "
      "and a.idcobranza = '{cobranza}' order by  a.cbtc, a.idcobranza,a.tc,a.idcomprobante  "}},
    {"ArticleListOfSalesperson", Target::Company, Expect::Rows,
     {"  SELECT  a.tc,a.idcomprobante,e.fecha, a.idarticulo, d.descripcion, a.cantidad, a.valorvtaconiva, a.alicuotaiva,"
      "a.valorventa,a.porcdescuentocobranza,a.importeneto, a.importecomision,a.comision,a.idlista, a.cbtc, a.idcobranza, "
      "c.IdVendedor    FROM [V_COMISIONES_VENDEDOR_DET] a inner join v_comisiones_vendedor_apl b on a.TC = b.TC And "
      "a.IdComprobante = b.IdComprobante inner join v_comisiones_vendedor_cob c on b.cbtc = c.cbtc And b.idcobranza = "
      "c.idcobranza left outer join  v_ma_articulos d on a.idArticulo = D.idArticulo left outer join V_MV_CPTE e on a.tc = "
      "e.tc and a.idcomprobante = e.idcomprobante where c.idliquidacion = {n} and c.idvendedor = '{seller}'   order by  "
      "b.cbtc, b.idcobranza, b.tc,b.idcomprobante"}},
    {"ArticleListOfVoucher", Target::Company, Expect::Rows,
     {"  SELECT  a.tc,a.idcomprobante,e.fecha, a.idarticulo, d.descripcion, a.cantidad, a.valorvtaconiva, a.alicuotaiva,"
      "a.valorventa,a.porcdescuentocobranza,a.importeneto, a.importecomision,a.comision,a.idlista, a.cbtc, a.idcobranza, "
      "c.IdVendedor    FROM [V_COMISIONES_VENDEDOR_DET] a inner join v_comisiones_vendedor_apl b on a.TC = b.TC And "
      "a.IdComprobante = b.IdComprobante inner join v_comisiones_vendedor_cob c on b.cbtc = c.cbtc And b.idcobranza = "
      "c.idcobranza left outer join  v_ma_articulos d on a.idArticulo = D.idArticulo left outer join V_MV_CPTE e on a.tc = "
      "e.tc and a.idcomprobante = e.idcomprobante where c.idliquidacion = {n} and c.idvendedor = '{seller}'  and a.cbtc = "
      "'{cbtc}' and a.idcobranza = '{cobranza}'  and a.tc = '{tc}' and a.idcomprobante = '{comprobante}' order by  b.cbtc, "
      "b.idcobranza, b.tc,b.idcomprobante"}},
    {"ArticleCommissionFigures", Target::Company, Expect::Rows,
     {"SELECT CBTC,IDCOBRANZA,FechaCobranza,PorcDescuentoCobranza,ImporteNeto,ImporteComision,TotalCobradoIncluyeDto,"
      "ImporteDescuento,ImporteCobrado FROM VT_COMISIONES_LISTA_CB_DESCUENTO WHERE ARTICULO='{articulo25}' AND TC='{tc}' "
      "AND IDCOMPROBANTE='{comprobante}'"}},
};

QList<CorpusEntry> allEntries()
{
    return ConnectionClassTexts + StartUpTexts + SettlementWindowTexts + SettlementListTexts;
}

} // namespace

const QList<CorpusEntry> &corpusEntries()
{
    static const QList<CorpusEntry> entries = allEntries();
    return entries;
}
