#pragma once

#include "platform/runtime/Variant.h"

#include <QByteArray>
#include <QList>
#include <initializer_list>
#include <vector>

namespace ado {

// The rows of one result, packed: each row's values are written one after the other, as a kind
// and a few bytes, into large blocks. A result of millions of rows (a settlement's article lines)
// then holds its bytes rather than a value object, a list and a text allocation for every cell,
// and is read back a row at a time.
class RowStore {
public:
    using Row = QList<rt::Variant>;

    RowStore() = default;
    RowStore(const QList<Row> &rows);
    RowStore(std::initializer_list<Row> rows);

    qsizetype size() const { return static_cast<qsizetype>(m_rows.size()); }
    qsizetype count() const { return size(); }
    bool isEmpty() const { return m_rows.empty(); }

    void append(const Row &row);
    // A row written value by value: beginRow, each value, endRow.
    void beginRow();
    void appendValue(const rt::Variant &value);
    // A Null, as appendValue writes it, without a value to make.
    void appendNull();
    // A text as the engine hands it, decoded only when the row is read.
    void appendUtf8(const char *text, int bytes);
    void endRow();

    // The values of a row, written into `into` (its storage is reused from row to row).
    void readRow(qsizetype row, Row &into) const;
    Row at(qsizetype row) const;
    Row operator[](qsizetype row) const { return at(row); }
    Row value(qsizetype row) const; // an empty row out of range
    Row first() const { return at(0); }

    class const_iterator {
    public:
        using value_type = Row;
        using difference_type = qsizetype;
        const_iterator(const RowStore *store, qsizetype row)
            : m_store(store)
            , m_row(row)
        {
        }
        Row operator*() const { return m_store->at(m_row); }
        const_iterator &operator++()
        {
            ++m_row;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return m_row == other.m_row; }

    private:
        const RowStore *m_store;
        qsizetype m_row;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const RowStore &a, const RowStore &b);

private:
    friend class RowCursor;
    struct Place {
        quint32 block;
        quint32 offset;
    };
    const char *rowStart(qsizetype row) const;
    // Room for `bytes` more at the end of the row being written.
    char *pendingRoom(qsizetype bytes);

    QList<QByteArray> m_blocks;
    std::vector<Place> m_rows;
    // The row being written, its first m_pendingSize bytes: written in place, and its room kept
    // from row to row (a result writes its values by the million).
    std::vector<char> m_pending;
    qsizetype m_pendingSize = 0;
    int m_pendingValues = 0;
};

// One row of a store read as its values are asked: where each value starts is found once, as far
// as the values asked, and a value is decoded at its first use (a query of every column whose
// loop reads three of them makes no text of the others).
class RowCursor {
public:
    void moveTo(const RowStore &store, qsizetype row);
    // The value stays as it is until the cursor moves. Throws std::out_of_range for a column the
    // row does not hold.
    const rt::Variant &value(int column);

private:
    std::vector<const char *> m_starts; // of the first m_found values
    qsizetype m_found = 0;
    const char *m_next = nullptr; // the start of the value after them
    // The rows a value was decoded for, by the number of the cursor's moves: nothing is cleared
    // when the cursor moves.
    std::vector<quint64> m_decodedAt;
    quint64 m_moves = 0;
    std::vector<rt::Variant> m_values;
};

} // namespace ado
