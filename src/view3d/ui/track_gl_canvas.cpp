#include "view3d/ui/track_gl_canvas.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <wx/dcclient.h>

#include <algorithm>
#include <cmath>

#include "view3d/frustum.h"

namespace {

wxGLAttributes displayAttributes() {
    wxGLAttributes attrs;
    attrs.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    return attrs;
}

constexpr float kGridExtent = 3500.0f;
constexpr float kGridStep = 100.0f;
constexpr float kPoleHeight = 120.0f;        // mm above the marked point
constexpr float kChosenPoleHeight = 220.0f;  // mm

void drawInstance(const Matrix4& matrix, const GlMesh& mesh) {
    if (mesh.empty()) {
        return;
    }
    glPushMatrix();
    glMultMatrixf(matrix.data());
    mesh.draw();
    glPopMatrix();
}

void uploadAll(const std::vector<Mesh>& meshes, std::vector<GlMesh>& gl) {
    for (GlMesh& m : gl) {
        m.release();
    }
    gl.assign(meshes.size(), GlMesh{});
    for (size_t i = 0; i < meshes.size(); ++i) {
        gl[i].upload(meshes[i]);
    }
}

void setLight(GLenum light, std::array<GLfloat, 4> ambient, std::array<GLfloat, 4> diffuse,
              std::array<GLfloat, 4> specular, std::array<GLfloat, 4> position) {
    glLightfv(light, GL_AMBIENT, ambient.data());
    glLightfv(light, GL_DIFFUSE, diffuse.data());
    glLightfv(light, GL_SPECULAR, specular.data());
    glLightfv(light, GL_POSITION, position.data());
    glEnable(light);
}

}  // namespace

TrackGLCanvas::TrackGLCanvas(wxWindow* parent, const ::Layout& layout, const TrackCatalog& catalog)
    : wxGLCanvas(parent, displayAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_catalog(catalog) {
    // wx leaves two fields of the context attributes unset unless PlatformDefaults fills them.
    wxGLContextAttrs contextAttrs;
    contextAttrs.PlatformDefaults().CompatibilityProfile().OGLVersion(2, 1).EndList();
    m_context = std::make_unique<wxGLContext>(this, nullptr, &contextAttrs);
    Bind(wxEVT_PAINT, &TrackGLCanvas::onPaint, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        Refresh(false);
        e.Skip();
    });
    for (wxEventTypeTag<wxMouseEvent> type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_LEFT_UP,
                                              wxEVT_RIGHT_UP, wxEVT_MOTION, wxEVT_MOUSEWHEEL}) {
        Bind(type, &TrackGLCanvas::onMouse, this);
    }
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_camera.release(); });
    Bind(wxEVT_KEY_DOWN, &TrackGLCanvas::onKey, this);
    rebuild(layout);
}

TrackGLCanvas::~TrackGLCanvas() {
    if (HasCapture()) {
        ReleaseMouse();
    }
    // The context goes with the canvas and takes its buffers along.
    for (auto* list : {&m_trackGl, &m_reducedTrackGl, &m_distantTrackGl, &m_modelGl, &m_tileGl}) {
        for (GlMesh& m : *list) {
            m.forget();
        }
    }
    for (GlMesh* m :
         {&m_baseboardGl, &m_structuresGl, &m_opaqueGl, &m_translucentGl, &m_terrainGl}) {
        m->forget();
    }
}

void TrackGLCanvas::rebuild(const ::Layout& layout) {
    buildScene(layout, m_catalog, SceneryCatalog::instance(), m_scene);
    m_camera.fit(m_scene.trackBounds);
    m_uploaded = false;
    Refresh(false);
}

void TrackGLCanvas::uploadScene() {
    uploadAll(m_scene.trackMeshes, m_trackGl);
    uploadAll(m_scene.reducedTrackMeshes, m_reducedTrackGl);
    uploadAll(m_scene.distantTrackMeshes, m_distantTrackGl);
    m_sleeperPitch.clear();
    m_meshRadius.clear();
    m_finestPitch = 1e9;
    for (size_t i = 0; i < m_scene.trackMeshes.size(); ++i) {
        const PieceDef* def = m_catalog.byArticle(m_scene.trackArticles[i]);
        m_sleeperPitch.push_back(def != nullptr ? sleeperPitch(*def) : 13.0);
        m_finestPitch = std::min(m_finestPitch, m_sleeperPitch.back());
        Vec3 lo, hi;
        m_scene.trackMeshes[i].bounds(lo, hi);
        m_meshRadius.push_back(
            std::max({std::hypot(lo.x, lo.y, lo.z), std::hypot(hi.x, hi.y, hi.z),
                      std::hypot(lo.x, hi.y, hi.z), std::hypot(hi.x, lo.y, lo.z)}));
    }
    uploadAll(m_scene.modelMeshes, m_modelGl);
    m_baseboardGl.upload(m_scene.baseboard);
    m_structuresGl.upload(m_scene.structures);
    m_opaqueGl.upload(m_scene.opaqueShapes);
    m_translucentGl.upload(m_scene.translucentShapes);
    m_terrainGl.upload(m_scene.terrain);
    for (GlMesh& m : m_tileGl) {
        m.release();
    }
    m_tileGl.assign(m_scene.tiles.size(), GlMesh{});
    for (size_t i = 0; i < m_scene.tiles.size(); ++i) {
        m_tileGl[i].upload(m_scene.tiles[i].distant);
    }
    m_uploaded = true;
}

