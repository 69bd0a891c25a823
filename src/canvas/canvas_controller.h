#pragma once
// The gestures of the plan view without a window: the controller receives plain input events
// (screen pixels, modifier flags), works on the layout document and the view, and asks its host
// for what only a window can do. CanvasPanel feeds it toolkit events; the gesture tests feed it
// scripted ones.
//
// Files: canvas_controller.cpp (event dispatch, panning, wheel, keys), canvas_selection.cpp
// (clicks, chains, rubber band), canvas_move.cpp (moving, Alt rotation, move snap and rejoin),
// canvas_placement.cpp (palette drag, drop, clone, auto-connect), canvas_edit.cpp (undo, copy,
// paste, delete, one-step rotation, context menu), canvas_helix.cpp (helix placement),
// canvas_scenery_placement.cpp (scenery placement and the events of both placements).

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "canvas/canvas_host.h"
#include "canvas/canvas_view.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/clipboard.h"
#include "edit/connector_grid.h"
#include "edit/edit.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"

struct HelixVariant;
struct SceneryDef;

/// Modifier keys held during an event.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

/// Keys the canvas reacts to; everything else is Other.
enum class CanvasKey { Other, Escape, Delete, Backspace, Enter, Space, R, C, V, F };

/// A tool mode of the canvas (measuring tape, drawing, placements of later tools, wizards). An
/// active tool sees every event first; returning true ends the handling.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;
    virtual bool leftDown(ScreenPoint /*at*/, Modifiers /*mods*/) { return false; }
    virtual bool motion(ScreenPoint /*at*/, Modifiers /*mods*/, bool /*leftButton*/) {
        return false;
    }
    virtual bool leftUp(ScreenPoint /*at*/, Modifiers /*mods*/) { return false; }
    virtual bool rightDown(ScreenPoint /*at*/, Modifiers /*mods*/) { return false; }
    virtual bool wheel(ScreenPoint /*at*/, Modifiers /*mods*/, int /*rotation*/) { return false; }
    virtual bool key(CanvasKey /*key*/, Modifiers /*mods*/) { return false; }
    /// Ends the tool without placing anything (a palette drag starts, Escape).
    virtual void cancel() {}
};

/// What the canvas draws over the document for the gesture in progress.
struct CanvasOverlays {
    bool rubberBand = false;  ///< dotted rectangle between two screen points
    ScreenPoint bandFrom, bandTo;
    bool snapMarker = false;  ///< yellow dot on the target connector (layout mm)
    Vec2 snapPoint;
    const PieceDef* ghost = nullptr;  ///< palette drag preview, at ghostPose (layout mm, degrees)
    Pose ghostPose;
    bool pivot = false;  ///< Alt rotation pivot (layout mm) and the heading shown next to it
    Vec2 pivotPoint;
    bool pivotOnRightAngle = false;
    double pivotHeading = 0.0;            ///< degrees
    const SceneryDef* scenery = nullptr;  ///< scenery being placed: dotted outline at sceneryPose
    Pose sceneryPose;
    const HelixVariant* helix = nullptr;  ///< helix being placed: its two radii about helixCentre
    Vec2 helixCentre;
};

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

/// Status field 0 while a piece, scenery item or helix follows the mouse.
inline constexpr const char* kPlacementHint =
    "Click to place \u00b7 wheel or R rotates \u00b7 F flips \u00b7 Esc cancels";

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

class CanvasController {
public:
    static constexpr int kFlashMs = 350;  ///< how long a right-angle snap of a rotation glows

    CanvasController(LayoutEditor& editor, CanvasHost& host);

    CanvasView& view() { return m_view; }
    const CanvasView& view() const { return m_view; }
    Layout& layout() { return m_layout; }
    const Layout& layout() const { return m_layout; }
    const TrackCatalog& catalog() const { return m_catalog; }
    LayoutEditor& editor() { return m_editor; }

    /// A tool that sees events before the normal handling (not owned; remove before deleting).
    void addTool(CanvasTool* tool);
    void removeTool(CanvasTool* tool);

    // Input, all points in screen pixels of the canvas.
    void leftDown(ScreenPoint at, Modifiers mods);
    /// `leftButton`: the left button is held during the motion.
    void motion(ScreenPoint at, Modifiers mods, bool leftButton);
    void leftUp(ScreenPoint at, Modifiers mods);
    void leftDoubleClick(ScreenPoint at, Modifiers mods);
    void rightDown(ScreenPoint at, Modifiers mods);
    void middleDown(ScreenPoint at);
    void middleUp(ScreenPoint at);
    /// `rotation`: wheel steps, positive away from the user.
    void wheel(ScreenPoint at, Modifiers mods, int rotation);
    /// True when the key was used.
    bool keyDown(CanvasKey key, Modifiers mods);
    void keyUp(CanvasKey key);
    /// The flash timer ran out.
    void timer();
    void mouseLeft();
    /// Last mouse point and whether the mouse is over the canvas.
    ScreenPoint mousePoint() const { return m_mouse; }
    bool mouseInside() const { return m_mouseInside; }

