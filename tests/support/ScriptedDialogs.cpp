#include "support/ScriptedDialogs.h"

#include "platform/ui/DialogText.h"
#include "platform/ui/MsgBoxLayout.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace support {

namespace {

QString kindName(ShownBox::Kind kind)
{
    return kind == ShownBox::Kind::Message ? QStringLiteral("message box") : QStringLiteral("input box");
}

QString describeBox(const ShownBox &box)
{
    return QStringLiteral("%1 titled \"%2\" saying \"%3\"").arg(kindName(box.kind), box.title, box.text);
}

bool hasButton(const ui::MsgBoxLayout &layout, int answer)
{
    return std::any_of(layout.buttons.begin(), layout.buttons.end(),
                       [answer](ui::MsgBoxResult button) { return button == answer; });
}

} // namespace

BoxMatch BoxMatch::any()
{
    return {};
}

BoxMatch BoxMatch::text(const QString &wholeText)
{
    BoxMatch match;
    match.m_text = ui::normalizeLineBreaks(wholeText);
    return match;
}

BoxMatch BoxMatch::textContaining(const QString &part)
{
    BoxMatch match = text(part);
    match.m_partial = true;
    return match;
}

BoxMatch BoxMatch::title(const QString &title)
{
    return any().withTitle(title);
}

BoxMatch BoxMatch::withTitle(const QString &title) const
{
    BoxMatch match = *this;
    match.m_title = ui::shownTitle(title);
    return match;
}

bool BoxMatch::matches(const QString &shownTitle, const QString &shownText) const
{
    if (m_title && *m_title != shownTitle)
        return false;
    if (!m_text)
        return true;
    return m_partial ? shownText.contains(*m_text) : shownText == *m_text;
}

QString BoxMatch::describe() const
{
    QStringList parts;
    if (m_title)
        parts << QStringLiteral("titled \"%1\"").arg(*m_title);
    if (m_text)
        parts << QStringLiteral("%1 \"%2\"")
                     .arg(m_partial ? QStringLiteral("containing") : QStringLiteral("saying"), *m_text);
    return parts.isEmpty() ? QStringLiteral("any") : parts.join(QLatin1Char(' '));
}

ScriptedDialogs::ScriptedDialogs()
    : m_previous(&ui::dialogService())
{
    ui::setDialogService(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    verify();
    ui::setDialogService(m_previous);
}

void ScriptedDialogs::expectMsgBox(const BoxMatch &match, int answer)
{
    m_expected.push_back({ShownBox::Kind::Message, match, answer, {}});
}

void ScriptedDialogs::expectInputBox(const BoxMatch &match, const QString &typedText)
{
    m_expected.push_back({ShownBox::Kind::Input, match, ui::vbOK, typedText});
}

void ScriptedDialogs::verify()
{
    for (const Expected &expected : m_expected) {
        ADD_FAILURE() << "Expected " << kindName(expected.kind).toStdString()
                      << " never shown: " << expected.match.describe().toStdString();
    }
    m_expected.clear();
}

std::optional<ScriptedDialogs::Expected> ScriptedDialogs::takeExpected(const ShownBox &box)
{
    if (m_expected.empty()) {
        ADD_FAILURE() << "Unexpected " << describeBox(box).toStdString();
        return std::nullopt;
    }
    const Expected next = m_expected.front();
    if (next.kind != box.kind || !next.match.matches(box.title, box.text)) {
        ADD_FAILURE() << "Unexpected " << describeBox(box).toStdString()
                      << "; expected next: " << kindName(next.kind).toStdString() << " "
                      << next.match.describe().toStdString();
        return std::nullopt;
    }
    m_expected.pop_front();
    return next;
}

int ScriptedDialogs::msgBox(const QString &text, int style, const QString &title)
{
    ShownBox box{ShownBox::Kind::Message, ui::shownTitle(title), ui::normalizeLineBreaks(text), style, {}, 0, {}};
    const ui::MsgBoxLayout layout = ui::msgBoxLayout(style);
    box.answer = layout.buttons.front();
    if (const auto expected = takeExpected(box)) {
        if (hasButton(layout, expected->answer))
            box.answer = expected->answer;
        else
            ADD_FAILURE() << "Scripted answer " << expected->answer << " is not a button of the "
                          << describeBox(box).toStdString() << " (style " << style << ")";
    }
    m_shown.push_back(box);
    return box.answer;
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    ShownBox box{ShownBox::Kind::Input, ui::shownTitle(title), ui::normalizeLineBreaks(prompt), 0, defaultText, 0, {}};
    if (const auto expected = takeExpected(box))
        box.typedText = expected->typedText;
    m_shown.push_back(box);
    return box.typedText;
}

} // namespace support
