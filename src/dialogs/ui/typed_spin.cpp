#include "dialogs/ui/typed_spin.h"

#include <wx/spinctrl.h>

#include "app/prompter.h"

void TypedSpinText::track(wxSpinCtrlBase* field, AmountField accepts,
                          std::function<void()> onTyped) {
    m_field = field;
    m_accepts = std::move(accepts);
    takeShown();
    const auto userInput = [this](auto& event) {
        m_userEdit = true;
        m_field->CallAfter([this] { m_userEdit = false; });
        event.Skip();
    };
    field->Bind(wxEVT_KEY_DOWN, [userInput](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_TAB) {
            event.Skip();
            return;
        }
        userInput(event);
    });
    field->Bind(wxEVT_LEFT_DOWN, userInput);
    field->Bind(wxEVT_MIDDLE_DOWN, userInput);
    field->Bind(wxEVT_MOUSEWHEEL, userInput);
    field->Bind(wxEVT_TEXT, [this, onTyped = std::move(onTyped)](wxCommandEvent& event) {
        if (m_userEdit || read().problem.empty()) {
            m_text = event.GetString();
            if (onTyped) {
                onTyped();
            }
        }
        event.Skip();
    });
}

void TypedSpinText::takeShown() {
    m_text = m_field->GetTextValue();
    m_shown = m_text;
}

void TypedSpinText::showRefused() {
    m_field->SetValue(m_text);
    m_text = m_field->GetTextValue();
    m_field->SetFocus();
    m_field->SetSelection(-1, -1);
}

std::optional<double> acceptTyped(TypedSpinText& typed, Prompter& prompter,
                                  const std::string& title) {
    const TypedAmount amount = typed.read();
    if (amount.problem.empty()) {
        return amount.value;
    }
    prompter.showMessage(title, amount.problem, PromptIcon::Exclamation);
    typed.showRefused();
    return std::nullopt;
}
