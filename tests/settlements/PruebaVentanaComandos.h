#pragma once

#include "PruebaComandos.h"

#include "settlements/FrmComisionesVendedor.h"
#include "support/XlsxReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The settlement window offscreen, active, on the fixture settlements of PruebaComandos, as the
// start-up leaves it: the report printer reads through the program's connection and finds the
// reports of the source tree, the company is "O'Brien Hnos SA" (stored with trailing blanks),
// and the user's documents folder (where exported workbooks go) is in a scratch home.
class PruebaVentanaComandos : public PruebaComandos {
protected:
    PruebaVentanaComandos();
    ~PruebaVentanaComandos() override;

    QTreeWidget *lista(int n) const;
    QLineEdit *numero() const;
    QPushButton *boton(const QString &nombre) const;
    QString textoDe(const QString &nombre) const;

    // Types the settlement number and confirms it with Enter, which loads its salespersons.
    void confirmarNumero(const QString &texto);
    // Clicks the row whose first column reads `texto0` (and second `texto1`, when given).
    void clicFila(QTreeWidget *lista, const QString &texto0, const QString &texto1 = {});
    void dobleClicFila(QTreeWidget *lista, const QString &texto0);
    // Clicks the header of column `columna`.
    void clicEncabezado(QTreeWidget *lista, int columna);
    // Loads settlement 12 and drills down to salesperson "0001".
    void cargarVendedorUno();

    // The first column of every row.
    static QStringList primeraColumna(const QTreeWidget &lista);
    // The text of a PDF file, as pdftotext lays it out.
    static QString textoPdf(const QString &ruta);
    // Exports through the button and reads back the workbook it wrote.
    std::optional<XlsxReader> exportar();
    // The workbook's column `columna` ("A") from its first row down to its first empty cell, as
    // the list showed it: texts as written, numbers as stored.
    static QStringList columnaLibro(const XlsxReader &libro, const QString &columna);
    // The workbooks in the documents folder, oldest first.
    QStringList libros() const;
    QString carpetaDocumentos() const;

    std::unique_ptr<FrmComisionesVendedor> ventana;

private:
    QTreeWidgetItem *fila(QTreeWidget *lista, const QString &texto0, const QString &texto1) const;

    QTemporaryDir m_casa;
    QByteArray m_home;
    QByteArray m_config;
};
