#pragma once
// The select tool, the canvas's default: clicks on pieces (single, toggle, chain), the rubber
// band, moving pieces with the move snap and the rejoin, moving scenery, shapes, labels and deck
// outlines, the Alt rotation with its right-angle catch, Ctrl+wheel and Alt+right-click turns,
// the double-click clone and the context menu.
//
// Files: select_tool.cpp (dispatch, clicks, chains, rubber band, simple moves), select_move.cpp
// (moving pieces: guards, joint breaking, move snap, rejoin), select_rotation.cpp (the Alt
// rotation and the one-step and wheel turns), select_context_menu.cpp (the context menu).

#include <cstdint>
#include <utility>
#include <vector>

#include "canvas/canvas_tool.h"
#include "document/layout.h"
#include "edit/connector_grid.h"

class CanvasController;

class SelectTool final : public CanvasTool {
public:
    explicit SelectTool(CanvasController& owner) : m_ctrl(owner) {}

    void leftDown(ScreenPoint at, Modifiers mods) override;
    void motion(ScreenPoint at, Modifiers mods, bool leftButton) override;
    void leftUp(ScreenPoint at, Modifiers mods) override;
    void leftDoubleClick(ScreenPoint at, Modifiers mods) override;
    void rightDown(ScreenPoint at, Modifiers mods) override;
    bool wheel(ScreenPoint at, Modifiers mods, int rotation) override;
    void timer() override;
    bool allowPan(bool spaceBar) override;
    bool busy() const override;
    bool movesSelection() const override {
        return m_move.moving || m_rotation.active || (m_simple.active && m_simple.level < 0);
    }
    void overlays(CanvasOverlays& out) const override;

private:
    struct PoseOf {
        uint32_t id = kNoId;
        Pose pose;
        size_t slot = 0;  ///< position in its list when the move began (pieces and scenery)
    };
    /// Puts each record at its pose when the move began, shifted by (dx, dy). Nothing is added
    /// or removed while moving, so the positions taken then still hold the records: no look-up
    /// on every mouse move.
    template <typename List>
    static void shiftFromStart(List& list, const std::vector<PoseOf>& poses, double dx,
                               double dy) {
        for (const PoseOf& s : poses) {
            if (s.slot < list.size() && list[s.slot].id == s.id) {
                auto& record = list.edit(s.slot);
                record.x = s.pose.x + dx;
                record.y = s.pose.y + dy;
            }
        }
    }
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
    struct HandleDrag {  // a resize handle of the lone selected scenery item
        int handle = -1;
        SceneryItem start;
        Vec2 fixed;                       ///< the opposite handle's point, which stays where it is
        double width = 0.0, depth = 0.0;  ///< catalog size
    };
    struct MeasurementMove {  // a measuring-tape annotation follows the mouse offset
        uint32_t id = kNoId;
        Vec2 grab;
        Measurement start;
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

    // select_tool.cpp
    bool pressOnShape(ScreenPoint at);
    bool pressOnLabel(ScreenPoint at);
    bool pressOnScenery(ScreenPoint at, Modifiers mods);
    void pressOnEmpty(ScreenPoint at, Modifiers mods);
    bool pressOnPiece(uint32_t id, ScreenPoint at, Modifiers mods);
    void chainSelect(uint32_t clickedId);
    void armMove(uint32_t id, ScreenPoint at);
    void moveLabel(ScreenPoint at);
    void moveSimple(ScreenPoint at);
    void finishRubberBand();
    bool pressOnDeck(ScreenPoint at);

    // select_annotations.cpp: measurements, resize handles and the double-click dialogs
    bool pressOnMeasurement(ScreenPoint at);
    bool pressOnHandle(ScreenPoint at);
    void moveMeasurement(ScreenPoint at);
    void dragHandle(ScreenPoint at);
    /// The sizing cursor over a resize handle, else the arrow.
    void hoverCursor(ScreenPoint at);
    bool openPropertiesAt(ScreenPoint at);

    // select_move.cpp
    bool beginMove();
    bool moveGuardsPass();
    void dragSelection(ScreenPoint at);
    void finishMove();
    void breakOutsideJoints();
    void searchMoveSnap();
    void applyMoveSnap();
    void rejoinNearbyEnds();

    // select_rotation.cpp
    bool beginRotation(ScreenPoint at);
    /// The pivot: a whole helix's centre, else the middle of the selection (under the lock).
    bool chooseRotationPivot(Rotation& rot);
    void rotateSelection(ScreenPoint at);

    // select_context_menu.cpp
    void contextMenu(ScreenPoint at, Modifiers mods);

    CanvasController& m_ctrl;
    PieceMove m_move;
    Rotation m_rotation;
    SimpleMove m_simple;
    HandleDrag m_handle;
    MeasurementMove m_measurement;
    CanvasCursor m_hoverCursor = CanvasCursor::Arrow;
    uint32_t m_labelMove = kNoId;
    Vec2 m_labelOffset;
    bool m_labelUndoTaken = false;
    bool m_band = false;
    ScreenPoint m_bandFrom, m_bandTo;
    bool m_swallowPress = false;
};

/// Turns the selection one step (+1 clockwise): a whole helix 30 degrees about its centre, else
/// 15 degrees about the first selected piece (scenery item, shape), under the rotate lock. One
/// undo step (select_rotation.cpp).
void turnSelectionStep(CanvasController& ctrl, int direction);
/// Turns the selection 15 degrees (5 when `fine`) per wheel step direction about the middle of
/// its bounding box, under the rotate lock. One undo step (select_rotation.cpp).
void turnSelectionByWheel(CanvasController& ctrl, int rotation, bool fine);

/// Lays the one selected curve or turnout end for end in place (Edit::flip) under the lock
/// guard for "flip". One undo step; false when nothing was flipped (select_context_menu.cpp).
bool flipSelectedPiece(CanvasController& ctrl);

/// Asked at most once per program run before a move of graded track; shared by every canvas.
bool& gradedMoveWarningShown();
