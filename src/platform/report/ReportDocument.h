#pragma once

#include "platform/report/ReportDefinition.h"

#include <QImage>
#include <QList>
#include <QString>

namespace report {

// A piece of a laid-out text: fixed text, or the page number or page count, known only once
// every page is laid out.
struct TextPiece {
    enum class Kind { Literal, PageNumber, TotalPages };
    Kind kind = Kind::Literal;
    QString text;
};

// One thing drawn on a page, in millimetres from the page's top-left corner.
struct PageItem {
    enum class Kind { Text, Line, Box, Image };
    Kind kind = Kind::Text;
    QRectF rect;
    QLineF line;
    QList<TextPiece> text;
    FontSpec font;
    TextAlign align = TextAlign::Left;
    QColor color = Qt::black;
    QColor fill;
    double penWidth = 0.2;
    QImage image;
};

struct Page {
    QList<PageItem> items;
};

// A report laid out on pages, independent of the database: the preview, the printer and the
// PDF writer all draw it.
struct ReportDocument {
    QString title;
    PageSetup page;
    QList<Page> pages;

    // The text of an item on the page of that index (counted from 0).
    QString textOf(const PageItem &item, int pageIndex) const;
};

} // namespace report
