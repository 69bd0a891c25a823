#include "wizards/ui/bridge_wizard_dialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "wizards/ui/elevation_panel.h"

namespace {

constexpr double kLeastClearance = 10.0;   // mm
constexpr double kMostClearance = 300.0;   // mm
constexpr double kClearanceStep = 0.5;     // mm
constexpr double kZTrackClearance = 45.0;  // mm, Z-Track's start value

const char* kGradeTip =
    "Grade for CUSTOM clearances only (Marklin recommends 5%).\nSteeper = shorter wings but "
    "harder pulling; the catalog\ntable options above always use the printed Marklin profile.";

/// A number field at least `width` pixels wide; wider where the toolkit's spin buttons would
/// not fit beside the number otherwise.
wxSpinCtrlDouble* numberField(wxWindow* parent, int width, double min, double max, double start,
                              double step, int decimals) {
    auto* field = new wxSpinCtrlDouble(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                                       wxSP_ARROW_KEYS, min, max, start, step);
    field->SetDigits(static_cast<unsigned>(decimals));
    field->SetMinSize(wxSize(std::max(width, field->GetBestSize().x), -1));
    return field;
}

wxString unitSuffix(Units units) {
    return units == Units::Centimetres ? " cm" : units == Units::Inches ? " in" : " mm";
}

}  // namespace

BridgeWizardDialog::BridgeWizardDialog(wxWindow* parent, const BridgeKit& kit, Units units)
    : wxDialog(parent, wxID_ANY, "Bridge Wizard (Experimental)", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_kit(kit),
      m_units(units),
      m_composition(kit) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(buildClearanceBox(), 0, wxEXPAND | wxALL, 8);
    top->Add(buildGradeRow(), 0, wxLEFT | wxRIGHT, 8);
    top->Add(buildCompositionBox(), 0, wxEXPAND | wxALL, 8);
    m_preview = new ElevationPanel(this, m_kit, m_units);
    top->Add(m_preview, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    m_report = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(-1, 170),
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    m_report->SetFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE));
    top->Add(m_report, 0, wxEXPAND | wxALL, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK - then click the canvas to place");
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(top);
    recompute();
    CentreOnParent();
}

wxSizer* BridgeWizardDialog::buildClearanceBox() {
    auto* box =
        new wxStaticBoxSizer(wxVERTICAL, this, "1. Clearance - what runs UNDER the bridge?");
    wxWindow* inBox = box->GetStaticBox();
    const int decimals = m_units == Units::Millimetres ? 1 : 2;
    const double start =
        m_kit.profiles.empty() ? kZTrackClearance : m_kit.profiles.front().clearance;
    m_clearance = numberField(inBox, 90, toDisplay(kLeastClearance, m_units),
                              toDisplay(kMostClearance, m_units), toDisplay(start, m_units),
                              toDisplay(kClearanceStep, m_units), decimals);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (m_kit.profiles.empty()) {
        box->Add(new wxStaticText(inBox, wxID_ANY,
                                  "Z track: no Marklin pillar table yet - custom clearance only."),
                 0, wxALL, 4);
        row->Add(new wxStaticText(inBox, wxID_ANY, "Clearance:"), 0, wxALIGN_CENTER_VERTICAL);
    } else {
        for (const ClearanceProfile& profile : m_kit.profiles) {
            auto* radio = new wxRadioButton(
                inBox, wxID_ANY,
                wxString::FromUTF8(profile.name + " (" + bridgeLength(profile.clearance, m_units) +
                                   ")"),
                wxDefaultPosition, wxDefaultSize, m_profiles.empty() ? wxRB_GROUP : 0);
            radio->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { recompute(); });
            m_profiles.push_back(radio);
            box->Add(radio, 0, wxALL, 4);
        }
        m_profiles.front()->SetValue(true);
        m_custom = new wxRadioButton(inBox, wxID_ANY, "Custom clearance:");
        m_custom->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { recompute(); });
        row->Add(m_custom, 0, wxALIGN_CENTER_VERTICAL);
    }
    row->Add(m_clearance, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 6);
    row->Add(new wxStaticText(inBox, wxID_ANY, unitSuffix(m_units)), 0, wxALIGN_CENTER_VERTICAL);
    box->Add(row, 0, wxALL, 4);
    m_clearance->Bind(wxEVT_SPINCTRLDOUBLE, [this](wxSpinDoubleEvent&) {
        if (m_custom != nullptr) {
            m_custom->SetValue(true);
        }
        recompute();
    });
    return box;
}

