#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads back what a written .xlsx file holds, part by part, through `unzip -p`.
class XlsxReader {
public:
    struct Cell {
        QString type; // the t attribute: "s" shared string, "b", "str", empty for numbers
        QString value; // the <v> text as stored (an index for shared strings)
        QString formula; // the <f> text
        int styleIndex = 0;
        bool present = false;
    };
    struct Style {
        QString numberFormat;
        bool bold = false;
        double fontSize = 0;
        QString fontColor; // "FFRRGGBB" as stored, empty for automatic
        QString fill; // fgColor of a solid fill, empty when none
        bool border = false;
    };

    explicit XlsxReader(const QString &path);

    // The raw text of one part of the package ("xl/styles.xml"); empty when it is missing.
    QString part(const QString &name) const;
    QStringList sheetNames() const;

    Cell cell(const QString &reference, int sheet = 1) const;
    // The shown text of a text cell: the shared string its index names.
    QString text(const QString &reference, int sheet = 1) const;
    Style style(const QString &reference, int sheet = 1) const;
    // The width a <col> element gives the 1-based column; -1 when none does.
    double columnWidth(int column, int sheet = 1) const;
    bool landscape(int sheet = 1) const;

private:
    struct Sheet {
        QMap<QString, Cell> cells;
        QMap<int, double> widths;
        bool landscape = false;
    };
    const Sheet &sheetAt(int sheet) const;
    void readSheet(int sheet);
    void readSharedStrings();
    void readStyles();

    QString m_path;
    QMap<int, Sheet> m_sheets;
    QStringList m_sharedStrings;
    QVector<Style> m_styles;
};
