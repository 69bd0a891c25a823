#include "wizards/ui/elevation_panel.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <wx/dcbuffer.h>

namespace {

const wxColour kBackground(250, 251, 252);
const wxColour kHeadline(200, 16, 46);
const wxColour kSummary(74, 93, 110);
const wxColour kSpan(62, 108, 142);
const wxColour kInk(28, 43, 57);  // ground, ramps, dimension
const wxColour kPierFill(231, 225, 210);
const wxColour kPierEdge(143, 134, 111);

constexpr int kMargin = 16;      // px left and right of the drawing
constexpr int kDrawingTop = 56;  // px below the panel top: the two text lines sit above
constexpr int kGroundGap = 18;   // px from the ground line to the panel bottom
constexpr int kPierWidth = 5;    // px

/// From the drawing's millimetres to pixels: x along the bridge, heights exaggerated.
struct ElevationScale {
    double x0 = 0.0, ground = 0.0, perMm = 1.0, perHeightMm = 1.0;
    int x(double mm) const { return static_cast<int>(std::lround(x0 + mm * perMm)); }
    int y(double heightMm) const {
        return static_cast<int>(std::lround(ground - heightMm * perHeightMm));
    }
};

ElevationScale scaleFor(const wxRect& area, double footprint, double clearance) {
    ElevationScale s;
    s.x0 = area.x;
    s.ground = area.GetBottom();
    s.perMm = footprint > 0.0 ? area.width / footprint : 1.0;
    // The clearance fills about two thirds of the height, leaving room for the spans on top.
    s.perHeightMm = clearance > 0.0 ? area.height * 0.66 / clearance : s.perMm;
    return s;
}

void drawArrowHead(wxDC& dc, int x, int y, int dir) {
    const wxPoint head[] = {{x, y}, {x - 4, y + 6 * dir}, {x + 4, y + 6 * dir}};
    dc.DrawPolygon(3, head);
}

}  // namespace

ElevationPanel::ElevationPanel(wxWindow* parent, const BridgeKit& kit, Units units)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(740, 230)), m_kit(kit), m_units(units) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &ElevationPanel::OnPaint, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        Refresh();
        e.Skip();
    });
}

void ElevationPanel::setPlan(const BridgePlan& plan) {
    m_plan = plan;
    m_counts = bridgeCounts(plan, m_kit);
    Refresh();
}

double ElevationPanel::verticalScale() const {
    const wxSize size = GetClientSize();
    const wxRect area(kMargin, kDrawingTop, std::max(1, size.x - 2 * kMargin),
                      std::max(1, size.y - kDrawingTop - kGroundGap));
    const ElevationScale s = scaleFor(area, m_counts.footprint, m_plan.clearance);
    return s.perHeightMm / s.perMm;
}

void ElevationPanel::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(kBackground));
    dc.Clear();
    const wxSize size = GetClientSize();

    wxFont bold(wxFontInfo(13).Bold());
    dc.SetFont(bold);
    dc.SetTextForeground(kHeadline);
    dc.DrawText(wxString::FromUTF8(footprintText(m_counts.footprint, m_units)), 8, 4);
    dc.SetFont(wxFontInfo(8));
    dc.SetTextForeground(kSummary);
    dc.DrawText(wxString::FromUTF8(elevationSummary(m_plan, m_counts, m_units)), 8, 24);
    const wxString scale = wxString::Format("vertical scale x%.1f", verticalScale());
    dc.DrawText(scale, size.x - dc.GetTextExtent(scale).x - 8, 4);

    if (m_plan.heights.size() >= 2 && m_counts.footprint > 0.0) {
        drawBridge(dc, wxRect(kMargin, kDrawingTop, std::max(1, size.x - 2 * kMargin),
                              std::max(1, size.y - kDrawingTop - kGroundGap)));
    }
}

