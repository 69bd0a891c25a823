#pragma once
// A main window with scripted prompts in a fresh user folder, for the tests of its commands and of
// opening, deleting, importing and exporting layouts; list dialogs run inside real modal loops.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/spinctrl.h>
#include <wx/uiaction.h>

#include "app/prefs.h"
#include "app/scripted_prompter.h"
#include "app/ui/app_paths.h"
#include "document/layout_file.h"
#include "frame/ui/main_frame.h"
#include "gui_support.h"

class FilesTest : public testing::Test {
protected:
    static std::filesystem::path userFolder() {
        return std::filesystem::path(std::string(GetUserFolder().utf8_str()));
    }

    void SetUp() override {
        clearModalHandlers();
        std::error_code ec;
        std::filesystem::remove_all(userFolder(), ec);
        std::filesystem::create_directories(userFolder());
        appPrefs() = Prefs{};
        writeWholeFile(installFolder() / "prefs.cfg", "playful=0\nasked=1\nunits=0\n");
        m_frame = new MainFrame();
        auto prompter = std::make_unique<ScriptedPrompter>();
        m_prompts = prompter.get();
        m_frame->setPrompter(std::move(prompter));
    }

    void TearDown() override {
        if (m_frame != nullptr) {  // a test may have closed the window itself
            EXPECT_FALSE(m_prompts->answersLeft()) << "a scripted answer was never asked for";
            m_frame->Destroy();
            waitFor([] { return wxTopLevelWindows.empty(); });
        }
        EXPECT_EQ(pendingModalHandlers(), 0u) << "an expected dialog never appeared";
        clearModalHandlers();
    }

    /// Sends a menu or tool command as a click would; `checked` for check items.
    void command(int id, int checked = 0) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetInt(checked);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    const ScriptedPrompter::Record& lastPrompt() const {
        EXPECT_FALSE(m_prompts->records().empty());
        static const ScriptedPrompter::Record none;
        return m_prompts->records().empty() ? none : m_prompts->records().back();
    }

    /// The next modal dialog is shown for real and `act` runs inside its modal loop; a dialog
    /// that `act` leaves open is then cancelled, so a test never hangs on it.
    template <class Dialog>
    void duringModal(std::function<void(Dialog*)> act) {
        expectModal([act](wxDialog* dialog) {
            dialog->CallAfter([act, dialog] {
                if (auto* typed = dynamic_cast<Dialog*>(dialog)) {
                    act(typed);
                } else {
                    ADD_FAILURE() << "unexpected dialog " << dialog->GetTitle().utf8_string();
                }
                if (dialog->IsModal()) {
                    dialog->EndModal(wxID_CANCEL);
                }
            });
            return static_cast<int>(wxID_NONE);
        });
    }

    /// A user's selection of `line`, as the list reports it.
    static void select(wxListBox* list, int line, wxEventType type = wxEVT_LISTBOX) {
        list->SetSelection(line);
        wxCommandEvent event(type, list->GetId());
        event.SetEventObject(list);
        event.SetInt(line);
        list->ProcessWindowEvent(event);
    }
    static void doubleClick(wxListBox* list, int line) { select(list, line, wxEVT_LISTBOX_DCLICK); }
    static void click(wxButton* button) {
        wxCommandEvent event(wxEVT_BUTTON, button->GetId());
        event.SetEventObject(button);
        button->ProcessWindowEvent(event);
    }
    static std::vector<std::string> lines(const wxListBox* list) {
        std::vector<std::string> out;
        for (unsigned i = 0; i < list->GetCount(); ++i) {
            out.push_back(list->GetString(i).utf8_string());
        }
        return out;
    }

    /// Clicks into `field`, selects its text and types `keys` over it (Backspace for none).
    static bool typeInto(wxSpinCtrlBase* field, const std::string& keys) {
        wxUIActionSimulator sim;
        sim.MouseMove(field->ClientToScreen(wxPoint(8, field->GetSize().y / 2)));
        sim.MouseClick();
        // Without a window manager a click does not move the keyboard focus by itself.
        field->SetFocus();
        if (!waitFor([field] { return wxWindow::FindFocus() == field; }, 2000)) {
            return false;
        }
        field->SetSelection(-1, -1);
        if (keys.empty()) {
            sim.Char(WXK_BACK);
        } else {
            sim.Text(keys.c_str());
        }
        return waitFor([field, keys] { return field->GetTextValue() == keys; }, 2000);
    }

    /// Presses OK with the mouse, so the field loses the focus as it does for a user.
    static void clickOk(wxDialog* dialog) {
        wxWindow* ok = dialog->FindWindow(wxID_OK);
        wxUIActionSimulator sim;
        sim.MouseMove(ok->ClientToScreen(wxPoint(ok->GetSize().x / 2, ok->GetSize().y / 2)));
        sim.MouseClick();
    }

    /// The name stored inside a layout file; empty when it cannot be read.
    static std::string storedName(const std::filesystem::path& file) {
        Layout scratch;
        std::string name;
        return ReadLayout(file.string(), scratch, name).empty() ? name : std::string();
    }
    /// A readable layout file named `name` with `pieces` straight pieces.
    static void writeLayoutFile(const std::filesystem::path& file, const std::string& name,
                                int pieces = 1) {
        Layout layout;
        for (int i = 0; i < pieces; ++i) {
            PlacedPiece piece;
            piece.id = layout.AllocateId();
            piece.article = "24188";
            piece.x = 200.0 * i;
            layout.pieces.push_back(piece);
        }
        std::filesystem::create_directories(file.parent_path());
        ASSERT_EQ(WriteLayout(file.string(), layout, name), "");
    }

    MainFrame* m_frame = nullptr;
    ScriptedPrompter* m_prompts = nullptr;
};
