#include "app/railvane_app.h"

#include <exception>
#include <string>

#include <wx/filename.h>
#include <wx/image.h>

#include "app/app_paths.h"
#include "app/prefs.h"
#include "app/run_log.h"
#include "app/splash_dialog.h"
#include "catalog/track_catalog.h"
#include "frame/main_frame.h"

void OpenRunLog() {
    const wxString path = GetLogFolder() + wxFILE_SEP_PATH + "railvane.log";
    runLog().open(std::filesystem::path(std::string(path.fn_str())));
}

bool RailvaneApp::OnInit() {
    OpenRunLog();
    AppLog("=== Railvane starting ===");

    wxInitAllImageHandlers();
    AppLog("Image handlers registered");

    const TrackCatalog& catalog = TrackCatalog::instance();
    AppLog("Built-in catalog loaded - " + std::to_string(catalog.count()) + " pieces");

    AppLog("Creating MainFrame...");
    MainFrame* frame = nullptr;
    // A failure while the window is built leaves nothing sensible to show; the log tells why.
    try {
        frame = new MainFrame();
    } catch (const std::exception& e) {
        AppLog(std::string("EXCEPTION: ") + e.what());
        return false;
    } catch (...) {
        AppLog("UNKNOWN EXCEPTION in MainFrame");
        return false;
    }
    AppLog("MainFrame created OK");
    frame->Show();
    AppLog("Show OK");

    frame->layout.EnsureDefaultLevel();

    LoadPrefs(appPrefs());
    if (appPrefs().playful) {
        SplashDialog splash(frame, appPrefs().playful);
        splash.ShowModal();
    }

    // The piece tally of the properties panel is refreshed here once that panel counts pieces.
    return true;
}

int RailvaneApp::OnExit() {
    AppLog("OnExit");
    runLog().close();
    return 0;
}
