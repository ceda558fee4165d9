#include "db/OracleSQL.h"

#include "db/OracleArgumentos.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Text.h"

#include <QStringList>

namespace {

using rt::CompareMode;

constexpr auto CI = Qt::CaseInsensitive;

QString replaceText(const QString &text, const QString &find, const QString &replacement)
{
    return rt::Replace(text, find, replacement, CompareMode::Text);
}

[[noreturn]] void malformed()
{
    throw rt::RuntimeError(rt::err::InvalidProcedureCall,
                           QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

// TOP n becomes a ROWNUM condition after the WHERE clause, before GROUP BY or ORDER BY.
QString reglaTop(const QString &valor)
{
    const qsizetype p = valor.indexOf(QStringLiteral("top"), 0, CI);
    const QString before = valor.left(p);
    const QString rest = rt::Trim(valor.mid(p + 3));
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    if (blank < 0)
        malformed();
    const QString limit = rest.left(blank);
    QString body = rest.mid(blank + 1);
    const qsizetype group = valor.indexOf(QStringLiteral(" GROUP BY "), 0, CI);
    const QString groupPart = group >= 0 ? valor.mid(group) : QString();
    const qsizetype order = groupPart.isEmpty() ? valor.indexOf(QStringLiteral("ORDER BY "), 0, CI) : -1;
    const QString orderPart = order >= 0 ? valor.mid(order) : QString();
    const QString condition = (valor.contains(QStringLiteral(" WHERE "), CI) ? QStringLiteral(" AND ROWNUM <= ")
                                                                             : QStringLiteral(" WHERE ROWNUM <= "))
                              + limit;
    body = replaceText(body, rt::Trim(groupPart), QStringLiteral(" "));
    body = replaceText(body, rt::Trim(orderPart), QStringLiteral(" "));
    return before + QLatin1Char(' ') + body + QLatin1Char(' ') + condition + QLatin1Char(' ') + groupPart
           + QLatin1Char(' ') + orderPart;
}

QString reglaLen(QString text)
{
    text = replaceText(text, QStringLiteral(" LEN("), QStringLiteral(" LENGTH("));
    for (int blanks = 1; blanks <= 4; ++blanks)
        text = replaceText(text, QStringLiteral(" LEN") + QString(blanks, QLatin1Char(' ')) + QLatin1Char('('),
                           QStringLiteral(" LENGTH("));
    return text;
}

// Every quoted literal that reads as a date becomes TO_DATE('dd/mm/yyyy','DD/MM/YYYY').
QString reglaFechas(const QString &text)
{
    QString result = text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('\''), from);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('\''), open + 1);
        if (close < 0)
            malformed();
        const QString literal = text.mid(open + 1, close - open - 1);
        if (!literal.isEmpty() && rt::IsDate(rt::Variant(literal))) {
            const QString date = rt::CDate(rt::Variant(literal)).date().toString(QStringLiteral("dd/MM/yyyy"));
            result = replaceText(result, QLatin1Char('\'') + literal + QLatin1Char('\''),
                                 QStringLiteral("TO_DATE('") + date + QStringLiteral("','DD/MM/YYYY')"));
        }
        from = close + 1;
    }
    while (result.contains(QStringLiteral("TO_DATE(TO_DATE("), CI)) {
        result = replaceText(result, QStringLiteral("TO_DATE(TO_DATE("), QStringLiteral("TO_DATE("));
        result = replaceText(result, QStringLiteral("'DD/MM/YYYY'),'DD/MM/YYYY')"), QStringLiteral("'DD/MM/YYYY')"));
    }
    return result;
}

QString reglaVacios(QString text)
{
    for (const QString &empty : {QStringLiteral("= ''"), QStringLiteral("=''")}) {
        const qsizetype where = text.indexOf(QStringLiteral("WHERE "), 0, CI);
        if (where >= 0)
            text = text.left(where) + replaceText(text.mid(where), empty, QStringLiteral(" IS NULL "));
    }
    return text;
}

