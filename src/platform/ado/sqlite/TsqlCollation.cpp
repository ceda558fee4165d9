#include "platform/ado/sqlite/TsqlCollation.h"

#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/TsqlFunctionSupport.h"

#include <array>

namespace ado::sqlite {

namespace {

// Sort weight of a case-folded character: accents do not count here (they only break ties),
// except that ñ is a letter of its own between n and o.
uint primaryWeight(QChar folded)
{
    const char16_t code = folded.unicode();
    if (code < 0x80)
        return code * 2u;
    if (code == u'ñ')
        return u'n' * 2u + 1u;
    if (folded.decompositionTag() == QChar::Canonical) {
        const QString parts = folded.decomposition();
        if (!parts.isEmpty() && parts.at(0).unicode() < 0x80)
            return parts.at(0).toCaseFolded().unicode() * 2u;
    }
    return code * 2u;
}

int compareUnicode(const QString &left, const QString &right)
{
    int tieBreak = 0;
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const QChar a = left.at(i).toCaseFolded();
        const QChar b = right.at(i).toCaseFolded();
        const uint wa = primaryWeight(a);
        const uint wb = primaryWeight(b);
        if (wa != wb)
            return wa < wb ? -1 : 1;
        if (tieBreak == 0 && a != b)
            tieBreak = a.unicode() < b.unicode() ? -1 : 1;
    }
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return tieBreak;
}

int trimmedLength(const unsigned char *text, int bytes)
{
    while (bytes > 0 && text[bytes - 1] == ' ')
        --bytes;
    return bytes;
}

unsigned char asciiLower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

int collationCompare(void *, int leftBytes, const void *left, int rightBytes, const void *right)
{
    return compareTsqlText(leftBytes, left, rightBytes, right);
}

// One element of a LIKE pattern.
struct PatternElement {
    enum class Kind { AnyRun, AnyOne, Set, Literal };
    Kind kind = Kind::Literal;
    QChar literal; // case-folded
    QList<std::pair<QChar, QChar>> ranges; // case-folded, inclusive
    bool negated = false;
};

PatternElement setElement(const QString &pattern, qsizetype first, qsizetype close)
{
    PatternElement set{PatternElement::Kind::Set, {}, {}, false};
    qsizetype i = first;
    if (i < close && pattern.at(i) == u'^') {
        set.negated = true;
        ++i;
    }
    while (i < close) {
        const QChar low = pattern.at(i).toCaseFolded();
        if (i + 2 < close && pattern.at(i + 1) == u'-') {
            set.ranges.append({low, pattern.at(i + 2).toCaseFolded()});
            i += 3;
        } else {
            set.ranges.append({low, low});
            ++i;
        }
    }
    return set;
}

QList<PatternElement> parsePattern(const QString &pattern, std::optional<QChar> escape)
{
    QList<PatternElement> elements;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (escape && c == *escape && i + 1 < pattern.size()) {
            elements.append({PatternElement::Kind::Literal, pattern.at(++i).toCaseFolded(), {}, false});
        } else if (c == u'%') {
            if (elements.isEmpty() || elements.last().kind != PatternElement::Kind::AnyRun)
                elements.append({PatternElement::Kind::AnyRun, {}, {}, false});
        } else if (c == u'_') {
            elements.append({PatternElement::Kind::AnyOne, {}, {}, false});
        } else if (c == u'[' && pattern.indexOf(u']', i + 1) > i + 1) {
            const qsizetype close = pattern.indexOf(u']', i + 1);
            elements.append(setElement(pattern, i + 1, close));
            i = close;
        } else {
            elements.append({PatternElement::Kind::Literal, c.toCaseFolded(), {}, false});
        }
    }
    return elements;
}

bool matchesOne(const PatternElement &element, QChar folded)
{
    switch (element.kind) {
    case PatternElement::Kind::AnyOne:
        return true;
    case PatternElement::Kind::Literal:
        return element.literal == folded;
    case PatternElement::Kind::Set: {
        bool inside = false;
        for (const auto &[low, high] : element.ranges)
            inside = inside || (low <= folded && folded <= high);
        return inside != element.negated;
    }
    case PatternElement::Kind::AnyRun:
        return false;
    }
    return false;
}

// Matches with one backtracking point per %, the usual wildcard walk.
bool matches(const QList<PatternElement> &pattern, const QString &value)
{
    qsizetype p = 0;
    qsizetype v = 0;
    qsizetype runAt = -1;
    qsizetype runValue = 0;
    while (v < value.size()) {
        if (p < pattern.size() && pattern.at(p).kind == PatternElement::Kind::AnyRun) {
            runAt = p++;
            runValue = v;
        } else if (p < pattern.size() && matchesOne(pattern.at(p), value.at(v).toCaseFolded())) {
            ++p;
            ++v;
        } else if (runAt >= 0) {
            p = runAt + 1;
            v = ++runValue;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p).kind == PatternElement::Kind::AnyRun)
        ++p;
    return p == pattern.size();
}

// like(pattern, value[, escape]): SQLite's LIKE calls it with the pattern first.
void like(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    std::optional<QChar> escape;
    if (argc > 2) {
        const QString text = textOf(argv[2]);
        if (text.size() != 1)
            return resultError(
                context,
                QStringLiteral("The invalid escape character \"%1\" was specified in a LIKE predicate.").arg(text));
        escape = text.at(0);
    }
    sqlite3_result_int(context, matches(parsePattern(textOf(argv[0]), escape), textOf(argv[1])) ? 1 : 0);
}

const std::array likeFunctions{
    TsqlFunction{"like", 2, like},
    TsqlFunction{"like", 3, like},
};

} // namespace

int compareTsqlText(int leftBytes, const void *left, int rightBytes, const void *right)
{
    const auto *a = static_cast<const unsigned char *>(left);
    const auto *b = static_cast<const unsigned char *>(right);
    const int aLength = trimmedLength(a, leftBytes);
    const int bLength = trimmedLength(b, rightBytes);
    const int common = std::min(aLength, bLength);
    // Equal bytes weigh the same: most keys compared share a long prefix (a point of sale and
    // its numbers), which is passed over without folding. A character whose bytes differ
    // only after its first is compared whole.
    int same = 0;
    while (same < common && a[same] == b[same])
        ++same;
    while (same > 0 && same < common && (a[same] & 0xC0) == 0x80)
        --same;
    for (int i = same; i < common; ++i) {
        if ((a[i] | b[i]) & 0x80) {
            // Everything before is ASCII and equal: the rest decides, letter by letter.
            return compareUnicode(QString::fromUtf8(reinterpret_cast<const char *>(a + i), aLength - i),
                                  QString::fromUtf8(reinterpret_cast<const char *>(b + i), bLength - i));
        }
        const unsigned char ca = asciiLower(a[i]);
        const unsigned char cb = asciiLower(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return (aLength > common ? 1 : 0) - (bLength > common ? 1 : 0);
}

void registerTsqlCollation(sqlite3 *db)
{
    if (sqlite3_create_collation_v2(db, "TSQLCI", SQLITE_UTF8, nullptr, collationCompare, nullptr) != SQLITE_OK)
        throwSqliteError(db, QStringLiteral("TSQLCI"));
    registerFunctions(db, likeFunctions);
}

} // namespace ado::sqlite
