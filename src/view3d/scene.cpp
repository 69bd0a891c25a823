#include "view3d/scene.h"

#include <cmath>

#include "view3d/scene_parts.h"
#include "view3d/track_mesh.h"
#include "view3d/triangulate.h"

namespace {

constexpr double kBaseboardTop = -0.5;
constexpr double kBaseboardThickness = 20.0;
constexpr Colour kBaseboardColour{0.42f, 0.55f, 0.34f};
constexpr Colour kBaseboardEdge{0.50f, 0.38f, 0.26f};

// Shapes this transparent or less are not drawn; from 254/255 up they are solid.
constexpr float kInvisibleAlpha = 0.004f;
constexpr float kOpaqueAlpha = 254.0f / 255.0f;

std::vector<Vec2> flipped(const std::vector<Vec2>& layoutPoints) {
    std::vector<Vec2> out;
    out.reserve(layoutPoints.size());
    for (const Vec2& p : layoutPoints) {
        out.push_back({p.x, -p.y});
    }
    return out;
}

void addPieces(const Layout& layout, const TrackCatalog& catalog, Scene& scene) {
    for (const PlacedPiece& piece : layout.pieces) {
        const PieceDef* def = catalog.byArticle(piece.article);
        if (def == nullptr || !levelVisible(layout, piece.level)) {
            continue;
        }
        const int mesh = trackMeshIndex(scene, *def);
        scene.pieces.push_back(
            {mesh, piece.x, piece.y, piece.z, piece.heading, piece.grade, piece.rev});
        scene.trackBounds.add(layoutBounds(pieceShape(*def), piece.pose()));
    }
}

void addShapes(const Layout& layout, Scene& scene) {
    for (const FreeShape& shape : layout.shapes) {
        if (shape.vertices.size() < 3 || !levelVisible(layout, shape.level)) {
            continue;
        }
        const Colour c{shape.r / 255.0f, shape.g / 255.0f, shape.b / 255.0f, shape.a / 255.0f};
        if (c.a <= kInvisibleAlpha) {
            continue;
        }
        Mesh& mesh = c.a >= kOpaqueAlpha ? scene.opaqueShapes : scene.translucentShapes;
        const double base = levelHeight(layout, shape.level);
        addPrism(mesh, flipped(shape.vertices), base, base + shape.height, c, c.scaled(0.7f));
    }
}

void addScenery(const Layout& layout, const SceneryCatalog& catalog, Scene& scene) {
    std::unordered_map<std::string, int> index;
    for (const SceneryItem& item : layout.scenery) {
        const SceneryDef* def = catalog.byKey(item.item);
        if (def == nullptr || !levelVisible(layout, item.level)) {
            continue;
        }
        auto [it, added] = index.try_emplace(item.item, static_cast<int>(scene.modelMeshes.size()));
        if (added) {
            scene.modelMeshes.push_back(buildSceneryModel(*def));
            scene.modelKeys.push_back(item.item);
        }
        scene.scenery.push_back({it->second, item.x, item.y, levelHeight(layout, item.level),
                                 item.heading, item.scalex, item.scaley});
    }
}

void addBaseboard(const Layout& layout, Scene& scene) {
    if (layout.baseboard.vertices.size() < 3) {
        return;
    }
    const std::vector<Vec2> outline = flipped(layout.baseboard.vertices);
    if (addCap(scene.baseboard, outline, kBaseboardTop, kBaseboardColour)) {
        addWalls(scene.baseboard, outline, kBaseboardTop - kBaseboardThickness, kBaseboardTop,
                 kBaseboardEdge);
    }
}

// Appends `mesh` placed by `m` (a rotation, mirror and translation, so normals turn with it).
void appendPlaced(Mesh& out, const Mesh& mesh, const Matrix4& m) {
    const auto base = static_cast<uint32_t>(out.vertexCount());
    for (size_t v = 0; v < mesh.vertexCount(); ++v) {
        const float* p = &mesh.positions[3 * v];
        const float* n = &mesh.normals[3 * v];
        const float* c = &mesh.colours[3 * v];
        const Vec3 q = transformPoint(m, {p[0], p[1], p[2]});
        const Vec3 nn{m[0] * n[0] + m[4] * n[1] + m[8] * n[2],
                      m[1] * n[0] + m[5] * n[1] + m[9] * n[2],
                      m[2] * n[0] + m[6] * n[1] + m[10] * n[2]};
        out.addVertex(q, nn, {c[0], c[1], c[2]});
    }
    for (uint32_t i : mesh.indices) {
        out.indices.push_back(base + i);
    }
}

void buildTiles(Scene& scene) {
    std::unordered_map<int64_t, size_t> index;
    for (size_t i = 0; i < scene.pieces.size(); ++i) {
        const PieceInstance& p = scene.pieces[i];
        const auto tx = static_cast<int64_t>(std::floor(p.x / kTrackTileSize));
        const auto ty = static_cast<int64_t>(std::floor(p.y / kTrackTileSize));
        auto [it, added] = index.try_emplace(tx * 1000003 + ty, scene.tiles.size());
        if (added) {
            scene.tiles.emplace_back();
        }
        TrackTile& tile = scene.tiles[it->second];
        tile.pieces.push_back(i);
        appendPlaced(tile.distant, scene.distantTrackMeshes[static_cast<size_t>(p.mesh)],
                     pieceMatrix(p));
    }
    for (TrackTile& tile : scene.tiles) {
        tile.distant.bounds(tile.min, tile.max);
    }
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r{};
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < 4; ++row) {
            float s = 0.0f;
            for (int k = 0; k < 4; ++k) {
                s += a[k * 4 + row] * b[c * 4 + k];
            }
            r[c * 4 + row] = s;
        }
    }
    return r;
}

