-- The company database of the embedded engine.
-- Every text column compares as SQL Server does (TSQLCI: letter case and trailing blanks
-- ignored). DATETIME holds 'yyyy-mm-dd hh:mm:ss' text, always 19 characters; MONEY holds
-- amounts with up to four decimals. No foreign keys: the accounting system tolerates orphans.

--------------------------------------------------------------------------------------------
-- Commission settlements
--------------------------------------------------------------------------------------------

-- New numbers are the highest plus one, computed by the program (no AUTOINCREMENT).
CREATE TABLE V_COMISIONES_VENDEDOR_CAB (
    IdLiquidacion INTEGER PRIMARY KEY,
    FECHA_DESDE   DATETIME,
    FECHA_HASTA   DATETIME,
    USUARIO       TEXT(50) COLLATE TSQLCI
);

-- Credit-note rows are never split, so the split columns must default to 0, not Null.
CREATE TABLE V_COMISIONES_VENDEDOR_COB (
    IdLiquidacion INTEGER NOT NULL,
    CbTc          TEXT(4) COLLATE TSQLCI,
    IdCobranza    TEXT(13) COLLATE TSQLCI,
    FechaCob      DATETIME,
    TotalCobrado  MONEY DEFAULT 0,
    Comision      MONEY DEFAULT 0,
    idVendedor    TEXT(4) COLLATE TSQLCI DEFAULT '',
    Descuentos    MONEY DEFAULT 0,
    Efectivo      MONEY DEFAULT 0,
    Cheque        MONEY DEFAULT 0,
    Tarjeta       MONEY DEFAULT 0,
    Banco         MONEY DEFAULT 0,
    Retenciones   MONEY DEFAULT 0,
    Otros         MONEY DEFAULT 0,
    Observaciones TEXT(50) COLLATE TSQLCI DEFAULT ''
);
-- The updates address a collection by its key alone, across settlements. Every key index of
-- these tables puts the number before its voucher type: the few types would tie on nearly every
-- comparison of a search, and each tie costs a comparison under the collation.
CREATE INDEX IX_COMISIONES_COB_COBRANZA ON V_COMISIONES_VENDEDOR_COB (IdCobranza, CbTc);
-- Holds the collection keys too: the vouchers and article lists of a salesperson join from it
-- without reading the rows.
CREATE INDEX IX_COMISIONES_COB_LIQUIDACION ON V_COMISIONES_VENDEDOR_COB (IdLiquidacion, idVendedor, CbTc, IdCobranza);

-- Self rows of credit notes are inserted without Comision and Observaciones.
CREATE TABLE V_COMISIONES_VENDEDOR_APL (
    IdLiquidacion INTEGER NOT NULL,
    CbTc          TEXT(4) COLLATE TSQLCI,
    IdCobranza    TEXT(13) COLLATE TSQLCI,
    Tc            TEXT(4) COLLATE TSQLCI,
    idComprobante TEXT(13) COLLATE TSQLCI,
    Comision      MONEY DEFAULT 0,
    Observaciones TEXT(50) COLLATE TSQLCI DEFAULT ''
);
CREATE INDEX IX_COMISIONES_APL_COMPROBANTE ON V_COMISIONES_VENDEDOR_APL (idComprobante, Tc);
CREATE INDEX IX_COMISIONES_APL_LIQUIDACION ON V_COMISIONES_VENDEDOR_APL (IdLiquidacion, CbTc, IdCobranza);
-- The article list reaches each collection's vouchers by the collection alone, and finds their
-- keys in the index itself.
CREATE INDEX IX_COMISIONES_APL_COBRANZA ON V_COMISIONES_VENDEDOR_APL (IdCobranza, CbTc, idComprobante, Tc);

-- Id grows with every insert and is never reused: the duplicate clean-up keeps MAX(Id).
-- Comision is a percentage here; in _COB and _APL it is an amount.
CREATE TABLE V_COMISIONES_VENDEDOR_DET (
    Id                    INTEGER PRIMARY KEY AUTOINCREMENT,
    IdLiquidacion         INTEGER NOT NULL,
    Tc                    TEXT(4) COLLATE TSQLCI,
    IdComprobante         TEXT(13) COLLATE TSQLCI,
    IdArticulo            TEXT(25) COLLATE TSQLCI,
    Cantidad              REAL,
    ValorVtaConIVA        MONEY,
    AlicuotaIVA           REAL,
    ValorVenta            MONEY,
    PorcDescuentoCobranza REAL,
    ImporteNeto           MONEY,
    ImporteComision       MONEY,
    Comision              REAL,
    IdLista               TEXT(4) COLLATE TSQLCI,
    cbtc                  TEXT(4) COLLATE TSQLCI,
    idcobranza            TEXT(13) COLLATE TSQLCI
);
CREATE INDEX IX_COMISIONES_DET_LIQUIDACION ON V_COMISIONES_VENDEDOR_DET (IdLiquidacion);
-- Every line is deleted from each index with its settlement, so the lines keep only the indexes
-- their statements need: a voucher has few lines, so its key alone finds them, and the article
-- list narrowed to one collection reaches its lines through that collection's vouchers.
CREATE INDEX IX_COMISIONES_DET_COMPROBANTE ON V_COMISIONES_VENDEDOR_DET (IdComprobante, Tc);

--------------------------------------------------------------------------------------------
-- Print work rows
--------------------------------------------------------------------------------------------

