#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/outside/DialogoArchivo.h"
#include "platform/outside/Utilidades.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Variant.h"
#include "platform/ui/EventBeat.h"

#include <QString>
#include <functional>
#include <optional>

class PoliticaReconexion;

// The program's database access: one ADO connection and the names it is opened with, and the
// look-ups, statements and recordsets of the whole program. The statement methods report their
// own failures (dialogs, error log, reconnection) and never pass an error to the caller, except
// where a method's comment says so.
class DB_Dll {
public:
    // Open-file dialog used to choose an Access database file.
    outside::DialogoArchivo CmdDlg;
    // The connection is usable; callers test it after every open.
    bool gOpenFlag = false;
    // True: an Access password error is answered with gUserPassWord instead of asking.
    rt::Variant gIgnoraPassWord;
    // The connection every statement and recordset uses.
    ado::Connection gCnn;
    ado::Recordset glrcs;
    rt::Variant gCursorLocation;
    // OLE DB provider name.
    QString gProveedor;
    QString gDsn;
    // Server as typed; a "#" in it selects the Oracle connection string.
    QString gServidor;
    // Database (SQL Server catalog, Oracle data source or Access file).
    QString gDBName;
    // Database login user and password.
    QString gUsuario;
    // The logged-in application user is an administrator (no confidentiality rewriting).
    bool gEsAdmin = false;
    QString gUserPassWord;
    // The connection string last built or given.
    QString gConnString;
    // Appended to the SQL Server and Access connection strings.
    QString gExtended;
    // Error-log file; empty means "QVERR.LOG" in the application's writable folder.
    QString gLogErr;
    bool ParametrosSQL = false;
    qint16 gQVTimeOut = 0;

    DB_Dll() = default;
    DB_Dll(const DB_Dll &) = delete;
    DB_Dll &operator=(const DB_Dll &) = delete;

