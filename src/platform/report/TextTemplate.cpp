#include "platform/report/TextTemplate.h"

#include "platform/report/ReportError.h"

namespace report {

namespace {

TemplatePart special(const QString &inside, const QString &text)
{
    static const QList<QPair<QString, TemplatePart::Kind>> names = {
        {QStringLiteral("pagenumber"), TemplatePart::Kind::PageNumber},
        {QStringLiteral("totalpages"), TemplatePart::Kind::TotalPages},
        {QStringLiteral("printdate"), TemplatePart::Kind::PrintDate},
    };
    for (const auto &[name, kind] : names) {
        if (inside.compare(name, Qt::CaseInsensitive) == 0)
            return TemplatePart{kind, {}, {}};
    }
    raiseFormulaError(QStringLiteral("valor desconocido {%1}").arg(inside), text);
}

TemplatePart braced(const QString &inside, const QString &text)
{
    if (inside.startsWith(QLatin1Char('@')) || inside.startsWith(QLatin1Char('#'))) {
        const QString name = inside.mid(1).trimmed();
        if (name.isEmpty())
            raiseFormulaError(QStringLiteral("nombre vacío entre llaves"), text);
        return TemplatePart{
            inside.startsWith(QLatin1Char('@')) ? TemplatePart::Kind::Formula : TemplatePart::Kind::Sum, name, {}};
    }
    const qsizetype dot = inside.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return special(inside, text);
    if (dot == 0 || dot == inside.size() - 1)
        raiseFormulaError(QStringLiteral("se esperaba {TABLA.CAMPO} en lugar de {%1}").arg(inside), text);
    return TemplatePart{TemplatePart::Kind::Field, {}, {inside.left(dot).trimmed(), inside.mid(dot + 1).trimmed()}};
}

} // namespace

QList<TemplatePart> parseTemplate(const QString &text)
{
    QList<TemplatePart> parts;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), pos);
        if (open < 0) {
            parts << TemplatePart{TemplatePart::Kind::Literal, text.mid(pos), {}};
            break;
        }
        if (open > pos)
            parts << TemplatePart{TemplatePart::Kind::Literal, text.mid(pos, open - pos), {}};
        const qsizetype close = text.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            raiseFormulaError(QStringLiteral("falta la llave de cierre"), text);
        parts << braced(text.mid(open + 1, close - open - 1).trimmed(), text);
        pos = close + 1;
    }
    return parts;
}

} // namespace report
