#include "grid/PalabrasSQL.h"

#include "platform/ado/Engine.h"

#include <QStringList>

namespace {

using Clase = ado::sqlite::TsqlToken::Kind;

bool esClaseDePalabra(Clase clase)
{
    return clase == Clase::Word || clase == Clase::Number || clase == Clase::Variable || clase == Clase::TempName;
}

bool esParteDeNombre(Clase clase)
{
    return clase == Clase::Word || clase == Clase::QuotedName || clase == Clase::TempName || clase == Clase::Variable;
}

bool esUnaDeLasPalabras(const QString &texto, std::initializer_list<const char *> palabras)
{
    for (const char *palabra : palabras) {
        if (texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

PalabrasSQL::PalabrasSQL(const QString &sql)
    : m_texto(sql)
{
    try {
        m_fichas = ado::sqlite::tokenizeTsql(m_texto);
    } catch (const ado::EngineError &) {
        // The engine refuses the text as it stands: it is no query, and its words are none.
        m_legible = false;
    }
    int nivel = 0;
    m_niveles.reserve(m_fichas.size());
    for (qsizetype i = 0; i < m_fichas.size(); ++i) {
        const Ficha &ficha = m_fichas.at(i);
        if (ficha.kind == Clase::CloseParen)
            --nivel;
        m_niveles.append(nivel);
        if (ficha.kind == Clase::OpenParen) {
            ++nivel;
        } else if (ficha.kind == Clase::Comma && nivel == 0) {
            m_comas.append(static_cast<int>(ficha.start));
        } else if (ficha.kind == Clase::Semicolon) {
            m_puntoYComa = true;
        } else if (esClaseDePalabra(ficha.kind)) {
            m_palabras.append({static_cast<int>(ficha.start), static_cast<int>(ficha.end), nivel});
            m_fichaDePalabra.append(i);
        }
    }
}

bool PalabrasSQL::esPalabra(int indice, const QString &palabra) const
{
    const Palabra &p = m_palabras.at(indice);
    return QStringView(m_texto).mid(p.inicio, p.fin - p.inicio).compare(palabra, Qt::CaseInsensitive) == 0;
}

bool PalabrasSQL::esUnaDe(int indice, std::initializer_list<const char *> palabras) const
{
    return esUnaDeLasPalabras(m_fichas.at(m_fichaDePalabra.at(indice)).text, palabras);
}

bool PalabrasSQL::fichaEsUnaDe(qsizetype ficha, std::initializer_list<const char *> palabras) const
{
    return ficha >= 0 && ficha < m_fichas.size() && m_fichas.at(ficha).kind == Clase::Word && m_niveles.at(ficha) == 0
           && esUnaDeLasPalabras(m_fichas.at(ficha).text, palabras);
}

int PalabrasSQL::indiceDe(const QString &secuencia, bool soloPrimerNivel) const
{
    const QStringList partes = secuencia.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i + partes.size() <= m_palabras.size(); ++i) {
        if (soloPrimerNivel && m_palabras.at(i).nivel != 0)
            continue;
        bool iguales = true;
        for (int k = 0; k < partes.size() && iguales; ++k)
            iguales = esPalabra(i + k, partes.at(k)) && m_palabras.at(i + k).nivel == m_palabras.at(i).nivel;
        if (iguales)
            return i;
    }
    return -1;
}

int PalabrasSQL::buscar(const QString &secuencia, bool soloPrimerNivel) const
{
    const int indice = indiceDe(secuencia, soloPrimerNivel);
    return indice < 0 ? -1 : m_palabras.at(indice).inicio;
}

QString PalabrasSQL::nombreTras(int indice) const
{
    const qsizetype siguiente = m_fichaDePalabra.at(indice) + 1;
    if (siguiente >= m_fichas.size())
        return {};
    const Ficha &ficha = m_fichas.at(siguiente);
    return ficha.kind == Clase::Word || ficha.kind == Clase::QuotedName ? ficha.text : QString();
}

qsizetype PalabrasSQL::cierreDe(qsizetype abre) const
{
    for (qsizetype i = abre + 1; i < m_fichas.size(); ++i) {
        if (m_fichas.at(i).kind == Clase::CloseParen && m_niveles.at(i) == m_niveles.at(abre))
            return i;
    }
    return m_fichas.size() - 1;
}

QString PalabrasSQL::tabla() const
{
    const int desde = indiceDe(QStringLiteral("FROM"), true);
    if (desde < 0)
        return {};
    const qsizetype primera = m_fichaDePalabra.at(desde) + 1;
    qsizetype fin = -1;
    for (qsizetype i = primera; i < m_fichas.size() && esParteDeNombre(m_fichas.at(i).kind); i += 2) {
        fin = m_fichas.at(i).end;
        if (i + 1 >= m_fichas.size() || m_fichas.at(i + 1).kind != Clase::Dot)
            break;
    }
    if (fin < 0)
        return {};
    const qsizetype inicio = m_fichas.at(primera).start;
    return m_texto.mid(inicio, fin - inicio);
}

QString PalabrasSQL::sinOrden() const
{
    const int orden = buscar(QStringLiteral("ORDER BY"));
    return orden < 0 ? m_texto : m_texto.left(orden);
}

QString PalabrasSQL::ordenPropio() const
{
    const int orden = buscar(QStringLiteral("ORDER BY"));
    if (orden < 0)
        return {};
    return QStringLiteral(" ") + m_texto.mid(orden);
}

QString PalabrasSQL::condicionPropia() const
{
    const int donde = buscar(QStringLiteral("WHERE"));
    if (donde < 0)
        return {};
    const int orden = buscar(QStringLiteral("ORDER BY"));
    const int inicio = donde + 5;
    return (orden < 0 ? m_texto.mid(inicio) : m_texto.mid(inicio, orden - inicio)).trimmed();
}

QString PalabrasSQL::origen() const
{
    const int desde = buscar(QStringLiteral("FROM"));
    if (desde < 0)
        return {};
    int fin = static_cast<int>(m_texto.size());
    for (const QString &siguiente : {QStringLiteral("WHERE"), QStringLiteral("ORDER BY")}) {
        const int donde = buscar(siguiente);
        if (donde > desde && donde < fin)
            fin = donde;
    }
    return m_texto.mid(desde, fin - desde).trimmed();
}

QString PalabrasSQL::sondaUnaFila() const
{
    QString sonda;
    int copiado = 0;
    bool agregado = false;
    const int fin = static_cast<int>(sinOrden().size());
    for (int i = 0; i < m_palabras.size(); ++i) {
        const Palabra &p = m_palabras.at(i);
        if (p.nivel != 0 || p.inicio >= fin || !esPalabra(i, QStringLiteral("SELECT")))
            continue;
        int tras = i;
        if (tras + 1 < m_palabras.size()
            && (esPalabra(tras + 1, QStringLiteral("DISTINCT")) || esPalabra(tras + 1, QStringLiteral("ALL"))))
            ++tras;
        if (tras + 1 < m_palabras.size() && esPalabra(tras + 1, QStringLiteral("TOP")))
            continue;
        const int corte = m_palabras.at(tras).fin;
        sonda += m_texto.mid(copiado, corte - copiado) + QStringLiteral(" TOP 1");
        copiado = corte;
        agregado = true;
    }
    if (!agregado)
        return m_texto;
    return sonda + m_texto.mid(copiado, fin - copiado);
}

QStringList PalabrasSQL::listaDeSeleccion() const
{
    const int select = indiceDe(QStringLiteral("SELECT"), true);
    if (select < 0)
        return {};
    qsizetype f = m_fichaDePalabra.at(select);
    if (fichaEsUnaDe(f + 1, {"DISTINCT", "ALL"}))
        ++f;
    if (fichaEsUnaDe(f + 1, {"TOP"}) && f + 2 < m_fichas.size()) {
        // The count after TOP: a number, or an expression in parentheses.
        f = m_fichas.at(f + 2).kind == Clase::OpenParen ? cierreDe(f + 2) : f + 2;
        if (fichaEsUnaDe(f + 1, {"PERCENT"}))
            ++f;
        if (fichaEsUnaDe(f + 1, {"WITH"}) && f + 2 < m_fichas.size())
            f += 2;
    }
    int desde = static_cast<int>(m_fichas.at(f).end);
    int hasta = static_cast<int>(m_texto.size());
    for (qsizetype k = f + 1; k < m_fichas.size(); ++k) {
        if (fichaEsUnaDe(k, {"FROM"})) {
            hasta = static_cast<int>(m_fichas.at(k).start);
            break;
        }
    }
    QStringList items;
    for (const int coma : m_comas) {
        if (coma < desde || coma >= hasta)
            continue;
        items << m_texto.mid(desde, coma - desde).trimmed();
        desde = coma + 1;
    }
    items << m_texto.mid(desde, hasta - desde).trimmed();
    return items;
}

bool PalabrasSQL::sinTerminar() const
{
    // A NUL is no open literal: it stays a text the grid refuses.
    return !m_legible && !m_texto.contains(QChar(u'\0'));
}

QString PalabrasSQL::sinComentarios() const
{
    if (!m_legible || m_fichas.isEmpty())
        return m_texto;
    // A ";" before the last one is left, and refused as any other.
    const bool puntoYComaFinal = m_fichas.size() > 1 && m_fichas.last().kind == Clase::Semicolon;
    const qsizetype cuantas = m_fichas.size() - (puntoYComaFinal ? 1 : 0);
    const QStringView texto(m_texto);
    // Between two tokens stand only blanks and comments: a gap holding a comment becomes a blank.
    const auto hueco = [&](qsizetype desde, qsizetype hasta) {
        const QStringView blancos = texto.mid(desde, hasta - desde);
        return blancos.trimmed().isEmpty() ? blancos.toString() : QStringLiteral(" ");
    };
    QString limpio;
    qsizetype desde = 0;
    for (qsizetype i = 0; i < cuantas; ++i) {
        const Ficha &ficha = m_fichas.at(i);
        limpio += hueco(desde, ficha.start);
        limpio += texto.mid(ficha.start, ficha.end - ficha.start);
        desde = ficha.end;
    }
    return puntoYComaFinal ? limpio : limpio + hueco(desde, texto.size());
}

// EXEC followed by a procedure's name ([server.][database.][schema.]name), never by a text in
// parentheses, a variable or a string, nor naming a procedure that runs a text it is handed.
bool PalabrasSQL::ejecutaProcedimientoNombrado() const
{
    qsizetype i = m_fichaDePalabra.at(0) + 1;
    QString nombre;
    for (; i < m_fichas.size(); i += 2) {
        const Ficha &parte = m_fichas.at(i);
        if (parte.kind != Clase::Word && parte.kind != Clase::QuotedName)
            return false;
        nombre = parte.text;
        if (i + 1 >= m_fichas.size() || m_fichas.at(i + 1).kind != Clase::Dot)
            break;
    }
    return !nombre.isEmpty() && !esUnaDeLasPalabras(nombre, {"sp_executesql", "sp_sqlexec"});
}

bool PalabrasSQL::palabraPegadaANumero() const
{
    for (qsizetype i = 1; i < m_fichas.size(); ++i) {
        const Ficha &ficha = m_fichas.at(i);
        if (ficha.kind == Clase::Word && !ficha.spaced && m_fichas.at(i - 1).kind == Clase::Number)
            return true;
    }
    return false;
}

bool PalabrasSQL::unaSolaConsulta() const
{
    if (!m_legible || m_puntoYComa || m_palabras.isEmpty() || !esUnaDe(0, {"SELECT", "WITH", "EXEC", "EXECUTE"}))
        return false;
    if (esUnaDe(0, {"EXEC", "EXECUTE"}) && !ejecutaProcedimientoNombrado())
        return false;
    if (palabraPegadaANumero())
        return false;
    bool consultaEmpezada = false;
    for (int i = 0; i < m_palabras.size(); ++i) {
        if (i > 0
            && esUnaDe(i, {"INSERT",    "UPDATE",     "DELETE",      "MERGE",    "DROP",      "CREATE",     "ALTER",
                           "TRUNCATE",  "EXEC",       "EXECUTE",     "DECLARE",  "SET",       "PRINT",      "IF",
                           "WHILE",     "BEGIN",      "COMMIT",      "ROLLBACK", "SAVE",      "GRANT",      "REVOKE",
                           "DENY",      "USE",        "BACKUP",      "RESTORE",  "WAITFOR",   "SHUTDOWN",   "KILL",
                           "RAISERROR", "RETURN",     "GOTO",        "OPEN",     "CLOSE",     "DEALLOCATE", "BULK",
                           "DBCC",      "CHECKPOINT", "RECONFIGURE", "READTEXT", "WRITETEXT", "UPDATETEXT", "SETUSER",
                           "INTO"}))
            return false;
        if (m_palabras.at(i).nivel != 0 || !esUnaDe(i, {"SELECT", "EXEC", "EXECUTE"}))
            continue;
        if (consultaEmpezada && !fichaEsUnaDe(m_fichaDePalabra.at(i) - 1, {"UNION", "ALL", "EXCEPT", "INTERSECT"}))
            return false;
        consultaEmpezada = true;
    }
    return true;
}
