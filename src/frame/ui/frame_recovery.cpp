// Autosave of the main window: a recovery copy of the unsaved layout after every 20 edits and
// every minute with changes, removed by a save or a discard, and offered back at the next start
// when the program did not end properly.
#include <memory>

#include "app/run_log.h"
#include "app/ui/app_paths.h"
#include "canvas/ui/canvas_panel.h"
#include "frame/ui/main_frame.h"

void MainFrame::StartAutosave() {
    m_recoveryFolder = GetRecoveryFolder().utf8_string();
    // The timer handles its own events: a handler on the window would take every timer's.
    m_autosaveTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        if (m_modified && m_autosave.timerDue()) {
            KeepRecoveryCopy();
        }
    });
    m_autosaveTimer.Start(AutosavePolicy::kTimerMs);
}

void MainFrame::KeepRecoveryCopy() {
    m_autosave.reset();
    const RecoveryNote note{m_layout.identity.name, m_layout.identity.filePath, recoveryTimeNow()};
    // A copy that cannot be written costs nothing of the layout itself; the status bar says so.
    if (const std::string error = writeRecovery(m_recoveryFolder, m_layout, note); !error.empty()) {
        SetStatusText("The recovery copy could not be written", 0);
    }
}

void MainFrame::DropRecoveryCopy() {
    m_autosave.reset();
    removeRecovery(m_recoveryFolder);
}

void MainFrame::OfferRecovery() {
    const std::optional<RecoveryNote> note = findRecovery(m_recoveryFolder);
    if (!note) {
        return;
    }
    if (prompter().ask(kRecoveryTitle, recoveryQuestion(*note), PromptButtons::YesNo, kIdYes,
                       PromptIcon::Question) != kIdYes) {
        DropRecoveryCopy();
        return;
    }
    // Reading it drops the copy as a layout matching its file; it is written again at once, so
    // the restored work stays safe until it is saved.
    if (!LoadLayoutPath(recoveryLayoutPath(m_recoveryFolder))) {
        return;
    }
    m_layout.ReplaceIdentity(note->layoutName, note->filePath);
    m_modified = true;
    UpdateTitle();
    KeepRecoveryCopy();
    SetStatusText("Restored the unsaved work from " + wxString::FromUTF8(note->savedAt), 0);
}

void MainFrame::OpenAtStart(const wxString& path) {
    auto done = std::make_shared<bool>(false);
    const auto open = [this, done, path]() {
        if (*done) {
            return;
        }
        *done = true;
        if (!path.empty()) {
            AppLog("Opening " + std::string(path.utf8_str()));
            LoadLayoutFile(path);
        }
        OfferRecovery();
    };
    // The canvas's first paint says the window is on screen. It may have come already (a dialog
    // at start runs the event loop); a window that never paints still opens the file a moment
    // later.
    if (m_canvas->painted()) {
        CallAfter(open);
        return;
    }
    m_canvas->Bind(wxEVT_PAINT, [this, open, done](wxPaintEvent& event) {
        event.Skip();
        if (!*done) {
            CallAfter(open);
        }
    });
    m_startTimer.Bind(wxEVT_TIMER, [open](wxTimerEvent&) { open(); });
    m_startTimer.StartOnce(kStartOpenFallbackMs);
}