Matrix4 translateTurn(double x, double y, double z, double turnDeg) {
    const auto c = static_cast<float>(std::cos(degToRad(turnDeg)));
    const auto s = static_cast<float>(std::sin(degToRad(turnDeg)));
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y), fz = static_cast<float>(z);
    // clang-format off
    return {c,    s,    0.0f, 0.0f,   // one column per line
            -s,   c,    0.0f, 0.0f,
            0.0f, 0.0f, 1.0f, 0.0f,
            fx,   fy,   fz,   1.0f};
    // clang-format on
}

}  // namespace

void Scene::clear() {
    baseboard.clear();
    trackMeshes.clear();
    reducedTrackMeshes.clear();
    distantTrackMeshes.clear();
    trackArticles.clear();
    pieces.clear();
    modelMeshes.clear();
    modelKeys.clear();
    scenery.clear();
    structures.clear();
    opaqueShapes.clear();
    translucentShapes.clear();
    terrain.clear();
    tiles.clear();
    piers.clear();
    trackBounds = Bounds{};
}

bool levelVisible(const Layout& layout, int32_t level) {
    const LayoutLevel* record = layout.FindLevel(level);
    return record == nullptr || record->visible;
}

double levelHeight(const Layout& layout, int32_t level) {
    const LayoutLevel* record = layout.FindLevel(level);
    return record == nullptr ? 0.0 : record->height;
}

int trackMeshIndex(Scene& scene, const PieceDef& def) {
    for (size_t i = 0; i < scene.trackArticles.size(); ++i) {
        if (scene.trackArticles[i] == def.article) {
            return static_cast<int>(i);
        }
    }
    scene.trackMeshes.push_back(buildTrackMesh(def));
    scene.reducedTrackMeshes.push_back(buildTrackMesh(def, TrackDetail::Reduced));
    scene.distantTrackMeshes.push_back(buildTrackMesh(def, TrackDetail::Distant));
    scene.trackArticles.push_back(def.article);
    return static_cast<int>(scene.trackMeshes.size()) - 1;
}

void buildScene(const Layout& layout, const TrackCatalog& catalog, const SceneryCatalog& scenery,
                Scene& scene) {
    scene.clear();
    addPieces(layout, catalog, scene);
    addBridgePiers(layout, catalog, scene);
    addHelices(layout, catalog, scene);
    buildTiles(scene);
    addShapes(layout, scene);
    addScenery(layout, scenery, scene);
    addBaseboard(layout, scene);
    addTunnelMounds(layout, catalog, scene);
}

TrackDetail trackDetail(double eyeDistance, double sleeperPitchMm, int viewportHeight) {
    const double pixelsPerMm =
        viewportHeight / (2.0 * std::max(eyeDistance, 1.0) * std::tan(degToRad(20.0)));
    const double pixels = sleeperPitchMm * pixelsPerMm;
    return pixels < 4.0    ? TrackDetail::Distant
           : pixels < 12.0 ? TrackDetail::Reduced
                           : TrackDetail::Full;
}

Matrix4 pieceMatrix(const PieceInstance& piece) {
    const double tilt = piece.reversed ? piece.grade : -piece.grade;
    const auto c = static_cast<float>(std::cos(degToRad(tilt)));
    const auto s = static_cast<float>(std::sin(degToRad(tilt)));
    // Rotation about y by `tilt`, then the mirror of y.
    // clang-format off
    const Matrix4 tiltMirror{c,    0.0f,  -s,   0.0f,  // one column per line
                             0.0f, -1.0f, 0.0f, 0.0f,
                             s,    0.0f,  c,    0.0f,
                             0.0f, 0.0f,  0.0f, 1.0f};
    // clang-format on
    return multiply(translateTurn(piece.x, -piece.y, piece.z, -piece.heading), tiltMirror);
}

Matrix4 modelMatrix(const ModelInstance& model) {
    const auto sx = static_cast<float>(model.scaleX), sy = static_cast<float>(-model.scaleY);
    // clang-format off
    const Matrix4 scale{sx,   0.0f, 0.0f, 0.0f,  // one column per line
                        0.0f, sy,   0.0f, 0.0f,
                        0.0f, 0.0f, 1.0f, 0.0f,
                        0.0f, 0.0f, 0.0f, 1.0f};
    // clang-format on
    return multiply(translateTurn(model.x, -model.y, model.z, -model.heading), scale);
}

Vec3 transformPoint(const Matrix4& m, Vec3 p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

double groundHeight(const Layout& layout, Vec2 p) {
    double ground = 0.0;
    bool found = false;
    for (const FreeShape& shape : layout.shapes) {
        if (shape.a <= 1 || shape.vertices.size() < 3 || !insidePolygon(shape.vertices, p)) {
            continue;
        }
        const double top = levelHeight(layout, shape.level) + shape.height;
        ground = found ? std::max(ground, top) : top;
        found = true;
    }
    return ground;
}
