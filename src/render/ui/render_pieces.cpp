// Track pieces on the plan: bands by route role, turntables, stop bars, contact markers, bridge
// arches, K-Track accessory boxes, the rails overlay, article labels and connector dots; the
// helix rings; and the two piece groups around them.
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "catalog/helix_catalog.h"
#include "document/snap_search.h"
#include "render/ui/layout_renderer.h"
#include "render/ui/render_text.h"

namespace {

// Views closer than these show the rails and the labels; further out they would only smudge.
constexpr double kRailsMinZoom = 0.15;
constexpr double kLabelsMinZoom = 0.2;
// Screen margin (pixels) around the client area within which a piece still counts as visible:
// its label and connector dots may stick out of its band.
constexpr int kCullMargin = 24;
// The cross-over piece with the overhead structure that must stay visible over other track.
constexpr const char* kOnTopArticle = "74871";

int contactMarkerLength(const std::string& article) {
    if (article == "24994") {
        return 16;
    }
    if (article == "24997") {
        return 32;
    }
    return 0;
}

RenderColour bandColour(PieceKind kind, RouteRole role, RenderColour fill) {
    switch (role) {
        case RouteRole::Main:
            return fill;
        case RouteRole::Branch:
            return darker(fill, RenderStyle::kBranchShade);
        case RouteRole::SecondTrack:
            return darker(fill, kind == PieceKind::DoubleSlip ? RenderStyle::kSlipCrossingShade
                                                              : RenderStyle::kCrossingShade);
        case RouteRole::Slip:
            return lighter(fill, RenderStyle::kSlipLighten);
    }
    return fill;
}

}  // namespace

bool LayoutRenderer::pieceOnScreen(const PieceShape& shape, const Pose& pose,
                                   const CanvasView& view) const {
    if (m_clientSize.x <= 0 || m_clientSize.y <= 0 || shape.bounds.empty()) {
        return true;
    }
    // A circle about the piece origin holding the whole shape is cheap and never culls too much.
    const double reach = std::max({std::fabs(shape.bounds.minX), std::fabs(shape.bounds.maxX),
                                   std::fabs(shape.bounds.minY), std::fabs(shape.bounds.maxY)});
    const double r = reach * std::sqrt(2.0) * view.zoom + kCullMargin;
    const double sx = pose.x * view.zoom + view.panX;
    const double sy = pose.y * view.zoom + view.panY;
    const wxRect& area = m_drawArea;
    return sx + r >= area.x && sy + r >= area.y && sx - r <= area.GetRight() + 1 &&
           sy - r <= area.GetBottom() + 1;
}

void LayoutRenderer::drawPiece(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                               const CanvasView& view, const RenderOptions& options) {
    m_options = options;
    drawPlacedPiece(dc, piece, def, view, options.selected(piece.selected), options.showLabels,
                    false);
    flushStrokes(dc);
}

void LayoutRenderer::drawPlacedPiece(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                                     const CanvasView& view, bool selected, bool showLabels,
                                     bool tunnelCovered) {
    const PieceShape& shape = pieceShape(def);
    const Pose pose = piece.pose();
    if (!pieceOnScreen(shape, pose, view)) {
        return;
    }
    const LayoutLevel* level = m_layout ? m_layout->FindLevel(piece.level) : nullptr;
    const bool helixFlat =
        piece.helix != kNoId || (piece.id != kNoId && m_sets.helixTrack.count(piece.id) != 0);
    const PieceColours colours =
        pieceColours(piece, def, level, selected, tunnelCovered, helixFlat);

    if (drawnAsStroke(shape, view)) {
        addStroke(shape, pose, view, colours.outline);
        if (shape.hasStopBar) {
            // A buffer stop's bar keeps its few pixels at any zoom: it marks where track ends.
            drawPieceDecorations(dc, def, shape, pose, view, tunnelCovered, selected);
        }
    } else {
        drawPieceFull(dc, piece, def, shape, view, colours, selected, tunnelCovered);
    }
    if (showLabels && view.zoom >= kLabelsMinZoom) {
        drawPieceLabel(dc, piece, shape, view, selected);
        drawConnectorDots(dc, piece, def, view);
    }
}

