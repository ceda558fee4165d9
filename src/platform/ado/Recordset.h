#pragma once

#include "platform/ado/Engine.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <memory>

namespace ado {

class Connection;
class Recordset;

enum CursorType : int { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockType : int { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };
enum EditMode : int { adEditNone = 0, adEditAdd = 2 };
// The options of an open or execute: the provider decides what kind of text it is.
enum CommandType : long { adCmdUnspecified = -1 };

// A column of the recordset's current row (a light handle; the recordset must outlive it). The
// value it gives stays as it is until the recordset reads another row.
class Field {
public:
    Field(Recordset *owner, int index)
        : m_owner(owner)
        , m_index(index)
    {
    }
    QString Name() const;
    int Type() const;
    long DefinedSize() const;
    // Throws RuntimeError 3021 at BOF or EOF (outside an AddNew).
    const rt::Variant &Value() const;
    // Only while adding a row (AddNew); throws RuntimeError 3251 otherwise.
    void setValue(const rt::Variant &value);

private:
    Recordset *m_owner;
    int m_index;
};

// A client-side recordset: every row is fetched when it opens.
class Recordset {
public:
    Recordset(); // closed
    Recordset(Recordset &&) noexcept;
    Recordset &operator=(Recordset &&) noexcept;
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;
    ~Recordset();

    // Runs the text on the connection and keeps every row. Throws RuntimeError 3705 when
    // open, 3709 when the connection is closed, or the provider's error. A text that gives no
    // rows (an action statement) leaves the recordset closed.
    void Open(const QString &source, Connection &connection, int cursorType = adOpenForwardOnly,
              int lockType = adLockReadOnly, long options = adCmdUnspecified);
    // Throws RuntimeError 3704 when closed, 3219 when an AddNew is pending.
    void Close();
    int State() const;

    // EOF is a macro of the C library, hence the trailing underscore.
    // These and every member below throw RuntimeError 3704 when the recordset is closed.
    bool BOF() const;
    bool EOF_() const;
    long RecordCount() const;
    long AbsolutePosition() const; // 1-based; -2 at BOF (and when empty), -3 at EOF
    void MoveFirst(); // throws 3021 on an empty recordset
    void MoveLast();
    void MoveNext(); // throws 3021 at EOF
    void MovePrevious(); // throws 3021 at BOF

    long FieldCount() const;
    // Throws RuntimeError 3265 when there is no such column (names ignore letter case).
    Field Fields(const QString &name);
    Field Fields(long index);
    // The current row's value of a column: rs("Campo").
    const rt::Variant &operator()(const QString &name);

    // Adding rows needs lock type 3 (or 2) and a one-table SELECT; throws RuntimeError 3251
    // otherwise. A pending row is inserted first; moving while adding inserts it too.
    void AddNew();
    void Update(); // inserts the pending row; the provider's error is thrown
    void CancelUpdate();
    int EditMode() const;

    // Builds an open recordset over rows already fetched (engines, schema rowsets).
    static Recordset fromResult(ResultSet result, Connection *connection = nullptr);

private:
    friend class Field;
    struct Data;
    std::unique_ptr<Data> m_data;
};

} // namespace ado