    // Picking at a screen point; kNoId / -1 when nothing is hit.
    uint32_t pickPiece(ScreenPoint at) const;
    uint32_t pickHelix(ScreenPoint at) const;
    uint32_t pickScenery(ScreenPoint at) const;
    int pickSceneryHandle(ScreenPoint at) const;
    uint32_t pickLabel(ScreenPoint at) const;
    uint32_t pickShape(ScreenPoint at) const;

    // Placement.
    /// Starts dragging a catalog piece as if the mouse were at screen (300, 200), heading 0.
    /// Unknown articles start nothing.
    void startPaletteDrag(const std::string& article);
    /// Ends a palette drag and every placement tool, releases the mouse, repaints.
    void cancelPlacement();
    /// One edit: a fresh id, the record appended. Returns the id.
    uint32_t addPiece(PlacedPiece record);
    /// Grows the track from the selected piece with the greatest id, or starts a palette drag
    /// when nothing is selected. `flipped` lays the new piece end for end (a curve bends the
    /// other way).
    void autoConnect(const std::string& article, bool flipped = false);
    const PaletteDrag& paletteDrag() const { return m_drag; }

    /// Starts a helix following the mouse from screen (300, 200); a left click places it.
    void startHelixPlacement(const std::string& variant);
    /// Starts a scenery item following the mouse from screen (300, 200), heading 0; a left click
    /// places it. Keys not in the scenery catalog start nothing.
    void startSceneryPlacement(const std::string& key);
    /// One undo step: a Helix centred on `centre` (layout mm, heading 0) with its four end stubs
    /// on level 1, bottom ends first. Unknown or empty variants take the default one. Returns the
    /// helix id, or kNoId when the variant's stub article is not in the catalog.
    uint32_t placeHelix(Vec2 centre, const std::string& variant);
    /// Puts the scenery item being placed down at `point` (layout mm) with the placement heading;
    /// a roundhouse near a turntable pit is set against the pit. One undo step; the placement
    /// ends. Returns the new item's id, or kNoId when nothing was placed.
    uint32_t placeScenery(Vec2 point);
    const SceneryPlacement& sceneryPlacement() const { return m_sceneryPlacement; }
    const HelixPlacement& helixPlacement() const { return m_helixPlacement; }

    // Edit commands.
    void undo();
    void redo();
    void copySelection();
    void copyShape(uint32_t shapeId);
    /// Pastes the clipboard centred on the screen point.
    void pasteAt(ScreenPoint at);
    /// Keyboard paste: at the mouse when it is over the canvas, else at the canvas centre.
    void pasteAtMouseOrCentre();
    void deleteCommand();
    /// Turns the selection one step (+1 clockwise): a whole helix 30 degrees, else 15 degrees.
    void rotateSelectionStep(int direction);
    const CanvasClipboard& clipboard() const { return m_clipboard; }

    // View commands.
    void zoomIn();
    void zoomOut();
    void zoomToFit(bool piecesOnly = false);
    void resetView(double zoom);

    /// What the paint draws after the document.
    CanvasOverlays overlays() const;
    /// Whether any gesture (move, band, pan, rotation, palette drag, placement) is in progress.
    bool gestureActive() const;

private:
    struct PoseOf {
        uint32_t id = kNoId;
        Pose pose;
        size_t slot = 0;  ///< position in the layout's array when the move began (pieces only)
    };
    struct PieceMove {
        bool pending = false;
        bool moving = false;
        ScreenPoint press;
        Vec2 grab;
        std::vector<PoseOf> pieces;
        std::vector<PoseOf> scenery;
        std::vector<PoseOf> helices;  ///< centres (x, y) of helices with selected stubs
        SnapResult snap;
        uint32_t snapPiece = kNoId;
        ConnectorGrid grid;  ///< open ends of the pieces that stay, for the snap search
    };
    struct Rotation {
        bool active = false;
        Vec2 pivot;
        uint32_t helix = kNoId;
        double startAngle = 0.0;
        double reference = 0.0;
        double delta = 0.0;
        std::vector<PoseOf> pieces;
        std::vector<PoseOf> scenery;
        std::vector<std::pair<uint32_t, std::vector<Vec2>>> shapes;
        std::vector<PoseOf> helices;  ///< centre and heading of helices turned along
        bool flash = false;
    };
    // The two placements see every event before the other tools and the normal handling
    // (canvas_scenery_placement.cpp).
    class PlacementTool final : public CanvasTool {
    public:
        explicit PlacementTool(CanvasController& owner) : m_owner(owner) {}
        bool leftDown(ScreenPoint at, Modifiers mods) override;
        bool motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
        bool rightDown(ScreenPoint at, Modifiers mods) override;
        bool wheel(ScreenPoint at, Modifiers mods, int rotation) override;
        bool key(CanvasKey key, Modifiers mods) override;
        void cancel() override;