void LayoutRenderer::drawPieceFull(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                                   const PieceShape& shape, const CanvasView& view,
                                   const PieceColours& colours, bool selected,
                                   bool tunnelCovered) {
    const Pose pose = piece.pose();
    drawPieceBody(dc, def, pose, view, colours, selected, tunnelCovered, false);
    if (shape.turntable) {
        // Spokes to the joined tracks show which ring connectors are in use.
        for (int i = 0; i < static_cast<int>(def.connectors.size()); ++i) {
            if (piece.jointAt(i).isOpen()) {
                continue;
            }
            const WorldConnector wc = connectorToWorld(piece, def, i);
            const double dx = wc.x - pose.x;
            const double dy = wc.y - pose.y;
            const double d = std::hypot(dx, dy);
            if (d <= 0.0) {
                continue;
            }
            const Vec2 rim{pose.x + dx / d * shape.pitRadius, pose.y + dy / d * shape.pitRadius};
            setPen(dc, RenderStyle::kTurntableSpoke, RenderStyle::kTurntableSpokeWidth);
            dc.DrawLine(toWxPoint(view.worldToScreen(rim)),
                        toWxPoint(view.worldToScreen(wc.x, wc.y)));
        }
    }
    drawPieceDecorations(dc, def, shape, pose, view, tunnelCovered, selected);

    if (m_options.showRails && view.zoom >= kRailsMinZoom && !tunnelCovered) {
        drawRails(dc, def, shape, pose, view, colours.outline);
    }
}

void LayoutRenderer::drawPiecePreview(wxDC& dc, const PieceDef& def, const Pose& pose,
                                      const CanvasView& view) {
    const PieceShape& shape = pieceShape(def);
    const PieceColours colours{RenderStyle::kPreviewFill, RenderStyle::kPreviewOutline};
    drawPieceBody(dc, def, pose, view, colours, false, false, true);
    drawPieceDecorations(dc, def, shape, pose, view, false, false);
}

void LayoutRenderer::drawPieceBody(wxDC& dc, const PieceDef& def, const Pose& pose,
                                   const CanvasView& view, const PieceColours& colours,
                                   bool selected, bool tunnelCovered, bool preview) {
    const PieceShape& shape = pieceShape(def);
    if (shape.turntable) {
        const wxPoint c = toWxPoint(view.worldToScreen(pose.x, pose.y));
        const RenderColour pit = tunnelCovered && !selected
                                     ? washedOut(RenderStyle::kTurntablePit)
                                     : (preview ? colours.fill : RenderStyle::kTurntablePit);
        setPen(dc, colours.outline, 1);
        setBrush(dc, pit);
        dc.DrawCircle(c, static_cast<int>(shape.pitRadius * view.zoom));
        setBrush(dc, colours.fill);
        dc.DrawCircle(c, static_cast<int>(shape.deckRadius * view.zoom));
        setPen(dc, selected ? RenderStyle::kTrackOutlineSelected : RenderStyle::kTurntableBridge,
               RenderStyle::kTurntableBridgeWidth);
        dc.DrawLine(toWxPoint(view.worldToScreen(localToLayout(pose, shape.bridgeFrom))),
                    toWxPoint(view.worldToScreen(localToLayout(pose, shape.bridgeTo))));
        return;
    }
    for (int i = 0; i < static_cast<int>(shape.paths.size()); ++i) {
        const RoutePath& path = shape.paths[i];
        const RenderColour fill = bandColour(shape.kind, path.role, colours.fill);
        fillPolygon(dc, shape.bandPoints(i), static_cast<size_t>(path.outlineCount), &pose, view,
                    fill, colours.outline, 1);
        if (path.role == RouteRole::Slip) {
            // The slip routes are told apart from the crossing by their own thin rails.
            const double g = railHalfGauge(def.system);
            for (double side : {-g, g}) {
                m_local.clear();
                appendOffsetLine(shape.pathSegments(i), path.segmentCount, side, m_local);
                strokePolyline(dc, m_local.data(), m_local.size(), &pose, view, colours.outline, 1);
            }
        }
    }
}

