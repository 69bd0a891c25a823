#include "app/ui/railvane_app.h"

#include <exception>
#include <string>
#include <vector>

#include <wx/filename.h>
#include <wx/utils.h>
#include <wx/image.h>

#include "app/command_line.h"
#include "app/prefs.h"
#include "app/run_log.h"
#include "app/ui/app_paths.h"
#include "app/ui/splash_dialog.h"
#include "catalog/track_catalog.h"
#include "document/atomic_file.h"
#include "frame/ui/main_frame.h"

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

    // A save that was killed half way leaves its temporary file; nobody else will remove it.
    const int stale = removeStaleSaveFiles(std::string(GetUserFolder().fn_str()), 2);
    if (stale > 0) {
        AppLog("Removed " + std::to_string(stale) + " temporary file(s) of interrupted saves");
    }
    frame->Show();
    AppLog("Show OK");

    frame->editor().layout().EnsureDefaultLevel();

    LoadPrefs(appPrefs());
    if (appPrefs().playful) {
        SplashDialog splash(frame, appPrefs().playful);
        splash.ShowModal();
    }

    frame->RefreshSidePanels();

    // main() has already answered --help, --version and bad arguments; what is left is at most a
    // layout to open. A file that cannot be read is reported and the empty layout stays.
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i].utf8_str());
    }
    const CommandLine line = parseCommandLine(args);
    if (line.action != CommandLine::Action::Run || line.file.empty()) {
        // Unsaved work of a run that was killed or crashed is offered back, not forced on the
        // user.
        frame->OfferRecovery();
        return true;
    }
    // The window is shown and painted first; the file, which may be large, is read once the
    // event loop runs, and the recovery offer follows it as before.
    const wxString path = AbsoluteLayoutPath(wxString::FromUTF8(line.file));
    frame->CallAfter([frame, path] {
        frame->Update();
        AppLog("Opening " + std::string(path.utf8_str()));
        {
            wxBusyCursor busy;
            frame->LoadLayoutFile(path);
        }
        frame->OfferRecovery();
    });
    return true;
}

wxString AbsoluteLayoutPath(const wxString& path) {
    wxFileName name(path);
    name.MakeAbsolute();
    return name.GetFullPath();
}

int RailvaneApp::OnExit() {
    AppLog("OnExit");
    runLog().close();
    return 0;
}
