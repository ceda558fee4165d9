#include "PruebaComponentes.h"

#include "components/Dll_Texto.h"
#include "components/TeclasTexto.h"
#include "platform/runtime/Regional.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A box as a window hands it to the key filter: key-press through gTexto->ClsDatosOk.
std::unique_ptr<QLineEdit> cajaConRegla(const QString &tag, int largo)
{
    auto box = std::make_unique<QLineEdit>();
    setTag(box.get(), tag);
    setMaxLength(box.get(), largo);
    TeclasTexto::instalar(box.get(), {}, [](QLineEdit *caja, qint16 &KeyAscii) { gTexto->ClsDatosOk(caja, KeyAscii); });
    return box;
}

struct CasoTeclas {
    const char *nombre;
    const char *tag;
    int largo;
    const char *textoInicial;
    int caretInicial;
    const char *teclas;
    const char *textoFinal;
    int caretFinal;
};

// Carets count the characters before them; the rules write on the character before the caret.
TEST_F(PruebaComponentes, TypingGivesTheRulesText)
{
    const CasoTeclas casos[] = {
        {"EightDigitsFillTheLayoutAndTheCaretWraps", "FECHA", 10, "", 0, "12052026", "12/05/2026", 0},
        {"ADigitAfterTheWrapOverwritesTheFirst", "FECHA", 10, "12/05/2026", 0, "9", "92/05/2026", 2},
        {"TheTagIgnoresLetterCase", "fecha", 10, "", 0, "31", "31/  /    ", 3},
        {"ALetterIsDroppedAndTheLayoutRewritten", "FECHA", 10, "", 0, "x", "  /  /    ", 1},
        {"ALetterBlanksStrayCharactersOfTheText", "FECHA", 10, "1a/0b/2026", 4, "x", "1 /0 /2026", 4},
        {"BackspaceOnASlashBlanksTheDigitBefore", "FECHA", 10, "12/05/2026", 3, "\b", "1 /05/2026", 1},
        {"BackspaceAtTheStartBlanksTheFirstDigit", "FECHA", 10, "12/05/2026", 1, "\b", " 2/05/2026", 0},
        {"BackspaceOnTheSecondSlash", "FECHA", 10, "12/05/2026", 6, "\b", "12/0 /2026", 4},
        {"EnterOnAnInvalidDateEmptiesTheBox", "FECHA", 10, "31/02/2026", 10, "\r", "", 0},
        {"EnterOnAnIncompleteDateEmptiesTheBox", "FECHA", 10, "12/05/    ", 6, "\r", "", 0},
        {"EnterKeepsAValidDate", "FECHA", 10, "12/05/2026", 10, "\r", "12/05/2026", 10},
        {"EnterKeepsADateWithATwoDigitYear", "FECHA", 10, "12/05/26", 8, "\r", "12/05/26  ", 8},
        {"DigitsAndTheDecimalComma", "", 0, "", 0, "12,5", "12,5", 4},
        {"APointArrivesAsTheDecimalSymbol", "", 0, "", 0, "12.5", "12,5", 4},
        {"ASecondDecimalSymbolIsDropped", "", 0, "", 0, "1,2.3,", "1,23", 4},
        {"LettersAndBlanksAreDropped", "", 0, "", 0, "1a b2", "12", 2},
        {"MinusSignsPassAnywhere", "", 0, "", 0, "-5-", "-5-", 3},
        {"BackspaceStillDeletes", "", 0, "", 0, "123\b", "12", 2},
        {"EnterIsDropped", "", 0, "45", 2, "\r", "45", 2},
        {"ABoxWithALengthIsNoNumberBox", "", 8, "", 0, "ab.1", "ab.1", 4},
        {"FourDigitsFillTheLayout", "FMTHORA", 5, "", 0, "1230", "12:30", 0},
        {"TheColonIsSkipped", "FMTHORA", 5, "12:  ", 3, "4", "12:4 ", 5},
        {"ALetterIsDropped", "FMTHORA", 5, "12:30", 2, "h", "12:30", 2},
        {"EnterKeepsAValidTime", "FMTHORA", 5, "09:45", 5, "\r", "09:45", 5},
        {"EnterEmptiesAnInvalidTime", "FMTHORA", 5, "25:61", 5, "\r", "", 0},
        // The box then applies Backspace itself to the rewritten text.
        {"BackspaceBlanksThenTheBoxDeletes", "FMTHORA", 5, "12:30", 5, "\b", "12: ", 3},
        {"LettersBecomeCapitalsAndTheBlankIsSkipped", "FMTPATENTE", 7, "", 0, "abc123", "ABC 123", 7},
        {"ADigitAmongTheLettersIsBlanked", "FMTPATENTE", 7, "", 0, "a1", "A      ", 3},
        {"ALetterAmongTheDigitsIsBlanked", "FMTPATENTE", 7, "ABC    ", 4, "x", "ABC    ", 6},
        {"EnterKeepsAPlateWithThreeLetters", "FMTPATENTE", 7, "ABC 123", 7, "\r", "ABC 123", 7},
        {"EnterEmptiesAPlateWithoutItsThirdLetter", "FMTPATENTE", 7, "AB  123", 7, "\r", "", 0},
    };
    for (const CasoTeclas &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const auto box = cajaConRegla(caso.tag, caso.largo);
        box->setText(caso.textoInicial);
        box->setCursorPosition(caso.caretInicial);
        teclear(box.get(), caso.teclas);
        EXPECT_EQ(box->text(), caso.textoFinal);
        EXPECT_EQ(box->cursorPosition(), caso.caretFinal);
    }
}

TEST_F(PruebaComponentes, TheDecimalSymbolFollowsTheRegionalSettings)
{
    EXPECT_EQ(gTexto->SimboloDec(), ",");
    const rt::RegionalScope ingles(rt::RegionalSettings::englishUnitedStates());
    EXPECT_EQ(gTexto->SimboloDec(), ".");
    const auto box = cajaConRegla({}, 0);
    teclear(box.get(), "3,5,");
    EXPECT_EQ(box->text(), "3.5");
}

TEST_F(PruebaComponentes, TheFilterChangesTheCallersKeyAndReturnsIt)
{
    QLineEdit numero;
    qint16 punto = '.';
    EXPECT_EQ(gTexto->ClsDatosOk(&numero, punto), ',');
    EXPECT_EQ(punto, ',');

    QLineEdit libre;
    setMaxLength(&libre, 20);
    qint16 letra = 'q';
    qint16 enter = 13;
    EXPECT_EQ(gTexto->ClsDatosOk(&libre, letra), 'q');
    EXPECT_EQ(gTexto->ClsDatosOk(&libre, enter), 0);
}

TEST_F(PruebaComponentes, ARuleWidthOfZeroLeavesTheBoxOpenToLongNumbers)
{
    const auto box = cajaConRegla({}, 0);
    const QString largo(40, QLatin1Char('7'));
    teclear(box.get(), largo);
    EXPECT_EQ(box->text(), largo);
    EXPECT_EQ(MaxLength(box.get()), 0);
}

} // namespace