wxSizer* BridgeWizardDialog::buildGradeRow() {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, "Grade:"), 0, wxALIGN_CENTER_VERTICAL);
    m_grade = numberField(this, 70, 2.0, 12.0, 5.0, 0.5, 1);
    m_grade->SetToolTip(kGradeTip);
    m_grade->Bind(wxEVT_SPINCTRLDOUBLE, [this](wxSpinDoubleEvent&) { recompute(); });
    row->Add(m_grade, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 6);
    row->Add(new wxStaticText(this, wxID_ANY, " %"), 0, wxALIGN_CENTER_VERTICAL);
    return row;
}

wxSizer* BridgeWizardDialog::buildCompositionBox() {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, "2. Bridge composition (left to right)");
    wxWindow* inBox = box->GetStaticBox();
    auto* adds = new wxBoxSizer(wxHORIZONTAL);
    const auto addButton = [&](const std::string& label, const PieceDef* def) {
        auto* button = new wxButton(inBox, wxID_ANY, wxString::FromUTF8(label));
        const std::string article = def != nullptr ? def->article : "";
        button->Bind(wxEVT_BUTTON, [this, article](wxCommandEvent&) {
            m_composition.add(article);
            recompute();
        });
        adds->Add(button, 0, wxRIGHT, 6);
    };
    addButton(addGirderLabel(m_kit), m_kit.girder);
    addButton(addArchLabel(m_kit), m_kit.arch);
    box->Add(adds, 0, wxALL, 4);
    m_list = new wxListBox(inBox, wxID_ANY, wxDefaultPosition, wxSize(-1, 110));
    m_list->Bind(wxEVT_LISTBOX,
                 [this](wxCommandEvent&) { m_composition.select(m_list->GetSelection()); });
    box->Add(m_list, 0, wxEXPAND | wxALL, 4);
    auto* edits = new wxBoxSizer(wxHORIZONTAL);
    addEditButton(inBox, edits, "Remove selected", &BridgeComposition::removeSelected);
    addEditButton(inBox, edits, "Move up (west)", &BridgeComposition::moveUp);
    addEditButton(inBox, edits, "Move down (east)", &BridgeComposition::moveDown);
    addEditButton(inBox, edits, "Clear", &BridgeComposition::clear);
    box->Add(edits, 0, wxALL, 4);
    return box;
}

void BridgeWizardDialog::addEditButton(wxWindow* parent, wxSizer* sizer, const wxString& label,
                                       void (BridgeComposition::*edit)()) {
    auto* button = new wxButton(parent, wxID_ANY, label);
    button->Bind(wxEVT_BUTTON, [this, edit](wxCommandEvent&) {
        (m_composition.*edit)();
        recompute();
    });
    sizer->Add(button, 0, wxRIGHT, 6);
}

ClearanceChoice BridgeWizardDialog::choice() const {
    ClearanceChoice choice;
    choice.profile = -1;
    for (size_t i = 0; i < m_profiles.size(); ++i) {
        if (m_profiles[i]->GetValue()) {
            choice.profile = static_cast<int>(i);
        }
    }
    choice.customClearance = fromDisplay(m_clearance->GetValue(), m_units);
    choice.grade = m_grade->GetValue();
    return choice;
}

void BridgeWizardDialog::recompute() {
    m_plan = recomputeBridgePlan(m_kit, choice(), m_composition.spans());
    wxArrayString lines;
    for (const std::string& line : m_composition.lines()) {
        lines.Add(wxString::FromUTF8(line));
    }
    m_list->Set(lines);
    if (m_composition.selected() >= 0) {
        m_list->SetSelection(m_composition.selected());
    }
    m_report->ChangeValue(wxString::FromUTF8(bridgeReport(m_plan, m_kit, m_units)));
    m_preview->setPlan(m_plan);
}

std::optional<BridgePlan> runBridgeWizardDialog(wxWindow* parent, const BridgeKit& kit,
                                                Units units) {
    BridgeWizardDialog dialog(parent, kit, units);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.plan();
}
