#pragma once

#include <QString>

// The text functions the program uses. Positions are 1-based; a bad position or length raises
// RuntimeError 5 (invalid procedure call).
namespace rt {

// How texts are compared: code by code, or ignoring letter case.
enum class CompareMode { Binary = 0, Text = 1 };

// Position of `find` in `text` from `start`, or 0. An empty `find` gives `start` (0 past the end);
// an empty `text` gives 0. Throws 5 when start < 1.
int InStr(int start, const QString &text, const QString &find, CompareMode mode = CompareMode::Binary);
int InStr(const QString &text, const QString &find, CompareMode mode = CompareMode::Binary);
// Whether `text` holds `word` (upper-case ASCII), letter case ignored: InStr(text, word, Text) > 0,
// quicker (it runs on every statement the program sends).
bool containsIgnoringCase(const QString &text, QLatin1String word);

// Position of the last `find` that ends at or before `start` (-1: the end of `text`), or 0.
// Throws 5 when start is 0 or below -1.
int InStrRev(const QString &text, const QString &find, int start = -1, CompareMode mode = CompareMode::Binary);

// `text` with every occurrence of `find` replaced, left to right, without rescanning the replacement.
QString Replace(const QString &text, const QString &find, const QString &replacement,
                CompareMode mode = CompareMode::Binary);

// -1, 0 or 1 as `a` sorts before, equal to or after `b`.
int StrComp(const QString &a, const QString &b, CompareMode mode = CompareMode::Binary);

// Blanks (not tabs nor line breaks) removed from both ends, the start or the end.
QString Trim(const QString &text);
QString LTrim(const QString &text);
QString RTrim(const QString &text);

// The first / last `length` characters (all when longer). Throw 5 when length < 0.
QString Left(const QString &text, int length);
QString Right(const QString &text, int length);
// From `start` on, `length` characters (-1: to the end). Throws 5 when start < 1 or length < -1.
QString Mid(const QString &text, int start, int length = -1);

QString UCase(const QString &text);
QString LCase(const QString &text);
// StrConv's proper case: the first letter of each word upper case, every other letter lower case;
// words are separated by blanks, tabs and line breaks.
QString ProperCase(const QString &text);
int Len(const QString &text);

// `count` blanks; throws 5 when count < 0.
QString Space(int count);
// `count` times `character` (the first character of a text); throws 5 when count < 0 or the text is empty.
QString String(int count, QChar character);
QString String(int count, const QString &character);

} // namespace rt