void ElevationPanel::drawBridge(wxDC& dc, const wxRect& area) const {
    const ElevationScale s = scaleFor(area, m_counts.footprint, m_plan.clearance);
    const std::vector<double>& h = m_plan.heights;
    const size_t n = h.size();
    const double spacing = m_plan.jointSpacing;
    const double descentStart = m_counts.rampLength + m_counts.spanLength;

    // Pier stacks under every raised joint and under the joints between spans.
    dc.SetPen(wxPen(kPierEdge));
    dc.SetBrush(wxBrush(kPierFill));
    const auto pier = [&](double atMm, double height) {
        if (!m_plan.pillarTable) {
            return;  // no stacks to show where the kit has no pillar table
        }
        const int top = s.y(height);
        dc.DrawRectangle(s.x(atMm) - kPierWidth / 2, top, kPierWidth, s.y(0.0) - top + 1);
    };
    for (size_t i = 2; i < n; ++i) {
        pier(static_cast<double>(i) * spacing, h[i]);
        pier(descentStart + static_cast<double>(n - 1 - i) * spacing, h[i]);
    }
    double at = m_counts.rampLength;
    std::vector<double> spanEnds;
    for (const std::string& article : m_plan.composition) {
        const PieceDef* def = TrackCatalog::instance().byArticle(article);
        spanEnds.push_back(at += def != nullptr ? def->length : 0.0);
    }
    for (size_t i = 0; i + 1 < spanEnds.size(); ++i) {
        pier(spanEnds[i], m_plan.clearance);
    }

    // Ground, then both ramps as one line through the joint heights.
    dc.SetPen(wxPen(kInk, 1));
    dc.DrawLine(area.x - 8, s.y(0.0), area.GetRight() + 8, s.y(0.0));
    std::vector<wxPoint> line;
    for (size_t i = 0; i < n; ++i) {
        line.emplace_back(s.x(static_cast<double>(i) * spacing), s.y(h[i]));
    }
    for (size_t i = n; i-- > 0;) {
        line.emplace_back(s.x(descentStart + static_cast<double>(n - 1 - i) * spacing), s.y(h[i]));
    }
    dc.SetPen(wxPen(kInk, 2));
    dc.DrawLines(static_cast<int>(n), line.data());
    dc.DrawLines(static_cast<int>(n), line.data() + n);

    // The spans: a girder as a box on the deck, an arch as a bow under it (as the 3D view has
    // them).
    const int deck = s.y(m_plan.clearance);
    const int rise = std::max(8, area.height / 6);
    double from = m_counts.rampLength;
    for (size_t i = 0; i < spanEnds.size(); ++i) {
        const int x0 = s.x(from), x1 = s.x(spanEnds[i]);
        const bool girder =
            m_kit.girder != nullptr && m_plan.composition[i] == m_kit.girder->article;
        dc.SetPen(wxPen(kSpan, 2));
        if (girder) {
            dc.SetBrush(wxBrush(kSpan.ChangeLightness(160)));
            dc.DrawRectangle(x0 + 1, deck - rise / 2, x1 - x0 - 1, rise / 2 + 2);
        } else {
            std::vector<wxPoint> bow;
            for (int k = 0; k <= 16; ++k) {
                const double t = k / 16.0;
                bow.emplace_back(
                    x0 + static_cast<int>(std::lround(t * (x1 - x0))),
                    deck + static_cast<int>(std::lround(rise * (1.0 - 4.0 * t * (1.0 - t)))));
            }
            dc.DrawLines(static_cast<int>(bow.size()), bow.data());
            dc.DrawLine(x0, deck, x1, deck);
        }
        from = spanEnds[i];
    }

    // The clearance: a dimension arrow from the ground up to the deck under the first span.
    const double firstEnd = spanEnds.empty() ? m_counts.rampLength : spanEnds.front();
    const int xDim = s.x(m_counts.rampLength + (firstEnd - m_counts.rampLength) / 2.0);
    dc.SetPen(wxPen(kInk, 1));
    dc.SetBrush(wxBrush(kInk));
    dc.DrawLine(xDim, s.y(0.0) - 6, xDim, deck + 6);
    drawArrowHead(dc, xDim, deck + 1, 1);
    drawArrowHead(dc, xDim, s.y(0.0) - 1, -1);
    dc.SetFont(wxFontInfo(8));
    dc.SetTextForeground(kInk);
    const wxString value = wxString::FromUTF8(bridgeLength(m_plan.clearance, m_units));
    dc.DrawText(value, xDim + 5, (deck + s.y(0.0)) / 2 - dc.GetTextExtent(value).y / 2);
}
