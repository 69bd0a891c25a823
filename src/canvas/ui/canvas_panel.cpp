#include "canvas/ui/canvas_panel.h"

#include <wx/dcbuffer.h>
#include <wx/menu.h>

#include "canvas/elevation_wizard_tool.h"
#include "canvas/track_growth.h"
#include "dialogs/ui/resize_scenery_dialog.h"
#include "dialogs/ui/shape_properties_dialog.h"
#include "frame/editor_context.h"
#include "render/ui/layout_renderer.h"
#include "render/ui/render_findings.h"
#include "render/ui/render_overlays.h"
#include "tools/ui/elevation_dialogs.h"
#include "tools/ui/fill_choice_dialog.h"

namespace {

Modifiers modifiersOf(const wxKeyboardState& state) {
    return {state.ShiftDown(), state.ControlDown(), state.AltDown()};
}

CanvasKey canvasKey(int code) {
    switch (code) {
        case WXK_ESCAPE:
            return CanvasKey::Escape;
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
            return CanvasKey::Delete;
        case WXK_BACK:
            return CanvasKey::Backspace;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return CanvasKey::Enter;
        case WXK_SPACE:
            return CanvasKey::Space;
        case 'R':
        case 'r':
            return CanvasKey::R;
        case 'F':
        case 'f':
            return CanvasKey::F;
        case 'C':
        case 'c':
            return CanvasKey::C;
        case 'V':
        case 'v':
            return CanvasKey::V;
        default:
            return CanvasKey::Other;
    }
}

}  // namespace

CanvasPanel::CanvasPanel(wxWindow* parent, EditorContext& context)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS),
      m_context(context),
      m_controller(
          std::make_unique<CanvasController>(context.editor(), static_cast<CanvasHost&>(*this))),
      m_renderer(std::make_unique<LayoutRenderer>()),
      m_flashTimer(this) {
    // The first drawing step clears the whole area, so the background is never erased apart.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    context.editor().addObserver(this);
    Bind(wxEVT_PAINT, &CanvasPanel::OnPaint, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        Refresh(false);
        e.Skip();
    });
    Bind(wxEVT_MOTION, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_LEFT_DOWN, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_LEFT_DCLICK, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_RIGHT_DOWN, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_MIDDLE_DOWN, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_MIDDLE_UP, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_MOUSEWHEEL, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_LEAVE_WINDOW, &CanvasPanel::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &CanvasPanel::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CanvasPanel::OnKeyUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CanvasPanel::OnCaptureLost, this);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { m_controller->timer(); }, m_flashTimer.GetId());
}

CanvasPanel::~CanvasPanel() {
    m_context.editor().removeObserver(this);
    m_flashTimer.Stop();
    if (HasCapture()) {
        ReleaseMouse();
    }
}

void CanvasPanel::RefreshCanvas() {
    Refresh(false);
}
void CanvasPanel::ZoomIn() {
    m_controller->zoomIn();
}
void CanvasPanel::ZoomOut() {
    m_controller->zoomOut();
}
void CanvasPanel::ZoomToFit() {
    m_controller->zoomToFit(false);
}
void CanvasPanel::ResetView(double zoom) {
    m_controller->resetView(zoom);
}
void CanvasPanel::startPaletteDrag(const std::string& article) {
    ::startPaletteDrag(*m_controller, article);
}
void CanvasPanel::autoConnect(const std::string& article, bool flipped) {
    ::autoConnect(*m_controller, article, flipped);
}
void CanvasPanel::cancelPlacement() {
    m_controller->cancelPlacement();
}
void CanvasPanel::startHelixPlacement(const std::string& variant) {
    ::startHelixPlacement(*m_controller, variant);
}
void CanvasPanel::startSceneryPlacement(const std::string& key) {
    ::startSceneryPlacement(*m_controller, key);
}
void CanvasPanel::placeHelix(Vec2 centre, const std::string& variant) {
    ::placeHelix(*m_controller, centre, variant);
}
void CanvasPanel::startElevationWizard(WizardMode mode) {
    if (mode != WizardMode::None) {
        m_controller->setTool(std::make_unique<ElevationWizardTool>(*m_controller, mode));
        SetFocus();
    }
}
void CanvasPanel::Undo() {
    m_controller->undo();
}
void CanvasPanel::Redo() {
    m_controller->redo();
}
void CanvasPanel::DeleteSelection() {
    m_controller->deleteCommand();
}

// ---- Host ------------------------------------------------------------------------------------

bool CanvasPanel::autofillGap() {
    return runAutofillCommand(this, m_context.editor(), m_context.prompter());
}

std::string CanvasPanel::runWizardStep(const WizardAction& action) {
    return runWizardAction(this, m_context.editor(), m_context.prompter(), action);
}

void CanvasPanel::repaint() {
    Refresh(false);
}

void CanvasPanel::captureMouse() {
    if (!HasCapture()) {
        CaptureMouse();
    }
}

void CanvasPanel::releaseMouse() {
    while (HasCapture()) {
        ReleaseMouse();
    }
}

void CanvasPanel::setCursor(CanvasCursor cursor) {
    wxStockCursor stock = wxCURSOR_ARROW;
    switch (cursor) {
        case CanvasCursor::Arrow:
            break;
        case CanvasCursor::Hand:
            stock = wxCURSOR_HAND;
            break;
        case CanvasCursor::Cross:
            stock = wxCURSOR_CROSS;
            break;
        case CanvasCursor::Pencil:
            stock = wxCURSOR_PENCIL;
            break;
        case CanvasCursor::SizeNWSE:
            stock = wxCURSOR_SIZENWSE;
            break;
        case CanvasCursor::SizeNESW:
            stock = wxCURSOR_SIZENESW;
            break;
        case CanvasCursor::SizeNS:
            stock = wxCURSOR_SIZENS;
            break;
        case CanvasCursor::SizeWE:
            stock = wxCURSOR_SIZEWE;
            break;
    }
    SetCursor(wxCursor(stock));
}

