#include "platform/report/FormulaCache.h"

#include "platform/report/TableResolver.h"

namespace report {

namespace {

void addFieldsOf(const ExpressionPtr &node, QList<FieldName> &fields)
{
    if (!node)
        return;
    if (node->kind == Expression::Kind::Field)
        fields << node->field;
    addFieldsOf(node->left, fields);
    addFieldsOf(node->right, fields);
    addFieldsOf(node->otherwise, fields);
}

} // namespace

ExpressionPtr FormulaCache::expression(const QString &formula)
{
    auto it = m_expressions.constFind(formula);
    if (it == m_expressions.cend())
        it = m_expressions.insert(formula, parseFormula(formula));
    return *it;
}

const QList<TemplatePart> &FormulaCache::textTemplate(const QString &text)
{
    auto it = m_templates.constFind(text);
    if (it == m_templates.cend())
        it = m_templates.insert(text, parseTemplate(text));
    return *it;
}

void FormulaCache::addExpression(const QString &formula, QList<FieldName> &fields)
{
    addFieldsOf(expression(formula), fields);
}

void FormulaCache::addBands(const QList<Band> &bands, QList<FieldName> &fields)
{
    for (const Band &band : bands) {
        addExpression(band.suppress, fields);
        for (const ReportItem &item : band.items) {
            addExpression(item.suppress, fields);
            if (item.kind == ReportItem::Kind::Text) {
                for (const TemplatePart &part : textTemplate(item.text)) {
                    if (part.kind == TemplatePart::Kind::Field)
                        fields << part.field;
                }
            }
            if (item.kind == ReportItem::Kind::Image && !item.imageField.isEmpty())
                fields << parseFieldReference(item.imageField);
        }
    }
}

QList<FieldName> FormulaCache::fieldsNamedBy(const ReportBody &body)
{
    QList<FieldName> fields;
    for (const QList<Band> *slot :
         {&body.reportHeader, &body.pageHeader, &body.detail, &body.pageFooter, &body.reportFooter})
        addBands(*slot, fields);
    for (const Group &group : body.groups) {
        fields << parseFieldReference(group.field);
        addBands(group.header, fields);
        addBands(group.footer, fields);
    }
    for (const SortField &sort : body.sort)
        fields << parseFieldReference(sort.field);
    for (const RunningSum &sum : body.sums)
        addExpression(sum.field, fields);
    for (const FormulaSlot &slot : body.computed)
        addExpression(slot.value, fields);
    return fields;
}

} // namespace report
