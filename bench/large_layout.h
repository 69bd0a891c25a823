#pragma once
// A generated layout of n pieces with the user actions whose cost must grow with n and no faster:
// one long joined chain of straights (its first piece also the top end of a helix), n selected
// scenery items beside it, and a controller to click and drag on it at zoom 1. Used by the
// scaling test and by the benchmarks, so both measure the same work.

#include <string>

#include "canvas/canvas_controller.h"
#include "edit/edit.h"
#include "../tests/unit/canvas/fake_host.h"
#include "panels/selection_edits.h"
#include "panels/selection_summary.h"

struct LargeLayout {
    static constexpr double kStep = 188.3;  ///< length of the straight "24188"
    static constexpr int kSceneryPerRow = 200;

    Layout layout;
    FakeHost host;
    LayoutEditor editor{layout};
    CanvasController ctrl{editor, watching(host, editor)};
    uint32_t helixId = kNoId;

    explicit LargeLayout(int n) {
        layout.EnsureDefaultLevel();
        LayoutLevel upper;
        upper.id = 2;
        upper.name = "Level 2";
        upper.height = 120.0;
        layout.levels.push_back(upper);
        unitView(ctrl);
        layout.pieces.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            PlacedPiece p;
            p.id = layout.AllocateId();
            p.article = "24188";
            p.x = kStep * i;
            p.y = 100.0;
            p.joints.assign(2, Joint{});
            if (i > 0) {
                p.joints[0] = {static_cast<int32_t>(p.id - 1), 1};
                layout.pieces.editBack().joints[1] = {static_cast<int32_t>(p.id), 0};
            }
            layout.pieces.push_back(std::move(p));
        }
        for (int i = 0; i < n; ++i) {
            SceneryItem s;
            s.id = layout.AllocateId();
            s.item = "tree_group";
            s.x = 60.0 * (i % kSceneryPerRow);
            s.y = 1000.0 + 60.0 * (i / kSceneryPerRow);
            layout.scenery.push_back(std::move(s));
        }
        Helix helix;
        helix.id = helixId = layout.AllocateId();
        helix.topR1 = static_cast<int32_t>(layout.pieces.front().id);
        layout.helices.push_back(helix);
    }

    /// Edit > Select All and the selection view that follows it.
    void selectAll() {
        layout.SelectAll();
        summarizeSelection(layout);
    }
    /// A click on the first piece, a shift-click on the last (the chain between is selected) and
    /// the selection view.
    void chainSelect() {
        layout.DeselectAll();
        ctrl.leftDown(px(kStep / 2, 100), {});
        ctrl.leftUp(px(kStep / 2, 100), {});
        const ScreenPoint last = px(layout.pieces.back().x + kStep / 2, 100);
        const Modifiers shift{true, false, false};
        ctrl.leftDown(last, shift);
        ctrl.leftUp(last, shift);
        summarizeSelection(layout);
    }
    /// The helix moved to the other level: its top carries the whole chain along.
    void changeHelixLevel() {
        ShownIds shown;
        shown.helix = helixId;
        const int32_t level = layout.pieces.front().level == 2 ? 1 : 2;
        changeSelectionLevel(editor, shown, level);
    }
    /// Every scenery item selected and dragged by one of them over `moves` mouse moves.
    void dragScenery(int moves) {
        layout.DeselectAll();
        for (SceneryItem& s : layout.scenery.edits()) {
            s.selected = true;
        }
        const ScreenPoint from = px(layout.scenery.front().x, layout.scenery.front().y);
        ctrl.leftDown(from, {});
        for (int i = 1; i <= moves; ++i) {
            ctrl.motion({from.x + 3 * i, from.y + 2 * i}, {}, true);
        }
        ctrl.leftUp({from.x + 3 * moves, from.y + 2 * moves}, {});
    }
    /// Every third piece selected (done before timing) and deleted as one edit.
    void selectEveryThirdPiece() {
        layout.DeselectAll();
        for (size_t i = 0; i < layout.pieces.size(); i += 3) {
            layout.pieces.edit(i).selected = true;
        }
    }
    void deleteSelection() {
        Edit edit(editor);
        edit.deleteSelection();
    }
};
