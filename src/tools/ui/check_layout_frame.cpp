#include "tools/ui/check_layout_frame.h"

#include <algorithm>

#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

constexpr int kWidth = 760;   ///< px
constexpr int kHeight = 260;  ///< px

// A virtual list: rows are read from the result when shown, so ten thousand findings cost
// nothing to list after every edit.
class FindingsList : public wxListCtrl {
public:
    FindingsList(wxWindow* parent, const CheckResult& result, const ::Layout& layout)
        : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                     wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_VIRTUAL),
          m_result(result),
          m_layout(layout) {}

    wxString OnGetItemText(long item, long column) const override {
        if (item < 0 || item >= static_cast<long>(m_result.findings.size())) {
            return {};
        }
        const CheckFinding& f = m_result.findings[static_cast<size_t>(item)];
        switch (column) {
            case 0:
                return checkKindName(f.kind);
            case 1:
                return wxString::FromUTF8(formatCoordinates(
                    f.at.x, f.at.y, unitsFromInt(static_cast<int>(m_layout.units))));
            default:
                return wxString::FromUTF8(f.text);
        }
    }

private:
    const CheckResult& m_result;
    const ::Layout& m_layout;
};

}  // namespace

CheckLayoutFrame::CheckLayoutFrame(wxWindow* parent, LayoutEditor& editor, FindingsPlan plan)
    : wxFrame(parent, wxID_ANY, "Check Layout", wxDefaultPosition, wxSize(kWidth, kHeight),
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT | wxFRAME_TOOL_WINDOW),
      m_editor(editor),
      m_plan(std::move(plan)) {
    auto* panel = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    m_header = new wxStaticText(panel, wxID_ANY, "");
    m_header->SetFont(m_header->GetFont().Bold());
    m_list = new FindingsList(panel, m_result, m_editor.layout());
    m_list->AppendColumn("Kind", wxLIST_FORMAT_LEFT, 120);
    m_list->AppendColumn("Where", wxLIST_FORMAT_LEFT, 150);
    m_list->AppendColumn("Finding", wxLIST_FORMAT_LEFT, kWidth - 300);
    sizer->Add(m_header, 0, wxALL | wxEXPAND, 8);
    sizer->Add(m_list, 1, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 8);
    panel->SetSizer(sizer);
    m_list->Bind(wxEVT_LIST_ITEM_SELECTED, &CheckLayoutFrame::OnSelected, this);
    if (parent != nullptr) {
        // Over the lower left of the main window, where the middle of the plan, on which a chosen
        // finding is centred, stays in sight.
        const wxRect owner = parent->GetScreenRect();
        SetPosition(
            {owner.GetLeft() + 8, std::max(owner.GetTop(), owner.GetBottom() - kHeight - 40)});
    }
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
    m_editor.addObserver(this);
    Recheck();
}

CheckLayoutFrame::~CheckLayoutFrame() {
    m_editor.removeObserver(this);
    if (m_plan.mark) {
        m_plan.mark(nullptr, -1);
    }
}

void CheckLayoutFrame::Recheck() {
    const Units units = unitsFromInt(static_cast<int>(m_editor.layout().units));
    m_result = checkLayout(m_editor.layout(), units, m_editor.catalog());
    m_header->SetLabel(wxString::FromUTF8(checkSummary(m_result)));
    // The rows were of the last check: nothing chosen, and shown afresh.
    const long chosen = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (chosen >= 0) {
        m_list->SetItemState(chosen, 0, wxLIST_STATE_SELECTED);
    }
    m_list->SetItemCount(static_cast<long>(m_result.findings.size()));
    m_list->Refresh();
    if (m_plan.mark) {
        m_plan.mark(&m_result, -1);
    }
}

wxString CheckLayoutFrame::header() const {
    return m_header->GetLabel();
}

void CheckLayoutFrame::layoutEdited(const EditNotice&) {
    Recheck();
}

void CheckLayoutFrame::OnSelected(wxListEvent& event) {
    const long row = event.GetIndex();
    if (row < 0 || row >= static_cast<long>(m_result.findings.size())) {
        return;
    }
    const CheckFinding& f = m_result.findings[static_cast<size_t>(row)];
    selectFinding(m_editor, f);
    if (m_plan.centreOn) {
        m_plan.centreOn(f.at);
    }
    if (m_plan.mark) {
        m_plan.mark(&m_result, static_cast<int>(row));
    }
}
