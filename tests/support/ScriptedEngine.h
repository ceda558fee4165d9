#pragma once

#include "platform/ado/Engine.h"

#include <QList>
#include <QString>
#include <QStringList>

// One call that a connection made on the scripted database.
struct ScriptedCall {
    enum class Kind { Open, Close, Execute, BeginTrans, CommitTrans, RollbackTrans, Schema, Insert };
    Kind kind;
    QString text; // the statement, the connection string, the schema number or the table and columns
};

// A database for tests, without a server: while it exists, every ado::Connection that opens
// talks to it (it installs itself with Connection::setEngineFactory and restores the standard
// engines when destroyed). It records every call and answers statements from a script:
// rows, records affected, errors and warnings chosen by a fragment of the statement text
// (ignoring case; the first matching answer wins), and it can fail the next calls or opens.
// Statements without an answer give an empty result set (SELECT) or no rows affected.
class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer &) = delete;
    ScriptedServer &operator=(const ScriptedServer &) = delete;

    // A result set from column names and rows; column types follow the first row's values.
    static ado::ResultSet rows(const QStringList &columns, const QList<QList<rt::Variant>> &values);
    // Native 11, SQL state 08S01: the connection to the server was lost.
    static ado::Error lostConnection();
    // Native 17, SQL state 08001: the server cannot be reached (a failing reconnection).
    static ado::Error serverUnreachable();
    // A provider error with the given native number and SQL state (number E_FAIL by default).
    static ado::Error providerError(long nativeError, const QString &sqlState, const QString &description,
                                    long number = -2147467259);

    void answerRows(const QString &fragment, const ado::ResultSet &rows);
    void answerAffected(const QString &fragment, long count);
    // Fails the matching statements, `times` times (-1: always); several errors fill Errors in order.
    void answerError(const QString &fragment, const QList<ado::Error> &errors, int times = -1);
    // The matching statements succeed and leave these warnings in Errors.
    void answerWarning(const QString &fragment, const QList<ado::Error> &warnings);
    void answerSchema(int schema, const ado::ResultSet &rows);
    // What every engine answers when asked whether a text is one statement that only reads, as
    // a server does unless told: CannotTell.
    void answerReadOnly(ado::ReadOnlyCheck answer) { m_readOnly = answer; }

    // The next `count` calls other than opening and closing (statements, transactions, schema
    // rowsets, inserted rows) fail with `error`.
    void failNext(int count, const ado::Error &error = lostConnection());
    // The next `count` opens fail with `error`.
    void failOpens(int count, const ado::Error &error = serverUnreachable());

    const QList<ScriptedCall> &calls() const { return m_calls; }
    // The texts of the Execute calls, in order.
    QStringList statements() const;
    int count(ScriptedCall::Kind kind) const;
    void clearCalls() { m_calls.clear(); }
    // The values of the rows inserted through a recordset (AddNew/Update), in order.
    const QList<QList<rt::Variant>> &insertedValues() const { return m_insertedValues; }

private:
    friend class ScriptedEngine;
    struct Answer {
        QString fragment;
        bool hasRows = false;
        ado::ResultSet rows;
        long affected = 0;
        QList<ado::Error> errors;
        QList<ado::Error> warnings;
        int remaining = -1;
    };

    const Answer *answerFor(const QString &text);
    void record(ScriptedCall::Kind kind, const QString &text);
    // Throws the scripted failure of the next call, if one is due.
    void failIfDue();
    void failOpenIfDue();
    ado::ExecResult execute(const QString &text);
    ado::ResultSet schema(int schema) const;
    long long insert(const QString &table, const QStringList &columns, const QList<rt::Variant> &values);

    QList<Answer> m_answers;
    QList<std::pair<int, ado::ResultSet>> m_schemas;
    QList<ScriptedCall> m_calls;
    QList<QList<rt::Variant>> m_insertedValues;
    int m_failures = 0;
    ado::Error m_failure;
    int m_openFailures = 0;
    ado::Error m_openFailure;
    long long m_lastIdentity = 0;
    ado::ReadOnlyCheck m_readOnly = ado::ReadOnlyCheck::CannotTell;
};
