#include "panels/ui/properties_panel.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/log.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "frame/editor_context.h"
#include "panels/selection_edits.h"
#include "panels/shop_cart.h"
#include "panels/ui/buy_track_dialog.h"

namespace {

const wxColour kWarningColour(200, 40, 40);
const wxColour kRecommendColour(60, 60, 160);
const wxColour kShopGreen(20, 110, 20);
// The "Piece" column never narrower than this (pixels), however narrow the panel.
constexpr int kTallyNameMinWidth = 110;
constexpr int kTallyCountMinWidth = 40;
constexpr int kTallyCountPadding = 16;

/// Opens addresses in the desktop's default browser.
class BrowserOpener : public UrlOpener {
public:
    bool openUrl(const std::string& url) override {
        // The toolkit's own error box would show a bare failure; the caller offers the address.
        wxLogNull quiet;
        return wxLaunchDefaultBrowser(wxString::FromUTF8(url));
    }
};

wxString fromUtf8(const std::string& text) {
    return wxString::FromUTF8(text.data(), text.size());
}

wxFont boldFont(wxFont font) {
    font.SetWeight(wxFONTWEIGHT_BOLD);
    return font;
}

wxStaticText* namedText(wxWindow* parent, const wxString& label, const char* name, long style = 0) {
    return new wxStaticText(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, style, name);
}

}  // namespace

PropertiesPanel::PropertiesPanel(wxWindow* parent, EditorContext& context)
    : wxPanel(parent, wxID_ANY), m_context(context), m_opener(std::make_unique<BrowserOpener>()) {
    BuildControls();
}

PropertiesPanel::~PropertiesPanel() = default;

void PropertiesPanel::setUrlOpener(std::unique_ptr<UrlOpener> opener) {
    m_opener = std::move(opener);
}