-- Column order matters: ID, then TC ... COLUMNA11 exactly as the receipt copy statement
-- lists them, then the extras.
CREATE TABLE AUX_MV_CPTE (
    ID               INTEGER PRIMARY KEY AUTOINCREMENT,
    TC               TEXT(4) COLLATE TSQLCI,
    USUARIO          TEXT(255) COLLATE TSQLCI,
    TIPO             TEXT(4) COLLATE TSQLCI,
    Seccion          TEXT COLLATE TSQLCI,
    IDCOMPROBANTE    TEXT(13) COLLATE TSQLCI,
    IDCOMPLEMENTO    INTEGER DEFAULT 0,
    COLUMNA1         TEXT COLLATE TSQLCI,
    COLUMNA2         TEXT COLLATE TSQLCI,
    COLUMNA3         TEXT COLLATE TSQLCI,
    COLUMNA4         TEXT COLLATE TSQLCI,
    COLUMNA5         TEXT COLLATE TSQLCI,
    COLUMNA6         TEXT COLLATE TSQLCI,
    COLUMNA7         TEXT COLLATE TSQLCI,
    COLUMNA8         TEXT COLLATE TSQLCI,
    Encabezado       TEXT COLLATE TSQLCI,
    PieDePagina      TEXT COLLATE TSQLCI,
    COLUMNA9         TEXT COLLATE TSQLCI,
    COLUMNA10        TEXT COLLATE TSQLCI,
    COLUMNA11        TEXT COLLATE TSQLCI,
    COLUMNA12        TEXT COLLATE TSQLCI,
    COLUMNA13        TEXT COLLATE TSQLCI,
    COLUMNA14        TEXT COLLATE TSQLCI,
    COLUMNA15        TEXT COLLATE TSQLCI,
    COLUMNA16        TEXT COLLATE TSQLCI,
    COLUMNA17        TEXT COLLATE TSQLCI,
    CANTIDAD_ORIGEN  REAL,
    IMPORTEENLETRAS  TEXT COLLATE TSQLCI,
    FormaDePago      TEXT(250) COLLATE TSQLCI
);
CREATE INDEX IX_AUX_MV_CPTE_USUARIO ON AUX_MV_CPTE (USUARIO, TC, IDCOMPROBANTE, IDCOMPLEMENTO);

CREATE TABLE AUX_MV_CPTEQR (
    TC            TEXT(4) COLLATE TSQLCI,
    IdComprobante TEXT(13) COLLATE TSQLCI,
    Usuario       TEXT(50) COLLATE TSQLCI,
    muestra_logo  TEXT(2) COLLATE TSQLCI,
    QR_AFIP       BLOB,
    IMG_AFIP      BLOB,
    LOGO_EMPRESA  BLOB
);
CREATE INDEX IX_AUX_MV_CPTEQR_COMPROBANTE ON AUX_MV_CPTEQR (TC, IdComprobante);

--------------------------------------------------------------------------------------------
-- Configuration and control
--------------------------------------------------------------------------------------------

-- The readers take the first row of a key, so a key may stand only once.
CREATE TABLE TA_CONFIGURACION (
    CLAVE           TEXT(100) COLLATE TSQLCI,
    VALOR           TEXT COLLATE TSQLCI,
    VALORAUX        TEXT COLLATE TSQLCI,
    Grupo           TEXT(50) COLLATE TSQLCI,
    PoliticaNegocio INTEGER
);
CREATE UNIQUE INDEX UX_TA_CONFIGURACION_CLAVE ON TA_CONFIGURACION (CLAVE);

-- Ingreso keeps the text "dd/mm/yy hh:mm" as written.
CREATE TABLE Control_Acceso (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    Maquina       TEXT(50) COLLATE TSQLCI,
    Usuario       TEXT(50) COLLATE TSQLCI,
    Formulario    TEXT(50) COLLATE TSQLCI,
    Tarea         TEXT(100) COLLATE TSQLCI,
    Ingreso       TEXT(14) COLLATE TSQLCI,
    NombreUsuario TEXT(50) COLLATE TSQLCI
);

-- A plain table: the program inserts audit rows into it.
CREATE TABLE V_MV_CPTEACCIONES (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    TC            TEXT(4) COLLATE TSQLCI,
    IdComprobante TEXT(13) COLLATE TSQLCI,
    IdComplemento INTEGER,
    Tipo_accion   TEXT(2) COLLATE TSQLCI,
    FECHAHORA     DATETIME,
    Usuario       TEXT(50) COLLATE TSQLCI,
    PC            TEXT(50) COLLATE TSQLCI,
    SYSTEMUSER    TEXT(255) COLLATE TSQLCI,
    Proceso       TEXT(255) COLLATE TSQLCI,
    ProcesoLote   TEXT(25) COLLATE TSQLCI,
    Cuenta        TEXT(15) COLLATE TSQLCI
);

CREATE TABLE AUX_ERR (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    Proceso     TEXT(255) COLLATE TSQLCI,
    Fecha       DATETIME,
    Error       INTEGER,
    Descripcion TEXT(250) COLLATE TSQLCI,
    sql         TEXT COLLATE TSQLCI,
    PC          TEXT(50) COLLATE TSQLCI,
    Usuario     TEXT(50) COLLATE TSQLCI
);

-- A plain table: the program adds the session's cash box when it is missing.
CREATE TABLE V_TA_CAJAS (
    IdCajas     TEXT(4) COLLATE TSQLCI,
    Descripcion TEXT(50) COLLATE TSQLCI
);
CREATE INDEX IX_V_TA_CAJAS_ID ON V_TA_CAJAS (IdCajas);

