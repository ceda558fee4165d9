#include "platform/report/ReportError.h"

#include "platform/runtime/RuntimeError.h"

namespace report {

namespace {
const QString kSource = QStringLiteral("ImpresionReportes");
}

void raiseFormulaError(const QString &message, const QString &formula)
{
    const QString named = formula.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(formula);
    throw rt::RuntimeError(err::Formula, QStringLiteral("Error en la fórmula: ") + message + named, kSource);
}

void raiseDivisionByZero(const QString &formula)
{
    raiseFormulaError(QStringLiteral("división por cero"), formula);
}

void raiseReportFileError(const QString &message)
{
    throw rt::RuntimeError(err::ReportFile, message, kSource);
}

} // namespace report
