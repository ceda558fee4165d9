#include "platform/ado/RowStore.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ado {

namespace {

// A store's first block is small and each next one twice the last, up to this size; a longer row
// gets a block of its own. Most results the program reads hold a few rows (one collection's
// lines, one voucher's check), read one after another by the hundred thousand.
constexpr qsizetype FirstBlockBytes = 1 << 10;
constexpr qsizetype BlockBytes = 1 << 20;

enum Kind : char { Empty, Null, False, True, Int16, Long, Double, Currency, Date, Utf16, Utf8, Bytes };

// Room for `bytes` more at the end of `out`, written in place.
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

// A kind and a fixed-size value, at `at`, which has room for both.
template <typename T> void put(char *at, Kind kind, T value)
{
    *at = kind;
    std::memcpy(at + 1, &value, sizeof value);
}

template <typename T> T take(const char *&in)
{
    T value;
    std::memcpy(&value, in, sizeof value);
    in += sizeof value;
    return value;
}

// What a kind, a count (of bytes, or of characters for UTF-16) and the bytes take.
qsizetype bytesOfCounted(quint64 count, qsizetype bytes)
{
    return 1 + countBytes(count) + bytes;
}

// A kind, a count and the bytes, at `at`, which has room for them.
void putBytes(char *at, Kind kind, quint64 count, const char *data, qsizetype bytes)
{
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
        return rt::Variant(std::move(text));
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
    m_pendingSize = 0; // the room stays for the next row
    m_pendingValues = 0;
}

char *RowStore::pendingRoom(qsizetype bytes)
{
    // Most results are a few short rows: a new store starts with room for a row of those.
    constexpr std::size_t FirstRoom = 512;
    const auto needed = static_cast<std::size_t>(m_pendingSize + bytes);
    if (needed > m_pending.size())
        m_pending.resize(std::max({needed, 2 * m_pending.size(), FirstRoom}));
    char *at = m_pending.data() + m_pendingSize;
    m_pendingSize += bytes;
    return at;
}

void RowStore::appendValue(const rt::Variant &value)
{
    const auto fixed = [this](Kind kind, auto number) {
        put(pendingRoom(1 + static_cast<qsizetype>(sizeof number)), kind, number);
    };
    const auto counted = [this](Kind kind, quint64 count, const char *data, qsizetype bytes) {
        putBytes(pendingRoom(bytesOfCounted(count, bytes)), kind, count, data, bytes);
    };
    ++m_pendingValues;
    switch (value.type()) {
    case rt::VarType::Empty:
        *pendingRoom(1) = Empty;
        return;
    case rt::VarType::Null:
        *pendingRoom(1) = Null;
        return;
    case rt::VarType::Boolean:
        *pendingRoom(1) = value.asBoolean() ? True : False;
        return;
    case rt::VarType::Integer:
        fixed(Int16, static_cast<qint16>(value.asLong()));
        return;
    case rt::VarType::Long:
        fixed(Long, value.asLong());
        return;
    case rt::VarType::Double:
        fixed(Double, value.asDouble());
        return;
    case rt::VarType::Currency:
        fixed(Currency, value.asCurrency().raw());
        return;
    case rt::VarType::Date:
        fixed(Date, value.asDate().serial());
        return;
    case rt::VarType::String: {
        const QString &text = value.asString();
        counted(Utf16, static_cast<quint64>(text.size()), reinterpret_cast<const char *>(text.constData()),
                text.size() * static_cast<qsizetype>(sizeof(char16_t)));
        return;
    }
    case rt::VarType::ByteArray:
        counted(Bytes, static_cast<quint64>(value.asBytes().size()), value.asBytes().constData(),
                value.asBytes().size());
        return;
    }
}

void RowStore::appendNull()
{
    ++m_pendingValues;
    *pendingRoom(1) = Null;
}

void RowStore::appendUtf8(const char *text, int bytes)
{
    ++m_pendingValues;
    const auto count = static_cast<quint64>(bytes);
    putBytes(pendingRoom(bytesOfCounted(count, bytes)), Utf8, count, text, bytes);
}

void RowStore::endRow()
{
    const auto values = static_cast<quint64>(m_pendingValues);
    const qsizetype needed = countBytes(values) + m_pendingSize;
    if (m_blocks.isEmpty() || m_blocks.last().size() + needed > m_blocks.last().capacity()) {
        const qsizetype size =
            m_blocks.isEmpty() ? FirstBlockBytes : std::min(2 * m_blocks.last().capacity(), BlockBytes);
        m_blocks.append(QByteArray());
        m_blocks.last().reserve(std::max(size, needed));
    }
    QByteArray &block = m_blocks.last();
    m_rows.push_back(Place{static_cast<quint32>(m_blocks.size() - 1), static_cast<quint32>(block.size())});
    char *at = grow(block, needed);
    at = writeCount(at, values);
    std::memcpy(at, m_pending.data(), static_cast<std::size_t>(m_pendingSize));
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
    if (m_decodedAt.size() != values) {
        m_starts.resize(values);
        m_decodedAt.assign(values, 0);
        m_values.resize(values);
    }
    m_next = in;
    m_found = 0;
    ++m_moves;
}

const rt::Variant &RowCursor::value(int column)
{
    const auto at = static_cast<std::size_t>(column);
    quint64 &decodedAt = m_decodedAt.at(at);
    if (decodedAt != m_moves) {
        for (; m_found <= column; ++m_found) {
            m_starts[static_cast<std::size_t>(m_found)] = m_next;
            skip(m_next);
        }
        const char *in = m_starts[at];
        m_values[at] = decode(in);
        decodedAt = m_moves;
    }
    return m_values[at];
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
