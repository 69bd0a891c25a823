#pragma once
// The decisions of the plan drawing that need no window: which colour a piece gets (system,
// level, own colour, selection, elevation tint, tunnel wash), which pieces are drawn under the
// helix rings, where the helix ring copies and grade arrows lie, the K-Track accessory outlines
// (shared with the 3D view), the ruler steps and the texts of lengths and the elevation banner.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "geometry/geometry.h"
#include "render/render_style.h"

struct HelixVariant;

/// Default band fill of a track system: K-Track and M-Track have their own, every other system
/// the grey default.
RenderColour systemTrackFill(TrackSystem system);

/// c - d per channel (clamped at 0), alpha kept.
RenderColour darker(RenderColour c, RenderColour d);
/// c + d per channel (clamped at 255), alpha kept.
RenderColour lighter(RenderColour c, RenderColour d);
/// The tunnel wash: every channel c becomes trunc(0.4 c + 132).
RenderColour washedOut(RenderColour c);
/// The selected-scenery tone: every channel c becomes trunc(0.7 c + 30); alpha kept.
RenderColour selectedSceneryTone(RenderColour c);

/// Band fill by height (mm): grey at ground level through yellow at 60 mm to brown from 120 mm.
RenderColour elevationTint(double elevationMm);

/// Deck fill of a level: (235, 220, 190), or ((r + 490) / 3, ...) when it has its own track colour.
RenderColour levelDeckFill(const LayoutLevel& level);

/// Band colours of a piece.
struct PieceColours {
    RenderColour fill;
    RenderColour outline;
};

/// The fill and outline of a placed piece. `level` is the piece's level record (nullptr when it
/// has none); `helixFlat` tells that the piece is a helix stub or lies in a helix approach set,
/// which keeps its colour while it is flat.
PieceColours pieceColours(const PlacedPiece& piece, const PieceDef& def, const LayoutLevel* level,
                          bool selected, bool tunnelCovered, bool helixFlat);

/// The groups that decide drawing order and tint around helices, and the tunnel cover.
struct HelixDrawSets {
    /// Bottom helix stubs (below 0.5 mm) and the track flooded from them: drawn under the rings.
    std::unordered_set<uint32_t> lowerGroup;
    /// Every helix stub and both approach sets.
    std::unordered_set<uint32_t> helixTrack;
    /// Pieces covered by any tunnel.
    std::unordered_set<uint32_t> tunnelCovered;
};

/// Builds the sets from the pieces' helix marks, their recorded joints and the tunnels.
void collectHelixDrawSets(const Layout& layout, HelixDrawSets& out);

/// Pose of ring copy k (1-based) of a helix turn with the given radius (mm): on the radius about
/// the centre at angle -90 - 30 k degrees turned by the helix heading, heading = helix heading -
/// 30 k degrees.
Pose helixCopyPose(const Helix& helix, double radius, int k);

/// The variant a helix is drawn with (its own, else the default), or nullptr when it cannot be
/// drawn: neither variant is known, or a curve article is missing from `catalog`.
const HelixVariant* drawableHelixVariant(const Helix& helix, const TrackCatalog& catalog);

/// Level a helix is drawn on: the level of its first existing end piece, else level 1.
int32_t helixLevel(const Layout& layout, const Helix& helix);

/// A grade arrow in the layout frame (mm).
struct GradeArrow {
    bool valid = false;
    Vec2 tail;      ///< the anchor piece's midpoint
    Vec2 tip;       ///< 20 mm further along the arrow
    Vec2 headLeft;  ///< the arrowhead's back corners, 8 mm behind the tip, 6 mm aside
    Vec2 headRight;
    bool upward = false;  ///< grade >= 0
};

/// Arrow of one grade run, invalid when its anchor piece is missing (or not in `catalog`).
GradeArrow gradeArrow(const Layout& layout, const GradeRun& run, const TrackCatalog& catalog);

/// Flat list of polygons: polygon i has `counts[i]` points, stored back to back in `points`.
struct PolygonList {
    std::vector<Vec2> points;
    std::vector<int> counts;
    void clear() {
        points.clear();
        counts.clear();
    }
    size_t size() const { return counts.size(); }
};

/// Appends the accessory outlines (piece-local mm) of K-Track articles with a drive or contact
/// box beside the track; nothing for every other article. w is the band half-width (mm).
void appendAccessoryOutlines(const PieceDef& def, double w, PolygonList& out);
/// Same, one vector per polygon (the 3D view's form).
std::vector<std::vector<Vec2>> accessoryOutlines(const PieceDef& def, double w);

/// A length in the display unit: "%.1f cm", "%.2f\"" or "%.0f mm".
std::string formatLength(double mm, Units units);

/// Tick spacing of the rulers.
struct RulerStep {
    double mmPerUnit = 1.0;  ///< 1 mm, 10 cm, 25.4 in
    double step = 1.0;       ///< displayed units between ticks
    double pixels = 0.0;     ///< screen pixels between ticks
};
/// The candidate tick steps of a unit in displayed units, smallest first.
const std::vector<double>& rulerCandidateSteps(Units units);
/// The first candidate step of the unit that is at least 60 px apart (the last when none is).
RulerStep rulerStep(Units units, double zoom);
/// Ruler tick label of a value in displayed units: "%.0f", inches "%.0f\"" or "%.1f\"".
std::string rulerLabel(double value, Units units);

/// Grid step in pixels, or 0 when the grid is not drawn (outside 6 ... 400 px).
double gridPixelStep(double gridSpacingMm, double zoom);

/// What status field 0 must show after a paint: the elevation banner while grade runs are
/// active, "Ready" when the field shows a banner of runs that ended, else nothing to change.
std::optional<std::string> elevationStatusText(const Layout& layout, std::string_view current);
