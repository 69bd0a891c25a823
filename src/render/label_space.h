#pragma once
// Room for text on the plan: the size of the article labels on the track, and the screen space
// labels already took during one paint, so that a label that would overlap another is left out
// instead of smudging both.

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

/// Point size of the article label on a piece: 9 pt per pixel per mm of zoom, at least 6 pt so
/// it stays legible zoomed out, at most 14 pt so that a close-up shows a label, not a poster.
int trackLabelPoints(double zoom);

/// A rectangle on the screen, pixels; x and y its top-left corner.
struct LabelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// The rectangles taken by labels during one paint. Taken rectangles are filed under the
/// fixed-size screen cells they touch, so each claim looks only at the labels nearby and a paint
/// with n labels costs time linear in n.
class LabelSpace {
public:
    /// Forgets every rectangle (the start of a paint).
    void clear();
    /// Takes `rect` and returns true when it overlaps no rectangle taken since the last clear;
    /// returns false and takes nothing when it does. Rectangles that only touch do not overlap.
    bool claim(const LabelRect& rect);
    /// Rectangles taken since the last clear.
    size_t size() const { return m_rects.size(); }

private:
    static constexpr int64_t kCell = 64;      ///< cell side, pixels
    static constexpr int64_t kMaxCells = 64;  ///< a larger rectangle is checked against all

    bool overlapsAny(const LabelRect& rect, int64_t cx0, int64_t cy0, int64_t cx1,
                     int64_t cy1) const;

    std::vector<LabelRect> m_rects;
    std::unordered_map<int64_t, std::vector<uint32_t>> m_cells;
    std::vector<uint32_t> m_large;  ///< rectangles filed under no cell
};
