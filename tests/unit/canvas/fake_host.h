#pragma once
// A canvas host without a window: it records what the controller asked for, answers prompts
// from a script, and observes the layout editor the way the main window does (commits, selection
// changes, the piece count in status field 1).

#include "app/scripted_prompter.h"
#include "canvas/canvas_controller.h"
#include "canvas/canvas_host.h"
#include "frame/frame_title.h"
#include "tools/elevation_wizard.h"

struct FakeHost : CanvasHost, EditObserver {
    ScriptedPrompter prompts;
    int repaints = 0, captures = 0, releases = 0, modifiedCalls = 0, selectionCalls = 0;
    std::string status[3];
    int menuChoice = -1;  ///< index the next context menu answers with
    std::vector<ContextMenuEntry> lastMenu;
    int labelDrops = 0;
    Vec2 labelDropPoint;
    int autofills = 0;
    std::vector<WizardAction> wizardSteps;  ///< the steps handed over, in order
    std::string wizardStatus;               ///< what each of them answers

    void repaint() override { ++repaints; }
    void captureMouse() override { ++captures; }
    void releaseMouse() override { ++releases; }
    void setCursor(CanvasCursor c) override { cursor = c; }
    CanvasCursor cursor = CanvasCursor::Arrow;
    void setStatusText(int field, const std::string& text) override { status[field] = text; }
    void startFlashTimer(int) override {}
    int showContextMenu(ScreenPoint, const std::vector<ContextMenuEntry>& entries) override {
        lastMenu = entries;
        return menuChoice;
    }
    Prompter& prompter() override { return prompts; }
    void layoutEdited(const EditNotice&) override {
        ++modifiedCalls;
        status[1] = pieceCountText(m_watched->pieces.size());
    }
    void selectionChanged() override { ++selectionCalls; }
    /// Observes `editor` from now on.
    void watch(LayoutEditor& editor) {
        m_watched = &editor.layout();
        editor.addObserver(this);
    }
    void takeFocus() override {}
    ScreenPoint clientSize() const override { return {800, 600}; }
    void setLabelDropPoint(Vec2 point) override {
        ++labelDrops;
        labelDropPoint = point;
    }
    void editShapeProperties(uint32_t id) override {
        dialogs.push_back("shape " + std::to_string(id));
    }
    void editSceneryScale(uint32_t id) override {
        dialogs.push_back("scenery " + std::to_string(id));
    }
    std::vector<std::string> dialogs;  ///< the dialogs a double-click opened, with their object
    bool autofillGap() override {
        ++autofills;
        return false;
    }
    std::string runWizardStep(const WizardAction& action) override {
        wizardSteps.push_back(action);
        return wizardStatus;
    }

private:
    const Layout* m_watched = nullptr;
};

/// The host, after it has started to observe `editor`.
inline CanvasHost& watching(FakeHost& host, LayoutEditor& editor) {
    host.watch(editor);
    return host;
}

/// Zoom 1 with the origin at screen (0, 0): screen pixels equal layout millimetres.
inline void unitView(CanvasController& c) {
    c.view().zoom = 1.0;
    c.view().panX = 0.0;
    c.view().panY = 0.0;
}

inline ScreenPoint px(double x, double y) {
    return {static_cast<int>(x), static_cast<int>(y)};
}
