#pragma once

#include "platform/ui/Dialogs.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

namespace support {

// Which box an expectation stands for: by title and/or text, the text whole or in part.
// Texts compare with their line breaks normalised, so "a\r\nb" and "a\nb" are the same text;
// a box given an empty title is seen with the application's title.
class BoxMatch {
public:
    static BoxMatch any();
    static BoxMatch text(const QString &wholeText);
    static BoxMatch textContaining(const QString &part);
    static BoxMatch title(const QString &title);
    BoxMatch withTitle(const QString &title) const;

    bool matches(const QString &shownTitle, const QString &shownText) const;
    QString describe() const;

private:
    std::optional<QString> m_title;
    std::optional<QString> m_text;
    bool m_partial = false;
};

// One box the program showed, as the user would have seen it, and the answer it got.
struct ShownBox {
    enum class Kind { Message, Input };
    Kind kind = Kind::Message;
    QString title;
    QString text;
    int style = 0; // message boxes
    QString defaultText; // input boxes
    int answer = 0; // message boxes
    QString typedText; // input boxes
};

// The dialog service of tests. Each expected box, in order, is answered as scripted; every box
// is recorded. A box that is not the next expected one fails the current test and gets the
// first button (or Cancel, for an input box); so does a scripted answer the box has no button
// for. Expected boxes never shown fail the test at verify() or at destruction.
// Installs itself on construction and puts back the service it replaced on destruction.
class ScriptedDialogs : public ui::DialogService {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    // The next box is a message box like `match`, answered with `answer` (vbOK ... vbNo).
    void expectMsgBox(const BoxMatch &match, int answer = ui::vbOK);
    // The next box is an input box like `match`, answered with `typedText` ("" is Cancel).
    void expectInputBox(const BoxMatch &match, const QString &typedText);

    // Fails the current test once for each expected box not shown yet, and forgets them.
    void verify();

    const std::vector<ShownBox> &shown() const { return m_shown; }

    int msgBox(const QString &text, int style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;

private:
    struct Expected {
        ShownBox::Kind kind;
        BoxMatch match;
        int answer;
        QString typedText;
    };

    std::optional<Expected> takeExpected(const ShownBox &box);

    ui::DialogService *m_previous;
    std::deque<Expected> m_expected;
    std::vector<ShownBox> m_shown;
};

} // namespace support
