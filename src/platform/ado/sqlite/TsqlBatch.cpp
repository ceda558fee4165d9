#include "platform/ado/sqlite/TsqlBatch.h"

#include "platform/ado/sqlite/TsqlSyntaxError.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

class Splitter {
public:
    explicit Splitter(const TsqlNodes &batch)
        : m_batch(batch)
    {
    }

    QList<TsqlStatement> run()
    {
        for (m_pos = 0; m_pos < m_batch.size(); ++m_pos) {
            const TsqlNode &node = m_batch.at(m_pos);
            if (isKind(node, Kind::Semicolon)) {
                flush();
                continue;
            }
            if (!m_current.body.isEmpty() && startsStatement(node))
                flush();
            if (m_current.body.isEmpty() && !m_current.guarded && isWord(node, "IF")) {
                readGuard();
                continue;
            }
            noteQueryPart(node);
            if (m_current.body.isEmpty())
                m_current.body.reserve(m_batch.size() - m_pos);
            m_current.body.append(node);
        }
        flush();
        return m_statements;
    }

private:
    // IF [NOT] EXISTS (query): the statement that follows is the guarded one.
    void readGuard()
    {
        qsizetype pos = m_pos + 1;
        m_current.negated = pos < m_batch.size() && isWord(m_batch.at(pos), "NOT");
        if (m_current.negated)
            ++pos;
        if (pos + 1 >= m_batch.size() || !isWord(m_batch.at(pos), "EXISTS") || !isParens(m_batch.at(pos + 1)))
            throwTsqlSyntaxError(pos < m_batch.size() ? m_batch.at(pos).token.text : QStringLiteral("IF"));
        m_current.guarded = true;
        m_current.guard = m_batch.at(pos + 1).children;
        m_pos = pos + 1;
    }

    void noteQueryPart(const TsqlNode &node)
    {
        if (isAnyWord(node, {"SELECT", "VALUES", "EXEC", "EXECUTE"}))
            m_sawQueryPart = true;
    }

    bool startsStatement(const TsqlNode &node) const
    {
        if (node.kind != TsqlNode::Kind::Token || node.token.kind != Kind::Word)
            return false;
        const TsqlNode &head = m_current.body.first();
        const TsqlNode &previous = m_current.body.last();
        // WITH name AS (query) SELECT ...: the common table expression belongs to the statement.
        if (isKind(previous, Kind::Comma) || (isWord(head, "WITH") && isParens(previous)))
            return false;
        if (isAnyWord(node, {"SELECT", "EXEC", "EXECUTE"})) {
            // INSERT ... SELECT, ... UNION SELECT, CREATE VIEW ... AS SELECT
            return !isAnyWord(previous, {"UNION", "ALL", "EXCEPT", "INTERSECT", "AS"})
                   && !(isWord(head, "INSERT") && !m_sawQueryPart);
        }
        // Table definitions name actions without starting statements: ON DELETE SET NULL.
        const bool definition = isAnyWord(head, {"CREATE", "ALTER"});
        if (isAnyWord(node, {"INSERT", "UPDATE", "DELETE"}))
            return !(definition && isAnyWord(previous, {"ON", "FOR", "AFTER", "OF"}));
        if (isWord(node, "SET"))
            return !isWord(head, "UPDATE") && !(definition && isAnyWord(previous, {"DELETE", "UPDATE"}));
        if (isWord(node, "DROP"))
            return !isWord(head, "ALTER");
        return isAnyWord(node, {"CREATE", "ALTER", "TRUNCATE", "DECLARE", "PRINT", "IF", "ELSE", "WHILE", "BEGIN",
                                "COMMIT", "ROLLBACK"});
    }

    void flush()
    {
        if (m_current.guarded && m_current.body.isEmpty())
            throwTsqlSyntaxError(m_pos < m_batch.size() ? m_batch.at(m_pos).token.text : QStringLiteral(")"));
        if (!m_current.body.isEmpty())
            m_statements.append(std::move(m_current));
        m_current = TsqlStatement();
        m_sawQueryPart = false;
    }

    const TsqlNodes &m_batch;
    qsizetype m_pos = 0;
    TsqlStatement m_current;
    bool m_sawQueryPart = false;
    QList<TsqlStatement> m_statements;
};

} // namespace

QList<TsqlStatement> splitTsqlBatch(const TsqlNodes &batch)
{
    return Splitter(batch).run();
}

} // namespace ado::sqlite
