#include "render/render_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "catalog/helix_catalog.h"
#include "edit/elevation.h"

namespace {

// A piece below this height counts as lying on the ground (bottom helix stubs, no tint).
constexpr double kGroundMm = 0.5;
// Height (mm) at which the tint reaches its brown end.
constexpr double kTintFullMm = 120.0;

uint8_t clampChannel(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

uint8_t truncChannel(double v) {
    return clampChannel(static_cast<int>(v));
}

Vec2 rotate(Vec2 v, double deg) {
    const double r = degToRad(deg);
    const double c = std::cos(r);
    const double s = std::sin(r);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// Pushes the rectangle centred at c whose long axis points along `axisDeg` (half-length
// `halfLen`) and which reaches along the axis's normal (-sin, cos) from `n0` to `n1`.
void pushAxisRect(PolygonList& out, Vec2 c, double axisDeg, double halfLen, double n0, double n1) {
    const double r = degToRad(axisDeg);
    const Vec2 axis{std::cos(r), std::sin(r)};
    const Vec2 normal{-std::sin(r), std::cos(r)};
    auto at = [&](double along, double across) {
        return Vec2{c.x + axis.x * along + normal.x * across,
                    c.y + axis.y * along + normal.y * across};
    };
    out.points.push_back(at(-halfLen, n0));
    out.points.push_back(at(halfLen, n0));
    out.points.push_back(at(halfLen, n1));
    out.points.push_back(at(-halfLen, n1));
    out.counts.push_back(4);
}

void pushBox(PolygonList& out, double x0, double x1, double y0, double y1) {
    out.points.push_back({x0, y0});
    out.points.push_back({x1, y0});
    out.points.push_back({x1, y1});
    out.points.push_back({x0, y1});
    out.counts.push_back(4);
}

}  // namespace

RenderColour systemTrackFill(TrackSystem system) {
    if (system == Systems::KTrack) {
        return RenderStyle::kTrackFillKTrack;
    }
    if (system == Systems::MTrack) {
        return RenderStyle::kTrackFillMTrack;
    }
    return RenderStyle::kTrackFill;
}

RenderColour darker(RenderColour c, RenderColour d) {
    return {clampChannel(c.r - d.r), clampChannel(c.g - d.g), clampChannel(c.b - d.b), c.a};
}

RenderColour lighter(RenderColour c, RenderColour d) {
    return {clampChannel(c.r + d.r), clampChannel(c.g + d.g), clampChannel(c.b + d.b), c.a};
}

RenderColour washedOut(RenderColour c) {
    return {truncChannel(0.4 * c.r + 132), truncChannel(0.4 * c.g + 132),
            truncChannel(0.4 * c.b + 132), c.a};
}

RenderColour selectedSceneryTone(RenderColour c) {
    return {truncChannel(0.7 * c.r + 30), truncChannel(0.7 * c.g + 30),
            truncChannel(0.7 * c.b + 30), c.a};
}

RenderColour elevationTint(double elevationMm) {
    const double t = std::min(elevationMm / kTintFullMm, 1.0);
    if (t >= 0.5) {
        const double u = 2.0 * (t - 0.5);
        return {truncChannel(255 - 75 * u), truncChannel(220 - 110 * u), truncChannel(60 - 60 * u)};
    }
    const double u = 2.0 * std::max(t, 0.0);
    return {truncChannel(210 + 45 * u), truncChannel(210 + 10 * u), truncChannel(205 - 145 * u)};
}

RenderColour levelDeckFill(const LayoutLevel& level) {
    if (!level.trackcolor) {
        return RenderStyle::kDeckFill;
    }
    return {clampChannel((level.r + 490) / 3), clampChannel((level.g + 490) / 3),
            clampChannel((level.b + 490) / 3)};
}

PieceColours pieceColours(const PlacedPiece& piece, const PieceDef& def, const LayoutLevel* level,
                          bool selected, bool tunnelCovered, bool helixFlat) {
    PieceColours c{systemTrackFill(def.system), RenderStyle::kTrackOutline};
    if (selected) {
        // Selection overrides every colour, tint and wash: the user must see what is picked.
        return {RenderStyle::kTrackFillSelected, RenderStyle::kTrackOutlineSelected};
    }
    bool coloured = false;
    if (level != nullptr && level->trackcolor) {
        c.fill = {level->r, level->g, level->b};
        coloured = true;
    }
    if (piece.hasColor) {
        c.fill = {piece.color.r, piece.color.g, piece.color.b};
        coloured = true;
    }
    const bool flat = std::fabs(piece.grade) < kFlatGrade;
    if (!coloured && piece.z > kGroundMm && !(flat && helixFlat)) {
        c.fill = elevationTint(piece.z);
        c.outline = darker(c.fill, RenderStyle::kElevationOutlineShade);
    }
    if (tunnelCovered) {
        c.fill = washedOut(c.fill);
        c.outline = washedOut(c.outline);
    }
    return c;
}

void collectHelixDrawSets(const Layout& layout, HelixDrawSets& out) {
    out.lowerGroup.clear();
    out.helixTrack.clear();
    out.tunnelCovered.clear();

    std::unordered_map<uint32_t, const PlacedPiece*> byId;
    byId.reserve(layout.pieces.size());
    for (const PlacedPiece& p : layout.pieces) {
        byId.emplace(p.id, &p);
    }

    // Floods from the stubs along recorded joints through pieces of no helix; a stub stops it.
    auto flood = [&](bool upper, std::unordered_set<uint32_t>& reached) {
        std::vector<const PlacedPiece*> stack;
        for (const PlacedPiece& p : layout.pieces) {
            if (p.helix != kNoId && (p.z >= kGroundMm) == upper) {
                reached.insert(p.id);
                stack.push_back(&p);
            }
        }
        while (!stack.empty()) {
            const PlacedPiece* p = stack.back();
            stack.pop_back();
            for (const Joint& j : p->joints) {
                if (j.isOpen()) {
                    continue;
                }
                auto it = byId.find(static_cast<uint32_t>(j.target));
                if (it == byId.end() || it->second->helix != kNoId) {
                    continue;
                }
                if (reached.insert(it->second->id).second) {
                    stack.push_back(it->second);
                }
            }
        }
    };
    flood(false, out.lowerGroup);
    std::unordered_set<uint32_t> upper;
    flood(true, upper);
    out.helixTrack = out.lowerGroup;
    out.helixTrack.insert(upper.begin(), upper.end());

    for (const Tunnel& t : layout.tunnels) {
        out.tunnelCovered.insert(t.covers.begin(), t.covers.end());
    }
}

Pose helixCopyPose(const Helix& helix, double radius, int k) {
    const Vec2 offset = rotate({0.0, -radius}, helix.heading - 30.0 * k);
    // (0, -r) is the radius at -90 degrees; turning it by heading - 30 k gives the stated angle.
    return {helix.cx + offset.x, helix.cy + offset.y, helix.heading - 30.0 * k};
}

const HelixVariant* drawableHelixVariant(const Helix& helix, const TrackCatalog& catalog) {
    const HelixVariant* v = helixVariantOrDefault(helix.variant);
    if (v == nullptr || catalog.byArticle(v->innerCurveArticle) == nullptr ||
        catalog.byArticle(v->outerCurveArticle) == nullptr) {
        return nullptr;
    }
    return v;
}

int32_t helixLevel(const Layout& layout, const Helix& helix) {
    for (int32_t id : {helix.bottomR1, helix.bottomR2, helix.topR1, helix.topR2}) {
        if (id < 0) {
            continue;
        }
        if (const PlacedPiece* p = layout.FindPiece(static_cast<uint32_t>(id))) {
            return p->level;
        }
    }
    return 1;
}

GradeArrow gradeArrow(const Layout& layout, const GradeRun& run, const TrackCatalog& catalog) {
    GradeArrow a;
    if (run.anchor < 0) {
        return a;
    }
    const PlacedPiece* p = layout.FindPiece(static_cast<uint32_t>(run.anchor));
    const PieceDef* def = p ? catalog.byArticle(p->article) : nullptr;
    if (def == nullptr) {
        return a;
    }
    const double h = degToRad(p->heading);
    Vec2 dir{std::cos(h), std::sin(h)};
    a.tail = {p->x + dir.x * def->length / 2.0, p->y + dir.y * def->length / 2.0};
    // The run climbs away from its joined end: with only connector 1 joined it runs backwards.
    if (p->jointAt(0).isOpen() && !p->jointAt(1).isOpen()) {
        dir = {-dir.x, -dir.y};
    }
    const double len = RenderStyle::kGradeArrowMm;
    const double back = len - RenderStyle::kGradeHeadMm;
    const double side = RenderStyle::kGradeHeadHalfMm;
    a.tip = {a.tail.x + dir.x * len, a.tail.y + dir.y * len};
    const Vec2 base{a.tail.x + dir.x * back, a.tail.y + dir.y * back};
    a.headLeft = {base.x + dir.y * side, base.y - dir.x * side};
    a.headRight = {base.x - dir.y * side, base.y + dir.x * side};
    a.upward = run.deg >= 0.0;
    a.valid = true;
    return a;
}

void appendAccessoryOutlines(const PieceDef& def, double w, PolygonList& out) {
    const std::string& art = def.article;
    const double L = def.length;
    const double r = def.radius;
    const double a = def.angle;
    if (art == "2262" || art == "2263") {
        if (art == "2262") {
            pushBox(out, 0.05 * L, 0.55 * L, w + 1, w + 13);
        } else {
            pushBox(out, 0.05 * L, 0.55 * L, -(w + 13), -(w + 1));
        }
    } else if (art == "2268") {
        pushBox(out, 5.0, 89.45, w + 1, w + 13);
    } else if (art == "2269") {
        pushBox(out, 5.0, 89.45, -(w + 13), -(w + 1));
    } else if (art == "2299" || art == "2297") {
        pushBox(out, 0.1 * L, 0.9 * L, -(w + 13), -(w + 1));
        if (art == "2297") {
            pushBox(out, 0.2 * L, 0.8 * L, -0.35 * w, 0.35 * w);
        }
    } else if (art == "2229" || art == "2239") {
        const double s = a >= 0.0 ? 1.0 : -1.0;
        const double h = std::fabs(a) / 2.0;
        const double hr = degToRad(h);
        const Vec2 c{r * std::sin(hr), s * r * (1.0 - std::cos(hr))};
        const double len = 0.8 * 2.0 * r * std::sin(hr);
        pushAxisRect(out, c, s * h, len / 2.0, s * (w + 1), s * (w + 13));
    } else if (art == "2260") {
        double phi = 0.0;
        if (def.connectors.size() >= 4) {
            const ConnectorDef& c0 = def.connectors[0];
            const ConnectorDef& c1 = def.connectors[1];
            phi = radToDeg(std::atan2(c1.y - c0.y, c1.x - c0.x)) + 90.0;
        }
        pushAxisRect(out, {L / 2.0, 0.0}, phi, L / 4.0, -(w + 13), -(w + 1));
    } else if (art == "2270") {
        const double span = std::fabs(a);
        for (double s : {1.0, -1.0}) {
            const Vec2 centre{0.0, s * r};
            const double r0 = r - w - 13;
            const double r1 = r - w - 1;
            const int first = static_cast<int>(out.points.size());
            // Point at turn angle t (degrees) on radius R of a branch leaving the origin along +x.
            auto at = [&](double R, double t) {
                const double tr = degToRad(t);
                return Vec2{centre.x + R * std::sin(tr), centre.y - s * R * std::cos(tr)};
            };
            for (int i = 0; i <= 10; ++i) {
                out.points.push_back(at(r1, span * (0.02 + 0.8 * i / 10.0)));
            }
            for (int i = 10; i >= 0; --i) {
                out.points.push_back(at(r0, span * (0.02 + 0.8 * i / 10.0)));
            }
            out.counts.push_back(static_cast<int>(out.points.size()) - first);
        }
    }
}

std::vector<std::vector<Vec2>> accessoryOutlines(const PieceDef& def, double w) {
    PolygonList list;
    appendAccessoryOutlines(def, w, list);
    std::vector<std::vector<Vec2>> result;
    size_t at = 0;
    for (int n : list.counts) {
        result.emplace_back(list.points.begin() + static_cast<std::ptrdiff_t>(at),
                            list.points.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += static_cast<size_t>(n);
    }
    return result;
}

std::string formatLength(double mm, Units units) {
    char buf[64];
    switch (units) {
        case Units::Centimetres:
            std::snprintf(buf, sizeof buf, "%.1f cm", mm / 10.0);
            break;
        case Units::Inches:
            std::snprintf(buf, sizeof buf, "%.2f\"", mm / 25.4);
            break;
        default:
            std::snprintf(buf, sizeof buf, "%.0f mm", mm);
            break;
    }
    return buf;
}

const std::vector<double>& rulerCandidateSteps(Units units) {
    static const std::vector<double> kInches = {0.25, 0.5, 1, 2, 3, 6, 12, 24, 48, 96, 192};
    static const std::vector<double> kCentimetres = {0.5, 1, 2, 5, 10, 20, 50, 100, 200};
    static const std::vector<double> kMillimetres = {1, 2, 5, 10, 20, 50, 100, 200, 500};
    if (units == Units::Inches) {
        return kInches;
    }
    return units == Units::Centimetres ? kCentimetres : kMillimetres;
}

RulerStep rulerStep(Units units, double zoom) {
    RulerStep r;
    r.mmPerUnit = units == Units::Inches ? 25.4 : (units == Units::Centimetres ? 10.0 : 1.0);
    const std::vector<double>& candidates = rulerCandidateSteps(units);
    r.step = candidates.back();
    for (double candidate : candidates) {
        if (candidate * r.mmPerUnit * zoom >= 60.0) {
            r.step = candidate;
            break;
        }
    }
    r.pixels = r.step * r.mmPerUnit * zoom;
    return r;
}

std::string rulerLabel(double value, Units units) {
    char buf[32];
    if (units == Units::Inches) {
        if (std::fabs(value - std::round(value)) < 1e-9) {
            std::snprintf(buf, sizeof buf, "%.0f\"", value);
        } else {
            std::snprintf(buf, sizeof buf, "%.1f\"", value);
        }
    } else {
        std::snprintf(buf, sizeof buf, "%.0f", value);
    }
    return buf;
}

double gridPixelStep(double gridSpacingMm, double zoom) {
    const double s = gridSpacingMm * zoom;
    return (s >= 6.0 && s <= 400.0) ? s : 0.0;
}

std::optional<std::string> elevationStatusText(const Layout& layout, std::string_view current) {
    static constexpr std::string_view kBanner = "[ELEV]";
    if (layout.gradeRuns.empty()) {
        if (current.substr(0, kBanner.size()) == kBanner) {
            return std::string("Ready");
        }
        return std::nullopt;
    }
    std::string text(kBanner);
    char buf[48];
    for (const GradeRun& run : layout.gradeRuns) {
        std::snprintf(buf, sizeof buf, " %.1f%%", std::sin(degToRad(run.deg)) * 100.0);
        text += buf;
    }
    text += "  (right-click piece to stop)";
    if (text == current) {
        return std::nullopt;
    }
    return text;
}
