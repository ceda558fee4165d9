#include "grid/PalabrasSQL.h"

#include <QStringList>

namespace {

bool caracterDePalabra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Index just past a quoted piece that starts at `desde` and closes with `cierre`, a doubled
// closing character standing for itself; the end of the text when it never closes.
int finDeCita(const QString &texto, int desde, QChar cierre)
{
    int i = desde + 1;
    while (i < texto.size()) {
        if (texto.at(i) == cierre) {
            if (i + 1 < texto.size() && texto.at(i + 1) == cierre) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return static_cast<int>(texto.size());
}

int finDeComentario(const QString &texto, int desde)
{
    if (texto.at(desde) == u'-') {
        const int salto = static_cast<int>(texto.indexOf(u'\n', desde));
        return salto < 0 ? static_cast<int>(texto.size()) : salto + 1;
    }
    const int cierre = static_cast<int>(texto.indexOf(QStringLiteral("*/"), desde + 2));
    return cierre < 0 ? static_cast<int>(texto.size()) : cierre + 2;
}

} // namespace

PalabrasSQL::PalabrasSQL(const QString &sql)
    : m_texto(sql)
{
    int nivel = 0;
    int i = 0;
    const int largo = static_cast<int>(m_texto.size());
    while (i < largo) {
        const QChar c = m_texto.at(i);
        const QChar siguiente = i + 1 < largo ? m_texto.at(i + 1) : QChar();
        if (c == u'\'') {
            i = finDeCita(m_texto, i, u'\'');
        } else if (c == u'[') {
            i = finDeCita(m_texto, i, u']');
        } else if (c == u'"') {
            i = finDeCita(m_texto, i, u'"');
        } else if ((c == u'-' && siguiente == u'-') || (c == u'/' && siguiente == u'*')) {
            i = finDeComentario(m_texto, i);
        } else if (c == u'(') {
            ++nivel;
            ++i;
        } else if (c == u')') {
            --nivel;
            ++i;
        } else if (c == u',') {
            if (nivel == 0)
                m_comas.append(i);
            ++i;
        } else if (c == u';') {
            m_puntoYComa = true;
            ++i;
        } else if (caracterDePalabra(c)) {
            const int inicio = i;
            while (i < largo && caracterDePalabra(m_texto.at(i)))
                ++i;
            m_palabras.append({inicio, i, nivel});
        } else {
            ++i;
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
    for (const char *palabra : palabras) {
        if (esPalabra(indice, QString::fromLatin1(palabra)))
            return true;
    }
    return false;
}

int PalabrasSQL::buscar(const QString &secuencia, bool soloPrimerNivel) const
{
    const QStringList partes = secuencia.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i + partes.size() <= m_palabras.size(); ++i) {
        if (soloPrimerNivel && m_palabras.at(i).nivel != 0)
            continue;
        bool iguales = true;
        for (int k = 0; k < partes.size() && iguales; ++k)
            iguales = esPalabra(i + k, partes.at(k)) && m_palabras.at(i + k).nivel == m_palabras.at(i).nivel;
        if (iguales)
            return m_palabras.at(i).inicio;
    }
    return -1;
}

int PalabrasSQL::finDeNombre(int desde) const
{
    const int largo = static_cast<int>(m_texto.size());
    int i = desde;
    while (i < largo && m_texto.at(i).isSpace())
        ++i;
    const int inicio = i;
    while (i < largo) {
        const QChar c = m_texto.at(i);
        if (c == u'[')
            i = finDeCita(m_texto, i, u']');
        else if (c == u'"')
            i = finDeCita(m_texto, i, u'"');
        else if (caracterDePalabra(c))
            while (i < largo && caracterDePalabra(m_texto.at(i)))
                ++i;
        else
            break;
        if (i < largo && m_texto.at(i) == u'.')
            ++i;
        else
            break;
    }
    return i > inicio ? i : -1;
}

QString PalabrasSQL::tabla() const
{
    const int desde = buscar(QStringLiteral("FROM"));
    if (desde < 0)
        return {};
    const int inicioNombre = desde + 4;
    const int fin = finDeNombre(inicioNombre);
    return fin < 0 ? QString() : m_texto.mid(inicioNombre, fin - inicioNombre).trimmed();
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

// The end of the count after TOP: a number, or an expression in parentheses.
int PalabrasSQL::finDeCuenta(int desde) const
{
    const int largo = static_cast<int>(m_texto.size());
    int i = desde;
    while (i < largo && m_texto.at(i).isSpace())
        ++i;
    if (i < largo && m_texto.at(i) == u'(') {
        for (int nivel = 0; i < largo; ++i) {
            nivel += m_texto.at(i) == u'(' ? 1 : m_texto.at(i) == u')' ? -1 : 0;
            if (nivel == 0)
                return i + 1;
        }
        return largo;
    }
    while (i < largo && caracterDePalabra(m_texto.at(i)))
        ++i;
    return i;
}

QStringList PalabrasSQL::listaDeSeleccion() const
{
    int desde = buscar(QStringLiteral("SELECT"));
    if (desde < 0)
        return {};
    int i = 0;
    while (m_palabras.at(i).inicio != desde)
        ++i;
    desde = m_palabras.at(i).fin;
    const auto siguienteEs = [&](std::initializer_list<const char *> palabras) {
        return i + 1 < m_palabras.size() && m_palabras.at(i + 1).nivel == 0 && esUnaDe(i + 1, palabras);
    };
    if (siguienteEs({"DISTINCT", "ALL"}))
        desde = m_palabras.at(++i).fin;
    if (siguienteEs({"TOP"})) {
        desde = finDeCuenta(m_palabras.at(++i).fin);
        while (i + 1 < m_palabras.size() && m_palabras.at(i + 1).inicio < desde)
            ++i;
        if (siguienteEs({"PERCENT"}))
            desde = m_palabras.at(++i).fin;
        if (siguienteEs({"WITH"}) && i + 2 < m_palabras.size())
            desde = m_palabras.at(i += 2).fin;
    }
    int hasta = static_cast<int>(m_texto.size());
    for (int k = i + 1; k < m_palabras.size(); ++k) {
        if (m_palabras.at(k).nivel == 0 && esPalabra(k, QStringLiteral("FROM"))) {
            hasta = m_palabras.at(k).inicio;
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

bool PalabrasSQL::unaSolaConsulta() const
{
    if (m_puntoYComa || m_palabras.isEmpty() || !esUnaDe(0, {"SELECT", "WITH", "EXEC", "EXECUTE"}))
        return false;
    bool consultaEmpezada = false;
    for (int i = 0; i < m_palabras.size(); ++i) {
        if (i > 0
            && esUnaDe(i, {"INSERT",    "UPDATE",     "DELETE",      "MERGE",    "DROP",      "CREATE",     "ALTER",
                           "TRUNCATE",  "EXEC",       "EXECUTE",     "DECLARE",  "SET",       "PRINT",      "IF",
                           "WHILE",     "BEGIN",      "COMMIT",      "ROLLBACK", "SAVE",      "GRANT",      "REVOKE",
                           "DENY",      "USE",        "BACKUP",      "RESTORE",  "WAITFOR",   "SHUTDOWN",   "KILL",
                           "RAISERROR", "RETURN",     "GOTO",        "OPEN",     "CLOSE",     "DEALLOCATE", "BULK",
                           "DBCC",      "CHECKPOINT", "RECONFIGURE", "READTEXT", "WRITETEXT", "UPDATETEXT", "SETUSER"}))
            return false;
        if (m_palabras.at(i).nivel != 0 || !esUnaDe(i, {"SELECT", "EXEC", "EXECUTE"}))
            continue;
        if (consultaEmpezada && !esUnaDe(i - 1, {"UNION", "ALL", "EXCEPT", "INTERSECT"}))
            return false;
        consultaEmpezada = true;
    }
    return true;
}
