#pragma once

#include "platform/report/ItemPlacer.h"
#include "platform/report/ReportDocument.h"

#include <functional>
#include <memory>

namespace report {

// Lays bands out down the pages of a report (the first of the two passes): breaks pages when a
// band does not fit, puts the page header and footer on every page and repeats the headers of
// the groups that continue on a new page.
class Paginator {
public:
    // Called after a band is placed, for each of its sub-report items that is not suppressed.
    using SubreportHook = std::function<void(const ReportItem &item, const ValueScope &scope, double x)>;

    Paginator(const ReportDefinition &definition, ItemPlacer &placer);

    void setSubreportHook(SubreportHook hook) { m_subreportHook = std::move(hook); }

    // Places each band that the scope does not suppress, `x` mm right of the left margin,
    // starting a page first when the band (and `keepWith` mm after it) does not fit.
    void place(const QList<Band> &bands, const ValueScope &scope, double x = 0, double keepWith = 0);

    // Ends the page unless nothing but its headers has been placed on it yet.
    void newPage(const ValueScope &scope);

    // Headers shown again at the top of each new page until popped (a continuing group).
    void pushRepeatedHeader(const QList<Band> &bands, std::shared_ptr<const ValueScope> scope, double x);
    void popRepeatedHeader();

    // Closes the last page (there is always one) and gives the pages.
    ReportDocument finish(const ValueScope &scope);

private:
    struct Repeated {
        const QList<Band> *bands;
        std::shared_ptr<const ValueScope> scope;
        double x;
    };

    void startPage(const ValueScope &scope);
    void closePage(const ValueScope &scope);
    void put(const Band &band, const ValueScope &scope, double x);
    double height(const QList<Band> &bands) const;

    const ReportDefinition &m_definition;
    ItemPlacer &m_placer;
    SubreportHook m_subreportHook;
    ReportDocument m_document;
    QList<Repeated> m_repeated;
    bool m_pageOpen = false;
    double m_y = 0; // where the next band goes
    double m_bodyTop = 0; // below the headers of the current page
    double m_limit = 0; // above the page footer
};

} // namespace report
