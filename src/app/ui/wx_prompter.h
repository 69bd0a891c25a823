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
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultValue) override;

private:
    wxWindow* m_parent;
};