CREATE TABLE TA_CONFIG_FORM (
    FORMULARIO TEXT(100) COLLATE TSQLCI,
    USUARIO    TEXT(50) COLLATE TSQLCI,
    TIPOOBJETO TEXT(50) COLLATE TSQLCI,
    NOMBRE     TEXT(50) COLLATE TSQLCI,
    PROPIEDAD  TEXT(50) COLLATE TSQLCI,
    DATAFIELD  TEXT(50) COLLATE TSQLCI,
    VALOR      TEXT COLLATE TSQLCI
);
CREATE INDEX IX_TA_CONFIG_FORM_FORMULARIO ON TA_CONFIG_FORM (FORMULARIO, USUARIO);

--------------------------------------------------------------------------------------------
-- Users and permissions
--------------------------------------------------------------------------------------------

-- Administrador is numeric (1 = administrator); a user may exist once per system.
CREATE TABLE TA_USUARIOS (
    NOMBRE        TEXT(50) COLLATE TSQLCI,
    SISTEMA       TEXT(10) COLLATE TSQLCI,
    Password      TEXT(100) COLLATE TSQLCI,
    Administrador INTEGER,
    UNegocio      TEXT(4) COLLATE TSQLCI,
    verproforma   INTEGER
);
CREATE UNIQUE INDEX UX_TA_USUARIOS_NOMBRE ON TA_USUARIOS (NOMBRE, SISTEMA);

CREATE TABLE TA_TAREAS (
    USUARIO TEXT(50) COLLATE TSQLCI,
    TAREA   TEXT(20) COLLATE TSQLCI
);
CREATE INDEX IX_TA_TAREAS_USUARIO ON TA_TAREAS (USUARIO);

CREATE TABLE TA_MENU (
    Clave   TEXT(20) COLLATE TSQLCI,
    Proceso TEXT(255) COLLATE TSQLCI,
    Nombre  TEXT(100) COLLATE TSQLCI
);
CREATE INDEX IX_TA_MENU_CLAVE ON TA_MENU (Clave);

--------------------------------------------------------------------------------------------
-- Accounting
--------------------------------------------------------------------------------------------

-- Shares no column name with MA_CUENTAS: the split joins the two and filters unqualified.
CREATE TABLE MV_ASIENTOS (
    TC                     TEXT(4) COLLATE TSQLCI,
    SUCURSAL               TEXT(4) COLLATE TSQLCI,
    NUMERO                 TEXT(8) COLLATE TSQLCI,
    LETRA                  TEXT(1) COLLATE TSQLCI,
    SECUENCIA              INTEGER,
    "DEBE-HABER"           TEXT(1) COLLATE TSQLCI,
    Fecha                  DATETIME,
    Importe                MONEY NOT NULL,
    idVendedor             TEXT(4) COLLATE TSQLCI,
    Cuenta                 TEXT(15) COLLATE TSQLCI,
    Detalle                TEXT(100) COLLATE TSQLCI,
    CABIMPORTE             MONEY,
    FECHASUBDIARIO         DATETIME,
    ChPropio               INTEGER,
    NROCOMPROBANTEBANCARIO TEXT(30) COLLATE TSQLCI,
    tj_observaciones       TEXT(100) COLLATE TSQLCI,
    IdBanco                TEXT(4) COLLATE TSQLCI,
    Vencimiento            DATETIME,
    TJ_NroCupon            TEXT(20) COLLATE TSQLCI,
    TJ_NroSocio            TEXT(20) COLLATE TSQLCI,
    TJ_cuotas              INTEGER,
    PERIODO                INTEGER,
    MES_OPERATIVO          INTEGER,
    "NUMERO ASIENTO"       INTEGER,
    -- The voucher key as the program joins on it, SUCURSAL + NUMERO + LETRA: the engine compares
    -- such a join on this column, which an index serves (it never serves an expression there).
    "SUCURSAL+NUMERO+LETRA" TEXT(13) COLLATE TSQLCI
        GENERATED ALWAYS AS (tsql_add(tsql_add(SUCURSAL, NUMERO), LETRA)) VIRTUAL
);
CREATE INDEX IX_MV_ASIENTOS_COMPROBANTE ON MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA);
-- The settlement picks the first line of every collection of a date range.
CREATE INDEX IX_MV_ASIENTOS_FECHA ON MV_ASIENTOS (SECUENCIA, Fecha);
-- The collections list joins each collection to its first line on the concatenated key.
CREATE INDEX IX_MV_ASIENTOS_PRIMERA ON MV_ASIENTOS (TC, "SUCURSAL+NUMERO+LETRA") WHERE SECUENCIA = 1;

-- MedioDePago is Null for every account that is not a means of payment.
CREATE TABLE MA_CUENTAS (
    Codigo         TEXT(15) COLLATE TSQLCI PRIMARY KEY,
    CodigoOpcional TEXT(15) COLLATE TSQLCI,
    Descripcion    TEXT(100) COLLATE TSQLCI,
    MedioDePago    TEXT(2) COLLATE TSQLCI,
    TipoVista      TEXT(2) COLLATE TSQLCI
);

CREATE TABLE TA_CUENTASIVA (
    cb_cta       TEXT(15) COLLATE TSQLCI,
    CB_RETIVA    TEXT(15) COLLATE TSQLCI,
    CB_RETGAN    TEXT(15) COLLATE TSQLCI,
    CB_RETIB     TEXT(15) COLLATE TSQLCI,
    CB_DESCUENTO TEXT(15) COLLATE TSQLCI,
    PG_RETIVA    TEXT(15) COLLATE TSQLCI,
    PG_RETGAN    TEXT(15) COLLATE TSQLCI,
    PG_RETIB     TEXT(15) COLLATE TSQLCI,
    PG_DESCUENTO TEXT(15) COLLATE TSQLCI,
    CFI_RETPERC  TEXT(15) COLLATE TSQLCI,
    CFI_RETIGAN  TEXT(15) COLLATE TSQLCI,
    CFI_RETIBTOS TEXT(15) COLLATE TSQLCI
);

