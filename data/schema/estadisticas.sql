-- The statistics database: its configuration table only. The program writes the command
-- time-out here ("TimeOut", group "BaseDeDatos") through an updatable recordset.
CREATE TABLE TA_CONFIGURACION (
    CLAVE           TEXT(100) COLLATE TSQLCI,
    VALOR           TEXT COLLATE TSQLCI,
    VALORAUX        TEXT COLLATE TSQLCI,
    Grupo           TEXT(50) COLLATE TSQLCI,
    PoliticaNegocio INTEGER
);
CREATE UNIQUE INDEX UX_TA_CONFIGURACION_CLAVE ON TA_CONFIGURACION (CLAVE);
