#pragma once
// The plan drawing of a layout document. One routine, drawLayout, paints the whole document into
// any device context for a given view, so the canvas, the palette icons and the printout draw the
// same picture; what each of them shows (selection, grid, labels, levels, colour) comes in as
// RenderOptions. Everything is drawn from the model on each call; only the polygon buffers, the
// options and the helix sets of the last call are kept.
//
// All positions handed in are layout millimetres (layout frame: x right, y down) unless named
// screen points; the view maps them to device pixels.

#include <string>
#include <vector>

#include <wx/brush.h>
#include <wx/dc.h>
#include <wx/gdicmn.h>
#include <wx/pen.h>

#include "canvas/canvas_view.h"
#include "catalog/piece_shape.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "render/label_space.h"
#include "render/render_options.h"
#include "render/render_rules.h"
#include "render/ui/render_text.h"

struct SceneryDef;

/// wx colour of a plan colour.
wxColour toWx(RenderColour c);

class LayoutRenderer {
public:
    LayoutRenderer();

    /// Draws the document (background, baseboard, decks, grid, outline labels, shapes, scenery,
    /// helix groups and rings, the other pieces, tunnel portals, grade arrows, labels,
    /// measurements) with `view` onto `dc`, showing what `options` asks for. `clientSize`
    /// (pixels) bounds the grid and the cull of off-screen pieces. Reads only its arguments and
    /// the catalogs; the document's own display switches are not looked at.
    void drawLayout(wxDC& dc, const Layout& layout, const RenderOptions& options,
                    const CanvasView& view, wxSize clientSize);

    /// drawLayout clipped to `area` (screen pixels), drawing only what reaches into it.
    void drawLayoutPart(wxDC& dc, const Layout& layout, const RenderOptions& options,
                        const CanvasView& view, wxSize clientSize, wxRect area);

    /// One piece on its own (a palette icon) as `options` show it, not tunnel-covered. Uses the
    /// layout and helix sets of the last drawLayout, if any.
    void drawPiece(wxDC& dc, const PlacedPiece& piece, const PieceDef& def, const CanvasView& view,
                   const RenderOptions& options);

    /// The ghost of a piece dragged from the palette at `pose` (layout mm, degrees).
    void drawPiecePreview(wxDC& dc, const PieceDef& def, const Pose& pose, const CanvasView& view);

    /// The connector dots of a piece: green where a joint is recorded, orange where open. Nothing
    /// below zoom 0.2.
    void drawConnectorDots(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                           const CanvasView& view);

    /// Grid lines every gridSpacing mm of the options and the origin cross, when 6 to 400 px
    /// apart.
    void drawGrid(wxDC& dc, const CanvasView& view, wxSize clientSize);

    /// Rulers along the top and left edges in `units`, with the mouse position (screen pixels)
    /// marked in both. The strips run over the whole device size.
    void drawRulers(wxDC& dc, const CanvasView& view, Units units, wxPoint mouse);

    /// The document part of the canvas paint: drawLayout, the rulers, and the resize handles of a
    /// lone selected scenery item. Returns the text status field 0 must now show, or an empty
    /// string when it stays as it is (`currentStatus` is what it shows now).
    std::string paintDocument(wxDC& dc, const Layout& layout, const RenderOptions& options,
                              const CanvasView& view, wxSize clientSize, wxPoint mouse,
                              const std::string& currentStatus);
    /// The same without drawLayout, over a plan already drawn: the rulers and the handles.
    std::string paintOverPlan(wxDC& dc, const Layout& layout, const RenderOptions& options,
                              const CanvasView& view, wxPoint mouse,
                              const std::string& currentStatus);

    /// One scenery item in its pose and scale, toned and framed when drawn `selected`.
    void drawSceneryItem(wxDC& dc, const SceneryItem& item, const SceneryDef& def,
                         const CanvasView& view, bool selected);

    /// The eight resize handles (corners and edge midpoints of the footprint) of a scenery item,
    /// in screen pixels, from the top-left corner clockwise.
    static void sceneryHandles(const SceneryItem& item, const SceneryDef& def,
                               const CanvasView& view, wxPoint out[8]);