-- IdComprobante and IDCOMPROBANTE_ORIGEN equal their three pieces joined; TC_PRINT filled
-- marks a credit-note application that cancels.
CREATE TABLE MV_APLICACION (
    TC                   TEXT(4) COLLATE TSQLCI,
    Sucursal             TEXT(4) COLLATE TSQLCI,
    Numero               TEXT(8) COLLATE TSQLCI,
    letra                TEXT(1) COLLATE TSQLCI,
    IdComprobante        TEXT(13) COLLATE TSQLCI,
    TCO_ORIGEN           TEXT(4) COLLATE TSQLCI,
    SUCURSAL_ORIGEN      TEXT(4) COLLATE TSQLCI,
    NUMERO_ORIGEN        TEXT(8) COLLATE TSQLCI,
    LETRA_ORIGEN         TEXT(1) COLLATE TSQLCI,
    IDCOMPROBANTE_ORIGEN TEXT(13) COLLATE TSQLCI,
    IMPORTE              MONEY,
    TC_PRINT             TEXT(4) COLLATE TSQLCI,
    IDCOMPROBANTE_PRINT  TEXT(13) COLLATE TSQLCI,
    CUENTA               TEXT(15) COLLATE TSQLCI
);
CREATE INDEX IX_MV_APLICACION_PIEZAS ON MV_APLICACION (TC, Sucursal, Numero, letra);
CREATE INDEX IX_MV_APLICACION_COMPROBANTE ON MV_APLICACION (TC, IdComprobante);
CREATE INDEX IX_MV_APLICACION_ORIGEN ON MV_APLICACION (TCO_ORIGEN, IDCOMPROBANTE_ORIGEN);
CREATE INDEX IX_MV_APLICACION_PRINT ON MV_APLICACION (TC_PRINT, IDCOMPROBANTE_PRINT);

CREATE TABLE V_TA_BANCOS (
    IDBANCO     TEXT(4) COLLATE TSQLCI,
    DESCRIPCION TEXT(50) COLLATE TSQLCI
);

--------------------------------------------------------------------------------------------
-- Vouchers
--------------------------------------------------------------------------------------------

-- No idrubro column: the kitchen routing query names it unqualified over a join.
CREATE TABLE V_MV_CPTE (
    ID                INTEGER PRIMARY KEY,
    TC                TEXT(4) COLLATE TSQLCI,
    IdComprobante     TEXT(13) COLLATE TSQLCI,
    IdComplemento     INTEGER DEFAULT 0,
    Fecha             DATETIME,
    Nombre            TEXT(100) COLLATE TSQLCI,
    NetoGravado       MONEY,
    NetoNoGravado     MONEY,
    Importe           MONEY,
    Moneda            TEXT(4) COLLATE TSQLCI,
    documentotipo     INTEGER,
    documentonumero   TEXT(13) COLLATE TSQLCI,
    CodCpteAfip       INTEGER,
    UNegocio          TEXT(4) COLLATE TSQLCI,
    ComprobanteOrigen TEXT(13) COLLATE TSQLCI,
    TcOrigen          TEXT(4) COLLATE TSQLCI,
    RetGan_Importe    MONEY DEFAULT 0,
    RetIVA_importe    MONEY DEFAULT 0,
    RETIBR_Importe    MONEY DEFAULT 0,
    ImpDescuento1     MONEY DEFAULT 0,
    retsuss_importe   MONEY DEFAULT 0,
    Cuenta            TEXT(15) COLLATE TSQLCI,
    transporte        TEXT(10) COLLATE TSQLCI,
    IdVendedor        TEXT(4) COLLATE TSQLCI,
    DEMO_SUCURSAL     TEXT(4) COLLATE TSQLCI GENERATED ALWAYS AS (substr(IdComprobante, 1, 4)) VIRTUAL,
    DEMO_NUMERO       TEXT(8) COLLATE TSQLCI GENERATED ALWAYS AS (substr(IdComprobante, 5, 8)) VIRTUAL,
    DEMO_LETRA        TEXT(1) COLLATE TSQLCI GENERATED ALWAYS AS (substr(IdComprobante, 13, 1)) VIRTUAL
);
-- The date rides in the index: the article list of a settlement reads it for every line.
CREATE INDEX IX_V_MV_CPTE_COMPROBANTE ON V_MV_CPTE (TC, IdComprobante, IdComplemento, Fecha);
-- The balance views expose the key's pieces; joins on them need real (generated) columns,
-- since SQLite uses no expression index for a join term.
CREATE INDEX IX_V_MV_CPTE_PIEZAS ON V_MV_CPTE (TC, DEMO_SUCURSAL, DEMO_NUMERO, DEMO_LETRA);

CREATE TABLE C_MV_CPTE (
    ID            INTEGER PRIMARY KEY,
    TC            TEXT(4) COLLATE TSQLCI,
    IdComprobante TEXT(13) COLLATE TSQLCI,
    IdComplemento INTEGER DEFAULT 0,
    Fecha         DATETIME,
    Nombre        TEXT(100) COLLATE TSQLCI,
    Importe       MONEY,
    Cuenta        TEXT(15) COLLATE TSQLCI,
    DEMO_SUCURSAL TEXT(4) COLLATE TSQLCI GENERATED ALWAYS AS (substr(IdComprobante, 1, 4)) VIRTUAL,
    DEMO_NUMERO   TEXT(8) COLLATE TSQLCI GENERATED ALWAYS AS (substr(IdComprobante, 5, 8)) VIRTUAL,
    DEMO_LETRA    TEXT(1) COLLATE TSQLCI GENERATED ALWAYS AS (substr(IdComprobante, 13, 1)) VIRTUAL
);
CREATE INDEX IX_C_MV_CPTE_COMPROBANTE ON C_MV_CPTE (TC, IdComprobante, IdComplemento);
CREATE INDEX IX_C_MV_CPTE_PIEZAS ON C_MV_CPTE (TC, DEMO_SUCURSAL, DEMO_NUMERO, DEMO_LETRA);

