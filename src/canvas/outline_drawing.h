#pragma once
// Drawing an outline vertex by vertex, for a free shape (the Polygon tool) or the baseboard
// (free-form baseboard): a click adds a vertex, a click within 10 px of the first vertex closes the
// outline once it has three, Backspace takes the last vertex back. Points are layout mm; the
// close distance is in screen pixels, so it is measured with the zoom.

#include <vector>

#include "geometry/geometry.h"

class OutlineDrawing {
public:
    static constexpr double kClosePixels = 10.0;

    /// Adds `point` as a vertex, or closes the outline when at least three vertices exist and the
    /// point lies within 10 px of the first. True when it closed (the vertices stay for the
    /// caller to take).
    bool click(Vec2 point, double zoom);
    /// The mouse moved: the rubber line follows it and the close mark is updated.
    void hover(Vec2 point, double zoom);
    /// Takes back the last vertex; with none left nothing is being drawn.
    void removeLast();
    /// Enter: the outline may close when it has at least three vertices.
    bool canClose() const { return m_vertices.size() >= 3; }
    void clear();

    const std::vector<Vec2>& vertices() const { return m_vertices; }
    bool drawing() const { return !m_vertices.empty(); }
    Vec2 mouse() const { return m_mouse; }
    /// The mouse is close enough to the first vertex for a click to close.
    bool nearFirst() const { return m_nearFirst; }

private:
    bool closesAt(Vec2 point, double zoom) const;

    std::vector<Vec2> m_vertices;
    Vec2 m_mouse;
    bool m_nearFirst = false;
};

/// The measuring tape: the first click fixes the start, the second ends the tool. A tape shorter
/// than 1 mm is not kept.
class TapeMeasure {
public:
    static constexpr double kShortest = 1.0;  ///< mm

    /// The first click starts the tape and returns false; the second returns true (the tool ends).
    bool click(Vec2 point);
    void hover(Vec2 point) { m_end = point; }
    bool started() const { return m_started; }
    Vec2 start() const { return m_start; }
    Vec2 end() const { return m_end; }
    /// Whether the finished tape is long enough to keep.
    bool worthKeeping() const;

private:
    bool m_started = false;
    Vec2 m_start, m_end;
};
