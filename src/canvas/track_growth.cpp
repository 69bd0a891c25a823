// Track grown from track already laid: the double-click clone and the palette's auto-connect,
// both joined at the end they grew from and at every other end that meets open track.
#include "canvas/track_growth.h"

#include <algorithm>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "canvas/placement_tool.h"
#include "document/snap_search.h"
#include "edit/track_joints.h"

namespace {

/// Joins a piece just added by clone or auto-connect to the end it grew from, joins its other
/// ends that meet open track, selects it and commits the edit.
void finishJoinedPlacement(CanvasController& ctrl, uint32_t id, int own, uint32_t target, int end) {
    ctrl.currentEdit().join(id, own, target, end);
    // A piece that closes a loop or fills a gap meets track at its other ends too.
    ctrl.currentEdit().joinCoincidentEnds({id});
    ctrl.layout().DeselectAll();
    ctrl.layout().EditPiece(id)->selected = true;
    ctrl.modified();
    ctrl.notifySelection();
    ctrl.host().repaint();
}

/// The open end of `target` new track grows from: 1, else 0, else the first open one; -1.
int growingEnd(const PlacedPiece& target, const PieceDef& tdef) {
    const int tn = static_cast<int>(tdef.connectors.size());
    if (tn >= 2 && target.jointAt(1).isOpen()) {
        return 1;
    }
    if (tn >= 1 && target.jointAt(0).isOpen()) {
        return 0;
    }
    for (int c = 2; c < tn; ++c) {
        if (target.jointAt(c).isOpen()) {
            return c;
        }
    }
    return -1;
}

}  // namespace

int32_t placementLevel(const Layout& layout, double* height) {
    const LayoutLevel* best = nullptr;
    for (const LayoutLevel& l : layout.levels) {
        if (l.visible && (best == nullptr || l.height > best->height)) {
            best = &l;
        }
    }
    if (best == nullptr) {
        best = layout.FindLevel(layout.activeLevel);
    }
    if (height != nullptr) {
        *height = best != nullptr ? best->height : 0.0;
    }
    return best != nullptr ? best->id : layout.activeLevel;
}

void collectVisiblePieces(const Layout& layout, std::vector<const PlacedPiece*>& out,
                          bool unselectedOnly) {
    out.clear();
    const LevelTable levels(layout);
    for (const PlacedPiece& p : layout.pieces) {
        if ((!unselectedOnly || !p.selected) && levels.visible(p.level)) {
            out.push_back(&p);
        }
    }
}

bool clonePieceAt(CanvasController& ctrl, ScreenPoint at) {
    Layout& layout = ctrl.layout();
    PlacedPiece* piece = layout.EditPiece(ctrl.pickPiece(at));
    const PieceDef* def = piece != nullptr ? ctrl.catalog().byArticle(piece->article) : nullptr;
    if (def == nullptr || piece->helix != kNoId || def->connectors.empty()) {
        return false;
    }
    const int32_t pid = static_cast<int32_t>(piece->id);
    auto free = [&](int c) {
        if (!piece->jointAt(c).isOpen()) {
            return false;
        }
        return std::none_of(layout.pieces.begin(), layout.pieces.end(), [&](const PlacedPiece& o) {
            return std::any_of(o.joints.begin(), o.joints.end(),
                               [&](const Joint& j) { return j.target == pid && j.tconn == c; });
        });
    };
    const int n = static_cast<int>(def->connectors.size());
    int end = -1;
    if (n >= 2 && free(1)) {
        end = 1;
    } else if (free(0)) {
        end = 0;
    }
    if (end < 0) {
        return false;
    }
    const int own = std::min(end == 0 ? 1 : 0, n - 1);
    const Pose pose = matingPose(*def, own, connectorToWorld(*piece, *def, end));
    PlacedPiece clone;
    clone.article = piece->article;
    clone.level = piece->level;
    clone.z = piece->z;
    clone.setPose(pose);
    clone.joints.resize(def->connectors.size());
    const uint32_t sourceId = piece->id;
    const uint32_t id = ctrl.addPiece(std::move(clone));
    finishJoinedPlacement(ctrl, id, own, sourceId, end);
    return true;
}

void autoConnect(CanvasController& ctrl, const std::string& article, bool flipped) {
    const PieceDef* def = ctrl.catalog().byArticle(article);
    if (def == nullptr) {
        return;
    }
    uint32_t newest = kNoId;
    for (const PlacedPiece& p : ctrl.layout().pieces) {
        if (p.selected && (newest == kNoId || p.id > newest)) {
            newest = p.id;
        }
    }
    PlacedPiece* target = newest == kNoId ? nullptr : ctrl.layout().EditPiece(newest);
    if (target == nullptr) {
        startPaletteDrag(ctrl, article);
        return;
    }
    const PieceDef* tdef = ctrl.catalog().byArticle(target->article);
    if (tdef == nullptr || def->connectors.empty()) {
        return;
    }
    extendJoints(*target, ctrl.catalog());
    const int end = growingEnd(*target, *tdef);
    if (end < 0) {
        return;
    }
    // Growing from end 1 the new piece meets it with connector 0 and runs on; flipped, it meets
    // it with connector 1, laid end for end.
    const int n = static_cast<int>(def->connectors.size());
    const bool ownIsOne = (end == 0) != flipped;
    const int own = std::min(ownIsOne ? 1 : 0, n - 1);
    const Pose pose = matingPose(*def, own, connectorToWorld(*target, *tdef, end));
    PlacedPiece record;
    record.article = def->article;
    record.setPose(pose);
    record.level = target->level;
    record.z = target->z;
    record.joints.resize(def->connectors.size());
    const uint32_t targetId = target->id;
    const uint32_t id = ctrl.addPiece(std::move(record));
    finishJoinedPlacement(ctrl, id, own, targetId, end);
}