void LayoutRenderer::drawPieceDecorations(wxDC& dc, const PieceDef& def, const PieceShape& shape,
                                          const Pose& pose, const CanvasView& view,
                                          bool tunnelCovered, bool selected) {
    if (shape.hasStopBar) {
        const int width = std::max(4, static_cast<int>(4 * view.zoom));
        setPen(dc, RenderStyle::kStopBar, width);
        dc.DrawLine(toWxPoint(view.worldToScreen(localToLayout(pose, shape.stopBarFrom))),
                    toWxPoint(view.worldToScreen(localToLayout(pose, shape.stopBarTo))));
    }
    if (const int len = contactMarkerLength(def.article); len > 0) {
        const double h = len / 2.0;
        const Vec2 box[4] = {{def.length / 2 - h, -4.0},
                             {def.length / 2 + h, -4.0},
                             {def.length / 2 + h, 4.0},
                             {def.length / 2 - h, 4.0}};
        fillPolygon(dc, box, 4, &pose, view, RenderStyle::kContactFill, RenderStyle::kContactPen,
                    1);
    }
    if (def.article == "24294") {
        const wxPoint m = toWxPoint(view.worldToScreen(localToLayout(pose, shape.midpoint)));
        const int hw = std::max(3, static_cast<int>(8 * view.zoom));
        const int hh = std::max(2, static_cast<int>(4 * view.zoom));
        setPen(dc, RenderStyle::kContactPen, 1);
        setBrush(dc, RenderStyle::kContactFill);
        dc.DrawRectangle(m.x - hw, m.y - hh, 2 * hw, 2 * hh);
    }
    if (def.isBridge || def.isRamp) {
        // An arch spanning the band at the piece's middle, bulging backwards like the bridge
        // symbol of a map; it turns with the track's direction there.
        const double w = shape.halfWidth;
        const double tangent = def.kind == PieceKind::Curve ? def.angle / 2.0 : 0.0;
        const double t = degToRad(tangent);
        const Vec2 along{std::cos(t), std::sin(t)};
        const Vec2 across{-std::sin(t), std::cos(t)};
        const double depth = std::min(0.6 * w, std::max(def.length, 1.0) / 4.0);
        m_local.clear();
        for (int i = 0; i <= 12; ++i) {
            const double th = M_PI * i / 12.0;
            const double a = w * std::cos(th);
            const double b = -depth * std::sin(th);
            m_local.push_back({shape.midpoint.x + across.x * a + along.x * b,
                               shape.midpoint.y + across.y * a + along.y * b});
        }
        strokePolyline(dc, m_local.data(), m_local.size(), &pose, view, RenderStyle::kArch,
                       std::max(1, static_cast<int>(1.5 * view.zoom)));
    }
    m_accessories.clear();
    appendAccessoryOutlines(def, shape.halfWidth, m_accessories);
    const bool covered = tunnelCovered && !selected;
    size_t at = 0;
    for (int n : m_accessories.counts) {
        fillPolygon(dc, m_accessories.points.data() + at, static_cast<size_t>(n), &pose, view,
                    covered ? RenderStyle::kAccessoryFillCovered : RenderStyle::kAccessoryFill,
                    covered ? RenderStyle::kAccessoryPenCovered : RenderStyle::kAccessoryPen, 1);
        at += static_cast<size_t>(n);
    }
}

void LayoutRenderer::drawRails(wxDC& dc, const PieceDef& def, const PieceShape& shape,
                               const Pose& pose, const CanvasView& view, RenderColour colour) {
    const double g = railHalfGauge(def.system);
    for (int i = 0; i < static_cast<int>(shape.paths.size()); ++i) {
        for (double side : {-g, g}) {
            m_local.clear();
            appendOffsetLine(shape.pathSegments(i), shape.paths[i].segmentCount, side, m_local);
            strokePolyline(dc, m_local.data(), m_local.size(), &pose, view, colour, 1);
        }
    }
}

void LayoutRenderer::drawPieceLabel(wxDC& dc, const PlacedPiece& piece, const PieceShape& shape,
                                    const CanvasView& view, bool selected) {
    TrackLabel label;
    label.points = trackLabelPoints(view.zoom);
    label.selected = selected;
    label.text = wxString::FromUTF8(piece.article);
    dc.SetFont(m_fonts.get(label.points, true));
    label.extent = dc.GetTextExtent(label.text);
    const wxPoint m = toWxPoint(view.worldToScreen(localToLayout(piece.pose(), shape.midpoint)));
    label.at = wxPoint(m.x - label.extent.x / 2, m.y - label.extent.y / 2);
    m_trackLabels.push_back(std::move(label));
    if (!m_deferLabels) {
        drawTrackLabels(dc);
    }
}

void LayoutRenderer::drawTrackLabels(wxDC& dc) {
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    // Zoomed out, neighbouring labels would print over each other: the first one keeps its place,
    // and the labels of selected pieces come first.
    for (const bool selectedPass : {true, false}) {
        for (const TrackLabel& label : m_trackLabels) {
            if (label.selected != selectedPass ||
                !m_labelSpace.claim({label.at.x, label.at.y, label.extent.x, label.extent.y})) {
                continue;
            }
            dc.SetFont(m_fonts.get(label.points, true));
            dc.SetTextForeground(ink(label.selected ? RenderStyle::kTrackOutlineSelected
                                                    : RenderStyle::kPieceLabel));
            dc.DrawText(label.text, label.at);
        }
    }
    m_trackLabels.clear();
}