-- IdLista names the price list that the commission view reads rates by.
-- No idrubro or unegocio column: the ticket queries name them unqualified over joins.
CREATE TABLE V_MV_CPTEINSUMOS (
    ID                INTEGER PRIMARY KEY,
    TC                TEXT(4) COLLATE TSQLCI,
    IdComprobante     TEXT(13) COLLATE TSQLCI,
    IdComplemento     INTEGER DEFAULT 0,
    IdArticulo        TEXT(25) COLLATE TSQLCI,
    Descripcion       TEXT(100) COLLATE TSQLCI,
    IdUnidad          TEXT(4) COLLATE TSQLCI,
    IdUnidadBase      TEXT(4) COLLATE TSQLCI,
    Cantidad          REAL,
    CantidadUd        REAL,
    Equiv_UDBase      REAL,
    CANTIDAD_ORIGEN   REAL,
    Cantidadpreparada REAL,
    CANTIDADAFACTURAR REAL,
    Importe           MONEY,
    Total             MONEY,
    Importe_S_IVA     MONEY,
    Importe_Ud        MONEY,
    alicIva           REAL,
    PorcDto           REAL,
    Impuestos         MONEY,
    CondicionIva      TEXT(4) COLLATE TSQLCI,
    Nro_Lote          TEXT(255) COLLATE TSQLCI,
    Nro_Serie         TEXT(255) COLLATE TSQLCI,
    ControladoPor     TEXT(20) COLLATE TSQLCI,
    Ud_Pr             TEXT(10) COLLATE TSQLCI,
    IdLista           TEXT(4) COLLATE TSQLCI
);
CREATE INDEX IX_V_MV_CPTEINSUMOS_COMPROBANTE ON V_MV_CPTEINSUMOS (TC, IdComprobante, IdComplemento);

CREATE TABLE V_MV_CPTE_Observ (
    ID            INTEGER PRIMARY KEY,
    TC            TEXT(4) COLLATE TSQLCI,
    IdComprobante TEXT(13) COLLATE TSQLCI,
    IdComplemento INTEGER DEFAULT 0,
    Tipo_Obs      TEXT(2) COLLATE TSQLCI,
    Observacion   TEXT COLLATE TSQLCI,
    Importe       MONEY,
    Importe_S_IVA MONEY,
    fechavj       DATETIME,
    NroViaje      TEXT(20) COLLATE TSQLCI
);
CREATE INDEX IX_V_MV_CPTE_OBSERV_COMPROBANTE ON V_MV_CPTE_Observ (TC, IdComprobante, IdComplemento);

CREATE TABLE V_MV_CPTETAREAS (
    ID                   INTEGER PRIMARY KEY,
    TC                   TEXT(4) COLLATE TSQLCI,
    IdComprobante        TEXT(13) COLLATE TSQLCI,
    IdComplemento        INTEGER DEFAULT 0,
    idtarea              TEXT(20) COLLATE TSQLCI,
    Descripcion          TEXT(100) COLLATE TSQLCI,
    Horas                INTEGER,
    valorhora            MONEY,
    Total                MONEY,
    valorHora_S_Iva      MONEY,
    descripcionadicional TEXT COLLATE TSQLCI
);
CREATE INDEX IX_V_MV_CPTETAREAS_COMPROBANTE ON V_MV_CPTETAREAS (TC, IdComprobante, IdComplemento);

CREATE TABLE V_MV_DIARIOS (
    ID            INTEGER PRIMARY KEY,
    TC            TEXT(4) COLLATE TSQLCI,
    IdComprobante TEXT(13) COLLATE TSQLCI,
    IdComplemento INTEGER DEFAULT 0,
    idtarea       TEXT(20) COLLATE TSQLCI,
    Descripcion   TEXT(100) COLLATE TSQLCI,
    Observaciones TEXT COLLATE TSQLCI,
    Minutos       INTEGER
);
CREATE INDEX IX_V_MV_DIARIOS_COMPROBANTE ON V_MV_DIARIOS (TC, IdComprobante, IdComplemento);

CREATE TABLE V_MV_CPTE_ELECTRONICOS (
    TC            TEXT(4) COLLATE TSQLCI,
    IDCOMPROBANTE TEXT(13) COLLATE TSQLCI,
    CAE           TEXT(14) COLLATE TSQLCI,
    Fecha_CPTE    DATETIME
);
CREATE INDEX IX_V_MV_CPTE_ELECTRONICOS_COMPROBANTE ON V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE);

CREATE TABLE stk_despachos (
    NroLote       TEXT(50) COLLATE TSQLCI,
    ControladoPor TEXT(50) COLLATE TSQLCI,
    Descripcion   TEXT(100) COLLATE TSQLCI
);
CREATE INDEX IX_STK_DESPACHOS_LOTE ON stk_despachos (NroLote);

--------------------------------------------------------------------------------------------
-- Catalogues
--------------------------------------------------------------------------------------------

