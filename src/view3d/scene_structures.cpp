// Structures of the scene: piers under bridge ends, helix turns and posts, tunnel mounds.
#include <cmath>

#include "catalog/helix_catalog.h"
#include "render/render_rules.h"
#include "edit/elevation.h"
#include "view3d/scene_parts.h"
#include "view3d/track_mesh.h"

namespace {

constexpr Colour kPierColour{0.64f, 0.60f, 0.54f};
constexpr Colour kPostColour{0.55f, 0.42f, 0.28f};
// A pier already standing this close (mm, in x and in y) carries the next bridge end too.
constexpr double kPierShareDistance = 2.0;
// No pier is built for a deck less than this (mm) above the ground.
constexpr double kLeastPierHeight = 2.0;
constexpr double kPierLength = 24.0;  // along the track, mm

constexpr int kMoundSegments = 14;
constexpr double kMoundHalfWidth = 60.0;
constexpr double kMoundHeight = 90.0;

void addPier(const Layout& layout, Scene& scene, Vec2 at, double heading, double deckUnderside,
             double width) {
    for (const Pier& pier : scene.piers) {
        if (std::fabs(pier.at.x - at.x) <= kPierShareDistance &&
            std::fabs(pier.at.y - at.y) <= kPierShareDistance) {
            return;
        }
    }
    const double ground = groundHeight(layout, at);
    if (deckUnderside - ground < kLeastPierHeight) {
        return;
    }
    scene.piers.push_back({at, ground, deckUnderside});
    addTurnedBox(scene.structures, {at.x, -at.y}, -heading, kPierLength, width, ground,
                 deckUnderside, kPierColour, kPierColour.scaled(0.85f));
}

// Height (mm) of a piece's centre line at local x, as the tilted instance is drawn.
double heightAlong(const PlacedPiece& piece, double localX) {
    const double s = piece.rev ? -1.0 : 1.0;
    return piece.z + s * std::sin(degToRad(piece.grade)) * localX;
}

void addMound(Mesh& terrain, const PlacedPiece& piece, const PieceDef& def) {
    const PieceShape& shape = pieceShape(def);
    if (shape.paths.empty()) {
        return;
    }
    std::vector<Vec2> local;
    const RouteSegment* segs = shape.pathSegments(0);
    for (int i = 0; i < shape.paths[0].segmentCount; ++i) {
        appendRoutePoints(segs[i], sweepSteps(segs[i]), local.empty(), local);
    }
    // Cross-section ring per centre-line point, foot to crest to foot.
    std::vector<uint32_t> firsts;
    for (size_t i = 0; i < local.size(); ++i) {
        const Vec2 prev = local[i == 0 ? 0 : i - 1];
        const Vec2 next = local[i + 1 < local.size() ? i + 1 : i];
        const double along = std::atan2(next.y - prev.y, next.x - prev.x);
        const Vec2 right{-std::sin(along), std::cos(along)};
        const Vec2 p = localToLayout(piece.pose(), local[i]);
        const double turn = degToRad(piece.heading);
        const Vec2 across{right.x * std::cos(turn) - right.y * std::sin(turn),
                          right.x * std::sin(turn) + right.y * std::cos(turn)};
        const double foot = heightAlong(piece, local[i].x) + kBedBottom;
        firsts.push_back(static_cast<uint32_t>(terrain.vertexCount()));
        for (int j = 0; j <= kMoundSegments; ++j) {
            const double a = M_PI * j / kMoundSegments;
            const double off = kMoundHalfWidth * std::cos(a);
            const auto t = static_cast<float>(std::sin(a));
            const Vec2 q{p.x + across.x * off, p.y + across.y * off};
            const Vec3 n{across.x * std::cos(a) / kMoundHalfWidth,
                         -across.y * std::cos(a) / kMoundHalfWidth, std::sin(a) / kMoundHeight};
            terrain.addVertex({q.x, -q.y, foot + kMoundHeight * t}, n,
                              {0.55f - 0.15f * t, 0.46f + 0.09f * t, 0.36f - 0.04f * t});
        }
    }
    for (size_t i = 0; i + 1 < firsts.size(); ++i) {
        for (uint32_t j = 0; j < kMoundSegments; ++j) {
            const uint32_t a = firsts[i] + j, b = firsts[i + 1] + j;
            terrain.addTriangle(a, b, b + 1);
            terrain.addTriangle(a, b + 1, a + 1);
        }
    }
}

}  // namespace

void addBridgePiers(const Layout& layout, const TrackCatalog& catalog, Scene& scene) {
    for (const PlacedPiece& piece : layout.pieces) {
        const PieceDef* def = catalog.byArticle(piece.article);
        if (def == nullptr || !def->isBridge || !levelVisible(layout, piece.level)) {
            continue;
        }
        const double width = 2.0 * trackHalfWidth(def->system) + 8.0;
        for (int c = 0; c < 2 && c < static_cast<int>(def->connectors.size()); ++c) {
            const ConnectorDef& end = def->connectors[static_cast<size_t>(c)];
            const Vec2 at = localToLayout(piece.pose(), {end.x, end.y});
            const double k = trackHalfWidth(def->system) / 18.7;
            addPier(layout, scene, at, piece.heading + end.heading,
                    heightAt(piece, *def, c) + kBedBottom * k, width);
        }
    }
}

void addHelices(const Layout& layout, const TrackCatalog& catalog, Scene& scene) {
    for (const Helix& helix : layout.helices) {
        const HelixVariant* variant = drawableHelixVariant(helix, catalog);
        if (variant == nullptr || !levelVisible(layout, helixLevel(layout, helix))) {
            continue;
        }
        const PlacedPiece* bottom = layout.FindPiece(static_cast<uint32_t>(helix.bottomR1));
        const double base = bottom != nullptr ? bottom->z : 0.0;
        const int steps = variant->curveCount();
        const double rise = steps > 0 ? variant->rise / steps : 0.0;
        const std::pair<double, const std::string*> turns[] = {
            {variant->innerRadius, &variant->innerCurveArticle},
            {variant->outerRadius, &variant->outerCurveArticle}};
        for (const auto& [radius, article] : turns) {
            const PieceDef& def = *catalog.byArticle(*article);
            const int mesh = trackMeshIndex(scene, def);
            // Each turn piece runs from its own step back to the one below, so it falls by one
            // step's rise over its length.
            const double fall = radToDeg(std::asin(std::min(1.0, rise / riseLength(def))));
            for (int k = 1; k <= steps; ++k) {
                const Pose pose = helixCopyPose(helix, radius, k);
                scene.pieces.push_back(
                    {mesh, pose.x, pose.y, base + k * rise, pose.heading, fall, true});
                scene.trackBounds.add(layoutBounds(pieceShape(def), pose));
            }
        }
        const double postRadius = variant->outerRadius + 30.0;
        for (int j = 0; j < 12; ++j) {
            const Pose p = helixCopyPose(helix, postRadius, j);
            addBeam(scene.structures, {p.x, -p.y, 0.0}, {p.x, -p.y, base + variant->rise}, 8.0, 8.0,
                    kPostColour);
        }
    }
}

void addTunnelMounds(const Layout& layout, const TrackCatalog& catalog, Scene& scene) {
    for (const Tunnel& tunnel : layout.tunnels) {
        for (uint32_t id : tunnel.covers) {
            const PlacedPiece* piece = layout.FindPiece(id);
            const PieceDef* def = piece != nullptr ? catalog.byArticle(piece->article) : nullptr;
            if (def != nullptr && levelVisible(layout, piece->level)) {
                addMound(scene.terrain, *piece, *def);
            }
        }
    }
}
