#include "platform/ado/RowStore.h"

#include <algorithm>
#include <cstring>

namespace ado {

namespace {

// A store's first block is small and each next one twice the last, up to this size; a longer row
// gets a block of its own. Most results the program reads hold a few rows (one collection's
// lines, one voucher's check), read one after another by the hundred thousand.
constexpr qsizetype FirstBlockBytes = 1 << 10;
constexpr qsizetype BlockBytes = 1 << 20;

enum Kind : char { Empty, Null, False, True, Int16, Long, Double, Currency, Date, Utf16, Utf8, Bytes };

// Room for `bytes` more at the end of `out`, written in place: values are written by the million.
char *grow(QByteArray &out, qsizetype bytes)
{
    const qsizetype at = out.size();
    out.resize(at + bytes);
    return out.data() + at;
}

int countBytes(quint64 count)
{
    int bytes = 1;
    for (; count >= 0x80; count >>= 7)
        ++bytes;
    return bytes;
}

char *writeCount(char *out, quint64 count)
{
    while (count >= 0x80) {
        *out++ = static_cast<char>(count | 0x80);
        count >>= 7;
    }
    *out++ = static_cast<char>(count);
    return out;
}

quint64 takeCount(const char *&in)
{
    quint64 count = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*in++);
        count |= static_cast<quint64>(byte & 0x7f) << shift;
        if (byte < 0x80)
            return count;
    }
}

template<typename T>
void put(QByteArray &out, Kind kind, T value)
{
    char *at = grow(out, 1 + static_cast<qsizetype>(sizeof value));
    *at = kind;
    std::memcpy(at + 1, &value, sizeof value);
}

template<typename T>
T take(const char *&in)
{
    T value;
    std::memcpy(&value, in, sizeof value);
    in += sizeof value;
    return value;
}

// A kind, a count (of bytes, or of characters for UTF-16) and the bytes.
void putBytes(QByteArray &out, Kind kind, quint64 count, const char *data, qsizetype bytes)
{
    char *at = grow(out, 1 + countBytes(count) + bytes);
    *at = kind;
    at = writeCount(at + 1, count);
    std::memcpy(at, data, static_cast<std::size_t>(bytes));
}

rt::Variant decode(const char *&in)
{
    switch (static_cast<Kind>(*in++)) {
    case Empty:
        return {};
    case Null:
        return rt::Variant::null();
    case False:
        return rt::Variant(false);
    case True:
        return rt::Variant(true);
    case Int16:
        return rt::Variant::integer(take<qint16>(in));
    case Long:
        return rt::Variant(take<qint32>(in));
    case Double:
        return rt::Variant(take<double>(in));
    case Currency:
        return rt::Variant(rt::Currency::fromRaw(take<std::int64_t>(in)));
    case Date:
        return rt::Variant(rt::DateTime(take<double>(in)));
    case Utf16: {
        const auto chars = static_cast<qsizetype>(takeCount(in));
        QString text(chars, Qt::Uninitialized);
        std::memcpy(text.data(), in, chars * sizeof(char16_t));
        in += chars * sizeof(char16_t);
        return rt::Variant(text);
    }
    case Utf8: {
        const auto bytes = static_cast<qsizetype>(takeCount(in));
        const char *start = in;
        in += bytes;
        return rt::Variant(QString::fromUtf8(start, bytes));
    }
    case Bytes: {
        const auto bytes = static_cast<qsizetype>(takeCount(in));
        const char *start = in;
        in += bytes;
        return rt::Variant(QByteArray(start, bytes));
    }
    }
    return {};
}

// Steps over one value.
void skip(const char *&in)
{
    switch (static_cast<Kind>(*in++)) {
    case Empty:
    case Null:
    case False:
    case True:
        return;
    case Int16:
        in += sizeof(qint16);
        return;
    case Long:
        in += sizeof(qint32);
        return;
    case Double:
    case Currency:
    case Date:
        in += sizeof(double);
        return;
    case Utf16:
        in += static_cast<qsizetype>(takeCount(in)) * static_cast<qsizetype>(sizeof(char16_t));
        return;
    case Utf8:
    case Bytes:
        in += static_cast<qsizetype>(takeCount(in));
        return;
    }
}

} // namespace

RowStore::RowStore(const QList<Row> &rows)
{
    for (const Row &row : rows)
        append(row);
}

RowStore::RowStore(std::initializer_list<Row> rows)
{
    for (const Row &row : rows)
        append(row);
}

