// Entry point of the window tests: starts the toolkit without its main loop, in a private HOME,
// with wx asserts and unexpected modal dialogs turned into test failures.

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <random>
#include <thread>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>

#include "app/ui/app_paths.h"
#include "gui_support.h"

namespace fs = std::filesystem;

namespace {

fs::path g_root;
std::deque<std::function<int(wxDialog*)>> g_modalHandlers;
std::vector<LoggedMessage> g_logged;

/// Keeps what the program logs, so tests can check it and no log box pops up.
class RecordingLog : public wxLog {
protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) override {
        g_logged.push_back({level, msg});
    }
};

class ModalSafetyNet : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        if (g_modalHandlers.empty()) {
            ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_string()
                          << "\"";
            return wxID_CANCEL;
        }
        auto handler = std::move(g_modalHandlers.front());
        g_modalHandlers.pop_front();
        return handler(dialog);
    }
    void Exit(wxDialog*) override {}
};

class GuiTestApp : public wxApp {
public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        SetExitOnFrameDelete(false);
        OverrideExecutableFolder(wxString(installFolder().string()));
        delete wxLog::SetActiveTarget(new RecordingLog);
        return true;
    }
};

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assert in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

/// A fresh HOME with its own data and documents folders, so no test touches the user's files.
void makePrivateHome() {
    std::random_device rd;
    g_root = fs::temp_directory_path() / ("railvane-gui-" + std::to_string(rd()));
    fs::create_directories(g_root / "home" / "Documents");
    fs::create_directories(installFolder());
    setenv("HOME", (g_root / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (g_root / "home" / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (g_root / "home" / ".local" / "share").c_str(), 1);
    setenv("XDG_CACHE_HOME", (g_root / "home" / ".cache").c_str(), 1);
    writeWholeFile(g_root / "home" / ".config" / "user-dirs.dirs",
                   "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    setenv("NO_AT_BRIDGE", "1", 1);
    setenv("GSETTINGS_BACKEND", "memory", 1);
}

/// Every test starts with an empty user folder and install folder, whatever ran before it: the
/// user folder's path is fixed for the run, so files one test saved would show up in the next.
class FreshFolders : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        std::error_code ec;
        for (const fs::path& folder :
             {g_root / "home" / "Documents" / "Railvane", installFolder()}) {
            if (fs::exists(folder, ec)) {
                for (const auto& entry : fs::directory_iterator(folder, ec)) {
                    fs::remove_all(entry.path(), ec);
                }
            }
        }
        fs::remove(g_root / "home" / ".railvane" / "prefs.cfg", ec);
        g_logged.clear();
    }
};

}  // namespace

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void expectModal(std::function<int(wxDialog*)> handler) {
    g_modalHandlers.push_back(std::move(handler));
}

size_t pendingModalHandlers() {
    return g_modalHandlers.size();
}

void clearModalHandlers() {
    g_modalHandlers.clear();
}

const fs::path& testRoot() {
    return g_root;
}

fs::path installFolder() {
    return g_root / "install";
}

const std::vector<LoggedMessage>& loggedMessages() {
    return g_logged;
}

void clearLoggedMessages() {
    g_logged.clear();
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeWholeFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

int main(int argc, char** argv) {
    bool listOnly = false;
    for (int i = 1; i < argc; ++i) {
        listOnly = listOnly || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    }
    testing::InitGoogleTest(&argc, argv);
    // Listing needs no display, and test discovery runs where there is none.
    if (listOnly) {
        return RUN_ALL_TESTS();
    }

    makePrivateHome();
    wxApp::SetInstance(new GuiTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start the toolkit (no display?)\n");
        return 1;
    }
    wxSetAssertHandler(failOnAssert);
    ModalSafetyNet safetyNet;
    safetyNet.Register();
    testing::UnitTest::GetInstance()->listeners().Append(new FreshFolders);

    const int result = RUN_ALL_TESTS();

    safetyNet.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    std::error_code ec;
    fs::remove_all(g_root, ec);
    return result;
}
