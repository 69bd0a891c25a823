#pragma once
// The plain triangle meshes of the 3D view: positions, one normal and one colour per vertex, and
// a list of 32-bit triangle indices, ready to be handed to the GL as client-side arrays. The
// builders here add boxes, strips, walls and polygon caps; they know nothing of the layout.
//
// 3D frame: x as in the layout, y pointing the other way (the layout's y grows downward), z up,
// all in mm. Meshes of a piece or a model are in that object's own frame.

#include <cstdint>
#include <vector>

#include "geometry/geometry.h"

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

/// Linear colour, channels 0 ... 1; alpha 1 is opaque.
struct Colour {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;
    Colour scaled(float k) const { return {r * k, g * k, b * k, a}; }
};

struct Mesh {
    /// 3 floats per colour (RGB meshes) or 4 (RGBA: the shape meshes).
    int colourSize = 3;
    std::vector<float> positions;   ///< x, y, z per vertex (mm)
    std::vector<float> normals;     ///< unit normal per vertex
    std::vector<float> colours;     ///< colourSize floats per vertex
    std::vector<uint32_t> indices;  ///< three per triangle, counter-clockwise seen from outside

    explicit Mesh(int colourChannels = 3) : colourSize(colourChannels) {}

    size_t vertexCount() const { return positions.size() / 3; }
    size_t triangleCount() const { return indices.size() / 3; }
    bool empty() const { return indices.empty(); }
    void clear();

    uint32_t addVertex(Vec3 p, Vec3 n, Colour c);
    void addTriangle(uint32_t a, uint32_t b, uint32_t c);
    /// Flat quad a-b-c-d (counter-clockwise seen from outside); the normal is computed.
    void addQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Colour colour);
    /// Appends every vertex and triangle of `other`, moved by `offset`.
    void append(const Mesh& other, Vec3 offset = {});
    /// Box of the vertex positions; min > max when the mesh has no vertex.
    void bounds(Vec3& min, Vec3& max) const;
};

/// Axis-aligned box [x0, x1] x [y0, y1] x [z0, z1]; `withBottom` adds the underside.
void addBox(Mesh& m, Vec3 lo, Vec3 hi, Colour top, Colour sides, bool withBottom = false);
/// Box of `length` x `width` centred on (c.x, c.y) turned by `angleDeg` about z (counter-clockwise
/// in this frame), from z0 to z1. No underside.
void addTurnedBox(Mesh& m, Vec2 c, double angleDeg, double length, double width, double z0,
                  double z1, Colour top, Colour sides);
/// Vertical walls along the closed polygon (points in this frame) from z0 to z1, facing outward
/// whichever way the polygon runs.
void addWalls(Mesh& m, const std::vector<Vec2>& polygon, double z0, double z1, Colour colour);
/// Horizontal cap of a simple polygon at height z, facing up (or down), triangulated by ear
/// clipping. False when the polygon could not be triangulated (then nothing is added).
bool addCap(Mesh& m, const std::vector<Vec2>& polygon, double z, Colour colour, bool up = true);
/// Prism over a simple polygon: the cap at z1 and walls down to z0.
void addPrism(Mesh& m, const std::vector<Vec2>& polygon, double z0, double z1, Colour top,
              Colour sides);
/// Upright cylinder (or, with different radii, cone) about (c.x, c.y) from z0 to z1 with a top cap.
void addCylinder(Mesh& m, Vec2 c, double r0, double r1, double z0, double z1, int segments,
                 Colour top, Colour sides);
/// Square-section beam from a to b (any direction), `width` across horizontally and `depth` across
/// the other way, with both end faces.
void addBeam(Mesh& m, Vec3 a, Vec3 b, double width, double depth, Colour colour);
