#include "platform/report/Paginator.h"

namespace report {

Paginator::Paginator(const ReportDefinition &definition, ItemPlacer &placer)
    : m_definition(definition)
    , m_placer(placer)
{
    m_document.title = definition.title;
    m_document.page = definition.page;
    const QSizeF size = definition.page.sizeMm();
    m_limit = size.height() - definition.page.margins.bottom() - height(definition.pageFooter);
}

double Paginator::height(const QList<Band> &bands) const
{
    double total = 0;
    for (const Band &band : bands)
        total += band.height;
    return total;
}

void Paginator::put(const Band &band, const ValueScope &scope, double x)
{
    const QPointF origin(m_definition.page.margins.left() + x, m_y);
    m_document.pages.last().items << m_placer.place(band, scope, origin);
    m_y += band.height;
    if (!m_subreportHook)
        return;
    for (const ReportItem &item : band.items) {
        if (item.kind == ReportItem::Kind::Subreport && !m_placer.suppressed(item.suppress, scope))
            m_subreportHook(item, scope, x + item.rect.x());
    }
}

void Paginator::startPage(const ValueScope &scope)
{
    m_document.pages << Page{};
    m_pageOpen = true;
    m_y = m_definition.page.margins.top();
    for (const Band &band : m_definition.pageHeader) {
        if (!m_placer.suppressed(band.suppress, scope))
            put(band, scope, 0);
    }
    for (const Repeated &repeated : m_repeated) {
        for (const Band &band : *repeated.bands) {
            if (!m_placer.suppressed(band.suppress, *repeated.scope))
                put(band, *repeated.scope, repeated.x);
        }
    }
    m_bodyTop = m_y;
}

void Paginator::closePage(const ValueScope &scope)
{
    m_y = m_limit;
    for (const Band &band : m_definition.pageFooter) {
        if (!m_placer.suppressed(band.suppress, scope))
            put(band, scope, 0);
    }
    m_pageOpen = false;
}

void Paginator::place(const QList<Band> &bands, const ValueScope &scope, double x, double keepWith)
{
    for (qsizetype i = 0; i < bands.size(); ++i) {
        const Band &band = bands[i];
        if (band.height <= 0 && band.items.isEmpty())
            continue;
        if (m_placer.suppressed(band.suppress, scope))
            continue;
        if (!m_pageOpen)
            startPage(scope);
        const double wanted = band.height + (i == bands.size() - 1 ? keepWith : 0);
        // A band taller than a whole page goes where it is rather than on endless new pages.
        if (m_y + wanted > m_limit && m_y > m_bodyTop) {
            closePage(scope);
            startPage(scope);
        }
        put(band, scope, x);
    }
}

void Paginator::newPage(const ValueScope &scope)
{
    if (m_pageOpen && m_y > m_bodyTop)
        closePage(scope);
}

void Paginator::pushRepeatedHeader(const QList<Band> &bands, std::shared_ptr<const ValueScope> scope, double x)
{
    m_repeated << Repeated{&bands, std::move(scope), x};
}

void Paginator::popRepeatedHeader()
{
    if (!m_repeated.isEmpty())
        m_repeated.removeLast();
}

ReportDocument Paginator::finish(const ValueScope &scope)
{
    if (!m_pageOpen)
        startPage(scope);
    closePage(scope);
    return std::move(m_document);
}

} // namespace report
