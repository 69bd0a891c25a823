#pragma once
// The findings list of Check Layout: a window beside the main window whose header counts the
// findings per kind and whose list shows them by kind and position. Choosing a finding selects its
// pieces and centres the plan on them; the plan marks every finding while the list is open, and
// the list follows every change of the layout.

#include <functional>

#include <wx/frame.h>

#include "edit/layout_editor.h"
#include "geometry/geometry.h"
#include "tools/layout_check.h"

class wxListCtrl;
class wxListEvent;
class wxStaticText;

/// What the list asks of the plan.
struct FindingsPlan {
    /// Marks the findings (nullptr: none) with one of them chosen (or -1).
    std::function<void(const CheckResult*, int)> mark;
    /// Brings the layout point (mm) to the centre of the plan.
    std::function<void(Vec2)> centreOn;
};

class CheckLayoutFrame : public wxFrame, private EditObserver {
public:
    CheckLayoutFrame(wxWindow* parent, LayoutEditor& editor, FindingsPlan plan);
    ~CheckLayoutFrame() override;

    /// Checks the layout again and refills the list.
    void Recheck();
    const CheckResult& result() const { return m_result; }
    wxListCtrl* list() const { return m_list; }
    wxString header() const;

private:
    void layoutEdited(const EditNotice& notice) override;
    void OnSelected(wxListEvent& event);

    LayoutEditor& m_editor;
    FindingsPlan m_plan;
    CheckResult m_result;
    wxStaticText* m_header = nullptr;
    wxListCtrl* m_list = nullptr;
};
