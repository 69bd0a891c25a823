#pragma once
// Tools that put something down where the mouse is: a catalog piece dragged from the palette
// (with its snap search, the drop and a turntable's spokes), a scenery item (a roundhouse sets
// itself against a nearby turntable pit) and a helix. Each follows the mouse from screen
// (300, 200) until a left click places it, then ends; Escape ends it without placing anything.
//
// Files: placement_tool.cpp (the palette drag), scenery_placement.cpp (scenery and helices).

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas_tool.h"
#include "document/layout.h"

class CanvasController;

/// Status field 0 while a piece, scenery item or helix follows the mouse.
inline constexpr const char* kPlacementHint =
    "Click to place \u00b7 wheel or R rotates \u00b7 F flips \u00b7 Esc cancels";

/// State of a piece dragged from the palette.
struct PaletteDrag {
    bool active = false;
    std::string article;
    Vec2 position;         ///< layout mm, the mouse point
    double heading = 0.0;  ///< degrees, [0, 360)
    /// Laid end for end: connector 1 follows the mouse, so a curve bends the other way.
    bool flipped = false;
    /// The mouse moved over the canvas since the drag began: a release there drops the piece
    /// (drag and drop from the palette), besides the click that always does.
    bool movedOverCanvas = false;
    SnapResult snap;
};

/// A scenery item following the mouse until a left click puts it down.
struct SceneryPlacement {
    bool active = false;
    std::string key;       ///< scenery catalog key
    Vec2 position;         ///< layout mm, the mouse point
    double heading = 0.0;  ///< degrees, [0, 360)
};

/// A helix following the mouse until a left click puts it down.
struct HelixPlacement {
    bool active = false;
    std::string variant;  ///< helix variant key; unknown keys place the default variant
    Vec2 position;        ///< layout mm, the mouse point
};

/// A catalog piece on the mouse: wheel and R turn it 30 degrees (wheel with Shift 15), a right
/// click turns it 30, F lays it end for end; it snaps onto open ends within 25 mm, and a click
/// (or a release after moving over the canvas with the button held) drops it.
class PaletteDragTool final : public CanvasTool {
public:
    /// `article` must be in the catalog.
    PaletteDragTool(CanvasController& owner, const std::string& article);

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    void leftUp(ScreenPoint at, Modifiers mods) override;
    void rightDown(ScreenPoint at, Modifiers mods) override;
    bool wheel(ScreenPoint at, Modifiers mods, int rotation) override;
    bool key(CanvasKey key, Modifiers mods) override;
    bool allowPan(bool) override { return false; }
    bool busy() const override { return true; }
    void overlays(CanvasOverlays& out) const override;
    std::string hint() const override { return kPlacementHint; }

    const PaletteDrag& state() const { return m_drag; }

private:
    /// Where the dragged piece lies before snapping: connector 0 (or 1 when flipped) at the
    /// mouse, turned by the drag heading.
    Pose freePose() const;
    void follow(ScreenPoint at);
    void turn(double degrees);
    void drop();
    void placeTurntableSpokes(uint32_t turntableId);

    CanvasController& m_ctrl;
    PaletteDrag m_drag;
    std::vector<const PlacedPiece*> m_candidates;  ///< reused by the snap search
};

/// A scenery item on the mouse: wheel turns it 30 degrees (Shift 15), R and a right click 15.
class SceneryPlacementTool final : public CanvasTool {
public:
    /// `key` must be in the scenery catalog.
    SceneryPlacementTool(CanvasController& owner, const std::string& key);

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    void rightDown(ScreenPoint at, Modifiers mods) override;
    bool wheel(ScreenPoint at, Modifiers mods, int rotation) override;
    bool key(CanvasKey key, Modifiers mods) override;
    bool allowPan(bool) override { return false; }
    bool busy() const override { return true; }
    void overlays(CanvasOverlays& out) const override;
    std::string hint() const override { return kPlacementHint; }

    /// Puts the item down at `point` (layout mm) with the placement heading on the placement
    /// level; a roundhouse near a turntable pit is set against the pit. One undo step; the tool
    /// ends. Returns the new item's id.
    uint32_t place(Vec2 point);
    const SceneryPlacement& state() const { return m_placement; }

private:
    void turn(double degrees);
    /// Nearest turntable pit scenery item closer than the roundhouse's reach, or nullptr.
    const SceneryItem* nearestPit(Vec2 point) const;

    CanvasController& m_ctrl;
    SceneryPlacement m_placement;
};

/// A helix on the mouse; the wheel keeps zooming.
class HelixPlacementTool final : public CanvasTool {
public:
    HelixPlacementTool(CanvasController& owner, const std::string& variant);

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    void rightDown(ScreenPoint, Modifiers) override {}  // no context menu while placing
    bool allowPan(bool) override { return false; }
    bool busy() const override { return true; }
    void overlays(CanvasOverlays& out) const override;
    std::string hint() const override { return kPlacementHint; }

    const HelixPlacement& state() const { return m_placement; }

private:
    CanvasController& m_ctrl;
    HelixPlacement m_placement;
};

/// Starts dragging a catalog piece as if the mouse were at screen (300, 200), heading 0. Unknown
/// articles start nothing.
void startPaletteDrag(CanvasController& ctrl, const std::string& article);
/// Starts a scenery item on the mouse, heading 0. Keys not in the scenery catalog start nothing.
void startSceneryPlacement(CanvasController& ctrl, const std::string& key);
/// Starts a helix on the mouse; unknown variants place the default one.
void startHelixPlacement(CanvasController& ctrl, const std::string& variant);
/// The placement in progress on `ctrl`; inactive when another tool (or none) is active.
const PaletteDrag& paletteDrag(const CanvasController& ctrl);
const SceneryPlacement& sceneryPlacement(const CanvasController& ctrl);
const HelixPlacement& helixPlacement(const CanvasController& ctrl);

/// One undo step: a Helix centred on `centre` (layout mm, heading 0) with its four end stubs on
/// level 1, bottom ends first. Unknown or empty variants take the default one. Returns the helix
/// id, or kNoId when the variant's stub article is not in the catalog.
uint32_t placeHelix(CanvasController& ctrl, Vec2 centre, const std::string& variant);
