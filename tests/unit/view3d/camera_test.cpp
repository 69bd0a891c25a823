// The orbit camera's controls and its framing of the track.
#include "view3d/camera.h"
#include "view3d/frustum.h"

#include <gtest/gtest.h>

#include "view3d_support.h"

TEST(Camera, ElevationStaysWithin89Degrees) {
    Camera3D cam;
    cam.press(0, 0, true, false);
    EXPECT_TRUE(cam.motion(10, 1000));
    EXPECT_FLOAT_EQ(cam.elevation, 89.0f);
    EXPECT_FLOAT_EQ(cam.azimuth, 35.0f);
    cam.motion(10, -3000);
    EXPECT_FLOAT_EQ(cam.elevation, -89.0f);
}

TEST(Camera, RightDragPansAndReleaseStopsIt) {
    Camera3D cam;
    cam.azimuth = 0.0f;
    cam.press(100, 100, false, true);
    EXPECT_TRUE(cam.motion(109, 100));
    EXPECT_FLOAT_EQ(cam.panX, 9.0f * 800.0f / 900.0f);
    EXPECT_FLOAT_EQ(cam.panY, 0.0f);
    EXPECT_FLOAT_EQ(cam.elevation, 35.0f) << "panning does not rotate";
    cam.release();
    EXPECT_FALSE(cam.motion(200, 200)) << "no repaint after the right button is up";
    EXPECT_FLOAT_EQ(cam.panX, 8.0f);
}

TEST(Camera, WheelZoomsWithinLimitsAndRKeepsTheZoom) {
    Camera3D cam;
    cam.wheel(120);
    EXPECT_FLOAT_EQ(cam.distance, 800.0f * 0.88f);
    for (int i = 0; i < 100; ++i) {
        cam.wheel(120);
    }
    EXPECT_FLOAT_EQ(cam.distance, 50.0f);
    for (int i = 0; i < 100; ++i) {
        cam.wheel(-120);
    }
    EXPECT_FLOAT_EQ(cam.distance, 15000.0f);
    cam.wheel(0);
    EXPECT_FLOAT_EQ(cam.distance, 15000.0f);

    cam.press(0, 0, true, true);
    cam.motion(40, 30);
    EXPECT_FALSE(cam.key('x'));
    EXPECT_TRUE(cam.key('r'));
    EXPECT_FLOAT_EQ(cam.elevation, 35.0f);
    EXPECT_FLOAT_EQ(cam.azimuth, 30.0f);
    EXPECT_FLOAT_EQ(cam.panX, 0.0f);
    EXPECT_FLOAT_EQ(cam.panY, 0.0f);
    EXPECT_FLOAT_EQ(cam.distance, 15000.0f);
}

TEST(Camera, FitFramesTheTrackAroundItsMiddle) {
    // Straights of 1000 mm with their 18.7 mm band: 3000 mm wide, 1000 mm deep.
    Layout layout;
    TrackCatalog catalog;
    PieceDef straight = *TrackCatalog::instance().byArticle("24188");
    straight.length = 1000.0;
    straight.connectors[1].x = 1000.0;
    catalog.add(straight);
    layout.pieces = {piece3d("24188", 0, 18.7), piece3d("24188", 1000, 18.7),
                     piece3d("24188", 2000, 18.7), piece3d("24188", 0, 1000 - 18.7)};
    Scene scene;
    buildScene(layout, catalog, SceneryCatalog::instance(), scene);
    Camera3D cam;
    cam.fit(scene.trackBounds);
    EXPECT_NEAR(cam.distance, 5400.0f, 0.01f);
    EXPECT_NEAR(cam.centreX, 1500.0f, 1e-3f);
    EXPECT_NEAR(cam.centreY, -500.0f, 1e-3f);

    layout.pieces = {piece3d("24188", 0, 0)};
    layout.pieces.editBack().article = "24977";  // a 48.3 mm buffer stop
    buildScene(layout, TrackCatalog::instance(), SceneryCatalog::instance(), scene);
    Camera3D small;
    small.fit(scene.trackBounds);
    EXPECT_FLOAT_EQ(small.distance, 400.0f);

    buildScene(Layout{}, TrackCatalog::instance(), SceneryCatalog::instance(), scene);
    Camera3D empty;
    empty.fit(scene.trackBounds);
    EXPECT_FLOAT_EQ(empty.distance, 800.0f);
}

TEST(Frustum, BoxesAndSpheresOutsideThePlanesArePassedOver) {
    // A projection that maps x, y in -1 ... 1 and z in -1 ... 1 onto itself, moved by 10 in x.
    std::array<double, 16> clip{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -10, 0, 0, 1};
    const Frustum f = Frustum::fromMatrix(clip);
    EXPECT_FALSE(f.outside(Vec3{10, 0, 0}, 0.1));
    EXPECT_TRUE(f.outside(Vec3{12, 0, 0}, 0.5));
    EXPECT_FALSE(f.outside(Vec3{12, 0, 0}, 1.5)) << "reaches in";
    EXPECT_TRUE(f.outside(Vec3{10, 3, 0}, 1.0));
    EXPECT_FALSE(f.outside(Vec3{8, -2, -2}, Vec3{9.5, 2, 2}));
    EXPECT_TRUE(f.outside(Vec3{0, 0, 0}, Vec3{8.9, 1, 1}));
    EXPECT_TRUE(f.outside(Vec3{9, 0, 1.5}, Vec3{11, 1, 3}));
}

TEST(Frustum, EyeAndDistancesComeFromTheMatrices) {
    // Model-view of a camera at (100, 0, 0) looking along -z: a plain translation by -100 in x.
    const std::array<double, 16> mv{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -100, 0, 0, 1};
    const Vec3 eye = eyePosition(mv);
    EXPECT_DOUBLE_EQ(eye.x, 100.0);
    EXPECT_DOUBLE_EQ(eye.y, 0.0);
    const std::array<double, 16> scale2{2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1};
    EXPECT_DOUBLE_EQ(clipMatrix(scale2, mv)[12], -200.0);
    EXPECT_DOUBLE_EQ(distanceToBox({0, 0, 0}, {3, -1, 4}, {5, 1, 9}), 5.0);
    EXPECT_DOUBLE_EQ(distanceToBox({4, 0, 5}, {3, -1, 4}, {5, 1, 9}), 0.0);
}
