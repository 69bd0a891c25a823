// The 3D window under Xvfb with Mesa: it opens on a layout, draws track where a piece is and the
// baseboard where none is, follows edits, and closes and opens again with a fresh GL context.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/uiaction.h>

#include "edit/edit.h"
#include "gui_support.h"
#include "view3d/track_mesh.h"
#include "view3d/ui/track_gl_canvas.h"
#include "view3d/ui/view3d_frame.h"

namespace {

struct Pixel {
    int r = 0, g = 0, b = 0;
    bool greenish() const { return g > r + 15 && g > b + 15; }
};

Layout boardWithStraight() {
    Layout layout;
    layout.EnsureDefaultLevel();
    layout.baseboard.vertices = {{0, 0}, {1200, 0}, {1200, 800}, {0, 800}};
    PlacedPiece piece;
    piece.id = layout.AllocateId();
    piece.article = "24188";
    piece.x = 500;
    piece.y = 400;
    piece.joints.resize(2);
    layout.pieces.push_back(piece);
    return layout;
}

// Draws a frame and reads the pixel where the 3D point appears.
Pixel pixelAt(TrackGLCanvas& canvas, Vec3 point) {
    std::vector<unsigned char> rgb;
    int w = 0, h = 0;
    EXPECT_TRUE(canvas.renderAndRead(rgb, w, h));
    double x = 0, y = 0;
    EXPECT_TRUE(canvas.project(point, x, y));
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    if (px < 0 || py < 0 || px >= w || py >= h) {
        ADD_FAILURE() << "point off screen at " << px << ", " << py;
        return {};
    }
    const size_t i =
        (static_cast<size_t>(py) * static_cast<size_t>(w) + static_cast<size_t>(px)) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

View3DFrame* openAndWait(LayoutEditor& editor) {
    View3DFrame* frame = openView3D(nullptr, editor);
    EXPECT_TRUE(waitFor([&] { return frame->canvas()->IsShownOnScreen(); }));
    EXPECT_TRUE(waitFor([&] {
        std::vector<unsigned char> rgb;
        int w = 0, h = 0;
        return frame->canvas()->renderAndRead(rgb, w, h) && w > 400 && h > 300;
    }));
    return frame;
}

void closeAndWait(View3DFrame* frame) {
    frame->Destroy();
    EXPECT_TRUE(waitFor([] { return wxTopLevelWindows.empty(); }));
}

}  // namespace

TEST(View3DWindow, DrawsTrackOverTheBaseboardAndReopens) {
    Layout layout = boardWithStraight();
    LayoutEditor editor(layout);
    const Vec3 onTrack{500 + 94.15, -400, kBedTop};
    const Vec3 onBoard{594, -470, -0.5};  // 70 mm in front of the track
    for (int round = 0; round < 3; ++round) {
        View3DFrame* frame = openAndWait(editor);
        EXPECT_EQ(frame->GetTitle(), "3D View - Railvane");
        EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0),
                  "Left drag: rotate  |  Right drag: pan  |  Scroll: zoom  |  R: reset view");
        const Pixel track = pixelAt(*frame->canvas(), onTrack);
        const Pixel board = pixelAt(*frame->canvas(), onBoard);
        EXPECT_FALSE(track.greenish()) << track.r << "," << track.g << "," << track.b;
        EXPECT_GT(track.r + track.g + track.b, 150) << "lit track, not the background";
        EXPECT_TRUE(board.greenish()) << board.r << "," << board.g << "," << board.b;
        closeAndWait(frame);
    }
}

TEST(View3DWindow, EveryCommitRebuildsTheScene) {
    Layout layout = boardWithStraight();
    LayoutEditor editor(layout);
    View3DFrame* frame = openAndWait(editor);
    TrackGLCanvas& canvas = *frame->canvas();
    ASSERT_EQ(canvas.scene().pieces.size(), 1u);
    const Vec3 onNewPiece{500 + 94.15, -300, kBedTop};
    EXPECT_TRUE(pixelAt(canvas, onNewPiece).greenish()) << "board before the edit";
    {
        Edit edit(editor);
        PlacedPiece piece;
        piece.article = "24188";
        piece.x = 500;
        piece.y = 300;
        edit.addPiece(piece);
    }
    EXPECT_EQ(canvas.scene().pieces.size(), 2u);
    EXPECT_FALSE(pixelAt(canvas, onNewPiece).greenish()) << "track after the edit";
    editor.undo();
    EXPECT_EQ(canvas.scene().pieces.size(), 1u);
    closeAndWait(frame);
    // The closed window no longer observes: a commit now reaches nobody and must not crash.
    Edit edit(editor);
    edit.changeSetup().baseboard.vertices.clear();
}

TEST(View3DWindow, MouseAndKeysDriveTheCamera) {
    Layout layout = boardWithStraight();
    LayoutEditor editor(layout);
    View3DFrame* frame = openAndWait(editor);
    TrackGLCanvas& canvas = *frame->canvas();
    const Camera3D& cam = canvas.camera();
    wxUIActionSimulator sim;
    const wxPoint middle = canvas.ClientToScreen(wxPoint(300, 300));
    sim.MouseMove(middle);
    wxTheApp->Yield(true);

    sim.MouseDown(wxMOUSE_BTN_RIGHT);
    sim.MouseMove(middle + wxPoint(60, 0));
    EXPECT_TRUE(waitFor([&] { return cam.panX != 0.0f || cam.panY != 0.0f; })) << "right drag pans";
    sim.MouseUp(wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(waitFor([&] { return !cam.panning(); }));
    EXPECT_FLOAT_EQ(cam.elevation, 35.0f);

    sim.MouseDown(wxMOUSE_BTN_LEFT);
    sim.MouseMove(middle + wxPoint(100, 40));
    EXPECT_TRUE(waitFor([&] { return cam.azimuth == 50.0f; })) << "left drag rotates by dx / 2";
    EXPECT_FLOAT_EQ(cam.elevation, 55.0f);
    sim.MouseUp(wxMOUSE_BTN_LEFT);
    EXPECT_TRUE(waitFor([&] { return !cam.rotating(); }));

    const float before = cam.distance;
    canvas.SetFocus();
    sim.Char('r');
    EXPECT_TRUE(waitFor([&] { return cam.azimuth == 30.0f && cam.panX == 0.0f; })) << "R resets";
    EXPECT_FLOAT_EQ(cam.distance, before);
    closeAndWait(frame);
}
