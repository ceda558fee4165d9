#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QStringList>

// Sends the statements that build a new commission settlement, in the settlement window's
// order and text, so that the schema and the demo rows can be checked against the program's
// own SQL. Keeps every text it sent.
class SettlementRun {
public:
    explicit SettlementRun(ado::Connection &connection) : m_connection(connection) {}

    // Builds a new settlement of the range (texts dd/mm/yyyy), optionally of one salesperson,
    // and returns its number. Throws the engine's RuntimeError when a statement fails.
    long generate(const QString &from, const QString &to, const QString &salesperson = {});

    const QStringList &sent() const { return m_sent; }

private:
    ado::Recordset open(const QString &text);
    void execute(const QString &text);

    long newNumber();
    QString collectionFilter(const QString &from, const QString &to, const QString &salesperson, bool creditNotes) const;
    void insertCollections(long number, const QString &filter, bool creditNotes);
    QString discountAccount();
    void splitCollections(long number);
    void splitOne(const QString &tc, const QString &id);
    void insertApplications(long number);
    void insertDetail(long number);
    void cancelByCreditNotes(long number);
    void zeroDuplicates(long number);
    void sumCommissions(long number);

    ado::Connection &m_connection;
    QStringList m_sent;
};