-- Sales and collection types must not be 'CONTABLE', 'STOCK' or 'COMPRAS'.
CREATE TABLE V_TA_CPTE (
    Codigo      TEXT(4) COLLATE TSQLCI,
    Descripcion TEXT(50) COLLATE TSQLCI,
    SISTEMA     TEXT(10) COLLATE TSQLCI
);

-- No Comision, TotalCobrado or IdLiquidacion column: the salesperson list sums those names
-- unqualified over a join with this table.
CREATE TABLE V_TA_VENDEDORES (
    IdVendedor TEXT(4) COLLATE TSQLCI,
    Nombre     TEXT(50) COLLATE TSQLCI
);
CREATE INDEX IX_V_TA_VENDEDORES_ID ON V_TA_VENDEDORES (IdVendedor);

CREATE TABLE V_MA_ARTICULOS (
    IdArticulo         TEXT(25) COLLATE TSQLCI,
    Descripcion        TEXT(100) COLLATE TSQLCI,
    CodigoArtProveedor TEXT(25) COLLATE TSQLCI,
    idrubro            TEXT(4) COLLATE TSQLCI,
    Pesable            INTEGER,
    talledefault       TEXT(10) COLLATE TSQLCI
);
-- With the description, which the article list of a settlement reads for every line.
CREATE INDEX IX_V_MA_ARTICULOS_ID ON V_MA_ARTICULOS (IdArticulo, Descripcion);

-- Commission rate of an article per price list: what the commission view reads.
CREATE TABLE DEMO_COMISION_ARTICULO (
    IdArticulo TEXT(25) COLLATE TSQLCI,
    IdLista    TEXT(4) COLLATE TSQLCI,
    Comision   REAL,
    PRIMARY KEY (IdArticulo, IdLista)
);

CREATE TABLE V_TA_UNIDADNEGOCIO (
    Codigo       TEXT(4) COLLATE TSQLCI,
    Descripcion  TEXT(50) COLLATE TSQLCI,
    razon_social TEXT(100) COLLATE TSQLCI,
    Cuit         TEXT(13) COLLATE TSQLCI,
    PDV          TEXT(4) COLLATE TSQLCI,
    usaefc       INTEGER,
    ruta_reporte TEXT(255) COLLATE TSQLCI
);

CREATE TABLE ta_monedas (
    Codigo      TEXT(4) COLLATE TSQLCI,
    Descripcion TEXT(50) COLLATE TSQLCI
);

CREATE TABLE TA_CONDIVA (
    Codigo      TEXT(4) COLLATE TSQLCI,
    DESCRIPCION TEXT(50) COLLATE TSQLCI
);

-- One rate column per currency code, named MONEDA<code>.
CREATE TABLE TA_COTIZACION (
    ID         INTEGER PRIMARY KEY,
    FECHA_HORA DATETIME,
    MONEDA1    REAL,
    MONEDA2    REAL
);
CREATE INDEX IX_TA_COTIZACION_FECHA ON TA_COTIZACION (FECHA_HORA);

--------------------------------------------------------------------------------------------
-- Print settings
--------------------------------------------------------------------------------------------

CREATE TABLE TA_REPORTES (
    NOMBRE   TEXT(255) COLLATE TSQLCI,
    Archivo  TEXT(255) COLLATE TSQLCI,
    Archivo2 TEXT(255) COLLATE TSQLCI,
    Archivo3 TEXT(255) COLLATE TSQLCI,
    Archivo4 TEXT(255) COLLATE TSQLCI
);

-- USUARIO Null applies to every workstation.
CREATE TABLE TA_CONFIG_IMP_CPTE (
    TC             TEXT(4) COLLATE TSQLCI,
    LETRA          TEXT(1) COLLATE TSQLCI,
    USUARIO        TEXT(255) COLLATE TSQLCI,
    Impresora      TEXT(255) COLLATE TSQLCI,
    CantCopias     INTEGER,
    CantLineas     INTEGER,
    DestinoDefault TEXT(50) COLLATE TSQLCI
);

--------------------------------------------------------------------------------------------
-- Objects behind the confidentiality views, and the look-up catalogue
--------------------------------------------------------------------------------------------

CREATE TABLE V_TA_DEPOSITO (
    IdDeposito  TEXT(4) COLLATE TSQLCI,
    Descripcion TEXT(50) COLLATE TSQLCI
);
CREATE TABLE V_TA_FAMILIAS (
    IdFamilia   TEXT(4) COLLATE TSQLCI,
    Descripcion TEXT(50) COLLATE TSQLCI
);
CREATE TABLE AC_CUENTASDIARIO (
    Cuenta TEXT(15) COLLATE TSQLCI
);
CREATE TABLE AC_CUENTASDIARIO_CCOSTO (
    Cuenta TEXT(15) COLLATE TSQLCI
);

CREATE TABLE VT_CLIENTES (
    RAZON_SOCIAL TEXT(100) COLLATE TSQLCI,
    CODIGO       TEXT(15) COLLATE TSQLCI,
    CONTACTO     TEXT(100) COLLATE TSQLCI
);
CREATE TABLE VT_PROVEEDORES (
    RAZON_SOCIAL TEXT(100) COLLATE TSQLCI,
    CODIGO       TEXT(15) COLLATE TSQLCI
);
CREATE TABLE MA_CONTACTOS (
    Nombre_y_Apellido TEXT(100) COLLATE TSQLCI,
    Domicilio         TEXT(100) COLLATE TSQLCI,
    Localidad         TEXT(50) COLLATE TSQLCI,
    Telefono          TEXT(50) COLLATE TSQLCI
);
CREATE TABLE V_TA_TECNICOS (
    NOMBRE    TEXT(50) COLLATE TSQLCI,
    IDTECNICO TEXT(4) COLLATE TSQLCI
);
CREATE TABLE V_MA_MANTENIMIENTOS (
    DESCRIPCION TEXT(100) COLLATE TSQLCI,
    CODIGO      TEXT(15) COLLATE TSQLCI
);
CREATE TABLE V_TA_Tareas (
    Descripcion TEXT(100) COLLATE TSQLCI,
    IdTarea     TEXT(20) COLLATE TSQLCI
);

