#include "platform/ado/Recordset.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Connection.h"
#include "platform/ado/SelectTable.h"
#include "platform/runtime/RuntimeError.h"

#include <vector>

namespace ado {

struct Recordset::Data {
    ResultSet result;
    long position = 0; // row index; -1 is BOF, rows.size() is EOF
    std::weak_ptr<Connection *> connection;
    QString table; // where AddNew inserts; empty when rows cannot be added

    bool adding = false;
    long positionBeforeAdd = 0;
    QList<rt::Variant> pending;
    QList<bool> assigned;
    // Columns already looked up, by the name as asked: a loop asks the same few names on every
    // row, and most recordsets are opened for one collection or voucher and asked a few names
    // once, so a list serves better than a hash made for each.
    struct Named {
        QString name;
        int column;
    };
    std::vector<Named> named;
    std::size_t afterNamed = 0; // where the next search of `named` starts
    // The row at `readAt`, read from the packed rows when a field of it is asked.
    RowCursor row;
    long readAt = -1;

    long rowCount() const { return static_cast<long>(result.rows.size()); }
};

namespace {

const QString &source()
{
    static const QString text = QStringLiteral("ADODB.Recordset");
    return text;
}

} // namespace

Recordset::Recordset() = default;
Recordset::Recordset(Recordset &&) noexcept = default;
Recordset &Recordset::operator=(Recordset &&) noexcept = default;
Recordset::~Recordset() = default;

void Recordset::Open(const QString &text, Connection &connection, int, int lockType, long)
{
    if (m_data)
        raiseAdoError(rt::err::AdoObjectOpen, source());
    ExecResult result = connection.run(text);
    if (!result.hasResultSet)
        return; // an action statement leaves the recordset closed, as ADO does
    *this = fromResult(std::move(result.resultSet), &connection);
    if (lockType == adLockOptimistic || lockType == adLockPessimistic)
        m_data->table = singleSelectTable(text);
}

void Recordset::Close()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (m_data->adding)
        raiseAdoError(rt::err::AdoEditPending, source());
    m_data.reset();
}

int Recordset::State() const
{
    return m_data ? adStateOpen : adStateClosed;
}

bool Recordset::BOF() const
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    return !m_data->adding && (m_data->position < 0 || m_data->rowCount() == 0);
}

bool Recordset::EOF_() const
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    return !m_data->adding && m_data->position >= m_data->rowCount();
}

long Recordset::RecordCount() const
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    return m_data->rowCount();
}

long Recordset::AbsolutePosition() const
{
    constexpr long adPosBOF = -2;
    constexpr long adPosEOF = -3;
    if (BOF())
        return adPosBOF;
    if (EOF_())
        return adPosEOF;
    return m_data->position + 1;
}

void Recordset::MoveFirst()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (m_data->adding)
        Update();
    if (m_data->rowCount() == 0)
        raiseAdoError(rt::err::AdoBofOrEof, source());
    m_data->position = 0;
}

void Recordset::MoveLast()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (m_data->adding)
        Update();
    if (m_data->rowCount() == 0)
        raiseAdoError(rt::err::AdoBofOrEof, source());
    m_data->position = m_data->rowCount() - 1;
}

void Recordset::MoveNext()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (m_data->adding)
        Update();
    if (EOF_())
        raiseAdoError(rt::err::AdoBofOrEof, source());
    ++m_data->position;
}

void Recordset::MovePrevious()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (m_data->adding)
        Update();
    if (BOF())
        raiseAdoError(rt::err::AdoBofOrEof, source());
    --m_data->position;
}

long Recordset::FieldCount() const
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    return static_cast<long>(m_data->result.columns.size());
}

