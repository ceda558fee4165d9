#include "platform/report/ReportDocument.h"

namespace report {

QString ReportDocument::textOf(const PageItem &item, int pageIndex) const
{
    QString text;
    for (const TextPiece &piece : item.text) {
        switch (piece.kind) {
        case TextPiece::Kind::Literal:
            text += piece.text;
            break;
        case TextPiece::Kind::PageNumber:
            text += QString::number(pageIndex + 1);
            break;
        case TextPiece::Kind::TotalPages:
            text += QString::number(pages.size());
            break;
        }
    }
    return text;
}

} // namespace report
