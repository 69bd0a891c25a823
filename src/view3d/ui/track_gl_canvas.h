#pragma once
// The OpenGL canvas of the 3D view: holds the GL context, the camera and the scene that the core
// built from the layout, forwards mouse and key events to the camera and draws the scene's meshes
// from client-side arrays with the fixed-function pipeline.

#include <array>
#include <memory>
#include <vector>

#include <wx/glcanvas.h>

#include "view3d/camera.h"
#include "view3d/scene.h"
#include "view3d/ui/gl_mesh.h"

/// A mark standing over a point of the layout: a pole up from `foot` (3D view frame, mm).
struct MarkPole {
    Vec3 foot;
    Colour colour;
    bool chosen = false;  ///< drawn taller and thicker
};

class TrackGLCanvas : public wxGLCanvas {
public:
    TrackGLCanvas(wxWindow* parent, const ::Layout& layout, const TrackCatalog& catalog);
    ~TrackGLCanvas() override;

    /// Builds every mesh again from the layout, refits the camera and repaints.
    void rebuild(const ::Layout& layout);

    const Camera3D& camera() const { return m_camera; }
    Camera3D& camera() { return m_camera; }
    const Scene& scene() const { return m_scene; }

    /// Draws one frame now, waits for the GL to finish it and shows it. False when nothing could
    /// be drawn.
    bool drawFrameNow();
    /// Draws one frame now and reads the back buffer (RGB rows bottom-up, width x height) before
    /// swapping. False when the context cannot be made current or the window has no area.
    bool renderAndRead(std::vector<unsigned char>& rgb, int& width, int& height);
    /// Poles drawn over everything else, e.g. the findings of Check Layout; empty removes them.
    void setMarks(std::vector<MarkPole> poles);
    const std::vector<MarkPole>& marks() const { return m_marks; }
    /// Window pixel (x right, y up from the bottom row) where a 3D point appeared in the last
    /// frame drawn. False before a frame has been drawn.
    bool project(Vec3 point, double& x, double& y) const;

private:
    void onPaint(wxPaintEvent& event);
    void onMouse(wxMouseEvent& event);
    void onKey(wxKeyEvent& event);

    bool render();
    void setUpGl();
    void applyCamera(int width, int height);
    void drawGrid() const;
    void drawMarks() const;
    void uploadScene();
    void drawPieces(int viewportHeight) const;

    const TrackCatalog& m_catalog;
    std::unique_ptr<wxGLContext> m_context;
    bool m_glReady = false;
    Camera3D m_camera;
    Scene m_scene;
    // The scene's meshes in GL buffers, uploaded on the first frame after a rebuild.
    bool m_uploaded = false;
    std::vector<GlMesh> m_trackGl;
    std::vector<GlMesh> m_reducedTrackGl;
    std::vector<GlMesh> m_distantTrackGl;
    std::vector<double> m_sleeperPitch;  // per track mesh, mm
    std::vector<double> m_meshRadius;    // per track mesh: reach from the piece's origin, mm
    double m_finestPitch = 1e9;          // smallest sleeper pitch in the scene, mm
    std::vector<GlMesh> m_tileGl;        // per scene tile, its merged distant meshes
    std::vector<GlMesh> m_modelGl;
    GlMesh m_baseboardGl, m_structuresGl, m_opaqueGl, m_translucentGl, m_terrainGl;
    // Matrices and viewport of the last frame, for `project`.
    std::array<double, 16> m_modelView{};
    std::array<double, 16> m_projection{};
    std::array<int, 4> m_viewport{};
    bool m_drawn = false;
    std::vector<MarkPole> m_marks;
};