Field Recordset::Fields(const QString &name)
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    // A loop asks the same names in the same order row after row, each by the same text object:
    // the search starts after the name found last, and that very text needs no comparison. The
    // names kept differ, so whichever is found first is the one.
    std::vector<Data::Named> &named = m_data->named;
    for (std::size_t tried = 0, at = m_data->afterNamed; tried < named.size(); ++tried, ++at) {
        if (at == named.size())
            at = 0;
        const QString &known = named[at].name;
        if (known.size() == name.size() && (known.constData() == name.constData() || known == name)) {
            m_data->afterNamed = at + 1;
            return Field(this, named[at].column);
        }
    }
    const QList<ColumnInfo> &columns = m_data->result.columns;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        // Letter case is folded one character for one: names of other lengths never match.
        const QString &column = columns.at(i).name;
        if (column.size() == name.size() && column.compare(name, Qt::CaseInsensitive) == 0) {
            m_data->named.push_back(Data::Named{name, static_cast<int>(i)});
            return Field(this, static_cast<int>(i));
        }
    }
    raiseAdoError(rt::err::AdoItemNotFound, source());
}

Field Recordset::Fields(long index)
{
    if (index < 0 || index >= FieldCount())
        raiseAdoError(rt::err::AdoItemNotFound, source());
    return Field(this, static_cast<int>(index));
}

const rt::Variant &Recordset::operator()(const QString &name)
{
    return Fields(name).Value();
}

void Recordset::AddNew()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (m_data->table.isEmpty() || m_data->connection.expired())
        raiseAdoError(rt::err::AdoOperationNotSupported, source());
    if (m_data->adding)
        Update();
    const qsizetype columns = m_data->result.columns.size();
    m_data->pending = QList<rt::Variant>(columns, rt::Variant::null());
    m_data->assigned = QList<bool>(columns, false);
    m_data->positionBeforeAdd = m_data->position;
    m_data->adding = true;
}

void Recordset::Update()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (!m_data->adding)
        return;
    const std::shared_ptr<Connection *> connection = m_data->connection.lock();
    if (!connection)
        raiseAdoError(rt::err::AdoNoConnection, source());
    QStringList names;
    QList<rt::Variant> values;
    for (qsizetype i = 0; i < m_data->pending.size(); ++i) {
        if (!m_data->assigned.at(i))
            continue; // left to the column's default, as the provider does
        names.append(m_data->result.columns.at(i).name);
        values.append(m_data->pending.at(i));
    }
    // A failed insert keeps the edit pending: the caller may correct it or cancel it.
    (*connection)->insertRow(m_data->table, names, values);
    m_data->result.rows.append(m_data->pending);
    m_data->readAt = -1; // the row read lies in blocks the append may have copied
    m_data->position = m_data->rowCount() - 1;
    m_data->adding = false;
    m_data->pending.clear();
    m_data->assigned.clear();
}

void Recordset::CancelUpdate()
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (!m_data->adding)
        return;
    m_data->adding = false;
    m_data->position = m_data->positionBeforeAdd;
    m_data->pending.clear();
    m_data->assigned.clear();
}

int Recordset::EditMode() const
{
    if (!m_data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    return m_data->adding ? adEditAdd : adEditNone;
}

Recordset Recordset::fromResult(ResultSet result, Connection *connection)
{
    Recordset recordset;
    recordset.m_data = std::make_unique<Data>();
    recordset.m_data->result = std::move(result);
    if (connection)
        recordset.m_data->connection = connection->lifetime();
    return recordset;
}

QString Field::Name() const
{
    return m_owner->m_data ? m_owner->m_data->result.columns.at(m_index).name : QString();
}

int Field::Type() const
{
    return m_owner->m_data ? m_owner->m_data->result.columns.at(m_index).type : adEmpty;
}

long Field::DefinedSize() const
{
    return m_owner->m_data ? m_owner->m_data->result.columns.at(m_index).definedSize : 0;
}

const rt::Variant &Field::Value() const
{
    const auto &data = m_owner->m_data;
    if (!data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (data->adding)
        return data->pending.at(m_index);
    if (data->position < 0 || data->position >= data->rowCount())
        raiseAdoError(rt::err::AdoBofOrEof, source());
    if (data->readAt != data->position) {
        data->row.moveTo(data->result.rows, data->position);
        data->readAt = data->position;
    }
    return data->row.value(m_index);
}

void Field::setValue(const rt::Variant &value)
{
    const auto &data = m_owner->m_data;
    if (!data)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    if (!data->adding)
        raiseAdoError(rt::err::AdoOperationNotSupported, source());
    data->pending[m_index] = value;
    data->assigned[m_index] = true;
}

} // namespace ado
