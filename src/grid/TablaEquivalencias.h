#pragma once

#include <QList>
#include <QString>

// The alias table of a grid's query: one pair per "expression as alias" clause, each side kept
// as a bracketed text ("[Codigo]", "[Cod]"), so a column caption can be turned back into the
// expression the query computes it with. Letter case is ignored throughout.
class TablaEquivalencias {
public:
    struct Par {
        QString expresion;
        QString alias;
    };

    TablaEquivalencias() = default;
    // Equias: scans the query for its " as " clauses, in order. The expression before " as " is
    // the text after the last blank or comma before it, its commas and parentheses dropped
    // ("SUM(Importe)" gives "[SUMImporte]"); one that ends in "]" is the bracketed name with its
    // prefixes ("T.[Nombre]"). The alias runs to its "]", or to the first comma or blank.
    explicit TablaEquivalencias(const QString &sql);

    const QList<Par> &pares() const { return m_pares; }

    // EquiCampo: with `equivalencia` true, the alias of the first pair whose expression is
    // `campo`; otherwise the expression of the first pair whose alias is `campo`, blanks
    // ignored. `campo` unchanged when no pair matches.
    QString EquiCampo(const QString &campo, bool equivalencia) const;

private:
    QList<Par> m_pares;
};
