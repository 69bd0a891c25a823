#include "render/ui/render_findings.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include "render/ui/layout_renderer.h"

namespace {

constexpr int kRingRadius = 11;      ///< px
constexpr int kSelectedRadius = 20;  ///< px
constexpr RenderColour kSelectedHalo{255, 255, 255, 255};

}  // namespace

RenderColour findingColour(CheckKind kind) {
    switch (kind) {
        case CheckKind::Collision:
            return {220, 20, 20};
        case CheckKind::LowClearance:
            return {240, 130, 0};
        case CheckKind::SteepGrade:
            return {150, 40, 190};
        case CheckKind::Gap:
            return {0, 110, 220};
        case CheckKind::OffTable:
            return {140, 90, 20};
        case CheckKind::OpenEnd:
            return {200, 170, 0};
    }
    return {0, 0, 0};
}

void drawFindingMarks(wxDC& dc, const CanvasView& view, const CheckResult& result, int selected) {
    const wxSize size = dc.GetSize();
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    for (size_t i = 0; i < result.findings.size(); ++i) {
        const CheckFinding& f = result.findings[i];
        const ScreenPoint at = view.worldToScreen(f.at);
        const bool chosen = static_cast<int>(i) == selected;
        const int radius = chosen ? kSelectedRadius : kRingRadius;
        if (at.x < -radius || at.y < -radius || at.x > size.x + radius || at.y > size.y + radius) {
            continue;
        }
        if (chosen) {
            dc.SetPen(wxPen(toWx(kSelectedHalo), 7));
            dc.DrawCircle(at.x, at.y, radius);
        }
        dc.SetPen(wxPen(toWx(findingColour(f.kind)), chosen ? 4 : 3));
        dc.DrawCircle(at.x, at.y, radius);
    }
}
