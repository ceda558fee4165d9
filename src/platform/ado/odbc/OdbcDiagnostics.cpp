#include "platform/ado/odbc/OdbcDiagnostics.h"

#include "platform/runtime/RuntimeError.h"

#include <array>

namespace ado::odbc {

namespace {

bool isLostConnection(const QString &sqlState)
{
    return sqlState == u"08S01" || sqlState == u"08003" || sqlState == u"08007";
}

long adoNumber(const QString &sqlState)
{
    if (sqlState == u"42S02")
        return rt::err::AdoUnknownObject;
    if (sqlState.startsWith(u"42") || sqlState == u"37000")
        return rt::err::AdoSyntaxError;
    if (sqlState.startsWith(u"23"))
        return rt::err::AdoIntegrityViolation;
    return rt::err::AdoEFail;
}

// Each layer an ODBC message crosses writes its name in brackets before the text.
qsizetype prefixLength(const QString &message)
{
    qsizetype length = 0;
    while (length < message.size() && message.at(length) == u'[') {
        const qsizetype close = message.indexOf(u']', length);
        if (close < 0)
            break;
        length = close + 1;
    }
    return length;
}

QString lastComponent(const QString &prefix)
{
    const qsizetype open = prefix.lastIndexOf(u'[');
    return open < 0 ? QString() : prefix.mid(open + 1, prefix.size() - open - 2);
}

} // namespace

Error adoError(const QString &sqlState, long nativeError, const QString &message)
{
    const qsizetype prefix = prefixLength(message);
    Error error;
    error.Number = adoNumber(sqlState);
    error.SQLState = sqlState;
    error.Source = lastComponent(message.left(prefix));
    error.Description = message.mid(prefix).trimmed();
    error.NativeError = nativeError;
    if (isLostConnection(sqlState)) {
        error.NativeError = rt::err::NativeLostConnection;
        error.Description += QStringLiteral(" (error nativo %1)").arg(nativeError);
    } else if (sqlState == u"22001") {
        error.NativeError = rt::err::NativeTruncation;
    }
    return error;
}

QList<Error> diagnostics(const OdbcHandle &handle)
{
    QList<Error> errors;
    if (!handle)
        return errors;
    for (SQLSMALLINT record = 1;; ++record) {
        std::array<SQLWCHAR, 6> state{};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        std::array<SQLWCHAR, 1024> text{};
        const SQLRETURN rc = SQLGetDiagRecW(handle.type(), handle.get(), record, state.data(), &native, text.data(),
                                            static_cast<SQLSMALLINT>(text.size()), &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        const auto *chars = reinterpret_cast<const char16_t *>(text.data());
        errors.append(adoError(QString::fromUtf16(reinterpret_cast<const char16_t *>(state.data()), 5), native,
                               QString::fromUtf16(chars, qMin<qsizetype>(length, text.size() - 1))));
    }
    return errors;
}

void throwDiagnostics(const OdbcHandle &handle)
{
    QList<Error> errors = diagnostics(handle);
    if (errors.isEmpty())
        throw engineFailure(QStringLiteral("El controlador ODBC informó un error sin descripción."));
    throw EngineError(std::move(errors));
}

EngineError engineFailure(const QString &description)
{
    Error error;
    error.Number = rt::err::AdoEFail;
    error.Description = description;
    error.Source = QStringLiteral("ODBC");
    return EngineError({error});
}

SQLRETURN check(SQLRETURN rc, const OdbcHandle &handle, QList<Error> *warnings)
{
    if (rc == SQL_SUCCESS || rc == SQL_NO_DATA)
        return rc;
    if (rc == SQL_SUCCESS_WITH_INFO) {
        if (warnings)
            warnings->append(diagnostics(handle));
        return rc;
    }
    throwDiagnostics(handle);
}

} // namespace ado::odbc
