#pragma once

#include <QString>

namespace report {

// Run-time error numbers of the report engine, as the print library raised them.
namespace err {
inline constexpr long ReportFile = 20507; // missing, unreadable or malformed report file
inline constexpr long Formula = 20515; // a selection, sort, suppress or text formula it cannot read
inline constexpr long Printer = 482; // the printer refused the job
} // namespace err

// Throws rt::RuntimeError err::Formula with `message`, naming the formula text when there is one.
[[noreturn]] void raiseFormulaError(const QString &message, const QString &formula);
// Throws rt::RuntimeError err::Formula for a division by zero in `formula`.
[[noreturn]] void raiseDivisionByZero(const QString &formula);
// Throws rt::RuntimeError err::ReportFile with `message`.
[[noreturn]] void raiseReportFileError(const QString &message);

} // namespace report