--------------------------------------------------------------------------------------------
-- Computed views
--------------------------------------------------------------------------------------------

-- Open balance of every sales voucher. Rounded, so that a voucher paid in full gives 0
-- exactly.
CREATE VIEW VE_CPTES_SALDOS AS
SELECT h.TC AS TC,
       h.DEMO_SUCURSAL AS Sucursal,
       h.DEMO_NUMERO AS Numero,
       h.DEMO_LETRA AS letra,
       ROUND(h.Importe - IFNULL((SELECT SUM(a.IMPORTE) FROM MV_APLICACION a
                                 WHERE a.TCO_ORIGEN = h.TC
                                   AND a.IDCOMPROBANTE_ORIGEN = h.IdComprobante), 0), 2) AS Saldo
FROM V_MV_CPTE h;

-- Balance of an applied sales or purchase document; never Null.
CREATE VIEW VE_SALDOAPLICACION AS
SELECT h.TC AS TCO_ORIGEN,
       h.DEMO_SUCURSAL AS SUCURSAL_ORIGEN,
       h.DEMO_NUMERO AS NUMERO_ORIGEN,
       h.DEMO_LETRA AS LETRA_ORIGEN,
       ROUND(IFNULL(h.Importe, 0) - IFNULL((SELECT SUM(a.IMPORTE) FROM MV_APLICACION a
                                            WHERE a.TCO_ORIGEN = h.TC
                                              AND a.IDCOMPROBANTE_ORIGEN = h.IdComprobante), 0), 2) AS SALDO,
       h.Cuenta AS CUENTA
FROM V_MV_CPTE h
UNION ALL
SELECT h.TC,
       h.DEMO_SUCURSAL,
       h.DEMO_NUMERO,
       h.DEMO_LETRA,
       ROUND(IFNULL(h.Importe, 0) - IFNULL((SELECT SUM(a.IMPORTE) FROM MV_APLICACION a
                                            WHERE a.TCO_ORIGEN = h.TC
                                              AND a.IDCOMPROBANTE_ORIGEN = h.IdComprobante), 0), 2),
       h.Cuenta
FROM C_MV_CPTE h;

-- Commission figures per article line: one row per (line of a voucher x collection that
-- paid it), carrying the whole line value, and one row per line of every credit note, keyed
-- by the credit note itself with negated figures. The discount percentage of a collection is
-- its debits on the collections' discount account over its total. The collections' branch
-- stands last: SQLite takes the declared types of a compound's columns (MONEY, DATETIME) from
-- its last branch.
CREATE VIEW VT_COMISIONES_LISTA_CB_DESCUENTO AS
SELECT tc, idcomprobante, Articulo, cantidad, ValorVtaConIVA, AlicuotaIVA, ValorVenta,
       PorcDescuentoCobranza,
       ROUND(ValorVenta * (1 - PorcDescuentoCobranza / 100.0), 2) AS ImporteNeto,
       ROUND(ValorVenta * (1 - PorcDescuentoCobranza / 100.0) * IFNULL(Comision, 0) / 100.0, 2) AS ImporteComision,
       Comision, IdLista, cbtc, idcobranza, FechaCobranza, TotalCobradoIncluyeDto,
       ROUND(TotalCobradoIncluyeDto * PorcDescuentoCobranza / 100.0, 2) AS ImporteDescuento,
       ROUND(TotalCobradoIncluyeDto - ROUND(TotalCobradoIncluyeDto * PorcDescuentoCobranza / 100.0, 2), 2) AS ImporteCobrado
FROM (
    SELECT l.TC AS tc, l.IdComprobante AS idcomprobante, l.IdArticulo AS Articulo, l.Cantidad AS cantidad,
           -l.Total AS ValorVtaConIVA, l.alicIva AS AlicuotaIVA, -ROUND(l.Importe_S_IVA * l.Cantidad, 2) AS ValorVenta,
           0 AS PorcDescuentoCobranza, r.Comision AS Comision, l.IdLista AS IdLista, l.TC AS cbtc,
           l.IdComprobante AS idcobranza, h.Fecha AS FechaCobranza, -h.Importe AS TotalCobradoIncluyeDto
    FROM V_MV_CPTEINSUMOS l
    JOIN V_MV_CPTE h ON h.TC = l.TC AND h.IdComprobante = l.IdComprobante AND h.IdComplemento = l.IdComplemento
    LEFT JOIN DEMO_COMISION_ARTICULO r ON r.IdArticulo = l.IdArticulo AND r.IdLista = l.IdLista
    WHERE l.TC IN ('NC', 'NCFP')
    UNION ALL
    SELECT l.TC AS tc, l.IdComprobante AS idcomprobante, l.IdArticulo AS Articulo, l.Cantidad AS cantidad,
           l.Total AS ValorVtaConIVA, l.alicIva AS AlicuotaIVA,
           ROUND(l.Importe_S_IVA * l.Cantidad, 2) AS ValorVenta,
           IFNULL(ROUND(100.0 * (SELECT SUM(d.Importe) FROM MV_ASIENTOS d
                                 WHERE d.TC = m.TC AND d.SUCURSAL = m.SUCURSAL AND d.NUMERO = m.NUMERO
                                   AND d.LETRA = m.LETRA AND d.SECUENCIA > 1 AND d."DEBE-HABER" = 'D'
                                   AND d.Cuenta = (SELECT CB_DESCUENTO FROM TA_CUENTASIVA LIMIT 1))
                        / m.Importe, 2), 0) AS PorcDescuentoCobranza,
           r.Comision AS Comision, l.IdLista AS IdLista,
           a.TC AS cbtc, a.IdComprobante AS idcobranza, m.Fecha AS FechaCobranza,
           a.IMPORTE AS TotalCobradoIncluyeDto
    FROM MV_APLICACION a
    JOIN MV_ASIENTOS m ON m.TC = a.TC AND m.SUCURSAL = a.Sucursal AND m.NUMERO = a.Numero
                      AND m.LETRA = a.letra AND m.SECUENCIA = 1 AND m."DEBE-HABER" = 'H'
    JOIN V_MV_CPTEINSUMOS l ON l.TC = a.TCO_ORIGEN AND l.IdComprobante = a.IDCOMPROBANTE_ORIGEN
    LEFT JOIN DEMO_COMISION_ARTICULO r ON r.IdArticulo = l.IdArticulo AND r.IdLista = l.IdLista
    WHERE a.TC IN ('CB', 'CBCT', 'CBFP')
);

