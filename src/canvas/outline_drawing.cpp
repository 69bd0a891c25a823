#include "canvas/outline_drawing.h"

#include <algorithm>
#include <cmath>

namespace {

double apart(Vec2 a, Vec2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

}  // namespace

bool OutlineDrawing::closesAt(Vec2 point, double zoom) const {
    // A zoom of nothing would make every click close.
    return canClose() && apart(point, m_vertices.front()) * std::max(zoom, 1e-4) <= kClosePixels;
}

bool OutlineDrawing::click(Vec2 point, double zoom) {
    if (closesAt(point, zoom)) {
        return true;
    }
    m_vertices.push_back(point);
    m_mouse = point;
    return false;
}

void OutlineDrawing::hover(Vec2 point, double zoom) {
    m_mouse = point;
    m_nearFirst = closesAt(point, zoom);
}

void OutlineDrawing::removeLast() {
    if (!m_vertices.empty()) {
        m_vertices.pop_back();
    }
    m_nearFirst = false;
}

void OutlineDrawing::clear() {
    m_vertices.clear();
    m_nearFirst = false;
}

bool TapeMeasure::click(Vec2 point) {
    m_end = point;
    if (!m_started) {
        m_start = point;
        m_started = true;
        return false;
    }
    return true;
}

bool TapeMeasure::worthKeeping() const {
    return m_started && apart(m_start, m_end) >= kShortest;
}
