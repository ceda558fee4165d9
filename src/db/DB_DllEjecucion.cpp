#include "db/DB_Dll.h"

#include "db/Conexiones.h"
#include "db/ConfidencialidadSQL.h"
#include "db/OracleSQL.h"
#include "db/PoliticaReconexion.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/RegistroErrores.h"
#include "session/Sesion.h"

#include <QRegularExpression>

namespace {

// Statements that open, commit or roll back a transaction are never repeated nor excused.
bool esTransaccion(const QString &sentencia)
{
    return rt::containsIgnoringCase(sentencia, QLatin1String("TRANS"));
}

bool primerNativo(const ado::Errors &errores, long nativo)
{
    return errores.Count() > 0 && errores(0).NativeError == nativo;
}

// The "@Admin_" and confidentiality rules of action statements: only batches that create and
// drop objects are read through the confidentiality views.
QString reescribirAccion(const QString &sentencia, const DB_Dll &db)
{
    if (rt::containsIgnoringCase(sentencia, QLatin1String("CREATE"))
        && rt::containsIgnoringCase(sentencia, QLatin1String("DROP"))) {
        if (rt::containsIgnoringCase(sentencia, QLatin1String("DELETE"))
            || rt::containsIgnoringCase(sentencia, QLatin1String("@ADMIN_")))
            return ConfidencialidadSQL::quitarPrefijoAdmin(sentencia);
        return db.SS_TSinonimos(sentencia);
    }
    return ConfidencialidadSQL::quitarPrefijoAdmin(sentencia);
}

// Whether the "@Admin_" and confidentiality rules leave these pieces of a statement as they
// stand: they touch only texts that hold an at sign, or that create and drop objects. The
// rules are about the names a statement uses: the literals given apart are values and stay as
// they are.
bool fueraDeLasReglas(const QStringList &piezas)
{
    bool crea = false;
    bool borra = false;
    for (const QString &pieza : piezas) {
        if (pieza.contains(u'@'))
            return false;
        crea = crea || rt::containsIgnoringCase(pieza, QLatin1String("CREATE"));
        borra = borra || rt::containsIgnoringCase(pieza, QLatin1String("DROP"));
    }
    return !(crea && borra);
}

} // namespace

QString DB_Dll::SS_TSinonimos(const QString &sql) const
{
    return ConfidencialidadSQL::reescribir(sql, gEsAdmin, gConfidencialidad);
}

bool DB_Dll::esOracle() const
{
    // Asked for every statement sent; the connection string seldom changes.
    const QString &texto = gCnn.ConnectionString().isEmpty() ? gConnString : gCnn.ConnectionString();
    if (texto != m_cadenaRevisada) {
        m_cadenaRevisada = texto;
        m_cadenaOracle = rt::containsIgnoringCase(texto, QLatin1String("ORACLE"));
    }
    return m_cadenaOracle;
}

QString DB_Dll::ORACLE_Dicc(const QString &Valor)
{
    if (!esOracle())
        return Valor;
    if (m_util.ContarPalabras(Valor) < 2)
        return Valor.compare(QStringLiteral("LEN"), Qt::CaseInsensitive) == 0 ? QStringLiteral("LENGTH") : Valor;
    return OracleSQL::aplicarReglas(Valor);
}

QString DB_Dll::FiltraSentenciaOracle(QString &sentencia) const
{
    if (OracleSQL::sinEquivalente(sentencia))
        sentencia.clear();
    return sentencia;
}

void DB_Dll::EjecutaScriptOracle(QString &SentenciaSQL, long &RecordsAffected)
{
    SentenciaSQL = OracleSQL::normalizarLote(SentenciaSQL);
    while (const auto tramo = OracleSQL::siguienteSentencia(SentenciaSQL)) {
        // On a failure the caller's text holds the batch from the failing statement on.
        SentenciaSQL = SentenciaSQL.mid(tramo->inicio);
        const qsizetype largo = tramo->fin - tramo->inicio;
        // Line feeds stay in the batch; they are blanks around a statement as much as blanks are.
        const QString pieza = SentenciaSQL.left(largo).trimmed();
        if (pieza.compare(QStringLiteral("SET TRANSACTION"), Qt::CaseInsensitive) == 0) {
            gCnn.BeginTrans();
        } else if (pieza.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0) {
            gCnn.CommitTrans();
        } else if (pieza.compare(QStringLiteral("ROLLBACK"), Qt::CaseInsensitive) == 0) {
            gCnn.RollbackTrans();
        } else {
            QString sentencia = ORACLE_Dicc(pieza);
            if (!rt::Trim(FiltraSentenciaOracle(sentencia)).isEmpty()) {
                long filas = 0;
                gCnn.Execute(sentencia, &filas, ado::adCmdUnspecified);
                RecordsAffected += qMax(filas, 0L);
            }
        }
        SentenciaSQL = SentenciaSQL.mid(largo);
    }
    if (gCnn.Errors().Count() == 1 && gCnn.Errors()(0).Number == rt::err::OracleScriptWarning)
        gCnn.Errors().Clear();
}

