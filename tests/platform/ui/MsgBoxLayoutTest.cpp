#include "platform/ui/MsgBoxLayout.h"
#include "platform/ui/DialogText.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace ui;

namespace {

TEST(MsgBoxLayout, ButtonSetsInTheOrderShownWithTheirEscapeAnswer)
{
    struct Case {
        int style;
        std::vector<MsgBoxResult> buttons;
        std::optional<MsgBoxResult> escape;
    };
    const Case cases[] = {
        {vbOKOnly, {vbOK}, vbOK},
        {vbOKCancel, {vbOK, vbCancel}, vbCancel},
        {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}, std::nullopt},
        {vbYesNoCancel, {vbYes, vbNo, vbCancel}, vbCancel},
        {vbYesNo, {vbYes, vbNo}, std::nullopt},
        {vbRetryCancel, {vbRetry, vbCancel}, vbCancel},
        // Icon and default-button bits do not change the buttons.
        {vbYesNo + vbQuestion + vbDefaultButton2, {vbYes, vbNo}, std::nullopt},
        {vbRetryCancel + vbCritical, {vbRetry, vbCancel}, vbCancel},
        // Button sets the program never asks for show OK alone.
        {6, {vbOK}, vbOK},
        {15, {vbOK}, vbOK},
    };
    for (const Case &c : cases) {
        const MsgBoxLayout layout = msgBoxLayout(c.style);
        EXPECT_EQ(layout.buttons, c.buttons) << "style " << c.style;
        EXPECT_EQ(layout.escapeAnswer, c.escape) << "style " << c.style;
    }
}

TEST(MsgBoxLayout, IconBits)
{
    const std::pair<int, MsgBoxIcon> cases[] = {
        {vbOKOnly, MsgBoxIcon::None},
        {vbCritical, MsgBoxIcon::Critical},
        {vbQuestion + vbYesNo, MsgBoxIcon::Question},
        {vbExclamation + vbOKCancel, MsgBoxIcon::Exclamation},
        {vbInformation + vbDefaultButton2, MsgBoxIcon::Information},
        {80, MsgBoxIcon::None},
    };
    for (const auto &[style, icon] : cases)
        EXPECT_EQ(msgBoxLayout(style).icon, icon) << "style " << style;
}

TEST(MsgBoxLayout, DefaultButtonBitsFallBackToTheFirstButtonPastTheLast)
{
    const std::pair<int, std::size_t> cases[] = {
        {vbYesNoCancel, 0},
        {vbYesNoCancel + vbDefaultButton2, 1},
        {vbYesNoCancel + vbDefaultButton3, 2},
        {vbAbortRetryIgnore + vbDefaultButton3 + vbCritical, 2},
        {vbYesNo + vbDefaultButton3, 0},
        {vbOKOnly + vbDefaultButton2, 0},
        {vbYesNoCancel + 768, 0},
    };
    for (const auto &[style, index] : cases)
        EXPECT_EQ(msgBoxLayout(style).defaultButton, index) << "style " << style;
}

TEST(DialogText, EveryKindOfLineEndBecomesOneLineBreak)
{
    const std::pair<const char *, const char *> cases[] = {
        {"uno\r\ndos", "uno\ndos"},           {"uno\rdos", "uno\ndos"}, {"uno\ndos", "uno\ndos"},
        {"a\r\n\r\nb\rc\nd", "a\n\nb\nc\nd"}, {"fin\r", "fin\n"},       {"sin cortes", "sin cortes"},
    };
    for (const auto &[given, shown] : cases)
        EXPECT_EQ(normalizeLineBreaks(QString::fromUtf8(given)), QString::fromUtf8(shown)) << given;
}

} // namespace