    private:
        CanvasController& m_owner;
    };

    struct SimpleMove {  // scenery, shapes and deck outlines follow the mouse offset
        bool active = false;
        Vec2 grab;
        std::vector<PoseOf> scenery;
        uint32_t shape = kNoId;
        int32_t level = -1;  ///< deck outline being dragged
        std::vector<Vec2> vertices;
        bool undoTaken = false;
    };

    // canvas_controller.cpp
    CanvasTool* activeTool(ScreenPoint) const;
    Vec2 toWorld(ScreenPoint p) const;
    void updateStatusCoordinates(ScreenPoint at);
    void endGestures();
    void notifySelection();
    /// Commits an open edit and opens a new one for a gesture or command; returns the document
    /// to change (the undo step is taken).
    Layout& beginEdit();
    /// The open edit; one is opened when there is none.
    Edit& currentEdit();
    /// Commits the open edit: one notice to the observers.
    void modified();
    bool anyMoveSelection() const;

    // canvas_selection.cpp
    bool pressOnPiece(uint32_t id, ScreenPoint at, Modifiers mods);
    void chainSelect(PlacedPiece& clicked);
    void armMove(uint32_t id, ScreenPoint at);
    void finishRubberBand();
    bool pressOnDeck(ScreenPoint at);

    // canvas_move.cpp
    bool beginMove();
    void dragSelection(ScreenPoint at);
    void finishMove();
    void breakOutsideJoints();
    void searchMoveSnap();
    void applyMoveSnap();
    void rejoinNearbyEnds();
    bool beginRotation(ScreenPoint at);
    void rotateSelection(ScreenPoint at);

    // canvas_placement.cpp
    void dragMotion(ScreenPoint at);
    /// Where the dragged piece lies before snapping: connector 0 (or 1 when flipped) at the
    /// mouse, turned by the drag heading.
    Pose dragFreePose() const;
    void dropPiece();
    void placeTurntableSpokes(uint32_t turntableId);
    /// Joins a piece just added by clone or auto-connect to the end it grew from, joins its
    /// other ends that meet open track, selects it and commits the edit.
    void finishJoinedPlacement(uint32_t id, int own, uint32_t target, int end);
    bool cloneAt(ScreenPoint at);
    int32_t placementLevel(double* height) const;
    void collectVisiblePieces(std::vector<const PlacedPiece*>& out, bool unselectedOnly) const;

    // canvas_scenery_placement.cpp
    void turnSceneryPlacement(double degrees);
    /// Nearest turntable pit scenery item closer than the roundhouse's reach, or nullptr.
    const SceneryItem* nearestPit(Vec2 point) const;

    // canvas_edit.cpp
    void wheelRotate(int rotation, bool fine);
    void contextMenu(ScreenPoint at, Modifiers mods);
    void runContextCommand(ContextCommand command, ScreenPoint at, uint32_t shapeId);

    LayoutEditor& m_editor;
    Layout& m_layout;
    CanvasHost& m_host;
    std::optional<Edit> m_edit;
    const TrackCatalog& m_catalog;
    CanvasView m_view;
    std::vector<CanvasTool*> m_tools;

    ScreenPoint m_mouse;
    bool m_mouseInside = false;
    PaletteDrag m_drag;
    SceneryPlacement m_sceneryPlacement;
    HelixPlacement m_helixPlacement;
    PlacementTool m_placementTool{*this};
    PieceMove m_move;
    Rotation m_rotation;
    SimpleMove m_simple;
    uint32_t m_labelMove = kNoId;
    Vec2 m_labelOffset;
    bool m_labelUndoTaken = false;
    bool m_band = false;
    ScreenPoint m_bandFrom, m_bandTo;
    bool m_pan = false;        ///< a pan armed by Ctrl+press or the middle button
    bool m_panMoved = false;   ///< past the 4 px threshold (always for the middle button)
    bool m_middlePan = false;  ///< the pan belongs to the middle button
    bool m_spaceHeld = false;  ///< space bar down
    bool m_spacePan = false;   ///< a space-bar pan recorded its press point
    ScreenPoint m_panPress;
    double m_panX0 = 0.0, m_panY0 = 0.0;
    bool m_swallowPress = false;
    CanvasClipboard m_clipboard;
    std::vector<const PlacedPiece*> m_candidates;  ///< reused by the snap search of a drag
};

/// Asked at most once per program run before a move of graded track; shared by every canvas.
bool& gradedMoveWarningShown();
