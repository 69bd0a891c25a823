#pragma once
// The one way the program talks to the user in message boxes: notices, questions with buttons,
// and text entry. Windows implement it with toolkit dialogs (wx_prompter.h); tests use
// ScriptedPrompter, which records every prompt and answers from a queue.

#include <optional>
#include <string>

/// Standard dialog result codes (the toolkit's identifiers).
inline constexpr int kIdOk = 5100;
inline constexpr int kIdCancel = 5101;
inline constexpr int kIdYes = 5103;
inline constexpr int kIdNo = 5104;

/// The icon of a message box.
enum class PromptIcon { Info, Exclamation, Error, Question };

/// The buttons of a question.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };

class Prompter {
public:
    virtual ~Prompter() = default;

    /// A notice with an OK button.
    virtual void showMessage(const std::string& title, const std::string& text,
                             PromptIcon icon) = 0;

    /// A question; `defaultButton` is one of the ids of `buttons`. Returns the id of the button
    /// pressed (kIdOk, kIdCancel, kIdYes or kIdNo); closing the box counts as Cancel, or as No
    /// when there is no Cancel button.
    virtual int ask(const std::string& title, const std::string& text, PromptButtons buttons,
                    int defaultButton, PromptIcon icon) = 0;

    /// A Yes/No question whose buttons carry their own labels ("&&" shows as "&"); No is the
    /// default and closing the box answers No. Returns kIdYes or kIdNo.
    virtual int askLabelled(const std::string& title, const std::string& text,
                            const std::string& yesLabel, const std::string& noLabel,
                            PromptIcon icon) {
        (void)yesLabel;
        (void)noLabel;
        return ask(title, text, PromptButtons::YesNo, kIdNo, icon);
    }

    /// A notice with `text` and below it `copyable` (a web address, a path) in a read-only field
    /// that the user can select and copy. Without such a field the address ends the message.
    virtual void showCopyable(const std::string& title, const std::string& text,
                              const std::string& copyable, PromptIcon icon) {
        showMessage(title, text + "\n\n" + copyable, icon);
    }

    /// A one-line text entry preset with `defaultValue`; empty when the user cancels.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                               const std::string& defaultValue) = 0;
};