void PropertiesPanel::BuildControls() {
    namespace N = PropertiesNames;
    auto* column = new wxBoxSizer(wxVERTICAL);
    const auto separator = [this, column] {
        column->Add(new wxStaticLine(this), 0, wxEXPAND | wxTOP | wxBOTTOM, 4);
    };

    auto* labelBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Add Label");
    m_labelText =
        new wxTextCtrl(labelBox->GetStaticBox(), wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                       wxTE_PROCESS_ENTER, wxDefaultValidator, N::LabelText);
    auto* labelOk = new wxButton(labelBox->GetStaticBox(), wxID_ANY, "OK", wxDefaultPosition,
                                 wxDefaultSize, wxBU_EXACTFIT, wxDefaultValidator, N::LabelOk);
    labelBox->Add(m_labelText, 1, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    labelBox->Add(labelOk, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    column->Add(labelBox, 0, wxEXPAND | wxALL, 4);

    separator();
    // Long straight runs make long titles: cut them off at the panel's edge, in full as a tip.
    m_title = namedText(this, "No selection", N::Title, wxST_ELLIPSIZE_END);
    m_title->SetFont(boldFont(m_title->GetFont()));
    m_info = namedText(this, "", N::Info, wxST_ELLIPSIZE_END);
    column->Add(m_title, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    column->Add(m_info, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 6);

    separator();
    auto* levelRow = new wxBoxSizer(wxHORIZONTAL);
    levelRow->Add(new wxStaticText(this, wxID_ANY, "Level:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                  6);
    m_level = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0,
                           wxDefaultValidator, N::LevelChoice);
    m_level->Disable();
    levelRow->Add(m_level, 1, wxALIGN_CENTER_VERTICAL);
    column->Add(levelRow, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);

    auto* colourBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Color");
    m_colour = new wxChoice(colourBox->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            0, nullptr, 0, wxDefaultValidator, N::ColourChoice);
    for (int i = 0; i < pieceColourCount(); ++i) {
        m_colour->Append(pieceColourAt(i).name);
    }
    // A choice without a selection shows an empty box; start on "Default".
    m_colour->SetSelection(0);
    auto* apply = new wxButton(colourBox->GetStaticBox(), wxID_ANY, "Apply", wxDefaultPosition,
                               wxDefaultSize, 0, wxDefaultValidator, N::ColourApply);
    colourBox->Add(m_colour, 1, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    colourBox->Add(apply, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    column->Add(colourBox, 0, wxEXPAND | wxALL, 4);

    separator();
    auto* grid = new wxFlexGridSizer(2, 4, 6);
    grid->AddGrowableCol(1);
    m_heightCaption = namedText(this, "Height:", N::HeightCaption);
    m_heightValue = namedText(this, "-", N::HeightValue);
    m_gradeValue = namedText(this, "-", N::GradeValue);
    grid->Add(m_heightCaption);
    grid->Add(m_heightValue, 0, wxEXPAND);
    grid->Add(new wxStaticText(this, wxID_ANY, "Grade:"));
    grid->Add(m_gradeValue, 0, wxEXPAND);
    column->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    m_warning = namedText(this, "", N::Warning);
    m_warning->SetForegroundColour(kWarningColour);
    column->Add(m_warning, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 6);

    separator();
    auto* countCaption = new wxStaticText(this, wxID_ANY, "Piece Count");
    countCaption->SetFont(boldFont(countCaption->GetFont()));
    column->Add(countCaption, 0, wxLEFT | wxRIGHT, 6);
    m_list = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 180),
                            wxLC_REPORT | wxLC_NO_HEADER | wxBORDER_NONE, wxDefaultValidator,
                            N::TallyList);
    m_list->AppendColumn("Piece", wxLIST_FORMAT_LEFT, kTallyNameMinWidth);
    m_list->AppendColumn("Count", wxLIST_FORMAT_RIGHT, kTallyCountMinWidth);
    m_list->SetMinSize(wxSize(-1, 180));
    m_list->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        FitTallyColumns();
        event.Skip();
    });
    column->Add(m_list, 1, wxEXPAND | wxALL, 4);

    separator();
    auto* buyRow = new wxBoxSizer(wxHORIZONTAL);
    auto* buy = new wxButton(this, wxID_ANY, "  Buy Track  ", wxDefaultPosition, wxSize(-1, 36), 0,
                             wxDefaultValidator, N::BuyTrack);
    buy->SetBackgroundColour(kShopGreen);
    buy->SetForegroundColour(*wxWHITE);
    wxFont buyFont = buy->GetFont();
    buyFont.SetPointSize(buyFont.GetPointSize() + 2);
    buyFont.SetWeight(wxFONTWEIGHT_HEAVY);
    buy->SetFont(buyFont);
    buy->SetMinSize(wxSize(-1, 36));
    auto* help = new wxButton(this, wxID_ANY, "?", wxDefaultPosition, wxSize(30, 36), wxBU_EXACTFIT,
                              wxDefaultValidator, N::BuyTrackHelp);
    help->SetMinSize(wxSize(30, 36));
    help->SetToolTip("About Buy Track");
    buyRow->Add(buy, 1, wxEXPAND | wxRIGHT, 4);
    buyRow->Add(help, 0);
    column->Add(buyRow, 0, wxEXPAND | wxALL, 4);

    SetSizer(column);

    labelOk->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnAddLabel(); });
    m_labelText->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { OnAddLabel(); });
    m_level->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnLevelChosen(); });
    apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnApplyColour(); });
    buy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { BuyTrack(); });
    help->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowBuyTrackHelp(); });
}