CREATE VIEW VT_V_MV_Insumos_NPPendiente AS
SELECT TC, IdComprobante AS IDCOMPROBANTE, IdArticulo AS IDARTICULO
FROM V_MV_CPTEINSUMOS
WHERE TC = 'NP' AND IFNULL(Cantidad, 0) > IFNULL(CANTIDADAFACTURAR, 0);

CREATE VIEW V_MV_STOCK AS
SELECT * FROM V_MV_CPTE WHERE TC IN (SELECT Codigo FROM V_TA_CPTE WHERE SISTEMA = 'STOCK');

--------------------------------------------------------------------------------------------
-- Confidentiality views: what a user who is not an administrator reads
--------------------------------------------------------------------------------------------

CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS;
CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS;
CREATE VIEW SS_V_TA_CAJAS AS SELECT * FROM V_TA_CAJAS;
CREATE VIEW SS_V_TA_DEPOSITO AS SELECT * FROM V_TA_DEPOSITO;
CREATE VIEW SS_V_TA_FAMILIAS AS SELECT * FROM V_TA_FAMILIAS;
CREATE VIEW SS_AC_CUENTASDIARIO AS SELECT * FROM AC_CUENTASDIARIO;
CREATE VIEW SS_AC_CUENTAS_DIARIO_CCOSTO AS SELECT * FROM AC_CUENTASDIARIO_CCOSTO;

--------------------------------------------------------------------------------------------
-- Planner statistics
--------------------------------------------------------------------------------------------

-- Fixed statistics of a large company database, so that the query planner keeps linear
-- plans whatever the size of the file: without them it would walk every application of a
-- voucher type for each collection of a settlement (the program joins the applications on
-- their concatenated key pieces, which no index can serve from that side).
ANALYZE sqlite_schema;
INSERT INTO sqlite_stat1 (tbl, idx, stat) VALUES
    ('MV_APLICACION', 'IX_MV_APLICACION_PIEZAS', '1000000 250000 125000 2 1'),
    ('MV_APLICACION', 'IX_MV_APLICACION_COMPROBANTE', '1000000 250000 1'),
    ('MV_APLICACION', 'IX_MV_APLICACION_ORIGEN', '1000000 300000 2'),
    ('MV_APLICACION', 'IX_MV_APLICACION_PRINT', '1000000 250000 1'),
    ('MV_ASIENTOS', 'IX_MV_ASIENTOS_COMPROBANTE', '4000000 500000 250000 4 4 1'),
    ('MV_ASIENTOS', 'IX_MV_ASIENTOS_FECHA', '4000000 1000000 1000'),
    ('MV_ASIENTOS', 'IX_MV_ASIENTOS_PRIMERA', '1000000 125000 1'),
    ('V_MV_CPTE', 'IX_V_MV_CPTE_COMPROBANTE', '1000000 200000 1 1 1'),
    ('V_MV_CPTE', 'IX_V_MV_CPTE_PIEZAS', '1000000 200000 100000 2 1'),
    ('V_MV_CPTEINSUMOS', 'IX_V_MV_CPTEINSUMOS_COMPROBANTE', '3000000 600000 3 3'),
    ('V_COMISIONES_VENDEDOR_COB', 'IX_COMISIONES_COB_COBRANZA', '1000000 2 1'),
    ('V_COMISIONES_VENDEDOR_COB', 'IX_COMISIONES_COB_LIQUIDACION', '1000000 5000 1000 1 1'),
    ('V_COMISIONES_VENDEDOR_APL', 'IX_COMISIONES_APL_COMPROBANTE', '1000000 2 1'),
    ('V_COMISIONES_VENDEDOR_APL', 'IX_COMISIONES_APL_LIQUIDACION', '1000000 5000 2 1'),
    ('V_COMISIONES_VENDEDOR_APL', 'IX_COMISIONES_APL_COBRANZA', '1000000 2 1 1 1'),
    ('V_COMISIONES_VENDEDOR_DET', 'IX_COMISIONES_DET_LIQUIDACION', '3000000 15000'),
    ('V_COMISIONES_VENDEDOR_DET', 'IX_COMISIONES_DET_COMPROBANTE', '3000000 4 3');
