#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

// The model of a report definition file. Lengths are millimetres; positions inside a band are
// measured from the band's top-left corner.
namespace report {

struct FontSpec {
    QString family = QStringLiteral("Arial");
    double size = 8.0; // points
    bool bold = false;
    bool italic = false;
};

enum class TextAlign { Left, Center, Right };

struct ReportItem {
    enum class Kind { Text, Line, Box, Image, Subreport };
    Kind kind = Kind::Text;
    QRectF rect; // Text, Box, Image, Subreport (only its left edge counts)
    QLineF line; // Line
    QString text; // Text: a template with {TABLE.FIELD}, {@Formula}, {#Sum}, {PageNumber}...
    QString format; // Text: how values are shown ("money", "date" or a Format mask)
    FontSpec font;
    TextAlign align = TextAlign::Left;
    QColor color = Qt::black;
    double penWidth = 0.2; // Line and Box outline; 0 means no outline
    QColor fill; // Box and Text background; invalid means none
    QString imageField; // Image: {TABLE.FIELD} holding the picture's bytes
    QString imageFile; // Image: a file, relative to the report file's folder
    QString subreport; // Subreport: its name
    QString suppress; // a formula; the item is left out where it is true
};

struct Band {
    double height = 0.0;
    QString suppress; // a formula; the band is left out where it is true
    QList<ReportItem> items;
};

struct TableRef {
    enum class Join { From, Inner, Left };
    QString table;
    QString alias; // the table's own name unless given
    Join join = Join::From;
    QList<QPair<QString, QString>> on; // pairs of {TABLE.FIELD} that must be equal
};

struct SortField {
    QString field; // {TABLE.FIELD}
    bool descending = false;
};

struct Group {
    QString name;
    QString field; // {TABLE.FIELD}
    bool repeatHeader = false; // the header shows again at the top of each page the group continues on
    bool newPage = false; // each group after the first starts a page
    QList<Band> header;
    QList<Band> footer;
};

struct FormulaSlot {
    QString name;
    QString value; // the default, until the caller gives one
};

struct RunningSum {
    enum class Kind { Sum, Count };
    QString name;
    Kind kind = Kind::Sum;
    QString field; // what it adds: {TABLE.FIELD} or a formula; not needed to count
    QString resetGroup; // empty: runs over the whole report
    // The total of every row of the reset group's run (or of the body) from its first row on, as a
    // summary is, rather than of the rows so far; its field reads fields and formulas, not sums.
    bool whole = false;
};

// What the main report and its sub-reports have in common.
struct ReportBody {
    QList<TableRef> tables;
    QList<SortField> sort;
    QList<Group> groups;
    QList<FormulaSlot> formulas;
    QList<FormulaSlot> computed; // {@Name} worked out from each row: the value holds the formula
    QList<RunningSum> sums;
    QList<Band> reportHeader;
    QList<Band> pageHeader;
    QList<Band> detail;
    QList<Band> pageFooter;
    QList<Band> reportFooter;
};

struct SubreportLink {
    QString field; // {TABLE.FIELD} of the sub-report
    QString mainField; // {TABLE.FIELD} of the main report whose value it must equal
};

struct Subreport : ReportBody {
    QString name;
    QList<SubreportLink> links;
};

struct PageSetup {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};

    // The page in millimetres, turned as the orientation says.
    QSizeF sizeMm() const;
};

struct ReportDefinition : ReportBody {
    QString title;
    QString folder; // where the file was read from: images are found from here
    PageSetup page;
    QList<Subreport> subreports;

    const Subreport *subreport(const QString &name) const; // names ignore letter case
};

} // namespace report