    /// Pieces drawn under the helix rings and pieces that keep their colour while flat, as the
    /// last drawLayout found them.
    const HelixDrawSets& helixSets() const { return m_sets; }

private:
    // Pieces (render_pieces.cpp).
    void drawPlacedPiece(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                         const CanvasView& view, bool selected, bool showLabels,
                         bool tunnelCovered);
    void drawPieceFull(wxDC& dc, const PlacedPiece& piece, const PieceDef& def,
                       const PieceShape& shape, const CanvasView& view,
                       const PieceColours& colours, bool selected, bool tunnelCovered);
    void drawPieceBody(wxDC& dc, const PieceDef& def, const Pose& pose, const CanvasView& view,
                       const PieceColours& colours, bool selected, bool tunnelCovered,
                       bool preview);
    void drawPieceDecorations(wxDC& dc, const PieceDef& def, const PieceShape& shape,
                              const Pose& pose, const CanvasView& view, bool tunnelCovered,
                              bool selected);
    void drawRails(wxDC& dc, const PieceDef& def, const PieceShape& shape, const Pose& pose,
                   const CanvasView& view, RenderColour colour);
    void drawPieceLabel(wxDC& dc, const PlacedPiece& piece, const PieceShape& shape,
                        const CanvasView& view, bool selected);
    void drawPieceGroup(wxDC& dc, const Layout& layout, const CanvasView& view, bool lowerGroup);
    void drawHelixRings(wxDC& dc, const Layout& layout, const CanvasView& view);
    void drawOnTopPieces(wxDC& dc, const Layout& layout, const CanvasView& view);
    bool pieceOnScreen(const PieceShape& shape, const Pose& pose, const CanvasView& view) const;

    // Far-out track as batched centre lines (render_strokes.cpp).
    bool drawnAsStroke(const PieceShape& shape, const CanvasView& view) const;
    void addStroke(const PieceShape& shape, const Pose& pose, const CanvasView& view,
                   RenderColour colour);
    /// Strokes what addStroke gathered, one path per colour and width.
    void flushStrokes(wxDC& dc);
    struct StrokeBatch {
        RenderColour colour;
        int width = 1;
        std::vector<wxPoint> points;     ///< screen points of all lines, back to back
        std::vector<size_t> lineStarts;  ///< where each line begins in `points`
    };
    std::vector<StrokeBatch> m_strokes;

    /// Background, board, decks and grid: what lies under every object.
    void drawGround(wxDC& dc, const Layout& layout, const CanvasView& view, wxSize clientSize);
    // Board, decks, shapes, labels, measurements (render_decor.cpp).
    void drawBaseboard(wxDC& dc, const Layout& layout, const CanvasView& view, bool filled);
    void drawBaseboardLabels(wxDC& dc, const Layout& layout, const CanvasView& view);
    void drawLevelDecks(wxDC& dc, const Layout& layout, const CanvasView& view);
    void drawShapes(wxDC& dc, const Layout& layout, const CanvasView& view);
    /// The length of every edge of at least kShapeEdgeMinMm beside its midpoint.
    void drawShapeEdgeLengths(wxDC& dc, const FreeShape& shape, Vec2 centre, const CanvasView& view,
                              Units units);
    void drawScenery(wxDC& dc, const Layout& layout, const CanvasView& view, bool portals);
    void drawGradeArrows(wxDC& dc, const Layout& layout, const CanvasView& view);
    void drawLabels(wxDC& dc, const Layout& layout, const CanvasView& view);
    void drawMeasurements(wxDC& dc, const Layout& layout, const CanvasView& view);

    // Polygon helpers: layout mm to the screen through the reused buffer.
    void polygonToScreen(const Vec2* pts, size_t n, const Pose* pose, const CanvasView& view);
    void fillPolygon(wxDC& dc, const Vec2* pts, size_t n, const Pose* pose, const CanvasView& view,
                     RenderColour fill, RenderColour pen, int penWidth);
    void strokePolyline(wxDC& dc, const Vec2* pts, size_t n, const Pose* pose,
                        const CanvasView& view, RenderColour pen, int penWidth);
    /// The wx colour of a plan colour as the options draw it.
    wxColour ink(RenderColour c) const { return toWx(m_options.tone(c)); }
    TextBoxStyle toned(const TextBoxStyle& style) const;
    void setPen(wxDC& dc, RenderColour c, int width, wxPenStyle style = wxPENSTYLE_SOLID);
    void setBrush(wxDC& dc, RenderColour c);
    void setNoBrush(wxDC& dc);
    void setNoPen(wxDC& dc);

    const Layout* m_layout = nullptr;
    RenderOptions m_options;
    const TrackCatalog& m_catalog;
    HelixDrawSets m_sets;
    wxSize m_clientSize{0, 0};
    wxRect m_drawArea;  ///< pieces wholly outside it are skipped
    wxRect m_partArea;  ///< set while drawLayoutPart draws

    // Reused between pieces and paints so that drawing a polygon allocates nothing.
    std::vector<wxPoint> m_screen;
    std::vector<Vec2> m_local;
    PolygonList m_accessories;
    wxPen m_pen;
    wxBrush m_brush;
    FontCache m_fonts;
    // Article labels wait for the end of the track passes, so that no later band covers them;
    // then they are drawn, selected pieces' first, each only where no earlier label lies.
    struct TrackLabel {
        wxString text;
        wxPoint at;  ///< top-left corner, screen pixels
        wxSize extent;
        int points = 0;
        bool selected = false;
    };
    void drawTrackLabels(wxDC& dc);
    bool m_deferLabels = false;
    std::vector<TrackLabel> m_trackLabels;
    LabelSpace m_labelSpace;
};
