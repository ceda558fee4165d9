#include "platform/ado/SelectTable.h"

#include <QStringList>

namespace ado {

namespace {

// A word of the SELECT text at parenthesis depth 0, outside literals; punctuation is a word of
// its own. Enough to find the FROM clause, not a parser of SQL.
struct Word {
    QString text;
    int depth = 0;
};

qsizetype skipQuoted(const QString &text, qsizetype pos, QChar close)
{
    ++pos;
    while (pos < text.size()) {
        if (text.at(pos) == close) {
            if (pos + 1 < text.size() && text.at(pos + 1) == close && close != u']') {
                pos += 2;
                continue;
            }
            return pos + 1;
        }
        ++pos;
    }
    return pos;
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

QList<Word> words(const QString &text)
{
    QList<Word> found;
    int depth = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QChar c = text.at(pos);
        qsizetype end = pos + 1;
        if (c.isSpace()) {
            ++pos;
            continue;
        }
        if (c == u'\'' || c == u'"')
            end = skipQuoted(text, pos, c);
        else if (c == u'[')
            end = skipQuoted(text, pos, u']');
        else if (isNameChar(c))
            while (end < text.size() && isNameChar(text.at(end)))
                ++end;
        if (c == u')')
            --depth;
        found.append(Word{text.mid(pos, end - pos), depth});
        if (c == u'(')
            ++depth;
        pos = end;
    }
    return found;
}

bool is(const Word &word, const char *keyword)
{
    return word.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

QString unbracketed(const QString &name)
{
    return name.startsWith(u'[') && name.endsWith(u']') ? name.mid(1, name.size() - 2) : name;
}

// After the table name: an alias, table hints, then WHERE/ORDER/GROUP/HAVING or the end.
bool onlyOneTableFollows(const QList<Word> &all, qsizetype from)
{
    static const QStringList clauseEnds = {QStringLiteral("where"), QStringLiteral("order"), QStringLiteral("group"),
                                           QStringLiteral("having"), QStringLiteral("option")};
    for (qsizetype i = from; i < all.size(); ++i) {
        const Word &word = all.at(i);
        if (word.depth != 0)
            continue;
        if (clauseEnds.contains(word.text.toLower()))
            return true;
        if (word.text == u"," || is(word, "join") || is(word, "union") || is(word, "apply"))
            return false;
    }
    return true;
}

} // namespace

QString singleSelectTable(const QString &select)
{
    const QList<Word> all = words(select);
    if (all.isEmpty() || !is(all.first(), "select"))
        return {};
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all.at(i).depth != 0 || !is(all.at(i), "from"))
            continue;
        // The name may be written owner.table, each part bracketed or not.
        QString name;
        qsizetype next = i + 1;
        while (next < all.size() && all.at(next).depth == 0 && all.at(next).text != u"(") {
            name = unbracketed(all.at(next).text);
            if (next + 1 < all.size() && all.at(next + 1).text == u".")
                next += 2;
            else
                break;
        }
        if (name.isEmpty() || next >= all.size() || all.at(next).text == u"(")
            return {};
        return onlyOneTableFollows(all, next + 1) ? name : QString();
    }
    return {};
}

} // namespace ado
