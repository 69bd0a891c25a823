// Selecting with the mouse: clicks on pieces (single, toggle, chain), the rubber band, and the
// deck outline grab.
#include <algorithm>
#include <cmath>
#include <deque>

#include "canvas/canvas_controller.h"
#include "canvas/canvas_picking.h"
#include "catalog/piece_shape.h"
#include "edit/track_joints.h"

namespace {

constexpr const char* kTurntable = "74861";

bool insidePolygon(const std::vector<Vec2>& v, Vec2 p) {
    bool inside = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x) {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace

bool CanvasController::pressOnPiece(uint32_t id, ScreenPoint at, Modifiers mods) {
    PlacedPiece* piece = m_layout.FindPiece(id);
    if (piece == nullptr) {
        return false;
    }
    if (!mods.ctrl && !mods.shift) {
        // A click inside the selection keeps it, so the drag that follows moves all of it.
        if (!piece->selected) {
            m_layout.DeselectAll();
            if (piece->helix != kNoId) {
                for (PlacedPiece& p : m_layout.pieces) {
                    p.selected = p.selected || p.helix == piece->helix;
                }
            } else if (piece->article == kTurntable) {
                piece->selected = true;
                const auto index = pieceIndexById(m_layout);
                for (const Joint& j : piece->joints) {
                    auto it = index.find(static_cast<uint32_t>(j.target));
                    if (!j.isOpen() && it != index.end()) {
                        m_layout.pieces[it->second].selected = true;
                    }
                }
            } else {
                piece->selected = true;
            }
        }
    } else if (mods.ctrl && !mods.shift) {
        piece->selected = !piece->selected;
    } else {
        chainSelect(*piece);
    }
    m_layout.CompleteHelixSelection();
    notifySelection();
    armMove(id, at);
    m_host.repaint();
    return true;
}

void CanvasController::chainSelect(PlacedPiece& clicked) {
    const PlacedPiece* anchor = nullptr;
    for (const PlacedPiece& p : m_layout.pieces) {
        if (p.selected) {
            anchor = &p;
        }
    }
    if (anchor == nullptr || anchor == &clicked) {
        clicked.selected = !clicked.selected;
        return;
    }
    // Breadth-first over joints from the anchor, remembering each piece's predecessor.
    const auto index = pieceIndexById(m_layout);
    const size_t none = m_layout.pieces.size();
    std::vector<size_t> previous(m_layout.pieces.size(), none);
    std::vector<bool> visited(m_layout.pieces.size(), false);
    const size_t start = static_cast<size_t>(anchor - m_layout.pieces.data());
    const size_t goal = static_cast<size_t>(&clicked - m_layout.pieces.data());
    std::deque<size_t> queue{start};
    visited[start] = true;
    while (!queue.empty() && !visited[goal]) {
        const size_t cur = queue.front();
        queue.pop_front();
        for (const Joint& j : m_layout.pieces[cur].joints) {
            if (j.isOpen()) {
                continue;
            }
            auto it = index.find(static_cast<uint32_t>(j.target));
            if (it == index.end() || visited[it->second]) {
                continue;
            }
            visited[it->second] = true;
            previous[it->second] = cur;
            queue.push_back(it->second);
        }
    }
    if (!visited[goal]) {
        clicked.selected = !clicked.selected;
        return;
    }
    for (size_t i = goal; i != none; i = previous[i]) {
        m_layout.pieces[i].selected = true;
    }
}

void CanvasController::armMove(uint32_t id, ScreenPoint at) {
    if (PlacedPiece* piece = m_layout.FindPiece(id)) {
        extendJoints(*piece, m_catalog);
    }
    m_move = PieceMove{};
    m_move.pending = true;
    m_move.press = at;
    m_move.grab = toWorld(at);
    m_host.captureMouse();
}

void CanvasController::finishRubberBand() {
    const double left = std::min(m_bandFrom.x, m_bandTo.x);
    const double right = std::max(m_bandFrom.x, m_bandTo.x);
    const double top = std::min(m_bandFrom.y, m_bandTo.y);
    const double bottom = std::max(m_bandFrom.y, m_bandTo.y);
    if (right - left <= 4 && bottom - top <= 4) {
        return;
    }
    const LevelTable levels(m_layout);
    auto toScreen = [this](Vec2 w) {
        return Vec2{w.x * m_view.zoom + m_view.panX, w.y * m_view.zoom + m_view.panY};
    };
    for (PlacedPiece& p : m_layout.pieces) {
        const PieceDef* def = m_catalog.byArticle(p.article);
        if (def == nullptr || !levels.visible(p.level)) {
            continue;
        }
        // Pieces whose whole extent lies away from the band are skipped without sampling.
        const double reach = (def->length + def->radius) * m_view.zoom + 1.0;
        const Vec2 origin = toScreen({p.x, p.y});
        if (origin.x + reach < left || origin.x - reach > right || origin.y + reach < top ||
            origin.y - reach > bottom) {
            continue;
        }
        const PieceShape& shape = pieceShape(*def);
        const Pose pose = p.pose();
        bool hit = false;
        for (const RouteSegment& seg : shape.segments) {
            const int steps = rubberBandSteps(seg);
            Vec2 a = toScreen(localToLayout(pose, seg.pointAt(0.0)));
            for (int k = 1; k <= steps && !hit; ++k) {
                const Vec2 b = toScreen(localToLayout(pose, seg.pointAt(double(k) / steps)));
                hit = segmentHitsRect(a, b, left, top, right, bottom);
                a = b;
            }
            if (hit) {
                break;
            }
        }
        p.selected = p.selected || hit;
    }
    for (SceneryItem& s : m_layout.scenery) {
        if (!levels.visible(s.level)) {
            continue;
        }
        const Vec2 q = toScreen({s.x, s.y});
        if (q.x >= left && q.x <= right && q.y >= top && q.y <= bottom) {
            s.selected = true;
        }
    }
    m_layout.CompleteHelixSelection();
    notifySelection();
}

bool CanvasController::pressOnDeck(ScreenPoint at) {
    const Vec2 world = toWorld(at);
    // The highest deck under the point is the one the user sees.
    LayoutLevel* best = nullptr;
    for (LayoutLevel& level : m_layout.levels) {
        if (level.visible && level.outline.size() >= 3 && insidePolygon(level.outline, world) &&
            (best == nullptr || level.height > best->height)) {
            best = &level;
        }
    }
    if (best == nullptr) {
        return false;
    }
    beginEdit();
    m_simple = SimpleMove{};
    m_simple.active = true;
    m_simple.grab = world;
    m_simple.level = best->id;
    m_simple.vertices = best->outline;
    m_simple.undoTaken = true;
    m_host.captureMouse();
    return true;
}
