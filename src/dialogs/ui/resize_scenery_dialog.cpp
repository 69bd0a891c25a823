#include "dialogs/ui/resize_scenery_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "app/prompter.h"
#include "catalog/scenery_catalog.h"
#include "edit/scenery_resize.h"

ResizeSceneryDialog::ResizeSceneryDialog(wxWindow* parent, const SceneryItem& item,
                                         double catalogWidth, double catalogDepth,
                                         Prompter& prompter)
    : wxDialog(parent, wxID_ANY, kResizeSceneryTitle),
      m_resize(item, catalogWidth, catalogDepth),
      m_prompter(prompter) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(m_resize.sizeLine())), 0, wxALL,
             10);
    auto* grid = new wxFlexGridSizer(3, 6, 8);
    AddAxisRow(this, grid, SceneryAxis::Width, "Width scale:");
    AddAxisRow(this, grid, SceneryAxis::Depth, "Depth scale:");
    top->Add(grid, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    m_lock = new wxCheckBox(this, wxID_ANY, "Lock aspect ratio");
    top->Add(m_lock, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    m_reset = new wxButton(this, wxID_ANY, "Reset to Default");
    top->Add(m_reset, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    Centre();

    for (const SceneryAxis axis : {SceneryAxis::Width, SceneryAxis::Depth}) {
        m_axes[index(axis)].typed.track(m_axes[index(axis)].field, sceneryScaleField(axis),
                                        [this, axis] { OnTyped(axis); });
    }
    // Digits change how a value is shown, so the scales are set again once they are in place.
    ShowScales();
    m_lock->Bind(wxEVT_CHECKBOX,
                 [this](wxCommandEvent& event) { m_resize.lockAspect = event.IsChecked(); });
    m_reset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        m_resize.reset();
        ShowScales();
    });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
}

void ResizeSceneryDialog::AddAxisRow(wxWindow* parent, wxFlexGridSizer* grid, SceneryAxis axis,
                                     const wxString& label) {
    Axis& row = m_axes[index(axis)];
    grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    row.field = new wxSpinCtrlDouble(parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                     wxDefaultSize, wxSP_ARROW_KEYS, kSceneryScaleMin,
                                     kSceneryScaleMax, m_resize.scale(axis), kSceneryScaleStep);
    row.field->SetDigits(kSceneryScaleDecimals);
    row.field->SetMinSize(wxSize(row.field->GetSizeFromTextSize(80).x, -1));
    grid->Add(row.field, 0, wxALIGN_CENTER_VERTICAL);
    // Room for the widest size text, so the row does not jump while the scale changes.
    row.result = new wxStaticText(parent, wxID_ANY, "(= 88888 mm)");
    row.result->SetMinSize(row.result->GetBestSize());
    grid->Add(row.result, 0, wxALIGN_CENTER_VERTICAL);
}

void ResizeSceneryDialog::OnTyped(SceneryAxis axis) {
    if (m_showing) {
        return;
    }
    Axis& row = m_axes[index(axis)];
    const TypedAmount amount = row.typed.read();
    if (amount.problem.empty()) {
        m_resize.setScale(axis, amount.value);
        ShowScales(index(axis));
    }
}

void ResizeSceneryDialog::ShowScales(int except) {
    m_showing = true;
    for (const SceneryAxis axis : {SceneryAxis::Width, SceneryAxis::Depth}) {
        Axis& row = m_axes[index(axis)];
        if (index(axis) != except) {
            row.field->SetValue(m_resize.scale(axis));
            row.typed.takeShown();
        }
        row.result->SetLabel(wxString::FromUTF8(m_resize.resultText(axis)));
    }
    m_showing = false;
}

void ResizeSceneryDialog::OnOk() {
    // Readable scales are in the model already; only a refused text keeps the dialog open.
    for (const SceneryAxis axis : {SceneryAxis::Width, SceneryAxis::Depth}) {
        if (!acceptTyped(m_axes[index(axis)].typed, m_prompter, kResizeSceneryTitle)) {
            return;
        }
    }
    EndModal(wxID_OK);
}

bool showResizeSceneryDialog(wxWindow* parent, LayoutEditor& editor, uint32_t itemId,
                             Prompter& prompter) {
    const SceneryItem* item = editor.layout().FindScenery(itemId);
    const SceneryDef* def =
        item != nullptr ? SceneryCatalog::instance().byKey(item->item) : nullptr;
    if (def == nullptr) {
        return false;
    }
    ResizeSceneryDialog dialog(parent, *item, def->width, def->depth, prompter);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    const SceneryResize& resize = dialog.resize();
    return setSceneryScales(editor, itemId, resize.scale(SceneryAxis::Width),
                            resize.scale(SceneryAxis::Depth));
}
