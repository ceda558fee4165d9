#include "support/TestHelpers.h"

#include "platform/runtime/Text.h"

#include <functional>
#include <gtest/gtest.h>

using namespace rt;

namespace {

const QString abc = QStringLiteral("abcABCabc");

TEST(TextFunctions, InStrFindsFromAStart)
{
    struct Case {
        int start;
        QString text, find;
        CompareMode mode;
        int position;
    };
    const Case cases[] = {
        {1, abc, "ABC", CompareMode::Binary, 4},
        {1, abc, "ABC", CompareMode::Text, 1},
        {2, abc, "abc", CompareMode::Binary, 7},
        {2, abc, "abc", CompareMode::Text, 4},
        {8, abc, "abc", CompareMode::Binary, 0},
        {1, abc, "x", CompareMode::Binary, 0},
        {3, abc, "", CompareMode::Binary, 3},
        {10, abc, "", CompareMode::Binary, 10},
        {11, abc, "", CompareMode::Binary, 0},
        {1, "", "", CompareMode::Binary, 0},
        {1, QString::fromUtf8("AÑO"), QString::fromUtf8("ño"), CompareMode::Text, 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(InStr(c.start, c.text, c.find, c.mode), c.position) << c.start << qPrintable(c.find);
    EXPECT_EQ(InStr(QStringLiteral("a,b"), QStringLiteral(",")), 2);
    EXPECT_EQ(errorNumber([] { InStr(0, abc, QStringLiteral("a")); }), err::InvalidProcedureCall);
}

TEST(TextFunctions, InStrRevFindsTheLastEndingBeforeStart)
{
    EXPECT_EQ(InStrRev(abc, QStringLiteral("abc")), 7);
    EXPECT_EQ(InStrRev(abc, QStringLiteral("abc"), 8), 1);
    EXPECT_EQ(InStrRev(abc, QStringLiteral("abc"), 8, CompareMode::Text), 4);
    EXPECT_EQ(InStrRev(abc, QStringLiteral("abc"), 2), 0);
    EXPECT_EQ(InStrRev(QStringLiteral("C:\\dir\\file.txt"), QStringLiteral("\\")), 7);
    EXPECT_EQ(InStrRev(abc, QStringLiteral("a"), 10), 0);
    EXPECT_EQ(InStrRev(abc, QString(), 5), 5);
    EXPECT_EQ(errorNumber([] { InStrRev(abc, QStringLiteral("a"), 0); }), err::InvalidProcedureCall);
}

TEST(TextFunctions, ReplaceChangesEveryOccurrence)
{
    struct Case {
        QString text, find, replacement;
        CompareMode mode;
        QString result;
    };
    const Case cases[] = {
        {"1.234,5", ",", ".", CompareMode::Binary, "1.234.5"},
        {abc, "abc", "x", CompareMode::Binary, "xABCx"},
        {abc, "abc", "x", CompareMode::Text, "xxx"},
        {"aaa", "a", "aa", CompareMode::Binary, "aaaaaa"},
        {"aaaa", "aa", "a", CompareMode::Binary, "aa"},
        {"sin cambio", "", "x", CompareMode::Binary, "sin cambio"},
        {"O'Brien", "'", "''", CompareMode::Binary, "O''Brien"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Replace(c.text, c.find, c.replacement, c.mode), c.result) << qPrintable(c.text);
}

TEST(TextFunctions, StrCompWithCompareMode)
{
    EXPECT_EQ(StrComp(QStringLiteral("abc"), QStringLiteral("ABC"), CompareMode::Text), 0);
    EXPECT_EQ(StrComp(QStringLiteral("abc"), QStringLiteral("ABC")), 1);
    EXPECT_EQ(StrComp(QStringLiteral("a"), QStringLiteral("B"), CompareMode::Text), -1);
    EXPECT_EQ(StrComp(QStringLiteral("a"), QStringLiteral("B"), CompareMode::Binary), 1);
    EXPECT_EQ(StrComp(QString::fromUtf8("Peña"), QString::fromUtf8("PEÑA"), CompareMode::Text), 0);
}

TEST(TextFunctions, TrimsBlanksOnly)
{
    const QString padded = QStringLiteral("\t  a b  \n");
    EXPECT_EQ(Trim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(LTrim(QStringLiteral("  a b  ")), QStringLiteral("a b  "));
    EXPECT_EQ(RTrim(QStringLiteral("  a b  ")), QStringLiteral("  a b"));
    EXPECT_EQ(Trim(padded), padded);
    EXPECT_EQ(Trim(QStringLiteral("   ")), QString());
}

TEST(TextFunctions, PiecesOfText)
{
    const QString t = QStringLiteral("Comisiones");
    EXPECT_EQ(Left(t, 3), QStringLiteral("Com"));
    EXPECT_EQ(Left(t, 50), t);
    EXPECT_EQ(Right(t, 4), QStringLiteral("ones"));
    EXPECT_EQ(Right(t, 0), QString());
    EXPECT_EQ(Mid(t, 4, 3), QStringLiteral("isi"));
    EXPECT_EQ(Mid(t, 4), QStringLiteral("isiones"));
    EXPECT_EQ(Mid(t, 11), QString());
    EXPECT_EQ(Mid(t, 9, 10), QStringLiteral("es"));
    EXPECT_EQ(Len(t), 10);
    EXPECT_EQ(UCase(QString::fromUtf8("peña")), QString::fromUtf8("PEÑA"));
    EXPECT_EQ(LCase(QString::fromUtf8("ÁRBOL")), QString::fromUtf8("árbol"));
    EXPECT_EQ(ProperCase(QString::fromUtf8("un MIL pesos con 05/100\tñandú  x")),
              QString::fromUtf8("Un Mil Pesos Con 05/100\tÑandú  X"));
    const std::function<void()> badCalls[] = {[&] { Mid(t, 0, 1); }, [&] { Mid(t, 1, -2); }, [&] { Left(t, -1); },
                                              [&] { Right(t, -1); }};
    for (const auto &call : badCalls)
        EXPECT_EQ(errorNumber(call), err::InvalidProcedureCall);
}

TEST(TextFunctions, RepeatedCharacters)
{
    EXPECT_EQ(Space(3), QStringLiteral("   "));
    EXPECT_EQ(Space(0), QString());
    EXPECT_EQ(String(4, QStringLiteral("*-")), QStringLiteral("****"));
    EXPECT_EQ(String(2, QLatin1Char('0')), QStringLiteral("00"));
    EXPECT_EQ(errorNumber([] { Space(-1); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([] { String(2, QString()); }), err::InvalidProcedureCall);
}

} // namespace
