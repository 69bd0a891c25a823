#pragma once
// Prompts shown as the toolkit's modal message boxes and text-entry dialogs. Words too long for
// one line (long names and paths) get line breaks in the box only; the texts themselves are not
// changed.

#include "app/prompter.h"

class wxWindow;

class WxPrompter : public Prompter {
public:
    /// Boxes are centred on `parent` (may be null).
    explicit WxPrompter(wxWindow* parent) : m_parent(parent) {}

    void showMessage(const std::string& title, const std::string& text, PromptIcon icon) override;
    int ask(const std::string& title, const std::string& text, PromptButtons buttons,
            int defaultButton, PromptIcon icon) override;
    int askLabelled(const std::string& title, const std::string& text,
                    const std::string& yesLabel, const std::string& noLabel,
                    PromptIcon icon) override;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultValue) override;
    /// A small dialog: the text, the copyable part in a read-only field with its text selected,
    /// a "Copy Address" button that puts it on the clipboard, and OK.
    void showCopyable(const std::string& title, const std::string& text,
                      const std::string& copyable, PromptIcon icon) override;

    /// Window name of the read-only field of showCopyable, for finding it.
    static constexpr const char* kCopyableFieldName = "copyableText";

private:
    wxWindow* m_parent;
};
