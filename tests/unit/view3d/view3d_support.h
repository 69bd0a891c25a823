#pragma once
// Small layouts for the 3D scene tests, built on the built-in catalogs.

#include "catalog/scenery_catalog.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "view3d/scene.h"

inline PlacedPiece piece3d(const char* article, double x, double y, double heading = 0.0,
                           double z = 0.0, double grade = 0.0) {
    PlacedPiece p;
    p.article = article;
    p.x = x;
    p.y = y;
    p.heading = heading;
    p.z = z;
    p.grade = grade;
    return p;
}

inline FreeShape shape3d(std::vector<Vec2> vertices, uint8_t alpha, double height = 0.0) {
    FreeShape s;
    s.vertices = std::move(vertices);
    s.a = alpha;
    s.height = height;
    return s;
}

inline Scene sceneOf(const Layout& layout) {
    Scene scene;
    buildScene(layout, TrackCatalog::instance(), SceneryCatalog::instance(), scene);
    return scene;
}
