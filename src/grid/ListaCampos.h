#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// CargarCampos: the column lists of the grid, built from the names and types of the columns
// that the one-row probe of its query returns. Long text and image columns (types 203, 205)
// never enter them.
class ListaCampos {
public:
    // A column of the probe: its name and its ADO type code.
    struct CampoSonda {
        QString nombre;
        int tipo = 0;
    };

    // All columns (empty `CamposSel`): dates converted to text with the style `FormatDate`,
    // numeric and money columns to decimal(10,2) unless the query computes them under that
    // alias (the comma written as the placeholder "â"), the key column appended when the list
    // does not hold "[ID]". Chosen columns (`CamposSel` set): only dates converted. The date
    // positions and the filter columns follow the columns the grid shows: all of them, or
    // those of `CamposSel` (the key that ends it left out of the filter columns).
    static ListaCampos armar(const QList<CampoSonda> &campos, const QString &sonda, const QString &CamposSel,
                             const QString &PrimaryKey, int FormatDate);

    // The column names of a select list such as `CamposSel`: an item's alias after "AS", or
    // the item without its brackets.
    static QStringList nombresDe(const QString &lista);
    // The chosen columns of a select list as the column chooser takes them: bracketed names
    // joined by ", ", the key column that ends the list written as it stands there.
    static QString elegidosDe(const QString &lista);

    QString Campos; // the select list
    QString pListaCampos; // bracketed names of every column, then the key
    QString pColumnasFecha; // "|" position "|" of each date column among the columns shown
    QString pColumnasTexto; // the same of each column that reads as text (texts, whole numbers)
    QStringList filtros; // the columns offered for a search after "Todos"

private:
    void agregarPrimerCamino(const CampoSonda &campo, const QString &sonda, const QString &fecha);
    void agregarSegundoCamino(const CampoSonda &campo, const QString &fecha);
    void agregarClave(const QString &clave, bool soloPrimeraForma);
};