void RowStore::append(const Row &row)
{
    beginRow();
    for (const rt::Variant &value : row)
        appendValue(value);
    endRow();
}

void RowStore::beginRow()
{
    m_pending.resize(0); // keeps its room for the next row
    m_pendingValues = 0;
}

void RowStore::appendValue(const rt::Variant &value)
{
    ++m_pendingValues;
    switch (value.type()) {
    case rt::VarType::Empty:
        m_pending.append(Empty);
        return;
    case rt::VarType::Null:
        m_pending.append(Null);
        return;
    case rt::VarType::Boolean:
        m_pending.append(value.asBoolean() ? True : False);
        return;
    case rt::VarType::Integer:
        put(m_pending, Int16, static_cast<qint16>(value.asLong()));
        return;
    case rt::VarType::Long:
        put(m_pending, Long, value.asLong());
        return;
    case rt::VarType::Double:
        put(m_pending, Double, value.asDouble());
        return;
    case rt::VarType::Currency:
        put(m_pending, Currency, value.asCurrency().raw());
        return;
    case rt::VarType::Date:
        put(m_pending, Date, value.asDate().serial());
        return;
    case rt::VarType::String: {
        const QString &text = value.asString();
        putBytes(m_pending, Utf16, static_cast<quint64>(text.size()), reinterpret_cast<const char *>(text.constData()),
                 text.size() * static_cast<qsizetype>(sizeof(char16_t)));
        return;
    }
    case rt::VarType::ByteArray:
        putBytes(m_pending, Bytes, static_cast<quint64>(value.asBytes().size()), value.asBytes().constData(),
                 value.asBytes().size());
        return;
    }
}

void RowStore::appendUtf8(const char *text, int bytes)
{
    ++m_pendingValues;
    putBytes(m_pending, Utf8, static_cast<quint64>(bytes), text, bytes);
}

void RowStore::endRow()
{
    constexpr qsizetype LongestCount = 10;
    const qsizetype needed = LongestCount + m_pending.size();
    if (m_blocks.isEmpty() || m_blocks.last().size() + needed > m_blocks.last().capacity()) {
        const qsizetype size = m_blocks.isEmpty() ? FirstBlockBytes : std::min(2 * m_blocks.last().capacity(), BlockBytes);
        m_blocks.append(QByteArray());
        m_blocks.last().reserve(std::max(size, needed));
    }
    QByteArray &block = m_blocks.last();
    m_rows.push_back(Place{static_cast<quint32>(m_blocks.size() - 1), static_cast<quint32>(block.size())});
    char *at = grow(block, countBytes(static_cast<quint64>(m_pendingValues)) + m_pending.size());
    at = writeCount(at, static_cast<quint64>(m_pendingValues));
    std::memcpy(at, m_pending.constData(), static_cast<std::size_t>(m_pending.size()));
    beginRow();
}

const char *RowStore::rowStart(qsizetype row) const
{
    const Place place = m_rows.at(static_cast<std::size_t>(row));
    return m_blocks.at(place.block).constData() + place.offset;
}

void RowStore::readRow(qsizetype row, Row &into) const
{
    const char *in = rowStart(row);
    const auto values = static_cast<qsizetype>(takeCount(in));
    into.resize(values);
    for (rt::Variant &value : into)
        value = decode(in);
}

RowStore::Row RowStore::at(qsizetype row) const
{
    Row values;
    readRow(row, values);
    return values;
}

RowStore::Row RowStore::value(qsizetype row) const
{
    return row >= 0 && row < size() ? at(row) : Row();
}

void RowCursor::moveTo(const RowStore &store, qsizetype row)
{
    const char *in = store.rowStart(row);
    const auto values = static_cast<std::size_t>(takeCount(in));
    m_starts.resize(values);
    for (const char *&start : m_starts) {
        start = in;
        skip(in);
    }
    m_read.assign(values, false);
    m_values.resize(static_cast<qsizetype>(values));
}

const rt::Variant &RowCursor::value(int column)
{
    const auto at = static_cast<std::size_t>(column);
    if (!m_read.at(at)) {
        const char *in = m_starts.at(at);
        m_values[column] = decode(in);
        m_read[at] = true;
    }
    return m_values.at(column);
}

bool operator==(const RowStore &a, const RowStore &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i) != b.at(i))
            return false;
    }
    return true;
}

} // namespace ado