    // Highest value of a column (a number, or the text for Tipo 7); Empty when no row. An empty
    // Condicion ends the text in " WHERE ". Errors pass to the caller.
    rt::Variant BuscaMaximo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo,
                            QString &Condicion);
    rt::Variant BuscaMaximo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo = {});
    // Lowest value of a column as a number; Empty when no row. Errors pass to the caller.
    rt::Variant BuscaMinimo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo,
                            const QString &Condicion);
    rt::Variant BuscaMinimo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo = {});

    // Opens gCnn on SQL Server or Oracle, optionally after the connection dialog, then checks
    // whether the logged-in user is an administrator. The result is gOpenFlag.
    void OpenServerADODB(bool PideParametrosSQL = false, long lCursor = 3, const QString &ConnString = {},
                         bool ValidaAdmin = true, bool MuestraError = true);
    // Closes and reopens gCnn after a lost connection; the result is gOpenFlag.
    void ReintentaConectar();
    // Opens gCnn on an Access file, chosen in CmdDlg when gDBName is blank; the result is gOpenFlag.
    void OpenLocalADODB(const QString &ConnString = {}, const QString &CadenaID = QStringLiteral("User Id"),
                        const QString &CadenaPWD = QStringLiteral("Password"));

    // Whether a row with the key exists, on the main connection and without confidentiality
    // rewriting. A given LRCS is left open on the row.
    bool ExisteEnTablaST(const QString &Tabla, const QString &ValorBuscado,
                         const QString &Campo = QStringLiteral("Codigo"), ado::Recordset *LRCS = nullptr,
                         const rt::Variant &Tipodato = 8, const QString &Condicion = {}, bool SoloLectura = false);
    // Whether a row with the key exists (keys compared trimmed for text). A given LRCS is left
    // open on the row.
    bool ExisteEnTabla(const QString &Tabla, const QString &ValorBuscado,
                       const QString &Campo = QStringLiteral("Codigo"), ado::Recordset *LRCS = nullptr,
                       const rt::Variant &Tipodato = 8, const QString &Condicion = {}, bool SoloLectura = true);
    // The column CampoDevuelto of the first row with the key, as text; "" when there is none,
    // Empty when the connection is not usable. Tipodato "'" means 8 and is set to 8.
    rt::Variant DatosTabla(const QString &Tabla, const QString &ValorBuscado, const QString &CampoDevuelto,
                           const QString &Campo = QStringLiteral("Codigo"), const rt::Variant &Tipodato = 8,
                           const QString &Condicion = {}, bool UsaTrim = true, bool IgnoraError = false);
    rt::Variant DatosTabla(const QString &Tabla, const QString &ValorBuscado, const QString &CampoDevuelto,
                           const QString &Campo, rt::Variant &Tipodato, const QString &Condicion = {},
                           bool UsaTrim = true, bool IgnoraError = false);

    // ADO data-type code sets; a code may be a number or its text.
    bool adodate(const rt::Variant &Qtype) const;
    QString ADOComilla(const rt::Variant &Qtype) const; // "'" for dates and texts, else ""
    bool ADOText(const rt::Variant &Qtype) const;
    bool ADONumeric(const rt::Variant &Qtype) const;
    bool ADOCurrency(const rt::Variant &Qtype) const;
    bool ADOBoolean(const rt::Variant &Qtype) const;

    // Closes the recordset when it is open; a pending new row is cancelled first.
    void CierraRecordset(ado::Recordset &LrcsTemp);

    // Kept for the class's interface: they accept their arguments and do nothing.
    void QConsulta(const QString &TB, const QString &Rsp, const QString &Cl1, const QString &Cl2,
                   const QString &CmpDisplay, const QString &SQLWHERE);
    void QGridConsulta(const QString &Sentencia, const QString &CampoDevuelto1, const QString &gCnnString,
                       const QString &CampoDevuelto2, const QString &CampoDevuelto3);

    // Name helpers (see DB_DllNombres.cpp). stSTF and StripOwner may change their argument;
    // StripConnect and StripBrackets throw RuntimeError 5 on the names they cannot cut.
    QString stSTF(QString &rsName, qint16 rnPart);
    QString AddBrackets(const QString &rObjName) const;
    QString StripConnect(const QString &rsTblName) const;
    QString StripBrackets(const QString &rsObjName) const;
    QString StripOwner(QString &rsTblName) const;
    QString StripFileName(const QString &rsFileName) const;

    // Runs an action statement or batch after the "@Admin_" and confidentiality rules (the
    // Oracle batch runner on Oracle). Failures stay in gBaseDatos.gCnn.Errors for the caller;
    // nothing is shown. SentenciaSQL receives the rewritten text.
    void EjecutaConsultaSQL(QString &SentenciaSQL, long &RecordsAffected, ado::Recordset *LRCS = nullptr);
    void EjecutaConsultaSQL(const QString &SentenciaSQL, long RecordsAffected = 0, ado::Recordset *LRCS = nullptr);
    // As EjecutaConsultaSQL, for a statement sent row after row with other values: given as its
    // pieces and literals, the engine may recognise it without reading the whole text again.
    void EjecutaConsultaSQL(const ado::LiteralText &Sentencia);
    // As EjecutaConsultaSQL, without reconnection, reading gBaseAuxiliar's errors.
    void EjecutaConsultaRSQL(QString &SentenciaSQL, long &RecordsAffected, ado::Recordset *LRCS = nullptr);
    void EjecutaConsultaRSQL(const QString &SentenciaSQL, long RecordsAffected = 0, ado::Recordset *LRCS = nullptr);

    // Closes LRCS and opens it on the confidentiality-rewritten query (Oracle dialect when
    // ConvOracle and the connection is Oracle), on Conexionactiva or gCnn. SentenciaSQL
    // receives the rewritten text. Failures go to TratamientoErrores ("AbrirRecordset"). Then
    // processes the window's pending events, at most once every ui::EventBeat::IntervalMs.
    void AbrirRecordset(QString &SentenciaSQL, ado::Recordset &LRCS, ado::Connection *Conexionactiva = nullptr,
                        long CursorType = ado::adOpenForwardOnly, long LockType = ado::adLockReadOnly,
                        long Options = ado::adCmdUnspecified, bool ConvOracle = true);
    void AbrirRecordset(const QString &SentenciaSQL, ado::Recordset &LRCS, ado::Connection *Conexionactiva = nullptr,
                        long CursorType = ado::adOpenForwardOnly, long LockType = ado::adLockReadOnly,
                        long Options = ado::adCmdUnspecified, bool ConvOracle = true);
    // As AbrirRecordset on gCnn, forward-only and read-only, except that a failure whose first
    // provider error has the native number NativoExcusado is neither shown nor logged: it stays
    // in gCnn.Errors for the caller, who answers it.
    void AbrirRecordsetExcusando(const QString &SentenciaSQL, ado::Recordset &LRCS, long NativoExcusado);

    // Whether the query, rewritten as AbrirRecordset rewrites it, may be opened as one statement
    // that only reads: false only when gCnn's engine finds it is not (several statements, or one
    // that writes). An engine that cannot tell without running it (a server) leaves the answer to
    // the caller's own reading of the text. Runs nothing and shows nothing.
    bool esUnaLectura(const QString &SentenciaSQL);

    // Whether this connection speaks Oracle: its connection text names the Oracle provider. The
    // text decides which engine opens it, so it is asked rather than gProveedor, which a server
    // given as "#name" on the command line leaves at SQLOLEDB. A connection answers by the text
    // it opened with, one never opened by the text it will open with (gConnString).
    bool esOracle() const;

    // The Oracle text of a T-SQL statement, or Valor unchanged when the connection is not Oracle.
    // Throws RuntimeError 5 on malformed text (TOP without a limit, an unclosed quote).
    QString ORACLE_Dicc(const QString &Valor);

    // Highest value of a column as a number, without rewriting; Empty when no row. Errors pass.
    rt::Variant BuscaUltimoCodigo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo = {},
                                  const QString &Condicion = {});

    QString pJETOLEDB40() const { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    QString pJETOLEDB35() const { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    QString pSQLOLEDB() const { return QStringLiteral("SQLOLEDB"); }

    // The SQL literal of a value: "@" a number with "." as decimal point (Null is 0), "'" the
    // text between quotes with its quotes doubled, otherwise the text; Null gives NULL.
    QString SQLValue(const rt::Variant &Valor, const QString &Tipo);
    // The text with its single quotes doubled, to stand inside a quoted SQL literal: a value
    // holding an apostrophe must neither break the statement nor change it.
    static QString escaparComillas(const QString &texto);
    // The quoted SQL literal of a text: SQLValue(texto, "'").
    QString literal(const QString &texto) { return SQLValue(texto, QStringLiteral("'")); }

    // Adds a column (ALTER TABLE dbo.Tabla ADD ...); failures only leave gCnn.Errors.
    void AddField(const QString &Tabla, const QString &Campo, const QString &Tipo, bool PermiteNulos,
                  const std::optional<rt::Variant> &ValorDefault = std::nullopt);
    // Whether a table or view exists (name trimmed, letter case ignored).
    bool ExisteTablaDB(const QString &Tabla);
    // Whether a column exists; always True on Oracle.
    bool ExisteCampoDB(const QString &Tabla, const QString &Campo);
    // Adds the column when the table exists, the column does not and Agregar is True.
    bool VerCampoDB(const QString &Tabla, const QString &Campo, bool Agregar, const QString &Tipo, bool PermiteNulos,
                    const std::optional<rt::Variant> &ValorDefault = std::nullopt);

    // The text with confidential tables read through their "SS_" views (not for administrators)
    // and every "@Admin_" removed.
    QString SS_TSinonimos(const QString &sql) const;

    QString ArchivoErrores() const { return gLogErr; }
    void setArchivoErrores(const rt::Variant &archivo);

    // Shows the error with Botones (default 18), appends its line to the error log and returns
    // the answer; 0 without a dialog when the error number is 0.
    int TratamientoErrores(const rt::RuntimeError &CodErr, std::optional<int> Botones = std::nullopt,
                           const QString &Rutina = {});

private:
    void abrirRecordset(QString &SentenciaSQL, ado::Recordset &LRCS, ado::Connection *Conexionactiva, long CursorType,
                        long LockType, long Options, bool ConvOracle, std::optional<long> nativoExcusado);
    void EjecutaScriptOracle(QString &SentenciaSQL, long &RecordsAffected);
    QString FiltraSentenciaOracle(QString &sentencia) const;

    rt::Variant BuscaMaximoCon(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo,
                               std::optional<QString> &Condicion);
    rt::Variant BuscaMinimoCon(const QString &QueTabla, const QString &QueCampo,
                               const std::optional<QString> &Condicion);
    bool existeFila(const QString &texto, ado::Connection &conexion, ado::Recordset *LRCS);
    int falloBusqueda(const rt::RuntimeError &error, PoliticaReconexion &politica);
    void construirCadenaConexion();
    bool pasoDialogo();
    bool pasoArchivo();
    void ejecutarAccion(QString &SentenciaSQL, long &RecordsAffected, ado::Recordset *LRCS);
    // EjecutaConsultaSQL's rules around its rewriting and running steps: a lost connection
    // reconnects and runs the statement again, a truncated row is logged and excused.
    void ejecutarConReconexion(const std::function<const QString &()> &sentencia, rt::Statement reescribir,
                               rt::Statement ejecutar);
    void excusarAvisoTruncamiento(ado::Errors &errores, const QString &rutina, const QString &sentencia);
    void avisarTruncamiento(const QString &rutina, const ado::Error &error, const QString &sentencia);

    outside::Utilidades m_util;
    ui::EventBeat m_eventos; // the window's events after the queries AbrirRecordset opens
    // The pieces of the last statement given in pieces, and whether the rules leave them alone.
    QStringList m_piezasRevisadas;
    bool m_piezasFueraDeReglas = false;
    // The connection string last looked at for ORACLE, and whether it names it.
    mutable QString m_cadenaRevisada;
    mutable bool m_cadenaOracle = false;
};
