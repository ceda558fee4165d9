#pragma once

#include "platform/ado/odbc/OdbcHandle.h"
#include "platform/runtime/Variant.h"

#include <QByteArray>
#include <QList>
#include <deque>

namespace ado::odbc {

// Values bound to the parameter markers of a statement. The bound buffers live as long as this
// object, which must outlive the statement's execution.
class OdbcParameters {
public:
    // Binds each value to the marker of its position (1, 2, ...): Boolean as bit, Integer and
    // Long as integer, Double, Currency as decimal(19,4), Date as timestamp, String as wide text,
    // a byte array as binary. Null and Empty have no marker: write NULL in the text instead.
    // Throws EngineError.
    OdbcParameters(const OdbcHandle &statement, const QList<rt::Variant> &values);
    OdbcParameters(const OdbcParameters &) = delete;
    OdbcParameters &operator=(const OdbcParameters &) = delete;

    // Whether the value takes a marker ("?") in the statement text.
    static bool needsMarker(const rt::Variant &value) { return !value.isNull() && !value.isEmpty(); }

private:
    struct Buffer {
        QByteArray data;
        SQLLEN indicator = 0;
    };
    void bind(const OdbcHandle &statement, SQLUSMALLINT marker, const rt::Variant &value);

    std::deque<Buffer> m_buffers; // a deque keeps every buffer where the driver was told it is
};

} // namespace ado::odbc