// Style 103 inside a TO_CHAR call is the format 'DD/MM/YYYY'.
QString reglaEstilo103(QString text)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(QStringLiteral("103"), from);
        if (at < 0)
            break;
        const qsizetype paren = text.lastIndexOf(QLatin1Char('('), at);
        if (paren >= 7 && text.mid(paren - 7, 8).compare(QStringLiteral("TO_CHAR("), CI) == 0)
            text = text.left(at) + QStringLiteral("'DD/MM/YYYY'") + text.mid(at + 3);
        from = at + 3;
    }
    return text;
}

} // namespace

QString OracleSQL::aplicarReglas(const QString &valor)
{
    QString text = valor.contains(QStringLiteral("top "), CI) ? reglaTop(valor) : valor;
    text = reglaLen(text);
    text = replaceText(replaceText(text, QStringLiteral("["), QStringLiteral("\"")), QStringLiteral("]"),
                       QStringLiteral("\""));
    text = reglaFechas(text);
    text = invertirCharindex(text);
    text = replaceText(text, QStringLiteral("CONVERT(NVARCHAR,"), QStringLiteral("TO_CHAR("));
    text = replaceText(text, QStringLiteral("CONVERT(INT,"), QStringLiteral("TO_NUMBER("));
    text = reglaVacios(text);
    text = reglaEstilo103(text);
    text = replaceText(text, QStringLiteral("SUBSTRING("), QStringLiteral("SUBSTR("));
    return replaceText(text, QStringLiteral("ISNULL("), QStringLiteral("NVL("));
}

QString OracleSQL::normalizarLote(const QString &lote)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = replaceText(lote, QStringLiteral("SET NOCOUNT ON"), {});
    text = replaceText(text, QStringLiteral("SET NOCOUNT OFF"), {});
    text = replaceText(text, QStringLiteral(" GO "), QStringLiteral(" "));
    text = replaceText(text, crlf + QStringLiteral("GO "), QStringLiteral(" "));
    text = replaceText(text, crlf + QStringLiteral("GO "), QStringLiteral(" "));
    text = replaceText(text, crlf + QStringLiteral("GO") + crlf, QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QString commands[][2] = {{QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION")},
                                   {QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION")},
                                   {QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT")},
                                   {QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT")},
                                   {QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK")},
                                   {QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK")}};
    for (const auto &command : commands)
        text = replaceText(text, command[0], command[1]);
    return text;
}

std::optional<OracleSQL::Tramo> OracleSQL::siguienteSentencia(const QString &texto)
{
    static const QStringList keywords = {
        QStringLiteral("INSERT "),         QStringLiteral("DELETE "),  QStringLiteral("UPDATE "),
        QStringLiteral("CREATE "),         QStringLiteral("DROP "),    QStringLiteral("ALTER "),
        QStringLiteral("SET TRANSACTION"), QStringLiteral("COMMIT"),   QStringLiteral("ROLLBACK"),
        QStringLiteral("IF NOT EXIST"),    QStringLiteral("IF EXIST"), QStringLiteral("GRANT ")};
    auto firstFrom = [&](qsizetype from) {
        qsizetype best = -1;
        for (const QString &keyword : keywords) {
            const qsizetype at = texto.indexOf(keyword, from, CI);
            if (at >= 0 && (best < 0 || at < best))
                best = at;
        }
        return best;
    };
    const qsizetype start = firstFrom(0);
    if (start < 0)
        return std::nullopt;
    const qsizetype next = firstFrom(start + 1);
    return Tramo{start, next < 0 ? texto.size() : next};
}

bool OracleSQL::sinEquivalente(const QString &sentencia)
{
    return sentencia.contains(QStringLiteral("SET NOCOUNT"), CI)
           || sentencia.contains(QStringLiteral("IF NOT EXIST"), CI);
}
