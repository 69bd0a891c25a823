#include "render/plan_fingerprint.h"

#include <climits>
#include <cstring>
#include <functional>
#include <string_view>

namespace {

/// FNV-style mixing of 64-bit words: fast, and any change of a word changes the result.
class Mix {
public:
    void add(uint64_t v) { m_h = (m_h ^ v) * 0x100000001b3ull + (m_h >> 29); }
    void add(double d) {
        uint64_t bits = 0;
        std::memcpy(&bits, &d, sizeof bits);
        add(bits);
    }
    void add(int32_t v) { add(static_cast<uint64_t>(static_cast<uint32_t>(v))); }
    void add(uint32_t v) { add(static_cast<uint64_t>(v)); }
    void add(bool v) { add(static_cast<uint64_t>(v ? 0x9e37 : 0x51)); }
    void add(std::string_view s) { add(static_cast<uint64_t>(std::hash<std::string_view>{}(s))); }
    void add(Vec2 p) {
        add(p.x);
        add(p.y);
    }
    template <typename Points>
    void addPoints(const Points& points) {
        add(static_cast<uint64_t>(points.size()));
        for (const Vec2& p : points) {
            add(p);
        }
    }
    uint64_t value() const { return m_h; }

private:
    uint64_t m_h = 0xcbf29ce484222325ull;
};

void addPieces(Mix& m, const Layout& layout, bool onlyUnselected) {
    m.add(static_cast<uint64_t>(layout.pieces.size()));
    for (const PlacedPiece& p : layout.pieces) {
        m.add(p.id);
        if (onlyUnselected && p.selected) {
            continue;  // drawn apart, over the picture, wherever it goes
        }
        m.add(static_cast<uint64_t>(p.article.size()));
        m.add(p.x);
        m.add(p.y);
        m.add(p.heading);
        m.add(p.z);
        m.add(p.grade);
        m.add(static_cast<uint64_t>(p.selected) | static_cast<uint64_t>(p.rev) << 1 |
              static_cast<uint64_t>(p.hasColor) << 2 | static_cast<uint64_t>(p.color.r) << 8 |
              static_cast<uint64_t>(p.color.g) << 16 | static_cast<uint64_t>(p.color.b) << 24);
        m.add(p.level);
        m.add(p.helix);
        for (const Joint& j : p.joints) {
            m.add(j.target);
        }
    }
}

void addAnnotations(Mix& m, const Layout& layout, bool onlyUnselected) {
    m.add(static_cast<uint64_t>(layout.scenery.size()));
    for (const SceneryItem& s : layout.scenery) {
        m.add(s.item);
        m.add(s.selected);
        if (onlyUnselected && s.selected) {
            continue;
        }
        m.add(Vec2{s.x, s.y});
        m.add(s.heading);
        m.add(Vec2{s.scalex, s.scaley});
        m.add(s.selected);
        m.add(s.level);
    }
    m.add(static_cast<uint64_t>(layout.labels.size()));
    for (const LayoutLabel& l : layout.labels) {
        m.add(l.text);
        m.add(Vec2{l.x, l.y});
        m.add(l.selected);
    }
    m.add(static_cast<uint64_t>(layout.measurements.size()));
    for (const Measurement& t : layout.measurements) {
        m.add(Vec2{t.x1, t.y1});
        m.add(Vec2{t.x2, t.y2});
        m.add(Vec2{t.labelDx, t.labelDy});
        m.add(t.selected);
    }
    m.add(static_cast<uint64_t>(layout.shapes.size()));
    for (const FreeShape& s : layout.shapes) {
        m.addPoints(s.vertices);
        m.add(static_cast<uint32_t>(s.r | s.g << 8 | s.b << 16 | s.a << 24));
        m.add(s.outline);
        m.add(s.level);
        m.add(s.height);
        m.add(s.label);
        m.add(s.selected);
    }
}

void addStructure(Mix& m, const Layout& layout) {
    m.add(static_cast<uint64_t>(layout.tunnels.size()));
    for (const Tunnel& t : layout.tunnels) {
        m.add(static_cast<uint64_t>(t.covers.size()));
        m.add(t.portalA);
        m.add(t.portalB);
    }
    m.add(static_cast<uint64_t>(layout.helices.size()));
    for (const Helix& h : layout.helices) {
        m.add(h.id);
        m.add(Vec2{h.cx, h.cy});
        m.add(h.heading);
        m.add(h.variant);
    }
    m.add(static_cast<uint64_t>(layout.gradeRuns.size()));
    m.add(layout.gradeActive);
    m.add(static_cast<uint64_t>(layout.levels.size()));
    for (const LayoutLevel& l : layout.levels) {
        m.add(l.id);
        m.add(l.name);
        m.add(l.visible);
        m.add(l.height);
        m.add(static_cast<uint32_t>(l.trackcolor | l.r << 8 | l.g << 16 | l.b << 24));
        m.addPoints(l.outline);
    }
    m.add(layout.activeLevel);
    m.addPoints(layout.baseboard.vertices);
    m.add(layout.units);
}

}  // namespace

uint64_t planFingerprint(const Layout& layout, const RenderOptions& options) {
    Mix m;
    const bool onlyUnselected = options.layer == SelectionLayer::Unselected;
    addPieces(m, layout, onlyUnselected);
    addAnnotations(m, layout, onlyUnselected);
    addStructure(m, layout);
    m.add(options.showSelection);
    m.add(options.showGrid);
    m.add(options.showLabels);
    m.add(options.showRails);
    m.add(options.showBaseboard);
    m.add(options.grayscale);
    m.add(static_cast<uint32_t>(options.layer));
    m.add(options.gridSpacing);
    m.add(options.onlyLevel.has_value() ? *options.onlyLevel : INT32_MIN);
    return m.value();
}