// A truncated row is excused silently to the caller, as the program always did, but the log
// keeps a trace of the row that was not written.
void DB_Dll::avisarTruncamiento(const QString &rutina, const ado::Error &error, const QString &sentencia)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.Number)
                            + QStringLiteral(") ") + rt::Trim(error.Description) + QStringLiteral(" Sentencia: ")
                            + QString(sentencia).replace(lineBreaks, QStringLiteral(" "));
    RegistroErrores::agregar(gLogErr.isEmpty() ? RegistroErrores::archivoPorDefecto() : gLogErr, rutina, mensaje, 0);
}

void DB_Dll::ejecutarAccion(QString &SentenciaSQL, long &RecordsAffected, ado::Recordset *LRCS)
{
    if (esOracle()) {
        EjecutaScriptOracle(SentenciaSQL, RecordsAffected);
        return;
    }
    ado::Recordset resultado = gCnn.Execute(SentenciaSQL, &RecordsAffected, ado::adCmdUnspecified);
    if (LRCS)
        *LRCS = std::move(resultado);
}

// A statement that succeeded with one or two truncation warnings counts as done.
void DB_Dll::excusarAvisoTruncamiento(ado::Errors &errores, const QString &rutina, const QString &sentencia)
{
    if ((errores.Count() == 1 || errores.Count() == 2) && !esTransaccion(sentencia)
        && primerNativo(errores, rt::err::NativeTruncation)) {
        avisarTruncamiento(rutina, errores(0), sentencia);
        errores.Clear();
    }
}

void DB_Dll::EjecutaConsultaSQL(QString &SentenciaSQL, long &RecordsAffected, ado::Recordset *LRCS)
{
    ejecutarConReconexion([&]() -> const QString & { return SentenciaSQL; },
                          [&] { SentenciaSQL = reescribirAccion(SentenciaSQL, *this); },
                          [&] { ejecutarAccion(SentenciaSQL, RecordsAffected, LRCS); });
}

void DB_Dll::EjecutaConsultaSQL(const ado::LiteralText &Sentencia)
{
    // The same pieces come row after row: they are looked at when they change.
    if (Sentencia.pieces != m_piezasRevisadas) {
        m_piezasRevisadas = Sentencia.pieces;
        m_piezasFueraDeReglas = fueraDeLasReglas(Sentencia.pieces);
    }
    // What the rules would rewrite, and the Oracle runner, take the whole text.
    if (Sentencia.literals.isEmpty() || !m_piezasFueraDeReglas || esOracle()) {
        EjecutaConsultaSQL(Sentencia.text());
        return;
    }
    QString texto; // written only when a failure must name the statement
    ejecutarConReconexion(
        [&]() -> const QString & {
            if (texto.isEmpty())
                texto = Sentencia.text();
            return texto;
        },
        [] {}, [&] { gCnn.Execute(Sentencia); });
}

void DB_Dll::ejecutarConReconexion(const std::function<const QString &()> &sentencia, rt::Statement reescribir,
                                   rt::Statement ejecutar)
{
    const QString rutina = QStringLiteral("EjecutaConsultaSQL");
    PoliticaReconexion politica(*this, 0, PoliticaReconexion::Modo::Insistente);
    const rt::StepRunner steps([&](const rt::RuntimeError &) -> int {
        // The main connection's list, whichever object runs the statement: that is where the
        // program's callers read the failure after the call.
        ado::Errors &errores = gBaseDatos->gCnn.Errors();
        if (!esTransaccion(sentencia()) && primerNativo(errores, rt::err::NativeLostConnection)) {
            const QList<ado::Error> perdida = errores.items();
            if (politica.recuperar())
                return rt::AnswerRetry;
            // The reconnection emptied the list; the caller must still learn that the
            // statement did not run.
            if (errores.Count() == 0) {
                for (const ado::Error &error : perdida)
                    errores.Append(error);
            }
        }
        if (!esTransaccion(sentencia()) && primerNativo(errores, rt::err::NativeTruncation)) {
            avisarTruncamiento(rutina, errores(0), sentencia());
            errores.Clear();
        }
        return 0;
    });
    if (!steps.proceed(reescribir))
        return;
    if (!steps.proceed(ejecutar))
        return;
    // The main connection's list, as in the handler above.
    ado::Errors &errores = gBaseDatos->gCnn.Errors();
    if (errores.Count() > 0)
        excusarAvisoTruncamiento(errores, rutina, sentencia());
}

void DB_Dll::EjecutaConsultaSQL(const QString &SentenciaSQL, long RecordsAffected, ado::Recordset *LRCS)
{
    QString sentencia = SentenciaSQL;
    EjecutaConsultaSQL(sentencia, RecordsAffected, LRCS);
}