void TrackGLCanvas::drawPieces(int viewportHeight) const {
    const Vec3 eye = eyePosition(m_modelView);
    const Frustum frustum = Frustum::fromMatrix(clipMatrix(m_projection, m_modelView));
    // A tile out of sight is passed over and one wholly far away is one draw; a nearer one draws
    // each piece in sight, near or distant.
    // Instances to draw per level of detail and track mesh.
    std::array<std::vector<std::vector<const PieceInstance*>>, 3> lists;
    for (auto& list : lists) {
        list.resize(m_trackGl.size());
    }
    for (size_t t = 0; t < m_scene.tiles.size(); ++t) {
        const TrackTile& tile = m_scene.tiles[t];
        if (frustum.outside(tile.min, tile.max)) {
            continue;
        }
        if (trackDetail(distanceToBox(eye, tile.min, tile.max), m_finestPitch, viewportHeight) ==
            TrackDetail::Distant) {
            m_tileGl[t].draw();
            continue;
        }
        for (size_t i : tile.pieces) {
            const PieceInstance& p = m_scene.pieces[i];
            const auto mesh = static_cast<size_t>(p.mesh);
            if (frustum.outside(Vec3{p.x, -p.y, p.z}, m_meshRadius[mesh])) {
                continue;
            }
            const double d = std::hypot(p.x - eye.x, -p.y - eye.y, p.z - eye.z);
            const TrackDetail detail = trackDetail(d, m_sleeperPitch[mesh], viewportHeight);
            lists[static_cast<size_t>(detail)][mesh].push_back(&p);
        }
    }
    // One binding per article and level of detail, then every instance under its own matrix.
    for (size_t mesh = 0; mesh < m_trackGl.size(); ++mesh) {
        for (const auto& [gl, list] : {std::pair{&m_trackGl[mesh], &lists[0][mesh]},
                                       std::pair{&m_reducedTrackGl[mesh], &lists[1][mesh]},
                                       std::pair{&m_distantTrackGl[mesh], &lists[2][mesh]}}) {
            if (list->empty() || gl->empty()) {
                continue;
            }
            gl->bind();
            for (const PieceInstance* p : *list) {
                glPushMatrix();
                glMultMatrixf(pieceMatrix(*p).data());
                gl->drawBound();
                glPopMatrix();
            }
            GlMesh::unbind();
        }
    }
}

void TrackGLCanvas::onPaint(wxPaintEvent& /*event*/) {
    wxPaintDC dc(this);
    if (render()) {
        SwapBuffers();
    }
}

bool TrackGLCanvas::drawFrameNow() {
    if (!render()) {
        return false;
    }
    glFinish();
    SwapBuffers();
    return true;
}

bool TrackGLCanvas::renderAndRead(std::vector<unsigned char>& rgb, int& width, int& height) {
    if (!render()) {
        return false;
    }
    width = m_viewport[2];
    height = m_viewport[3];
    rgb.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    SwapBuffers();
    return true;
}

bool TrackGLCanvas::project(Vec3 point, double& x, double& y) const {
    if (!m_drawn) {
        return false;
    }
    double z = 0.0;
    return gluProject(point.x, point.y, point.z, m_modelView.data(), m_projection.data(),
                      m_viewport.data(), &x, &y, &z) == GL_TRUE;
}

void TrackGLCanvas::setUpGl() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHTING);
    setLight(GL_LIGHT0, {0.22f, 0.22f, 0.20f, 1}, {0.92f, 0.90f, 0.84f, 1},
             {0.35f, 0.35f, 0.38f, 1}, {700, 500, 1000, 1});
    setLight(GL_LIGHT1, {0.04f, 0.04f, 0.07f, 1}, {0.22f, 0.26f, 0.34f, 1}, {0, 0, 0, 1},
             {-500, -700, 250, 1});
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    const GLfloat specular[] = {0.35f, 0.35f, 0.38f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 20.0f);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
    glClearColor(0.14f, 0.16f, 0.19f, 1.0f);
    m_glReady = true;
}

void TrackGLCanvas::applyCamera(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, static_cast<double>(width) / height, 1.0, 60000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, m_camera.distance, 0, 0, 0, 0, 1, 0);
    // Positive elevation looks down on the layout from its front edge.
    glRotatef(-m_camera.elevation, 1, 0, 0);
    glRotatef(m_camera.azimuth, 0, 0, 1);
    glTranslatef(m_camera.panX - m_camera.centreX, m_camera.panY - m_camera.centreY, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, m_modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, m_projection.data());
    glGetIntegerv(GL_VIEWPORT, m_viewport.data());
}

