#pragma once

#include <QList>
#include <QString>

// The column chooser's list, apart from its window: which columns are listed, in which order,
// which are checked, and the texts handed back. The last column it is given (the grid's key) is
// never listed and always handed back last.
class EleccionColumnas {
public:
    struct Entrada {
        QString texto;
        bool marcada = false;
    };

    // Fills the list. `gCampos`: every column, each followed by "|" (consumed: left empty).
    // `gCamposSel`: the chosen columns joined by "," or ", ", the hidden column last;
    // `gOrdinalSel`: one piece ending in "|" per chosen column before the last. The chosen
    // columns come first, checked, in their order; then every other column, unchecked.
    void cargar(QString &gCampos, const QString &gCamposSel, const QString &gOrdinalSel);

    // The choice: `gCamposSel` the checked columns in list order and then the hidden one
    // (empty when nothing is checked), `gOrdinalSel` their 1-based positions joined by "|" and
    // ended by "|", `gCamposOrden` every column in list order and then the hidden one; names
    // bracketed and joined by ", ".
    void aplicar(QString &gCamposSel, QString &gOrdinalSel, QString &gCamposOrden) const;

    // Moves entry `indice` (from 0) one place up or down, with its check; returns its new
    // index, or `indice` when it cannot move.
    int subir(int indice);
    int bajar(int indice);

    void marcarTodas();
    void marcar(int indice, bool marcada) { m_entradas[indice].marcada = marcada; }

    const QList<Entrada> &entradas() const { return m_entradas; }
    const QString &oculta() const { return m_oculta; }

private:
    QList<Entrada> m_entradas;
    QString m_oculta;
};