void DB_Dll::EjecutaConsultaRSQL(QString &SentenciaSQL, long &RecordsAffected, ado::Recordset *LRCS)
{
    const QString rutina = QStringLiteral("EjecutaConsultaRSQL");
    const rt::StepRunner steps([&](const rt::RuntimeError &error) -> int {
        // The auxiliary connection's list, whichever object runs the statement: this routine
        // leaves the main connection's list alone.
        ado::Errors &errores = gBaseAuxiliar->gCnn.Errors();
        if (!esTransaccion(SentenciaSQL) && primerNativo(errores, rt::err::NativeTruncation)) {
            avisarTruncamiento(rutina, errores(0), SentenciaSQL);
            errores.Clear();
            return 0;
        }
        const bool conocido = error.Number == rt::err::AdoEFail || error.Number == rt::err::AdoSyntaxError
                              || error.Number == rt::err::AdoUnknownObject
                              || error.Number == rt::err::AdoIntegrityViolation;
        if (!conocido && !esTransaccion(SentenciaSQL))
            ui::MsgBox(error.Description, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador!!!"));
        return 0;
    });
    if (!steps.proceed([&] { SentenciaSQL = reescribirAccion(SentenciaSQL, *this); }))
        return;
    if (!steps.proceed([&] { ejecutarAccion(SentenciaSQL, RecordsAffected, LRCS); }))
        return;
    // The auxiliary connection's list, as in the handler above.
    excusarAvisoTruncamiento(gBaseAuxiliar->gCnn.Errors(), rutina, SentenciaSQL);
}

void DB_Dll::EjecutaConsultaRSQL(const QString &SentenciaSQL, long RecordsAffected, ado::Recordset *LRCS)
{
    QString sentencia = SentenciaSQL;
    EjecutaConsultaRSQL(sentencia, RecordsAffected, LRCS);
}

void DB_Dll::AbrirRecordset(QString &SentenciaSQL, ado::Recordset &LRCS, ado::Connection *Conexionactiva,
                            long CursorType, long LockType, long Options, bool ConvOracle)
{
    abrirRecordset(SentenciaSQL, LRCS, Conexionactiva, CursorType, LockType, Options, ConvOracle, std::nullopt);
}

void DB_Dll::AbrirRecordsetExcusando(const QString &SentenciaSQL, ado::Recordset &LRCS, long NativoExcusado)
{
    QString sentencia = SentenciaSQL;
    abrirRecordset(sentencia, LRCS, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, true,
                   NativoExcusado);
}

void DB_Dll::abrirRecordset(QString &SentenciaSQL, ado::Recordset &LRCS, ado::Connection *Conexionactiva,
                            long CursorType, long LockType, long Options, bool ConvOracle,
                            std::optional<long> nativoExcusado)
{
    ado::Connection &conexion = Conexionactiva ? *Conexionactiva : gCnn;
    PoliticaReconexion politica(*this, 2, PoliticaReconexion::Modo::Insistente);
    const rt::StepRunner steps([&](const rt::RuntimeError &error) -> int {
        const bool perdida = error.Number == rt::err::AdoEFail || error.Number == rt::err::AdoNoConnection;
        if (perdida && gCnn.Errors().Count() > 0 && politica.recuperar())
            return rt::AnswerRetry;
        if (nativoExcusado && primerNativo(conexion.Errors(), *nativoExcusado))
            return 0;
        return TratamientoErrores(error, std::nullopt, QStringLiteral("AbrirRecordset"));
    });
    if (!steps.proceed([&] { CierraRecordset(LRCS); }))
        return;
    if (!steps.proceed([&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); }))
        return;
    const bool abierto = steps.proceed([&] {
        LRCS.Open(ConvOracle && esOracle() ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL, conexion,
                  static_cast<int>(CursorType), static_cast<int>(LockType), Options);
    });
    if (!abierto)
        return;
    // On the event beat: a query that takes its time is followed by the window's events, while
    // the hundred thousand small ones of a settlement build do not each ask for them.
    steps.run([&] { m_eventos.process(); });
}

void DB_Dll::AbrirRecordset(const QString &SentenciaSQL, ado::Recordset &LRCS, ado::Connection *Conexionactiva,
                            long CursorType, long LockType, long Options, bool ConvOracle)
{
    QString sentencia = SentenciaSQL;
    AbrirRecordset(sentencia, LRCS, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

bool DB_Dll::esUnaLectura(const QString &SentenciaSQL)
{
    try {
        return gCnn.checkReadOnly(SS_TSinonimos(SentenciaSQL)) != ado::ReadOnlyCheck::NotOneReadOnlyStatement;
    } catch (const rt::RuntimeError &) {
        // A connection that cannot answer (closed, busy) cannot open the query either: the open
        // fails the same way and reports it.
        return true;
    }
}