void PropertiesPanel::RefreshSelection() {
    const std::optional<SelectionSummary> summary = summarizeSelection(m_context.editor().layout());
    if (!summary) {
        return;
    }
    m_shown = summary->shown;
    m_title->SetLabel(fromUtf8(summary->title));
    m_title->SetToolTip(fromUtf8(summary->title));
    m_info->SetLabel(fromUtf8(summary->info));
    m_info->SetToolTip(fromUtf8(summary->info));
    m_heightCaption->SetLabel(fromUtf8(summary->heightCaption));
    m_heightValue->SetLabel(fromUtf8(summary->heightValue));
    m_gradeValue->SetLabel(fromUtf8(summary->gradeValue));
    m_gradeValue->SetForegroundColour(summary->gradeTooSteep
                                          ? kWarningColour
                                          : wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    m_warning->SetLabel(fromUtf8(summary->warning));

    m_level->Clear();
    m_levelIds.clear();
    for (const LevelEntry& entry : summary->levels) {
        m_level->Append(fromUtf8(entry.name));
        m_levelIds.push_back(entry.level);
    }
    if (summary->levelIndex >= 0) {
        m_level->SetSelection(summary->levelIndex);
    }
    m_level->Enable(summary->levelEnabled);
    // The colour of what is selected, when the pieces share one; else the last pick stays.
    if (const int entry = selectedColourEntry(m_context.layout()); entry >= 0) {
        m_colour->SetSelection(entry);
    }
    Layout();
}

void PropertiesPanel::FitTallyColumns() {
    if (m_list == nullptr || m_list->GetColumnCount() < 2) {
        return;
    }
    // Names take what the count column and a vertical scroll bar leave of the list's width.
    const int width = m_list->GetClientSize().x - m_list->GetColumnWidth(1) -
                      wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_list);
    m_list->SetColumnWidth(0, std::max(kTallyNameMinWidth, width));
}

void PropertiesPanel::RefreshTally() {
    if (m_list == nullptr) {
        return;
    }
    m_tally = countLayoutPieces(m_context.layout());
    const std::vector<TallyRow> rows = tallyRows(m_tally);
    // Frozen so that a long list is drawn once, not row by row.
    m_list->Freeze();
    m_list->DeleteAllItems();
    int countWidth = kTallyCountMinWidth;
    for (const TallyRow& row : rows) {
        const long item = m_list->InsertItem(m_list->GetItemCount(), fromUtf8(row.piece));
        m_list->SetItem(item, 1, fromUtf8(row.count));
        if (row.heading) {
            m_list->SetItemFont(item, boldFont(m_list->GetFont()));
            m_list->SetItemTextColour(item, kRecommendColour);
        }
        // Counts of a big layout run to five or six digits; none is cut short.
        countWidth = std::max(countWidth, m_list->GetTextExtent(fromUtf8(row.count)).x +
                                              kTallyCountPadding);
    }
    if (countWidth != m_list->GetColumnWidth(1)) {
        m_list->SetColumnWidth(1, countWidth);
        FitTallyColumns();
    }
    m_list->Thaw();
}

void PropertiesPanel::OnLevelChosen() {
    const int index = m_level->GetSelection();
    if (index < 0 || index >= static_cast<int>(m_levelIds.size()) ||
        !m_levelIds[static_cast<size_t>(index)]) {
        return;  // "(mixed)" names no level
    }
    // The commit refreshes the selection view: heights changed with the level and the "(mixed)"
    // entry may be gone.
    changeSelectionLevel(m_context.editor(), m_shown, *m_levelIds[static_cast<size_t>(index)]);
}

void PropertiesPanel::OnApplyColour() {
    applyPieceColour(m_context.editor(), m_colour->GetSelection());
}

void PropertiesPanel::OnAddLabel() {
    const std::string text(m_labelText->GetValue().utf8_str());
    // Without a chosen point the label goes where the user is looking: the middle of the plan.
    const Vec2 at = m_pendingLabel.value_or(m_context.viewCentre());
    if (!addLayoutLabel(m_context.editor(), text, at)) {
        return;
    }
    m_labelText->Clear();
    m_pendingLabel.reset();
    m_context.editor().selectionChanged();
}

void PropertiesPanel::BuyTrack() {
    if (!m_opener) {
        return;
    }
    buyTrack(m_context.layout(), m_context.prompter(), *m_opener);
}

void PropertiesPanel::ShowBuyTrackHelp() {
    if (m_help) {
        m_help->Raise();
        return;
    }
    m_help = new BuyTrackDialog(wxGetTopLevelParent(this));
    m_help->Show();
}
