#pragma once

#include <QList>
#include <QString>

// The alias table of a grid's query: one pair per "expression as alias" item of its select list,
// so a column caption can be turned back into the expression the query computes it with. The
// alias is kept bracketed ("[Cod]", "[a]]b]" for a]b); a plain name as expression too ("[Codigo]"), any other
// expression whole, as written ("Importe * 2", "SUM(Importe)", "C.[Razon Social]"). Letter case
// is ignored throughout.
class TablaEquivalencias {
public:
    struct Par {
        QString expresion;
        QString alias;
    };

    TablaEquivalencias() = default;
    // Equias: reads the items of the query's select list in order; an item with an AS outside
    // its parentheses gives a pair ("CAST(x AS int) AS n" is the expression "CAST(x AS int)").
    explicit TablaEquivalencias(const QString &sql);

    const QList<Par> &pares() const { return m_pares; }

    // EquiCampo: with `equivalencia` true, the alias of the first pair whose expression is
    // `campo`; otherwise the expression of the first pair whose alias is `campo`, blanks
    // ignored. `campo` unchanged when no pair matches.
    QString EquiCampo(const QString &campo, bool equivalencia) const;

private:
    QList<Par> m_pares;
};
