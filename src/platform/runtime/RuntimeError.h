#pragma once

#include <QString>
#include <exception>
#include <string>

namespace rt {

// The error numbers the program raises and branches on, each named once. The error dialog shows
// them and QVERR.LOG and the AUX_ERR rows record them, so a number always means the same failure.
namespace err {
inline constexpr long InvalidProcedureCall = 5;
inline constexpr long Overflow = 6;
inline constexpr long DivisionByZero = 11;
inline constexpr long TypeMismatch = 13;
inline constexpr long FileNotFound = 53;
inline constexpr long BadFileMode = 54;
inline constexpr long PermissionDenied = 70;
inline constexpr long PathFileAccess = 75;
inline constexpr long PathNotFound = 76;
inline constexpr long ObjectNotSet = 91;
inline constexpr long InvalidUseOfNull = 94;
inline constexpr long ControlArrayElementMissing = 340;
inline constexpr long NonModalOverModal = 401; // a form shown over a modal one
inline constexpr long ObjectRequired = 424;
inline constexpr long GridIndexOutOfBounds = 35600;
inline constexpr long AdoBofOrEof = 3021;
inline constexpr long AdoItemNotFound = 3265;
inline constexpr long AdoObjectClosed = 3704;
inline constexpr long AdoObjectOpen = 3705;
inline constexpr long AdoNoConnection = 3709;
inline constexpr long AdoEditPending = 3219;
inline constexpr long AdoOperationNotSupported = 3251;
inline constexpr long AdoProviderNotFound = 3706;
inline constexpr long AdoEFail = -2147467259;
inline constexpr long AdoSyntaxError = -2147217900;
inline constexpr long AdoUnknownObject = -2147217865;
inline constexpr long AdoIntegrityViolation = -2147217873;
// A warning the Oracle provider leaves behind a script; alone, it is no failure.
inline constexpr long OracleScriptWarning = 265929;

// The serial port of the kitchen printer.
inline constexpr long CommPortInvalid = 8002;
inline constexpr long CommPortOpen = 8005;
inline constexpr long CommPortClosed = 8012;
inline constexpr long CommWriteFailed = 8020;

// SQL Server's native errors (Error::NativeError) that the program branches on; the embedded
// and ODBC engines report the same ones.
inline constexpr long NativeLostConnection = 11; // the reconnection policy waits for it
inline constexpr long NativeIncorrectSyntax = 102;
inline constexpr long NativeInvalidColumn = 207; // "Invalid column name"
inline constexpr long NativeConstraintConflict = 547;
inline constexpr long NativeLockTimeout = 1222;
inline constexpr long NativeDuplicateKey = 2627;
inline constexpr long NativeDivideByZero = 8134;
inline constexpr long NativeTruncation = 8152; // "String or binary data would be truncated"
} // namespace err

// A run-time error: its number, description and source. Every failure of the platform layer is one.
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