void CanvasPanel::setStatusText(int field, const std::string& text) {
    if (field == 0) {
        m_status0 = text;
    }
    m_context.showStatus(field, text);
}

void CanvasPanel::startFlashTimer(int ms) {
    m_flashTimer.StartOnce(ms);
}

int CanvasPanel::showContextMenu(ScreenPoint at, const std::vector<ContextMenuEntry>& entries) {
    wxMenu menu;
    for (size_t i = 0; i < entries.size(); ++i) {
        menu.Append(static_cast<int>(i) + 1, wxString::FromUTF8(entries[i].text));
        menu.Enable(static_cast<int>(i) + 1, entries[i].enabled);
    }
    const int id = GetPopupMenuSelectionFromUser(menu, wxPoint(at.x, at.y));
    return id == wxID_NONE ? -1 : id - 1;
}

Prompter& CanvasPanel::prompter() {
    return m_context.prompter();
}

void CanvasPanel::layoutEdited(const EditNotice&) {
    Refresh(false);
}

void CanvasPanel::selectionChanged() {
    Refresh(false);
}

void CanvasPanel::takeFocus() {
    SetFocus();
}

ScreenPoint CanvasPanel::clientSize() const {
    const wxSize size = GetClientSize();
    return {size.x, size.y};
}

void CanvasPanel::setLabelDropPoint(Vec2 point) {
    m_labelDropPoint = point;
    m_context.labelPointChosen(point);
}

void CanvasPanel::editShapeProperties(uint32_t shapeId) {
    showShapePropertiesDialog(this, m_context.editor(), shapeId,
                              unitsFromInt(static_cast<int>(m_context.layout().units)),
                              m_context.prompter());
}

void CanvasPanel::editSceneryScale(uint32_t itemId) {
    showResizeSceneryDialog(this, m_context.editor(), itemId, m_context.prompter());
}

// ---- Events ----------------------------------------------------------------------------------

void CanvasPanel::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    m_painted = true;
    const ScreenPoint mouse = m_controller->mousePoint();
    const ::Layout& layout = m_context.layout();
    const RenderOptions options = canvasRenderOptions(layout);
    m_plan.draw(dc, *m_renderer, layout, options, m_controller->view(), GetClientSize(),
                m_controller->movingSelection());
    const std::string status = m_renderer->paintOverPlan(
        dc, layout, options, m_controller->view(), wxPoint(mouse.x, mouse.y), m_status0);
    if (!status.empty()) {
        setStatusText(0, status);
    }
    drawCanvasOverlays(dc, *m_renderer, m_controller->overlays(), m_controller->view());
    if (m_findings != nullptr) {
        drawFindingMarks(dc, m_controller->view(), *m_findings, m_selectedFinding);
    }
}

void CanvasPanel::markFindings(const CheckResult* result, int selected) {
    m_findings = result;
    m_selectedFinding = selected;
    Refresh(false);
}

void CanvasPanel::OnMouse(wxMouseEvent& event) {
    const ScreenPoint at{event.GetX(), event.GetY()};
    const Modifiers mods = modifiersOf(event);
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_MOTION) {
        m_controller->motion(at, mods, event.LeftIsDown());
    } else if (type == wxEVT_LEFT_DOWN) {
        SetFocus();
        if (m_clicks.pressIsDoubleClick(event.GetTimestamp(), at.x, at.y)) {
            m_controller->leftDoubleClick(at, mods);
        } else {
            m_controller->leftDown(at, mods);
        }
    } else if (type == wxEVT_LEFT_UP) {
        m_controller->leftUp(at, mods);
    } else if (type == wxEVT_LEFT_DCLICK) {
        m_clicks.doubleClicked();
        m_controller->leftDoubleClick(at, mods);
    } else if (type == wxEVT_RIGHT_DOWN) {
        m_controller->rightDown(at, mods);
    } else if (type == wxEVT_MIDDLE_DOWN) {
        m_controller->middleDown(at);
    } else if (type == wxEVT_MIDDLE_UP) {
        m_controller->middleUp(at);
    } else if (type == wxEVT_MOUSEWHEEL) {
        const int delta = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 120;
        int steps = event.GetWheelRotation() / delta;
        if (steps == 0) {
            steps = event.GetWheelRotation() > 0 ? 1 : (event.GetWheelRotation() < 0 ? -1 : 0);
        }
        m_controller->wheel(at, mods, steps);
    } else if (type == wxEVT_LEAVE_WINDOW) {
        m_controller->mouseLeft();
    }
    event.Skip(type == wxEVT_LEFT_DOWN);  // let the focus follow the click
}

void CanvasPanel::OnKeyDown(wxKeyEvent& event) {
    if (!m_controller->keyDown(canvasKey(event.GetKeyCode()), modifiersOf(event))) {
        event.Skip();
    }
}

void CanvasPanel::OnKeyUp(wxKeyEvent& event) {
    m_controller->keyUp(canvasKey(event.GetKeyCode()));
    event.Skip();
}

void CanvasPanel::OnCaptureLost(wxMouseCaptureLostEvent&) {
    // Another window took the mouse (a message box): nothing to release any more.
}
