#pragma once
// The Bridge Wizard's side elevation: the footprint headline, the lengths line, and below them
// the ground, both ramps through their joint heights, the pier stacks, the spans and the
// clearance, heights exaggerated to fit the panel.

#include <wx/panel.h>

#include "geometry/geometry.h"
#include "wizards/bridge_plan.h"

class ElevationPanel : public wxPanel {
public:
    ElevationPanel(wxWindow* parent, const BridgeKit& kit, Units units);

    /// Shows `plan` (repaints).
    void setPlan(const BridgePlan& plan);
    /// The factor heights are drawn exaggerated by, for the current plan and size.
    double verticalScale() const;

private:
    void OnPaint(wxPaintEvent& event);
    void drawBridge(wxDC& dc, const wxRect& area) const;

    const BridgeKit& m_kit;
    Units m_units;
    BridgePlan m_plan;
    BridgeCounts m_counts;
};
