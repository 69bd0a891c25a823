#pragma once
// The text the user typed into a spin field. The field forces what it holds into its range when
// it loses the focus or Enter is pressed: an emptied field, a typed 0 or letters would silently
// become a limit or the old value. Dialogs read this text instead, so a refusal can say what was
// typed.

#include <functional>
#include <optional>
#include <string>

#include <wx/string.h>

#include "dialogs/typed_amount.h"

class Prompter;
class wxSpinCtrlBase;

class TypedSpinText {
public:
    TypedSpinText() = default;
    TypedSpinText(const TypedSpinText&) = delete;
    TypedSpinText& operator=(const TypedSpinText&) = delete;

    /// Follows `field`, which accepts what `accepts` reads, from now on. Its keys and clicks change
    /// the typed text; a change the field makes by itself replaces it only while the typed text
    /// would be accepted. `onTyped`, when given, hears every change of the typed text.
    void track(wxSpinCtrlBase* field, AmountField accepts, std::function<void()> onTyped = {});

    wxSpinCtrlBase* field() const { return m_field; }
    const wxString& text() const { return m_text; }
    std::string utf8() const { return m_text.utf8_string(); }
    /// The typed text read as the field accepts it.
    TypedAmount read() const { return readTypedAmount(utf8(), m_accepts); }
    /// The typed text differs from what the program put into the field: a value left alone
    /// keeps its exact amount, which the field may show rounded.
    bool edited() const { return m_text != m_shown; }
    /// The program set the field: what it shows counts as typed.
    void takeShown();
    /// After a refusal: a text that is no number is shown again, a number the field cannot hold
    /// as the nearest allowed value; the text is selected and the field gets the cursor.
    void showRefused();

private:
    wxSpinCtrlBase* m_field = nullptr;
    AmountField m_accepts;
    wxString m_text;
    wxString m_shown;         ///< what the program last put into the field
    bool m_userEdit = false;  ///< a key or mouse button of the user is being handled
};

/// The typed text read as its field accepts it (in the field's unit). A refusal is shown through
/// `prompter` under `title`, the field shows the refused text (showRefused) and nothing returns.
std::optional<double> acceptTyped(TypedSpinText& typed, Prompter& prompter,
                                  const std::string& title);
