#pragma once

#include <QString>
#include <exception>
#include <string>

namespace rt {

// The error numbers that callers branch on, as the original runtime and ADO raise them.
namespace err {
inline constexpr long InvalidProcedureCall = 5;
inline constexpr long Overflow = 6;
inline constexpr long DivisionByZero = 11;
inline constexpr long TypeMismatch = 13;
inline constexpr long FileNotFound = 53;
inline constexpr long BadFileMode = 54;
inline constexpr long PermissionDenied = 70;
inline constexpr long PathNotFound = 76;
inline constexpr long InvalidUseOfNull = 94;
inline constexpr long ObjectRequired = 424;
inline constexpr long AdoBofOrEof = 3021;
inline constexpr long AdoItemNotFound = 3265;
inline constexpr long AdoObjectClosed = 3704;
inline constexpr long AdoObjectOpen = 3705;
inline constexpr long AdoNoConnection = 3709;
inline constexpr long AdoEditPending = 3219;
inline constexpr long AdoEFail = -2147467259;
inline constexpr long AdoSyntaxError = -2147217900;
inline constexpr long AdoUnknownObject = -2147217865;
inline constexpr long AdoIntegrityViolation = -2147217873;
} // namespace err

// A run-time error as VB's Err object carries it. Every failure of the platform layer is one.
class RuntimeError : public std::exception {
public:
    RuntimeError(long number, QString description, QString source = {});

    long Number;
    QString Description;
    QString Source;

    const char *what() const noexcept override { return m_what.c_str(); }

private:
    std::string m_what;
};

} // namespace rt
