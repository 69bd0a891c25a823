#pragma once
// The properties panel on the right of the main window. Its upper half describes the selection
// (one piece, a straight run, a helix, a scenery item, a shape, or nothing) and offers its edits:
// level, colour and a new label. Its lower half is the piece tally with the Buy Track button.
// The texts come from selection_summary, the counts from piece_tally; this class only shows
// them and turns clicks into calls on the document.

#include <memory>
#include <optional>
#include <vector>

#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/weakref.h>

#include "panels/piece_tally.h"
#include "panels/selection_summary.h"

class EditorContext;
class UrlOpener;
class wxButton;
class wxChoice;
class wxListCtrl;
class wxStaticText;
class wxTextCtrl;

/// Child windows carry these names, so that tests and the help can find them.
namespace PropertiesNames {
inline constexpr const char* Title = "propTitle";
inline constexpr const char* Info = "propInfo";
inline constexpr const char* LevelChoice = "propLevel";
inline constexpr const char* ColourChoice = "propColour";
inline constexpr const char* ColourApply = "propColourApply";
inline constexpr const char* LabelText = "propLabelText";
inline constexpr const char* LabelOk = "propLabelOk";
inline constexpr const char* HeightCaption = "propHeightCaption";
inline constexpr const char* HeightValue = "propHeight";
inline constexpr const char* GradeValue = "propGrade";
inline constexpr const char* Warning = "propWarning";
inline constexpr const char* TallyList = "propTally";
inline constexpr const char* BuyTrack = "propBuyTrack";
inline constexpr const char* BuyTrackHelp = "propBuyTrackHelp";
}  // namespace PropertiesNames

class PropertiesPanel : public wxPanel {
public:
    /// A child of `parent` that reaches the document through `context`.
    PropertiesPanel(wxWindow* parent, EditorContext& context);
    ~PropertiesPanel() override;

    /// Shows the current selection's properties (the upper half).
    void RefreshSelection();
    /// Recounts the piece tally and refills its list.
    void RefreshTally();

    /// The tally of the last recount, article -> count in byte order.
    const PieceTally& tally() const { return m_tally; }
    /// The ids of what the upper half shows (all kNoId for a straight run or nothing).
    const ShownIds& shownIds() const { return m_shown; }

    /// Layout point (mm) where the next Add Label puts its label; without one, (0, 0).
    void SetPendingLabelPoint(double x, double y) { m_pendingLabel = Vec2{x, y}; }
    void ClearPendingLabelPoint() { m_pendingLabel.reset(); }
    std::optional<Vec2> pendingLabelPoint() const { return m_pendingLabel; }

    /// The Buy Track button: fills the shop's cart in the browser or says why not.
    void BuyTrack();
    /// The "?" button: the explanation window, raised when it is already open.
    void ShowBuyTrackHelp();
    /// The open explanation window, or nullptr.
    wxDialog* buyTrackHelp() const { return m_help.get(); }
    /// Replaces how web addresses are opened (tests record them).
    void setUrlOpener(std::unique_ptr<UrlOpener> opener);

private:
    void BuildControls();
    void OnLevelChosen();
    void OnApplyColour();
    void OnAddLabel();
    void FitTallyColumns();

    EditorContext& m_context;
    std::unique_ptr<UrlOpener> m_opener;
    ShownIds m_shown;
    PieceTally m_tally;
    std::optional<Vec2> m_pendingLabel;
    wxWeakRef<wxDialog> m_help;                      ///< the open explanation window, if any
    std::vector<std::optional<int32_t>> m_levelIds;  ///< level of each level-choice entry

    wxTextCtrl* m_labelText = nullptr;
    wxStaticText* m_title = nullptr;
    wxStaticText* m_info = nullptr;
    wxChoice* m_level = nullptr;
    wxChoice* m_colour = nullptr;
    wxStaticText* m_heightCaption = nullptr;
    wxStaticText* m_heightValue = nullptr;
    wxStaticText* m_gradeValue = nullptr;
    wxStaticText* m_warning = nullptr;
    wxListCtrl* m_list = nullptr;
};
