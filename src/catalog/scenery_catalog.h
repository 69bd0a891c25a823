#pragma once
// The built-in scenery catalog: platforms, stations, buildings, signals, bridge decoration,
// piers, roads, trees and vehicles. Placed SceneryItems store only the key of their definition.
//
// The shape model. Every definition carries a flat drawing of its item as a list of primitives in
// the item-local frame: millimetres, origin at one corner of the footprint, x along the width,
// y along the depth (same handedness as the layout frame, y growing "down" on the plan). Every
// primitive lies inside the rectangle (0, 0) .. (width, depth). Primitives are drawn in list
// order, later ones over earlier ones. The model holds no toolkit type, so the 2D renderer, the
// printout, the palette and the 3D model builder all read the same data.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "geometry/geometry.h"

/// An RGBA colour, 8 bits per channel; alpha 255 is opaque, alpha 0 means "not drawn".
struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

/// Kind of a scenery drawing primitive; the numbers are fixed (4 is unused).
enum class SceneryShapeKind : uint8_t {
    Rect = 0,     ///< filled rectangle (x, y, w, h)
    Ellipse = 1,  ///< filled ellipse inscribed in the box (x, y, w, h)
    Polygon = 2,  ///< filled polygon through `points`
    Ring = 3,     ///< unfilled ellipse in the box (x, y, w, h), outline colour and width
    Line = 5,     ///< line from (x, y) to (w, h), outline colour and width
};

/// One drawing primitive of a scenery item, in item-local mm (see the shape model above).
/// fill: interior colour of Rect, Ellipse and Polygon (alpha 0 = no fill; unused by Ring, Line).
/// outline / width: pen colour and width in screen pixels at zoom 1; width 0 = no outline.
/// Ring and Line always use outline and width.
/// height: top of this primitive above the ground in mm at scale 1, for the 3D view, which
/// extrudes the footprint of the primitive up to it; 0 lies flat on the ground.
struct SceneryShape {
    SceneryShapeKind kind = SceneryShapeKind::Rect;
    Rgba fill;
    Rgba outline{0, 0, 0, 0};
    int width = 0;
    double x = 0.0, y = 0.0, w = 0.0, h = 0.0;
    std::vector<Vec2> points;  ///< Polygon vertices, item-local mm
    std::string text;          ///< optional caption; empty for every built-in shape
    double height = 0.0;
};

/// Smallest axis-aligned box (item-local mm) that holds the primitive's geometry (pen width not
/// included). Returned as {minX, minY} and {maxX, maxY}.
struct ShapeBounds {
    Vec2 min;
    Vec2 max;
};
ShapeBounds shapeBounds(const SceneryShape& shape);

/// Scenery categories of the built-in items.
namespace SceneryCategory {
inline constexpr uint32_t Platforms = 0;
inline constexpr uint32_t RailwayBuildings = 1;
inline constexpr uint32_t Stations = 2;
inline constexpr uint32_t Signals = 3;
inline constexpr uint32_t Bridges = 4;  ///< bridge decoration and piers
inline constexpr uint32_t TunnelPortals = 5;
inline constexpr uint32_t Roads = 6;   ///< level crossings and roads
inline constexpr uint32_t Nature = 7;  ///< trees and bushes
inline constexpr uint32_t Vehicles = 8;
inline constexpr uint32_t Other = 9;  ///< other structures
inline constexpr uint32_t Roundhouse = 10;
}  // namespace SceneryCategory

/// Palette heading of a category: "Platforms", "Buildings", "Stations", "Signals", "Bridges",
/// "Tunnels", "Roads", "Nature", "Vehicles", "Special"; "Other" for any other value.
std::string sceneryCategoryName(uint32_t category);

/// One scenery item type. width / depth: footprint in mm along the item's local x / y axes.
/// zScale: one of the four Z-scale signals (the Signals palette shows only these for Z-Track).
struct SceneryDef {
    std::string key;
    std::string name;
    uint32_t category = 0;
    double width = 0.0;
    double depth = 0.0;
    bool zScale = false;
    std::vector<SceneryShape> shapes;
};

/// The single scenery catalog of the process; filled once on first use and read-only afterwards.
/// Look-ups are exact and case-sensitive.
class SceneryCatalog {
public:
    /// The built-in catalog (43 definitions), created and filled on first call.
    static const SceneryCatalog& instance();

    /// An empty catalog (tests build their own).
    SceneryCatalog() = default;

    int count() const { return static_cast<int>(m_defs.size()); }
    /// Definition at position i in definition order, or nullptr when i is out of range.
    const SceneryDef* byIndex(int i) const;
    /// Definition with exactly this key, or nullptr.
    const SceneryDef* byKey(std::string_view key) const;
    const std::vector<SceneryDef>& defs() const { return m_defs; }

    /// Appends; a later definition with the same key becomes the one found by byKey.
    void add(SceneryDef def);

    bool loaded() const { return m_loaded; }

private:
    std::vector<SceneryDef> m_defs;
    std::unordered_map<std::string, int> m_keyIndex;
    bool m_loaded = false;
};

/// Fills `catalog` with the 43 built-in definitions in definition order.
void addBuiltinScenery(SceneryCatalog& catalog);
