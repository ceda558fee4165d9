#pragma once

#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>

// The words of a query as the database engine reads them: the text is split by the engine's own
// T-SQL tokenizer, and the words are its names, keywords, numbers, @variables and #temporary
// names, each with its place in the text and its depth inside parentheses. String literals,
// [bracketed] and "quoted" names and comments (nested as T-SQL nests them) hold no words. The
// grid finds its keywords (FROM, WHERE, ORDER BY, SELECT, JOIN...) only where they stand as
// words, never inside a name or a literal. A text the tokenizer cannot read (an unterminated
// literal, name or comment) has no words.
class PalabrasSQL {
public:
    struct Palabra {
        int inicio = 0; // index of its first character in the text
        int fin = 0; // index just past its last character
        int nivel = 0; // parentheses open before it
    };

    explicit PalabrasSQL(const QString &sql);

    const QString &texto() const { return m_texto; }
    const QList<Palabra> &palabras() const { return m_palabras; }

    // Index in the text of the first word sequence `secuencia` (words separated by blanks, as
    // "ORDER BY"), letter case ignored, at depth 0 when `soloPrimerNivel`; -1 when there is none.
    int buscar(const QString &secuencia, bool soloPrimerNivel = true) const;
    // Whether the word sequence occurs at any depth.
    bool contiene(const QString &secuencia) const { return buscar(secuencia, false) >= 0; }
    // The name written right after the word of index `indice`, as the engine reads it: a plain
    // name as written, a [bracketed] or "quoted" one without its quotes; empty when none follows.
    QString nombreTras(int indice) const;

    // The table the query reads: the name written after its first top-level FROM ("dbo.T",
    // "[Mi Tabla]"), without what follows it (hints, aliases, conditions); empty when the FROM
    // is followed by a derived table or there is no FROM.
    QString tabla() const;
    // The text of the query before its top-level ORDER BY (the whole text when it has none).
    QString sinOrden() const;
    // The query's own ORDER BY clause from the blank before it to the end; empty when none.
    QString ordenPropio() const;
    // The query's own conditions: the text between its top-level WHERE and its top-level ORDER
    // BY (or the end), trimmed; empty when it has no WHERE.
    QString condicionPropia() const;
    // The text from the top-level FROM up to the top-level WHERE, ORDER BY or end, trimmed.
    QString origen() const;
    // The one-row probe of the query: " TOP 1" after every top-level SELECT (after its DISTINCT
    // or ALL) that has no TOP of its own, and without the ORDER BY when one was added.
    QString sondaUnaFila() const;
    // The items of the query's select list, trimmed and as written: the text between its first
    // top-level SELECT (after DISTINCT or ALL and TOP n [PERCENT] [WITH TIES]) and the top-level
    // FROM after it, or the end, cut at the commas outside parentheses.
    QStringList listaDeSeleccion() const;
    // Whether the text is one query that only reads, and nothing more: it starts with SELECT,
    // WITH or EXEC of a named procedure, and holds no ";", no INTO (SELECT ... INTO makes a
    // table), no word that starts another statement (INSERT, DELETE, DROP, EXEC...: T-SQL
    // reserves them, so they never stand as names), no second SELECT at its top level that no
    // UNION, EXCEPT or INTERSECT joins to the first, and no word written right after a number
    // (SQL Server reads "1e" before a word as a number of its own). T-SQL needs no ";" between
    // statements: "SELECT * FROM T DELETE FROM U" is two of them. An EXEC of a text ("EXEC
    // ('...')", sp_executesql) runs whatever the text holds, and is not one query.
    bool unaSolaConsulta() const;
    // Whether the text leaves a literal, name or comment open: the engine refuses it with its own
    // syntax error before anything of it runs, as a server does.
    bool sinTerminar() const;
    // The text without its comments, each a blank where it stood, and without the one ";" that
    // may end it (and what follows it): T-SQL lets a statement end so. The grid cuts the query
    // into pieces and writes conditions after them, which a "--" comment would swallow. A text
    // the tokenizer cannot read is returned as it stands.
    QString sinComentarios() const;

private:
    using Ficha = ado::sqlite::TsqlToken;

    bool esPalabra(int indice, const QString &palabra) const;
    bool esUnaDe(int indice, std::initializer_list<const char *> palabras) const;
    // Whether the token at `ficha` is a word among `palabras` at depth 0.
    bool fichaEsUnaDe(qsizetype ficha, std::initializer_list<const char *> palabras) const;
    // The index of the word sequence, as buscar; -1 when there is none.
    int indiceDe(const QString &secuencia, bool soloPrimerNivel) const;
    // The token that closes the parenthesis opened at `abre` (the last token when none does).
    qsizetype cierreDe(qsizetype abre) const;
    bool ejecutaProcedimientoNombrado() const;
    bool palabraPegadaANumero() const;

    QString m_texto;
    bool m_legible = true; // the tokenizer read the whole text
    QList<Ficha> m_fichas;
    QList<int> m_niveles; // of each token
    QList<Palabra> m_palabras;
    QList<qsizetype> m_fichaDePalabra; // the token of each word
    QList<int> m_comas; // indexes of the commas outside parentheses, literals, names and comments
    bool m_puntoYComa = false; // a ";" outside literals, names and comments
};
