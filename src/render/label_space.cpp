#include "render/label_space.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTrackLabelMinPt = 6;
constexpr int kTrackLabelMaxPt = 14;
constexpr double kTrackLabelPtPerZoom = 9.0;

bool overlap(const LabelRect& a, const LabelRect& b) {
    const int64_t ax1 = int64_t{a.x} + a.width;
    const int64_t ay1 = int64_t{a.y} + a.height;
    const int64_t bx1 = int64_t{b.x} + b.width;
    const int64_t by1 = int64_t{b.y} + b.height;
    return a.x < bx1 && b.x < ax1 && a.y < by1 && b.y < ay1;
}

// Cell index of a pixel coordinate, rounding toward minus infinity.
int64_t cellOf(int64_t v, int64_t cell) {
    return v >= 0 ? v / cell : -((-v + cell - 1) / cell);
}

int64_t cellKey(int64_t cx, int64_t cy) {
    // Pixel coordinates are ints, so cell indexes fit easily in 32 bits each.
    return static_cast<int64_t>((static_cast<uint64_t>(cx) << 32) ^ static_cast<uint32_t>(cy));
}

}  // namespace

int trackLabelPoints(double zoom) {
    if (!(zoom > 0.0)) {
        return kTrackLabelMinPt;
    }
    const double pt = std::trunc(kTrackLabelPtPerZoom * std::min(zoom, 1e6));
    return std::clamp(static_cast<int>(pt), kTrackLabelMinPt, kTrackLabelMaxPt);
}

void LabelSpace::clear() {
    m_rects.clear();
    m_cells.clear();
    m_large.clear();
}

bool LabelSpace::overlapsAny(const LabelRect& rect, int64_t cx0, int64_t cy0, int64_t cx1,
                             int64_t cy1) const {
    for (uint32_t i : m_large) {
        if (overlap(rect, m_rects[i])) {
            return true;
        }
    }
    const bool large = (cx1 - cx0 + 1) * (cy1 - cy0 + 1) > kMaxCells;
    if (large) {
        return std::any_of(m_rects.begin(), m_rects.end(),
                           [&](const LabelRect& r) { return overlap(rect, r); });
    }
    for (int64_t cx = cx0; cx <= cx1; ++cx) {
        for (int64_t cy = cy0; cy <= cy1; ++cy) {
            const auto it = m_cells.find(cellKey(cx, cy));
            if (it == m_cells.end()) {
                continue;
            }
            for (uint32_t i : it->second) {
                if (overlap(rect, m_rects[i])) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool LabelSpace::claim(const LabelRect& rect) {
    if (rect.width <= 0 || rect.height <= 0) {
        return true;  // an empty label takes no room
    }
    const int64_t cx0 = cellOf(rect.x, kCell);
    const int64_t cy0 = cellOf(rect.y, kCell);
    const int64_t cx1 = cellOf(int64_t{rect.x} + rect.width - 1, kCell);
    const int64_t cy1 = cellOf(int64_t{rect.y} + rect.height - 1, kCell);
    if (overlapsAny(rect, cx0, cy0, cx1, cy1)) {
        return false;
    }
    const auto index = static_cast<uint32_t>(m_rects.size());
    m_rects.push_back(rect);
    if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > kMaxCells) {
        m_large.push_back(index);
        return true;
    }
    for (int64_t cx = cx0; cx <= cx1; ++cx) {
        for (int64_t cy = cy0; cy <= cy1; ++cy) {
            m_cells[cellKey(cx, cy)].push_back(index);
        }
    }
    return true;
}
