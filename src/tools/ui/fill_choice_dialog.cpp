#include "tools/ui/fill_choice_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "tools/autofill.h"

FillChoiceDialog::FillChoiceDialog(wxWindow* parent, const std::string& title,
                                   const std::string& heading,
                                   const std::vector<std::string>& lines, const wxSize& size)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(title), wxDefaultPosition, size,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(heading)), 0, wxALL, 8);
    wxArrayString items;
    for (const std::string& line : lines) {
        items.Add(wxString::FromUTF8(line));
    }
    m_list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, items, wxLB_SINGLE);
    if (!lines.empty()) {
        m_list->SetSelection(0);
    }
    top->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* place = new wxButton(this, wxID_OK, "Place");
    place->SetDefault();
    buttons->Add(place, 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    if (size == wxDefaultSize) {
        m_list->SetMinSize(FromDIP(wxSize(460, 200)));
        SetSizerAndFit(top);
    } else {
        SetSizer(top);
        Layout();
    }
    CentreOnParent();

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Place(); }, wxID_OK);
    m_list->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Place(); });
}

int FillChoiceDialog::choice() const {
    return m_list->GetSelection() == wxNOT_FOUND ? -1 : m_list->GetSelection();
}

void FillChoiceDialog::Place() {
    if (m_list->GetSelection() != wxNOT_FOUND) {
        EndModal(wxID_OK);
    }
}

bool runAutofillCommand(wxWindow* canvas, LayoutEditor& editor, Prompter& prompter) {
    return autofillGapCommand(
        editor, prompter, [canvas](const GapSearch& search, const std::vector<std::string>& lines) {
            FillChoiceDialog dialog(canvas, kAutofillDialogTitle, gapHeading(search.gap), lines,
                                    wxSize(380, 320));
            return dialog.ShowModal() == wxID_OK ? dialog.choice() : -1;
        });
}

std::string runTargetHeight(wxWindow* parent, LayoutEditor& editor, Prompter& prompter,
                            const TargetFillStart& start, double distanceMm) {
    return askTargetHeight(
        editor, prompter, start, distanceMm, [parent](const TargetFillChoice& choice) {
            FillChoiceDialog dialog(parent, kSelectTrackTitle, choice.text, choice.lines);
            return dialog.ShowModal() == wxID_OK ? dialog.choice() : -1;
        });
}