void TrackGLCanvas::setMarks(std::vector<MarkPole> poles) {
    m_marks = std::move(poles);
    Refresh(false);
}

void TrackGLCanvas::drawMarks() const {
    if (m_marks.empty()) {
        return;
    }
    // Over everything: a mark hidden behind a hill or under a bridge would be no mark.
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    for (const MarkPole& pole : m_marks) {
        const float x = static_cast<float>(pole.foot.x), y = static_cast<float>(pole.foot.y);
        const float z = static_cast<float>(pole.foot.z);
        const GLfloat line[] = {x, y, z, x, y, z + (pole.chosen ? kChosenPoleHeight : kPoleHeight)};
        glColor3f(pole.colour.r, pole.colour.g, pole.colour.b);
        glLineWidth(pole.chosen ? 6.0f : 3.0f);
        glVertexPointer(3, GL_FLOAT, 0, line);
        glDrawArrays(GL_LINES, 0, 2);
        glPointSize(pole.chosen ? 16.0f : 10.0f);
        glDrawArrays(GL_POINTS, 1, 1);
    }
    glLineWidth(1.0f);
    glPointSize(1.0f);
    glEnable(GL_DEPTH_TEST);
}

void TrackGLCanvas::drawGrid() const {
    glDisable(GL_LIGHTING);
    // The grid lies in the baseboard's plane; without depth writes whatever comes later covers it
    // instead of fighting with it for the depth buffer.
    glDepthMask(GL_FALSE);
    std::vector<GLfloat> lines;
    for (float v = -kGridExtent; v <= kGridExtent; v += kGridStep) {
        lines.insert(lines.end(), {v, -kGridExtent, -0.5f, v, kGridExtent, -0.5f});
        lines.insert(lines.end(), {-kGridExtent, v, -0.5f, kGridExtent, v, -0.5f});
    }
    glLineWidth(1.0f);
    glColor3f(0.22f, 0.24f, 0.22f);
    glVertexPointer(3, GL_FLOAT, 0, lines.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(lines.size() / 3));
    const GLfloat axisY[] = {0, -kGridExtent, -0.3f, 0, kGridExtent, -0.3f};
    const GLfloat axisX[] = {-kGridExtent, 0, -0.3f, kGridExtent, 0, -0.3f};
    glLineWidth(2.0f);
    glColor3f(0.45f, 0.18f, 0.18f);
    glVertexPointer(3, GL_FLOAT, 0, axisY);
    glDrawArrays(GL_LINES, 0, 2);
    glColor3f(0.18f, 0.45f, 0.18f);
    glVertexPointer(3, GL_FLOAT, 0, axisX);
    glDrawArrays(GL_LINES, 0, 2);
    glLineWidth(1.0f);
    glDepthMask(GL_TRUE);
}

bool TrackGLCanvas::render() {
    if (!m_context || !IsShownOnScreen() || !SetCurrent(*m_context)) {
        return false;
    }
    if (!m_glReady) {
        setUpGl();
    }
    if (!m_uploaded) {
        uploadScene();
    }
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    if (size.x < 1 || size.y < 1) {
        return false;
    }
    applyCamera(size.x, size.y);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    drawGrid();

    glEnable(GL_LIGHTING);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    m_baseboardGl.draw();
    for (const ModelInstance& model : m_scene.scenery) {
        drawInstance(modelMatrix(model), m_modelGl[static_cast<size_t>(model.mesh)]);
    }
    m_structuresGl.draw();
    m_opaqueGl.draw();

    // Track lies on the baseboard and on shapes; the offset keeps it in front of them.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -1.0f);
    drawPieces(size.y);
    glDisable(GL_POLYGON_OFFSET_FILL);
    m_terrainGl.draw();

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    m_translucentGl.draw();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);

    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    drawMarks();
    glDisableClientState(GL_VERTEX_ARRAY);
    m_drawn = true;
    return true;
}

void TrackGLCanvas::onMouse(wxMouseEvent& event) {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN) {
        m_camera.press(event.GetX(), event.GetY(), event.LeftIsDown(), event.RightIsDown());
        if (!HasCapture()) {
            CaptureMouse();
        }
        SetFocus();
    } else if (type == wxEVT_MOTION) {
        if (m_camera.motion(event.GetX(), event.GetY())) {
            Refresh(false);
        }
    } else if (type == wxEVT_LEFT_UP || type == wxEVT_RIGHT_UP) {
        m_camera.release();
        if (HasCapture()) {
            ReleaseMouse();
        }
    } else if (type == wxEVT_MOUSEWHEEL) {
        m_camera.wheel(event.GetWheelRotation());
        Refresh(false);
    }
}

void TrackGLCanvas::onKey(wxKeyEvent& event) {
    if (m_camera.key(event.GetKeyCode())) {
        Refresh(false);
    }
    event.Skip();
}
