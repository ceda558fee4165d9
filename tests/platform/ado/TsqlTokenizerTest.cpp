// Lexing of the program's T-SQL: literals, quoted names and comments.
#include "AdoFixture.h"

#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <vector>

namespace {

using ado::sqlite::TsqlToken;
using Kind = TsqlToken::Kind;

struct Lexed {
    Kind kind;
    const char *text;
};

struct TokenizerCase {
    const char *name;
    const char *tsql;
    std::vector<Lexed> tokens;
};

// Listed and reported by its name.
void PrintTo(const TokenizerCase &c, std::ostream *os)
{
    *os << c.name;
}

class TsqlTokenizer : public ::testing::TestWithParam<TokenizerCase> { };

TEST_P(TsqlTokenizer, SplitsTheText)
{
    const QList<TsqlToken> tokens = ado::sqlite::tokenizeTsql(QString::fromUtf8(GetParam().tsql));
    ASSERT_EQ(tokens.size(), static_cast<qsizetype>(GetParam().tokens.size()));
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens.at(i).kind, GetParam().tokens.at(i).kind) << "token " << i;
        EXPECT_EQ(tokens.at(i).text, QString::fromUtf8(GetParam().tokens.at(i).text)) << "token " << i;
    }
}

const TokenizerCase tokenizerCases[] = {
    {"DoubledQuotesInsideLiteral",
     "'O''Brien' + ''''",
     {{Kind::String, "O'Brien"}, {Kind::Operator, "+"}, {Kind::String, "'"}}},
    {"NationalLiteral", "N'año' n'x'", {{Kind::String, "año"}, {Kind::String, "x"}}},
    {"EmptyLiteral", "=''", {{Kind::Operator, "="}, {Kind::String, ""}}},
    {"LiteralHoldsCommentMarksAndSemicolons", "'a -- b /* c */; d'", {{Kind::String, "a -- b /* c */; d"}}},
    {"BracketedNames",
     "[DEBE-HABER].[a]]b]",
     {{Kind::QuotedName, "DEBE-HABER"}, {Kind::Dot, "."}, {Kind::QuotedName, "a]b"}}},
    {"DoubleQuotedNames", "\"Fecha Alta\" \"a\"\"b\"", {{Kind::QuotedName, "Fecha Alta"}, {Kind::QuotedName, "a\"b"}}},
    {"LineComment",
     "SELECT 1 -- it's a comment\n, 2",
     {{Kind::Word, "SELECT"}, {Kind::Number, "1"}, {Kind::Comma, ","}, {Kind::Number, "2"}}},
    {"NestedBlockComment", "a/* x /* y */ 'z */b", {{Kind::Word, "a"}, {Kind::Word, "b"}}},
    {"Numbers",
     "12 1.5 .5 1e3 2E-2 0x1F",
     {{Kind::Number, "12"},
      {Kind::Number, "1.5"},
      {Kind::Number, ".5"},
      {Kind::Number, "1e3"},
      {Kind::Number, "2E-2"},
      {Kind::Number, "0x1F"}}},
    {"ComparisonOperators",
     "a<>b!=c<=d>=e!<f",
     {{Kind::Word, "a"},
      {Kind::Operator, "<>"},
      {Kind::Word, "b"},
      {Kind::Operator, "!="},
      {Kind::Word, "c"},
      {Kind::Operator, "<="},
      {Kind::Word, "d"},
      {Kind::Operator, ">="},
      {Kind::Word, "e"},
      {Kind::Operator, "!<"},
      {Kind::Word, "f"}}},
    {"MinusBeforeNumberIsAnOperator", "x-1", {{Kind::Word, "x"}, {Kind::Operator, "-"}, {Kind::Number, "1"}}},
    {"VariablesAndTemporaryNames",
     "@@IDENTITY @id #t ##g",
     {{Kind::Variable, "@@IDENTITY"}, {Kind::Variable, "@id"}, {Kind::TempName, "#t"}, {Kind::TempName, "##g"}}},
    {"PrefixedNamesOfTheProgram", "@Admin_V_TA_Cajas", {{Kind::Variable, "@Admin_V_TA_Cajas"}}},
    {"WordsWithAccentsAndDigits", "Año_2 cbct1", {{Kind::Word, "Año_2"}, {Kind::Word, "cbct1"}}},
    {"Punctuation",
     "f(a,b);",
     {{Kind::Word, "f"},
      {Kind::OpenParen, "("},
      {Kind::Word, "a"},
      {Kind::Comma, ","},
      {Kind::Word, "b"},
      {Kind::CloseParen, ")"},
      {Kind::Semicolon, ";"}}},
    {"BlankOnlyText", "  \r\n\t ", {}},
};

INSTANTIATE_TEST_SUITE_P(Lexing, TsqlTokenizer, ::testing::ValuesIn(tokenizerCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST(TsqlTokenizerSpacing, MarksTokensAfterBlanksOrComments)
{
    const QList<TsqlToken> tokens = ado::sqlite::tokenizeTsql(QStringLiteral("a.b /**/c(d)"));
    std::vector<bool> spaced;
    for (const TsqlToken &token : tokens)
        spaced.push_back(token.spaced);
    EXPECT_EQ(spaced, (std::vector<bool>{false, false, false, true, false, false, false}));
}

TEST(TsqlTokenizerErrors, UnterminatedPiecesAreSyntaxErrors)
{
    const char *cases[] = {"SELECT 'abc", "SELECT 'it''s", "SELECT [abc", "SELECT \"abc", "SELECT 1 /* open /* */"};
    for (const char *tsql : cases) {
        const auto errors = engineErrorsOf([&] { ado::sqlite::tokenizeTsql(QString::fromUtf8(tsql)); });
        ASSERT_EQ(errors.size(), 1) << tsql;
        EXPECT_EQ(errors.first().Number, -2147217900) << tsql;
        EXPECT_EQ(errors.first().NativeError, 102) << tsql;
        EXPECT_EQ(errors.first().SQLState, QStringLiteral("42000")) << tsql;
        EXPECT_TRUE(errors.first().Description.startsWith(QStringLiteral("Incorrect syntax near '"))) << tsql;
    }
}

} // namespace
