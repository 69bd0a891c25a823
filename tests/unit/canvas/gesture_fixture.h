#pragma once
// A controller on a fresh one-level layout at zoom 1 with the origin at screen (0, 0), and the
// small steps the gesture tests are written in: drops, rows of joined straights, clicks, drags.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "canvas/canvas_controller.h"
#include "canvas/track_growth.h"
#include "edit/track_joints.h"
#include "../../placed_piece_support.h"
#include "fake_host.h"

inline const Modifiers kNone{};
inline const Modifiers kShift{true, false, false};
inline const Modifiers kCtrl{false, true, false};
inline const Modifiers kAlt{false, false, true};

struct GestureFixture : ::testing::Test {
    Layout layout;
    FakeHost host;
    LayoutEditor editor{layout};
    CanvasController ctrl{editor, watching(host, editor)};

    void SetUp() override {
        layout.EnsureDefaultLevel();
        unitView(ctrl);
    }
    /// Drops `article` through the palette at screen (x, y); returns its id.
    uint32_t drop(const std::string& article, double x, double y) {
        startPaletteDrag(ctrl, article);
        ctrl.motion(px(x, y), kNone, false);
        ctrl.leftDown(px(x, y), kNone);
        return layout.pieces.back().id;
    }
    /// n joined 188.3 mm straights along +x at height y.
    void row(int n, double y = 100.0) {
        for (int i = 0; i < n; ++i) {
            drop("24188", 188.3 * i + 1.0, y);
        }
    }
    /// Appends a piece straight into the document (no undo step, open joints); returns it.
    PlacedPiece& put(const std::string& article, double x, double y, double heading = 0.0,
                     int32_t level = 1) {
        PlacedPiece& p = *layout.EditPiece(addPiece(layout, article, x, y, heading));
        p.level = level;
        return p;
    }
    void click(ScreenPoint at, Modifiers mods = kNone) {
        ctrl.leftDown(at, mods);
        ctrl.leftUp(at, mods);
    }
    void drag(ScreenPoint from, ScreenPoint to) {
        ctrl.leftDown(from, kNone);
        ctrl.motion({(from.x + to.x) / 2, (from.y + to.y) / 2}, kNone, true);
        ctrl.motion(to, kNone, true);
        ctrl.leftUp(to, kNone);
    }
    long selectedCount() const {
        return std::count_if(layout.pieces.begin(), layout.pieces.end(),
                             [](const PlacedPiece& p) { return p.selected; });
    }
};
