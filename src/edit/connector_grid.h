#pragma once
// Open track ends bucketed by position (layout mm), so that a moving end looks only at its
// neighbourhood instead of the whole layout.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "geometry/geometry.h"

/// Open connectors of pieces that stay put, bucketed by position, so each moving end only looks
/// at its neighbourhood instead of the whole layout.
class ConnectorGrid {
public:
    struct Entry {
        size_t piece;  ///< index into layout.pieces
        int conn;
        Vec2 at;
    };

    void add(size_t piece, const WorldConnector& c) {
        m_cells[key(cellOf(c.x), cellOf(c.y))].push_back({piece, c.index, {c.x, c.y}});
    }
    /// Calls f(entry) for every entry in the 3 x 3 cells around p.
    template <class F>
    void near(Vec2 p, F&& f) const {
        const int64_t cx = cellOf(p.x), cy = cellOf(p.y);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                auto it = m_cells.find(key(cx + dx, cy + dy));
                if (it != m_cells.end()) {
                    for (const Entry& e : it->second) {
                        f(e);
                    }
                }
            }
        }
    }
    bool empty() const { return m_cells.empty(); }

private:
    static constexpr double kCell = 32.0;  // mm, more than the 25 mm snap reach
    static int64_t cellOf(double v) { return static_cast<int64_t>(std::floor(v / kCell)); }
    static int64_t key(int64_t x, int64_t y) { return (x << 32) ^ (y & 0xFFFFFFFFLL); }
    std::unordered_map<int64_t, std::vector<Entry>> m_cells;
};