void LayoutRenderer::drawConnectorDots(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                                       const CanvasView& view) {
    if (view.zoom < kLabelsMinZoom) {
        return;
    }
    const int radius = std::max(3, static_cast<int>(2.5 * view.zoom));
    for (int i = 0; i < static_cast<int>(def.connectors.size()); ++i) {
        const WorldConnector wc = connectorToWorld(piece, def, i);
        const RenderColour c =
            piece.jointAt(i).isOpen() ? RenderStyle::kOpenDot : RenderStyle::kJoinedDot;
        m_pen.SetColour(ink(c).ChangeLightness(RenderStyle::kDotDarkening));
        m_pen.SetWidth(1);
        m_pen.SetStyle(wxPENSTYLE_SOLID);
        dc.SetPen(m_pen);
        setBrush(dc, c);
        dc.DrawCircle(toWxPoint(view.worldToScreen(wc.x, wc.y)), radius);
    }
}

void LayoutRenderer::drawPieceGroup(wxDC& dc, const Layout& layout, const CanvasView& view,
                                    bool lowerGroup) {
    for (bool selectedPass : {false, true}) {
        for (const PlacedPiece& p : layout.pieces) {
            const bool selected = m_options.selected(p.selected);
            if (selected != selectedPass || !m_options.inLayer(p.selected) ||
                (m_sets.lowerGroup.count(p.id) != 0) != lowerGroup) {
                continue;
            }
            if (!m_options.showsLevel(layout, p.level)) {
                continue;
            }
            const PieceDef* def = m_catalog.byArticle(p.article);
            if (def == nullptr) {
                continue;
            }
            drawPlacedPiece(dc, p, *def, view, selected, m_options.showLabels,
                            m_sets.tunnelCovered.count(p.id) != 0);
        }
        flushStrokes(dc);  // selected track goes over the rest
    }
}

void LayoutRenderer::drawOnTopPieces(wxDC& dc, const Layout& layout, const CanvasView& view) {
    for (const PlacedPiece& p : layout.pieces) {
        if (p.article != kOnTopArticle || !m_options.inLayer(p.selected)) {
            continue;
        }
        const PieceDef* def = m_catalog.byArticle(p.article);
        if (!m_options.showsLevel(layout, p.level) || def == nullptr) {
            continue;
        }
        drawPlacedPiece(dc, p, *def, view, m_options.selected(p.selected), m_options.showLabels,
                        m_sets.tunnelCovered.count(p.id) != 0);
    }
    flushStrokes(dc);
}

void LayoutRenderer::drawHelixRings(wxDC& dc, const Layout& layout, const CanvasView& view) {
    if (layout.helices.empty()) {
        return;
    }
    // A helix is drawn selected when any of its pieces is: one pass over the pieces for all.
    std::unordered_set<uint32_t> selectedHelices;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.helix != kNoId && p.selected) {
            selectedHelices.insert(p.helix);
        }
    }
    for (const Helix& h : layout.helices) {
        const HelixVariant* v = drawableHelixVariant(h, m_catalog);
        if (v == nullptr) {
            continue;
        }
        const int32_t levelId = helixLevel(layout, h);
        if (!m_options.showsLevel(layout, levelId)) {
            continue;
        }
        const bool anySelected = selectedHelices.count(h.id) != 0;
        if (!m_options.inLayer(anySelected)) {
            continue;
        }
        const bool selected = m_options.selected(anySelected);
        const int n = v->curveCount();
        const std::pair<const std::string*, double> turns[2] = {
            {&v->innerCurveArticle, v->innerRadius}, {&v->outerCurveArticle, v->outerRadius}};
        for (const auto& [article, radius] : turns) {
            const PieceDef* def = m_catalog.byArticle(*article);
            PlacedPiece copy;
            copy.article = *article;
            copy.level = levelId;
            for (int k = 1; k <= n; ++k) {
                const Pose pose = helixCopyPose(h, radius, k);
                copy.setPose(pose);
                drawPlacedPiece(dc, copy, *def, view, selected, false, false);
            }
        }
    }
    flushStrokes(dc);
}
