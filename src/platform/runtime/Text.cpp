#include "platform/runtime/Text.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <array>

namespace rt {

namespace {

void requireArgument(bool valid)
{
    if (!valid)
        throw RuntimeError(err::InvalidProcedureCall, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

Qt::CaseSensitivity sensitivity(CompareMode mode)
{
    return mode == CompareMode::Text ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

} // namespace

int InStr(int start, const QString &text, const QString &find, CompareMode mode)
{
    requireArgument(start >= 1);
    if (text.isEmpty() || start > text.size() + 1)
        return 0;
    if (find.isEmpty())
        return start;
    return static_cast<int>(text.indexOf(find, start - 1, sensitivity(mode))) + 1;
}

int InStr(const QString &text, const QString &find, CompareMode mode)
{
    return InStr(1, text, find, mode);
}

// Apart from K and S (which the Kelvin sign and the long s fold to as well), no character but an
// ASCII letter folds to an ASCII letter, so the text is compared without folding each of its
// characters; in a long text, a character the word does not hold lets the search jump the
// word's length.
bool containsIgnoringCase(const QString &text, QLatin1String word)
{
    if (word.contains(u'K') || word.contains(u'S'))
        return InStr(text, QString(word), CompareMode::Text) > 0;
    const qsizetype length = word.size();
    if (length == 0)
        return true;
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c; };
    const auto endsAt = [&](qsizetype last) {
        for (qsizetype i = 0; i < length; ++i) {
            if (upper(text.at(last - i).unicode()) != word.at(length - 1 - i).unicode())
                return false;
        }
        return true;
    };
    constexpr qsizetype Short = 96; // below this, making the jumps costs more than they save
    if (text.size() < Short) {
        for (qsizetype last = length - 1; last < text.size(); ++last) {
            if (endsAt(last))
                return true;
        }
        return false;
    }
    // A shorter jump than the word allows only costs a comparison more: 255 serves longer words.
    const auto jumpOf = [](qsizetype n) { return static_cast<unsigned char>(std::min<qsizetype>(n, 255)); };
    std::array<unsigned char, 128> jump;
    jump.fill(jumpOf(length));
    for (qsizetype i = 0; i + 1 < length; ++i)
        jump[static_cast<unsigned char>(word.at(i).toLatin1()) & 0x7F] = jumpOf(length - 1 - i);
    for (qsizetype last = length - 1; last < text.size();) {
        if (endsAt(last))
            return true;
        const char16_t c = upper(text.at(last).unicode());
        last += c < 128 ? jump[c] : length;
    }
    return false;
}

int InStrRev(const QString &text, const QString &find, int start, CompareMode mode)
{
    requireArgument(start == -1 || start >= 1);
    const int end = start == -1 ? static_cast<int>(text.size()) : start;
    if (text.isEmpty() || end > text.size())
        return 0;
    if (find.isEmpty())
        return end;
    const int lastStart = end - static_cast<int>(find.size());
    if (lastStart < 0)
        return 0;
    return static_cast<int>(text.lastIndexOf(find, lastStart, sensitivity(mode))) + 1;
}

QString Replace(const QString &text, const QString &find, const QString &replacement, CompareMode mode)
{
    if (find.isEmpty())
        return text;
    QString result = text;
    return result.replace(find, replacement, sensitivity(mode));
}

int StrComp(const QString &a, const QString &b, CompareMode mode)
{
    const int order = QString::compare(a, b, sensitivity(mode));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

QString LTrim(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char(' '))
        ++first;
    return text.mid(first);
}

QString RTrim(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString Trim(const QString &text)
{
    return LTrim(RTrim(text));
}

QString Left(const QString &text, int length)
{
    requireArgument(length >= 0);
    return text.left(length);
}

QString Right(const QString &text, int length)
{
    requireArgument(length >= 0);
    return text.right(length);
}

QString Mid(const QString &text, int start, int length)
{
    requireArgument(start >= 1 && length >= -1);
    if (start > text.size())
        return {};
    return text.mid(start - 1, length);
}

QString UCase(const QString &text)
{
    return text.toUpper();
}

QString ProperCase(const QString &text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (c.isSpace()) {
            wordStart = true;
            continue;
        }
        if (wordStart)
            c = c.toUpper();
        wordStart = false;
    }
    return result;
}

QString LCase(const QString &text)
{
    return text.toLower();
}

int Len(const QString &text)
{
    return static_cast<int>(text.size());
}

QString Space(int count)
{
    return String(count, QLatin1Char(' '));
}

QString String(int count, QChar character)
{
    requireArgument(count >= 0);
    return QString(count, character);
}

QString String(int count, const QString &character)
{
    requireArgument(!character.isEmpty());
    return String(count, character.at(0));
}

} // namespace rt
