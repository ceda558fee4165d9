#include "db/DB_Dll.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/RegistroErrores.h"

#include <QStringBuilder>
#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

// The schema rowsets report through the main connection's error dialog, whichever object asks:
// its error log is the program's.
rt::StepRunner pasosDeEsquema(const QString &rutina)
{
    return rt::StepRunner([rutina](const rt::RuntimeError &error) {
        return gBaseDatos->TratamientoErrores(error, std::nullopt, rutina);
    });
}

// An amount of ten-thousandths as its digits, `separador` before the decimals it has, written
// into one text at once: it runs for every amount a settlement stores.
QString textoImporte(qint64 diezmilesimos, QChar separador)
{
    const auto bits = static_cast<quint64>(diezmilesimos);
    const quint64 magnitud = diezmilesimos < 0 ? 0 - bits : bits;
    char enteros[24];
    const char *fin = std::to_chars(std::begin(enteros), std::end(enteros), magnitud / 10000).ptr;
    char16_t texto[32];
    char16_t *escrito = texto;
    if (diezmilesimos < 0)
        *escrito++ = u'-';
    escrito = std::copy(static_cast<const char *>(enteros), fin, escrito);
    quint64 decimales = magnitud % 10000;
    if (decimales != 0)
        *escrito++ = separador.unicode();
    for (quint64 lugar = 1000; decimales != 0; lugar /= 10) {
        *escrito++ = static_cast<char16_t>(u'0' + decimales / lugar);
        decimales %= lugar;
    }
    return QString(reinterpret_cast<const QChar *>(texto), escrito - texto);
}

} // namespace

QString DB_Dll::escaparComillas(const QString &texto)
{
    // Most values hold no quote: they are given back as they are, without a copy to search.
    if (!texto.contains(QLatin1Char('\'')))
        return texto;
    return QString(texto).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString DB_Dll::SQLValue(const rt::Variant &Valor, const QString &Tipo)
{
    // The kinds are one character: compared as such, since every value a settlement stores passes here.
    const char16_t tipo = Tipo.size() == 1 ? Tipo.front().unicode() : u'\0';
    if (tipo == u'@') {
        const rt::Currency numero = Valor.isNull() ? rt::Currency() : m_util.ValorNumerico(Valor);
        // The number as the regional settings write it with a decimal comma turned into a point.
        const QChar separador = rt::regional().decimalSeparator;
        return textoImporte(numero.raw(), separador == u',' ? QChar(u'.') : separador);
    }
    if (Valor.isNull())
        return QStringLiteral("NULL");
    if (tipo == u'\'')
        return QLatin1Char('\'') % escaparComillas(rt::CStr(Valor)) % QLatin1Char('\'');
    return rt::CStr(Valor);
}

rt::Variant DB_Dll::BuscaUltimoCodigo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &,
                                      const QString &Condicion)
{
    QString texto = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!rt::Trim(Condicion).isEmpty())
        texto += QStringLiteral(" WHERE ") + Condicion;
    ado::Recordset rs;
    rs.Open(texto, gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
    rt::Variant resultado;
    if (!rs.BOF())
        resultado = rt::Val(m_util.ValorCampo(rs.Fields(QStringLiteral("MAYOR"))));
    rs.Close();
    return resultado;
}

void DB_Dll::AddField(const QString &Tabla, const QString &Campo, const QString &Tipo, bool PermiteNulos,
                      const std::optional<rt::Variant> &ValorDefault)
{
    QString texto;
    const rt::StepRunner steps = pasosDeEsquema(QStringLiteral("errAddField"));
    if (!steps.proceed([&] {
            texto = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo + QStringLiteral(" ")
                    + Tipo + (PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null "));
            if (ValorDefault)
                texto += QStringLiteral(" CONSTRAINT DF_") + rt::Trim(Tabla) + QStringLiteral("_") + rt::Trim(Campo)
                         + QStringLiteral(" DEFAULT (") + rt::CStr(*ValorDefault) + QStringLiteral(")");
        }))
        return;
    long filas = 0;
    steps.run([&] { EjecutaConsultaSQL(texto, filas, nullptr); });
}

bool DB_Dll::ExisteTablaDB(const QString &Tabla)
{
    bool existe = false;
    const rt::StepRunner steps = pasosDeEsquema(QStringLiteral("VerificaCampos"));
    ado::Recordset tablas;
    if (!steps.proceed([&] { tablas = gCnn.OpenSchema(ado::adSchemaTables); }))
        return existe;
    steps.run([&] {
        for (; !existe && !tablas.EOF_(); tablas.MoveNext())
            existe = rt::Trim(m_util.ValorCampo(tablas.Fields(QStringLiteral("TABLE_NAME"))))
                         .compare(rt::Trim(Tabla), Qt::CaseInsensitive)
                     == 0;
    });
    return existe;
}

bool DB_Dll::ExisteCampoDB(const QString &Tabla, const QString &Campo)
{
    // The main connection decides whichever object asks: the program on Oracle trusts its
    // columns without looking.
    if (gBaseDatos->esOracle())
        return true;
    bool existe = false;
    const rt::StepRunner steps = pasosDeEsquema(QStringLiteral("VerificaCampos"));
    ado::Recordset columnas;
    if (!steps.proceed([&] { columnas = gCnn.OpenSchema(ado::adSchemaColumns, {gDBName, QString(), Tabla}); }))
        return existe;
    steps.run([&] {
        for (; !existe && !columnas.EOF_(); columnas.MoveNext())
            existe = rt::Trim(m_util.ValorCampo(columnas.Fields(QStringLiteral("COLUMN_NAME"))))
                         .compare(rt::Trim(Campo), Qt::CaseInsensitive)
                     == 0;
    });
    return existe;
}

bool DB_Dll::VerCampoDB(const QString &Tabla, const QString &Campo, bool Agregar, const QString &Tipo,
                        bool PermiteNulos, const std::optional<rt::Variant> &ValorDefault)
{
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}

void DB_Dll::setArchivoErrores(const rt::Variant &archivo)
{
    gLogErr = rt::CStr(archivo);
}

int DB_Dll::TratamientoErrores(const rt::RuntimeError &CodErr, std::optional<int> Botones, const QString &Rutina)
{
    if (CodErr.Number == 0)
        return 0;
    const QString archivo = gLogErr.isEmpty() ? RegistroErrores::archivoPorDefecto() : gLogErr;
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(CodErr.Number)
                            + QStringLiteral(") ") + rt::Trim(CodErr.Description);
    const QString parteRutina = Rutina.isEmpty() ? QString() : QStringLiteral(" - ") + Rutina;
    const QString titulo = CodErr.Source + parteRutina + QStringLiteral(" Aviso al operador!!! - 5 ");
    const int respuesta = ui::MsgBox(mensaje, Botones.value_or(ui::vbCritical + ui::vbAbortRetryIgnore), titulo);
    RegistroErrores::agregar(archivo, Rutina, mensaje, respuesta);
    return respuesta;
}
